// Writing a set archive: the set's files, each under the set's folder name.

#include "cardset/ArchiveLocale.h"
#include "cardset/CardTable.h"
#include "cardset/SetArchive.h"
#include "cardset/SetConfig.h"
#include "common/FileNames.h"
#include "common/ReplacingFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace {

// Entries deflated further than this are stored as they are, so that an
// archive of blank cards or silence never looks like a compression bomb to
// the reader's limit (200 to 1).
constexpr qsizetype StoreAboveRatio = 100;
constexpr int FilePermissions = 0644;
constexpr int FolderPermissions = 0755;

using WriterPtr = std::unique_ptr<archive, decltype(&archive_write_free)>;
using EntryPtr = std::unique_ptr<archive_entry, decltype(&archive_entry_free)>;

la_ssize_t writeToFile(archive*, void* client, const void* buffer, size_t length)
{
    auto* file = static_cast<ReplacingFile*>(client);
    return file->write(static_cast<const char*>(buffer), qint64(length)) ? la_ssize_t(length) : -1;
}

class ZipWriter {
  public:
    ZipWriter(ReplacingFile& file, const QString& zipPath) : zipPath_(zipPath)
    {
        if (!a_)
            throw EOutOfMemory();
        archive_write_set_format_zip(a_.get());
        // A zip ends where its directory ends: no padding to a tape block.
        archive_write_set_bytes_in_last_block(a_.get(), 1);
        if (archive_write_open(a_.get(), &file, nullptr, writeToFile, nullptr) != ARCHIVE_OK)
            fail();
    }

    void addFolder(const QString& name)
    {
        EntryPtr entry =
            newEntry(name + QLatin1Char('/'), AE_IFDIR | FolderPermissions, QDateTime::currentDateTime());
        if (archive_write_header(a_.get(), entry.get()) != ARCHIVE_OK)
            fail();
    }

    void addFile(const QString& name, const QByteArray& bytes, const QDateTime& modified)
    {
        const bool store = !bytes.isEmpty() && qCompress(bytes).size() * StoreAboveRatio < bytes.size();
        if (store)
            archive_write_zip_set_compression_store(a_.get());
        else
            archive_write_zip_set_compression_deflate(a_.get());
        EntryPtr entry = newEntry(name, AE_IFREG | FilePermissions, modified);
        archive_entry_set_size(entry.get(), bytes.size());
        if (archive_write_header(a_.get(), entry.get()) != ARCHIVE_OK ||
            archive_write_data(a_.get(), bytes.constData(), size_t(bytes.size())) != bytes.size())
            fail();
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

    [[noreturn]] void fail() const
    {
        throw ESetArchiveError(QStringLiteral("Cannot write the archive %1: %2")
                                   .arg(zipPath_, QString::fromLocal8Bit(archive_error_string(a_.get()))));
    }

    WriterPtr a_{archive_write_new(), archive_write_free};
    QString zipPath_;
};

QByteArray readSetFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ESetArchiveError(QStringLiteral("Cannot open file %1").arg(path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ESetArchiveError(QStringLiteral("Cannot read file %1").arg(path));
    return bytes;
}

} // namespace

QString SetArchive::ArchiveFileName(const QString& setFolder)
{
    return QFileInfo(SetFolderForm(setFolder)).fileName() + QStringLiteral(".zip");
}

void SetArchive::Pack(const QString& setFolder, const QString& zipPath)
{
    const QString folder = SetFolderForm(setFolder);
    const QString setName = QFileInfo(folder).fileName();
    const FileNames::FolderIndex index(folder);
    if (!index.folderListed())
        throw ESetArchiveError(QStringLiteral("Cannot read the folder %1").arg(folder));
    QStringList paths;
    for (const QString& name : SetFileNames())
        if (const std::optional<QString> path = index.findFile(name))
            paths << *path;
    if (paths.isEmpty())
        throw ESetArchiveError(QStringLiteral("The folder %1 holds no card set files").arg(folder));

    const ScopedUtf8Locale utf8Names;
    ReplacingFile file(zipPath);
    if (!file.open())
        throw ESetArchiveError(QStringLiteral("Cannot create file %1").arg(zipPath));
    ZipWriter writer(file, zipPath);
    writer.addFolder(setName);
    for (const QString& path : paths) {
        const QFileInfo info(path);
        writer.addFile(setName + QLatin1Char('/') + info.fileName(), readSetFile(path), info.lastModified());
    }
    writer.close();
    if (!file.commit())
        throw ESetArchiveError(QStringLiteral("Cannot write the archive %1").arg(zipPath));
}
