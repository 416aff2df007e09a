#pragma once

class QMenu;
class QWidget;

// Help, "Language": "As specified" (the program's own texts) and each
// language with a translation, named in its own language. The remembered
// choice is checked; choosing another remembers it for the next start and
// says so in a box over `owner`'s window.
void FillLanguageMenu(QMenu* menu, QWidget* owner);
