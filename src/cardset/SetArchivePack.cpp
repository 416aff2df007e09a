// Writing a set archive: the set's files, each under the set's folder name.

#include "cardset/ArchiveLocale.h"
#include "cardset/CardNames.h"
#include "cardset/CardTable.h"
#include "cardset/SetArchive.h"
#include "cardset/SetConfig.h"
#include "common/FileErrorReason.h"
#include "common/FileNames.h"
#include "common/RegularFile.h"
#include "common/ReplacingFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <memory>
#include <optional>

namespace {

// Entries deflated further than this are stored as they are, so that an
// archive of blank cards or silence never looks like a compression bomb to
// the reader's limit (200 to 1).
constexpr qsizetype StoreAboveRatio = 100;
constexpr int FilePermissions = 0644;
constexpr int FolderPermissions = 0755;

using WriterPtr = std::unique_ptr<archive, decltype(&archive_write_free)>;
using EntryPtr = std::unique_ptr<archive_entry, decltype(&archive_entry_free)>;

ESetArchiveError fileError(const QString& message, const QString& path, int errorNumber)
{
    return WithFileReason(ESetArchiveError(message), path, errorNumber);
}

// The archive's bytes on their way to the file, gathered into large writes
// and counted, so that what each entry took is known.
struct Output {
    static constexpr qsizetype FlushAbove = 256 * 1024;

    ReplacingFile& file;
    QByteArray pending;
    qint64 written = 0;

    bool flush()
    {
        const bool ok = file.write(pending.constData(), pending.size());
        pending.resize(0); // keeps its room for the next
        return ok;
    }
};

la_ssize_t writeToFile(archive*, void* client, const void* buffer, size_t length)
{
    auto* out = static_cast<Output*>(client);
    out->pending.append(static_cast<const char*>(buffer), qsizetype(length));
    out->written += qint64(length);
    return out->pending.size() < Output::FlushAbove || out->flush() ? la_ssize_t(length) : -1;
}

int closeFile(archive*, void* client)
{
    return static_cast<Output*>(client)->flush() ? ARCHIVE_OK : ARCHIVE_FATAL;
}

class ZipWriter {
  public:
    ZipWriter(ReplacingFile& file, const QString& zipPath) : file_(file), zipPath_(zipPath), out_{file, {}, 0}
    {
        if (!a_)
            throw EOutOfMemory();
        archive_write_set_format_zip(a_.get());
        // Unblocked: every byte is counted as it comes, and a zip ends where
        // its directory ends, with no padding to a tape block.
        archive_write_set_bytes_per_block(a_.get(), 0);
        if (archive_write_open(a_.get(), &out_, nullptr, writeToFile, closeFile) != ARCHIVE_OK)
            fail();
    }

    void addFolder(const QString& name)
    {
        EntryPtr entry =
            newEntry(name + QLatin1Char('/'), AE_IFDIR | FolderPermissions, QDateTime::currentDateTime());
        if (archive_write_header(a_.get(), entry.get()) != ARCHIVE_OK)
            fail();
    }

    // Returns whether the entry, deflated, came out more compressible than
    // the reader allows: it must then be stored as it is.
    bool addFile(const QString& name, const QByteArray& bytes, const QDateTime& modified, bool store)
    {
        if (store)
            archive_write_zip_set_compression_store(a_.get());
        else
            archive_write_zip_set_compression_deflate(a_.get());
        EntryPtr entry = newEntry(name, AE_IFREG | FilePermissions, modified);
        archive_entry_set_size(entry.get(), bytes.size());
        const qint64 before = out_.written;
        if (archive_write_header(a_.get(), entry.get()) != ARCHIVE_OK ||
            archive_write_data(a_.get(), bytes.constData(), size_t(bytes.size())) != bytes.size() ||
            archive_write_finish_entry(a_.get()) != ARCHIVE_OK)
            fail();
        return !store && !bytes.isEmpty() && (out_.written - before) * StoreAboveRatio < bytes.size();
    }

    void close()
    {
        if (archive_write_close(a_.get()) != ARCHIVE_OK)
            fail();
    }

  private:
    static EntryPtr newEntry(const QString& name, int mode, const QDateTime& modified)
    {
        EntryPtr entry(archive_entry_new(), archive_entry_free);
        if (!entry)
            throw EOutOfMemory();
        archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
        archive_entry_set_mode(entry.get(), mode);
        archive_entry_set_mtime(entry.get(), modified.toSecsSinceEpoch(), 0);
        return entry;
    }

    // A write the file refused has the system's reason; anything else,
    // the archive library's.
    [[noreturn]] void fail() const
    {
        if (file_.error() != 0)
            throw fileError(QStringLiteral("Cannot write the archive %1").arg(zipPath_), zipPath_,
                            file_.error());
        throw ESetArchiveError(QStringLiteral("Cannot write the archive %1: %2")
                                   .arg(zipPath_, QString::fromLocal8Bit(archive_error_string(a_.get()))));
    }

    const ReplacingFile& file_;
    QString zipPath_;
    Output out_;
    // Last, so it goes first: an archive left open (a retry, a failure)
    // still flushes into out_ as it is freed.
    WriterPtr a_{archive_write_new(), archive_write_free};
};

// Where a set file's bytes may be read from: the file itself, or for a link
// the file it leads to while that stays inside the set's folder. A link out
// of the folder (to another user's secrets as well as to a card elsewhere)
// is never followed into an archive meant to be sent, nor is a pipe or a
// device ever read. Nothing for those.
std::optional<QString> readablePath(const QString& path, const QString& canonicalFolder)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.isFile() ? std::optional<QString>(path) : std::nullopt;
    const QString target = info.canonicalFilePath();
    if (target.isEmpty() || !target.startsWith(canonicalFolder + QLatin1Char('/')) ||
        !QFileInfo(target).isFile())
        return std::nullopt;
    return target;
}

// The bytes of a file readablePath gave, into `bytes`, whose room is used
// again from file to file; a link put in its place meanwhile is refused, not
// followed.
void readSetFile(const QString& path, QByteArray& bytes)
{
    QFile file;
    if (!RegularFile::Open(file, path, RegularFile::Links::Refuse))
        throw fileError(QStringLiteral("Cannot open file %1").arg(path), path, errno);
    bytes.resize(file.size());
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 read = file.read(bytes.data() + got, bytes.size() - got);
        if (read <= 0)
            throw fileError(QStringLiteral("Cannot read file %1").arg(path), path, read < 0 ? errno : EIO);
        got += read;
    }
}

// Writes the archive with the files of `stored` stored as they are and the
// others deflated; it is kept only when no deflated file came out too
// compressible, else those files are returned and nothing is written.
QSet<QString> writeArchive(const QString& zipPath, const QString& setName, const QStringList& paths,
                           const QStringList& sources, const QSet<QString>& stored)
{
    ReplacingFile file(zipPath);
    if (!file.open())
        throw fileError(QStringLiteral("Cannot create file %1").arg(zipPath), zipPath, file.error());
    ZipWriter writer(file, zipPath);
    writer.addFolder(setName);
    QSet<QString> tooCompressible;
    QByteArray bytes;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString name = setName + QLatin1Char('/') + QFileInfo(paths[i]).fileName();
        readSetFile(sources[i], bytes);
        if (writer.addFile(name, bytes, QFileInfo(sources[i]).lastModified(), stored.contains(name)))
            tooCompressible << name;
    }
    if (!tooCompressible.isEmpty())
        return tooCompressible;
    writer.close();
    if (!file.commit())
        throw fileError(QStringLiteral("Cannot write the archive %1").arg(zipPath), zipPath, file.error());
    return {};
}

} // namespace

QString SetArchive::ArchiveFileName(const QString& setFolder)
{
    return QFileInfo(SetFolderForm(setFolder)).fileName() + QStringLiteral(".tessellor");
}

QStringList SetArchive::Pack(const QString& setFolder, const QString& zipPath)
{
    const QString folder = SetFolderForm(setFolder);
    const QString setName = QFileInfo(folder).fileName();
    const FileNames::FolderIndex index(folder);
    if (!index.folderListed())
        throw ESetArchiveError(QStringLiteral("Cannot read the folder %1").arg(folder));
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    QStringList paths;
    QStringList sources;
    QStringList skipped;
    // The card names travel with the set they name.
    const QStringList carried = SetFileNames() << CardNames::FileName;
    for (const QString& name : carried)
        if (const std::optional<QString> path = index.findFile(name)) {
            if (const std::optional<QString> source = readablePath(*path, canonicalFolder)) {
                paths << *path;
                sources << *source;
            } else {
                skipped << QFileInfo(*path).fileName();
            }
        }
    if (paths.isEmpty())
        throw ESetArchiveError(QStringLiteral("The folder %1 holds no card set files").arg(folder));

    const ScopedUtf8Locale utf8Names;
    // Deflating is the costly part, so each file is deflated once; the rare
    // file that comes out too compressible (a blank card, silence) has the
    // archive written again with it stored.
    QSet<QString> stored;
    for (;;) {
        const QSet<QString> more = writeArchive(zipPath, setName, paths, sources, stored);
        if (more.isEmpty())
            break;
        stored.unite(more);
    }
    return skipped;
}
