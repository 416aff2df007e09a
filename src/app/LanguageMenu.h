#pragma once

#include <QString>

class QMenu;
class QWidget;

// Help, "Language": "As specified" (the program's own texts) and each
// language with a translation, named in its own language. Each entry holds
// its language's code as its data (empty for "As specified"); the remembered
// choice is checked.
void FillLanguageMenu(QMenu* menu);

// Remembers `code` as the language of the next start and, when it is
// another than the one remembered, says so in a box over `owner`'s window.
void ChooseLanguage(const QString& code, QWidget* owner);
