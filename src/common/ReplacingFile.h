#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

// Writes a file under a temporary name in the target's folder and renames it
// over the target only when every byte was written, so a failed write (disk
// full, lost device) leaves the previous file as it was and never a half-
// written one. A replaced file keeps its permission bits; a new one gets the
// usual ones (0666 less the umask). A target that is a symbolic link has the
// file it points to replaced, so the link stays a link. The temporary file is
// removed on every failure and when the object goes away uncommitted.
//
// The temporary file is created exclusively: a file already holding a chosen
// name is never opened, truncated or removed; the next name is tried. It is
// held (Leftovers::Hold) while open, and each open first sweeps the folder of
// the temporaries that killed writes left (Leftovers::Sweep).
//
// Without SyncBeforeRename a save is as durable as the file system makes a
// rename, like `cp`; small files that must survive a power cut ask for the
// data to reach the device first.
class ReplacingFile {
  public:
    enum Option {
        NoOptions = 0x0,
        SyncBeforeRename = 0x1,
    };
    Q_DECLARE_FLAGS(Options, Option)

    explicit ReplacingFile(const QString& target, Options options = NoOptions);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // The temporary file's names, tried in this order in the target's folder,
    // for a writer whose temporary files follow a pattern of their own. When
    // every one is taken, open() fails with EEXIST. By default a few hidden
    // names made from the target's are tried.
    void setTemporaryNames(const QStringList& names);

    // Creates the temporary file; false when the folder does not allow it, the
    // target is a folder, or no temporary name is free.
    bool open();
    // While open: the temporary file's descriptor (read and write) and path,
    // for a writer that seeks; the descriptor stays this object's to close.
    int handle() const { return fd_; }
    QString temporaryPath() const { return temporary_; }
    // Writes all `length` bytes; false on any short write.
    bool write(const char* data, qint64 length);
    // Puts the written file in the target's place; false when that failed.
    bool commit();

    // The platform's error number (errno) of the last failed call: ENOSPC for
    // a write the device cut short without one, EISDIR for a folder target.
    int error() const { return error_; }

  private:
    bool fail(int errorNumber);
    void discard();

    QString target_;
    QString temporary_;
    QStringList names_;
    Options options_;
    int fd_ = -1;
    int error_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ReplacingFile::Options)
