#pragma once

#include <QStringList>

class QApplication;

// tessellor --play SETDIR [--pairs N] [--seed S]: opens only the game window
// on the set in SETDIR and runs until it is closed. `args` are the
// program's arguments; what follows "--play" is read. Returns the exit
// status: 0 after a game window was shown, 1 for a missing folder or a
// Set.cfg that cannot be read, 2 for wrong usage (each with a message box
// and a line on standard error, since a desktop shortcut shows no terminal).
int RunPlayMode(QApplication& app, const QStringList& args);
