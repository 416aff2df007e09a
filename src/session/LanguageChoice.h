#pragma once

#include <QString>

// The language the user chose for the program's texts (a code of
// AppLanguages(), empty for the program's own texts), kept in the settings
// between runs. A choice takes effect at the next start.
QString RememberedLanguage();
void RememberLanguage(const QString& code);
