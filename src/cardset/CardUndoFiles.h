#pragma once

#include "cardset/CardUndoStep.h"
#include "common/Exception.h"
#include "common/RegularFile.h"

#include <QFileInfoList>
#include <QString>
#include <QStringList>
#include <optional>

// The files of the undo history: where a set's kept copies live, and the
// copying and comparing of card files with them. Kept copies never go into a
// set folder, which must hold only what the game knows.
// A step that can never be taken again: a file it would overwrite was
// changed from outside, or its kept copy is damaged or gone.
class EUndoStepRefused : public Exception {
  public:
    using Exception::Exception;
};

namespace CardUndoFiles {

// The folder of every set's kept files: the program's cache folder + "/undo"
// (~/.cache/Tessellor/undo, following XDG_CACHE_HOME).
QString CacheRoot();
// The set folder as one name for it (links and "." resolved), whatever
// spelling opened it.
QString SetKey(const QString& setFolder);
// The folder under `root` that holds one set's kept files (one folder in it
// for each editor run), named by a hash of SetKey(setFolder).
QString SetCacheFolder(const QString& root, const QString& setFolder);
// The history index inside a run's folder.
QString IndexPath(const QString& setCacheFolder);

// The entries of a cache folder: its sub-folders or its regular files. Links
// and special files are left out and left alone (removing through a planted
// link would empty a folder of the user's); each is reported once.
QStringList SubFolders(const QString& folder);
QFileInfoList Files(const QString& folder);
// Whether `path` is a folder and no link; a link is reported once.
bool IsPlainFolder(const QString& path);
// Reports once that `path` in the cache is a link or special file.
void ReportStrangeEntry(const QString& path);

// What the card file at `path` (letter case ignored) holds now.
CardFileState StateOf(const QString& path);

// Copies `source` to `target` through a replacing write. `source` must be a
// regular file; a link is followed only with Links::Follow. With `expected`,
// the bytes read must match it or nothing is replaced (a damaged kept copy is
// never put back: EUndoStepRefused). Returns what was copied; raises
// Exception on failure.
CardFileState Copy(const QString& source, RegularFile::Links links, const QString& target,
                   const std::optional<CardFileState>& expected = std::nullopt);

} // namespace CardUndoFiles
