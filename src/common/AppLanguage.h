#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <vector>

// A language the program's texts can be shown in, named in its own language
// ("Deutsch"). The empty code is the program's own texts, untranslated.
struct AppLanguage {
    QString code; // as in the translation files' names: "pt_BR", "de"
    QString name;
};

// The languages there are translations for, in the order the menu lists them.
const std::vector<AppLanguage>& AppLanguages();

// Whether `code` is one of AppLanguages() (the empty code is not).
bool IsAppLanguage(const QString& code);

// The translations of one language installed into the application while this
// lives: the program's own (tessellor_<code>.qm in `folder`) and Qt's for its
// standard buttons and dialogs (qtbase_<code>.qm from Qt's translations
// folder, when the system has it), and the language's locale as the default
// one. An empty or unknown code installs nothing.
class AppTranslation {
  public:
    explicit AppTranslation(const QString& code, const QString& folder = QStringLiteral(":/i18n"));
    ~AppTranslation();
    AppTranslation(const AppTranslation&) = delete;
    AppTranslation& operator=(const AppTranslation&) = delete;

    // Whether the program's own translation was found and installed.
    bool Installed() const { return ownInstalled_; }

  private:
    QTranslator own_;
    QTranslator qt_;
    bool ownInstalled_ = false;
    bool qtInstalled_ = false;
    QLocale previousLocale_;
    bool localeSet_ = false;
};
