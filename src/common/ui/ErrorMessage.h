#pragma once

#include "common/Exception.h"
#include "common/FileError.h"

#include <QString>
#include <functional>

// The one error box of the editor and the way commands reach it.

// The text of the error box: the message with a full stop added when its last
// character sorts after ".".
QString FormatErrorMessage(const QString& message);
// The same for a failure on one file: the layer's own text as above, and the
// file's path on the line below it (the path gets no full stop).
QString FormatErrorMessage(const QString& message, const QString& fileName);
// The same for an error: its text as above, then the file it names and the
// reason the system gave, each on a line of its own. A text that ends with
// the file's path loses it there, so the path stands below as in every other
// file error.
QString FormatErrorMessage(const Exception& error);

// Shows the error box: modal over the active window, titled with the
// application title, an error symbol and one OK button.
void ShowErrorBox(const QString& message, const QString& fileName = QString());
void ShowErrorBox(const Exception& error);

// Shows the error being handled in the error box; call only inside a catch
// block. An error that is no std::exception goes on to the caller.
void ShowCaughtError();

// Runs one command of the editor (a button, a menu entry, a key). An error the
// command raises ends it there and is shown in the error box, so no error
// leaves a Qt slot. False when the command ended with an error.
bool RunCommand(const std::function<void()>& command);
