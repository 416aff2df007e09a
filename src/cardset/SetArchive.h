#pragma once

#include "common/Exception.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A card set as one file to send: a zip archive whose one top folder, named
// after the set, holds the set's C*.bmp, S*.wav and Set.cfg and nothing else.
//
// Archives come from anyone, so reading one is refused whole, before any set
// folder appears and before more than the limits are written, at the first
// entry that could reach outside the set's folder or exhaust the disk: absolute paths, "..", symbolic and
// hard links, devices, more than Limits::maxUnpackedBytes in all, or more unpacked than maxRatio times the
// archive's size. Entries that are not a set's files are listed and left out.

// An archive that cannot be packed, read or unpacked; the message names the
// entry concerned where there is one.
class ESetArchiveError : public Exception {
  public:
    explicit ESetArchiveError(const QString& message) : Exception(message) {}
};

// The folder that would receive the set is taken: the caller asks for
// another name.
class ESetNameTaken : public ESetArchiveError {
  public:
    explicit ESetNameTaken(const QString& name);
    const QString& name() const { return name_; }

  private:
    QString name_;
};

namespace SetArchive {

struct Limits {
    qint64 maxUnpackedBytes = qint64(1) << 30; // 1 GB
    qint64 maxRatio = 200;                     // bytes unpacked per byte of archive
    // A set has 83 files; a list of entries that long only costs memory.
    int maxEntries = 10000;
};

// What an archive holds, as far as a set goes.
struct Contents {
    QString setName;     // its top folder (for set files at the top: the archive's own name)
    QStringList files;   // the set's files as the archive names them, without the folder
    QStringList skipped; // whole names of the entries that are not a set's files
    qint64 unpackedBytes = 0;
};

// The file name an exported set gets: "<set name>.tessellor", a zip file
// that the desktop knows by its extension as a set file.
QString ArchiveFileName(const QString& setFolder);

// Writes the set in `setFolder` as the archive `zipPath`, which is replaced
// only once it is whole. Returns the names of the set files left out: links
// that lead out of the folder, and what is no regular file. Raises
// ESetArchiveError (no set files, a file that cannot be read, the archive
// cannot be written).
QStringList Pack(const QString& setFolder, const QString& zipPath);

// Reads the whole archive through the checks without writing anything.
// Raises ESetArchiveError.
Contents Inspect(const QString& zipPath, const Limits& limits = {});
// The same on an archive's bytes; `archiveName` stands for its file name.
Contents InspectBytes(const QByteArray& bytes, const QString& archiveName, const Limits& limits = {});

struct Unpacked {
    QString folder; // the set's new folder
    Contents contents;
};

// Unpacks the set into a new folder of `edFolder` named `name` (empty: the
// archive's set name), checking as it reads. The files are written into a
// hidden temporary folder beside `edFolder`, which is moved into place only
// when every check has passed and every file is whole; on any failure
// nothing is left behind. Raises
// ESetNameTaken when a folder of that name (letter case ignored) exists, and
// ESetArchiveError.
Unpacked Unpack(const QString& zipPath, const QString& edFolder, const QString& name = QString(),
                const Limits& limits = {});

} // namespace SetArchive
