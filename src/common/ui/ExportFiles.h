#pragma once

#include <QString>

class QWidget;

// What the exports share: their save dialogs start in the folder the last
// export was written to (kept in the user's settings, so a later run starts
// there too), and each ends in one message naming the file it wrote.
namespace ExportFiles {

// Where a save dialog proposes `fileName`: in the folder last used while it
// still exists, else in the home folder.
QString ProposedPath(const QString& fileName);

// `path` was written: its folder is where the next export's dialog starts.
void Remember(const QString& path);

// "The <what> <path> was written (<size>)." in a box titled `caption`.
QString WrittenText(const QString& what, const QString& path);
void TellWritten(QWidget* parent, const QString& caption, const QString& what, const QString& path);

} // namespace ExportFiles
