#pragma once

#include <QString>

class QWidget;

// The set commands' messages: modal boxes with one OK button and no icon.
namespace SetMessages {

// The texts, in the language the program shows.
QString InvalidNameCaption();
QString EmptyName();
QString NameExists();
QString ErrorCaption();
QString CannotCreate();
QString ChooseASet();
QString ChooseFolderCaption();
QString ChooseAFolder();

// Shows the message modally; returns when the user has pressed OK.
void Show(QWidget* parent, const QString& caption, const QString& text);

} // namespace SetMessages
