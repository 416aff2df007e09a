#include "common/AppLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

const std::vector<AppLanguage>& AppLanguages()
{
    // Each name in its own language, so that a user who reads none of the
    // others still finds theirs.
    static const std::vector<AppLanguage> languages{
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("en"), QStringLiteral("English")},
    };
    return languages;
}

bool IsAppLanguage(const QString& code)
{
    for (const AppLanguage& language : AppLanguages())
        if (language.code == code)
            return true;
    return false;
}

AppTranslation::AppTranslation(const QString& code, const QString& folder)
{
    if (!IsAppLanguage(code))
        return;
    // Numbers, dates and the default voice follow the chosen language too.
    previousLocale_ = QLocale();
    QLocale::setDefault(QLocale(code));
    localeSet_ = true;
    ownInstalled_ =
        own_.load(QStringLiteral("tessellor_") + code, folder) && QCoreApplication::installTranslator(&own_);
    // Qt's own texts (the buttons of standard dialogs) come from the system's
    // translations; the QLocale form falls back from pt_BR to pt.
    qtInstalled_ = qt_.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                   QCoreApplication::installTranslator(&qt_);
}

AppTranslation::~AppTranslation()
{
    if (qtInstalled_)
        QCoreApplication::removeTranslator(&qt_);
    if (ownInstalled_)
        QCoreApplication::removeTranslator(&own_);
    if (localeSet_)
        QLocale::setDefault(previousLocale_);
}
