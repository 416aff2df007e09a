#pragma once

#include <QString>
#include <QtGlobal>

// What tells one version of a file from the next without reading it: its
// size, its modification and status-change times to the nanosecond, and its
// inode (a file replaced by renaming another over it is a new inode).
struct FileStamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;

    // The stamp of the plain file at `path`; `exists` false for anything else.
    static FileStamp of(const QString& path);

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
