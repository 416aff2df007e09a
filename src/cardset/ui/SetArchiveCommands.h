#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Files -> "Export set as file..." and "Import set from file...": the file
// dialogs, the question for another name and the messages around
// SetArchive's packing and unpacking.
namespace SetArchiveCommands {

// Asks where to write "<set name>.tessellor" (or a .zip) and writes the set in `setFolder`
// there. False when the user cancelled or the archive could not be written
// (the user was told why).
bool ExportSetAsFile(QWidget* parent, const QString& setFolder);

// Asks for an archive and unpacks its set into `edFolder`; the folder of the
// new set, to be opened as Open set opens one, or nullopt when the user
// cancelled or the archive was refused (the user was told why).
std::optional<QString> ImportSetFromFile(QWidget* parent, const QString& edFolder);

// The same for the archive `path` chosen elsewhere (a set file given to the
// program), asking for another name in a dialog when the set's is taken.
std::optional<QString> ImportSetFile(QWidget* parent, const QString& path, const QString& edFolder);

// What ImportSetFromFile does once the archive is chosen. `askName` is asked
// for another name while the set's name is taken in `edFolder`: it gets the
// name taken and a free one to propose ("Animals 2"), and gives the name
// chosen (nullopt: the user cancelled).
using AskName = std::function<std::optional<QString>(const QString& taken, const QString& proposed)>;
std::optional<QString> ImportArchive(QWidget* parent, const QString& zipPath, const QString& edFolder,
                                     const AskName& askName);

} // namespace SetArchiveCommands
