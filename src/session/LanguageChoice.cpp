#include "session/LanguageChoice.h"

#include "common/AppLanguage.h"

#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("Language");

} // namespace

QString RememberedLanguage()
{
    // A code this build has no translation for (an edited settings file, a
    // later version's language) means the program's own texts.
    const QString code = QSettings().value(SettingsKey).toString();
    return IsAppLanguage(code) ? code : QString();
}

void RememberLanguage(const QString& code)
{
    QSettings settings;
    if (IsAppLanguage(code))
        settings.setValue(SettingsKey, code);
    else
        settings.remove(SettingsKey);
    settings.sync();
}
