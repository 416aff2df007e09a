#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TfrmConfigurador;

// "tessellor FILE.tessellor", what a file manager runs when a set file is
// opened with a double click.

// The set file among the program's arguments (the first that is no option),
// or nullopt.
std::optional<QString> SetFileArgument(const QStringList& arguments);

// Imports the set file at `path` into the window's sets' folder as Import set
// from file does (asking for another name when the set's is taken), then
// opens the new set. False when the file was refused or the user cancelled;
// the user was told why.
bool OpenSetFile(TfrmConfigurador& window, const QString& path);
