#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class QTranslator;

// The words of the web page in the language it is exported in. Each has a key:
// the page's template names it as "{{key}}" where it shows in the page
// itself, and the page's code looks up what it says in the set's data
// ("texts"), with %1, %2, ... standing for the values put in.
class WebPageTexts {
  public:
    // The page's own texts, untranslated; <html lang="en">.
    WebPageTexts() = default;

    // The texts in `language` (a BCP 47 code such as "pt-BR", or a file code
    // such as "pt_BR"; empty: untranslated), from the translation file
    // tessellor_<code>.qm in `folder`. Raises EWebExportError for a code that
    // is no language code, or one that `folder` has no translation for.
    static WebPageTexts In(const QString& language, const QString& folder);

    // The attributes of the page's <html> element: its language, and its
    // direction where the language is written from right to left.
    QByteArray htmlAttributes() const;
    // Every text by its key, for the page's data.
    const QJsonObject& texts() const { return texts_; }
    // `page` with every "{{key}}" replaced by its text, escaped for HTML.
    QByteArray fill(const QByteArray& page) const;

  private:
    QString tag_ = QStringLiteral("en");
    bool rightToLeft_ = false;
    QJsonObject texts_ = translated(nullptr);

    static QJsonObject translated(const QTranslator* translator);
};
