#pragma once

#include <QHash>
#include <QString>
#include <optional>

// Set files are named C05.bmp, S05.wav, Set.cfg, but sets come from desktops
// whose file systems ignore letter case: c05.BMP must be found as C05.bmp.
// These helpers find a path's existing spelling on a case-sensitive file system.
namespace FileNames {

// The path of an existing entry (file or folder) that matches `path` without
// regard to the letter case of its last component, or nullopt. Tries the exact
// spelling first, so the common case costs one stat.
std::optional<QString> findExisting(const QString& path);

// True when a plain file (not a folder) matches `path`, letter case ignored.
bool fileExists(const QString& path);

// True when a folder matches `path`, letter case ignored.
bool folderExists(const QString& path);

// The name to write `path` under: the spelling of an existing plain file that
// matches it in another letter case, so that a folder never ends up holding
// two spellings of one card; otherwise `path` itself.
QString targetForWrite(const QString& path);

// Where a file replacing `path` must be put: the existing spelling (as
// targetForWrite), and for a symbolic link the file it points to, so that the
// link stays a link.
QString replacementTarget(const QString& path);

// 0 when `path` may be replaced: nothing is there, or a plain file that this
// process may open for writing. Otherwise the error number (EACCES, EROFS,
// EISDIR...). A rename would replace a read-only file regardless of its
// permissions, so a file the user protected is refused as creating over it
// would be.
int replaceBlocker(const QString& path);

// One listing of a folder, looked up without regard to letter case. A scan of
// a whole set asks it 82 times instead of listing the folder 82 times.
class FolderIndex {
  public:
    explicit FolderIndex(const QString& folder);

    // The full path of the plain file named `name` (letter case ignored), or nullopt.
    std::optional<QString> findFile(const QString& name) const;
    bool folderListed() const { return listed_; }

  private:
    QString folder_;
    bool listed_ = false;
    QHash<QString, QString> files_; // lower-case name -> name as stored
};

} // namespace FileNames
