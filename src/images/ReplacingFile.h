#pragma once

#include <QString>

// Writes a file under a temporary name in the target's folder and renames it
// over the target only when every byte was written, so a failed write (disk
// full, lost device) leaves the previous file as it was and never a half-
// written one. A replaced file keeps its permission bits; a new one gets the
// usual ones (0666 less the umask).
//
// There is deliberately no fsync: like `cp` and the desktop programs these
// sets come from, a save is as durable as the file system makes a rename.
class ReplacingFile {
  public:
    explicit ReplacingFile(const QString& target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file; false when the folder does not allow it or
    // the target is a folder.
    bool open();
    // Writes all `length` bytes; false on any short write.
    bool write(const char* data, qint64 length);
    // Puts the written file in the target's place; false when that failed.
    bool commit();

  private:
    void discard();

    QString target_;
    QString temporary_;
    int fd_ = -1;
};
