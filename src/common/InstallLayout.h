#pragma once

#include <QString>

// Where the program's files and the user's sets are, by how the program was
// installed. Two layouts exist:
// - the program folder (scripts/run.sh): the programs, "Help" and "Ed" in one
//   folder;
// - a system install: the programs in <prefix>/bin and the shared files in
//   <prefix>/share/tessellor, the sets in the user's $HOME/Tessellor/Ed.
// The layout is read from where the program lies, never from what may be
// written there: root may write everywhere.
namespace InstallLayout {

// True when `programFolder` is <prefix>/bin and <prefix>/share/tessellor is
// a folder.
bool IsSystemInstall(const QString& programFolder);

// The folder holding "Help": the program's own, or <prefix>/share/tessellor.
QString DataFolder(const QString& programFolder);

// The sets' folder "Ed", with a separator at its end: beside the program, or
// `home` + "/Tessellor/Ed/".
QString SetsFolder(const QString& programFolder, const QString& home);

} // namespace InstallLayout
