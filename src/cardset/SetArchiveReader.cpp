#include "cardset/SetArchiveReader.h"

#include "cardset/ArchiveLocale.h"
#include "cardset/CardNames.h"
#include "cardset/CardTable.h"
#include "cardset/SetFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace {

constexpr size_t ReadBlock = 64 * 1024;

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;

[[noreturn]] void refuse(const QString& entry, const QString& what)
{
    throw ESetArchiveError(QStringLiteral("The entry \"%1\" %2").arg(entry, what));
}

[[noreturn]] void damaged(archive* a, const QString& entry)
{
    const QString reason = QString::fromLocal8Bit(archive_error_string(a));
    if (entry.isEmpty())
        throw ESetArchiveError(QStringLiteral("The archive is damaged: %1").arg(reason));
    throw ESetArchiveError(
        QStringLiteral("The archive is damaged at the entry \"%1\": %2").arg(entry, reason));
}

QString entryName(archive_entry* entry)
{
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(entry);
    return raw ? QString::fromLocal8Bit(raw) : QString();
}

// The entry's folders and name. Archives made on Windows may separate
// folders with backslashes, which count as separators here too.
QStringList safeComponents(const QString& name)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.startsWith(QLatin1Char('/')) || drive.match(path).hasMatch())
        refuse(name, QStringLiteral("has an absolute path"));
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.contains(QStringLiteral("..")))
        refuse(name, QStringLiteral("leads out of its folder (\"..\")"));
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty())
        refuse(name, QStringLiteral("has no name"));
    return parts;
}

// True for a plain file, false for a folder; refuses everything else.
bool checkKind(archive_entry* entry, const QString& name)
{
    if (archive_entry_hardlink(entry))
        refuse(name, QStringLiteral("is a hard link"));
    if (archive_entry_symlink(entry) || archive_entry_filetype(entry) == AE_IFLNK)
        refuse(name, QStringLiteral("is a symbolic link"));
    if (archive_entry_is_encrypted(entry))
        refuse(name, QStringLiteral("is encrypted"));
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
        return true;
    case AE_IFDIR:
        return false;
    default:
        refuse(name, QStringLiteral("is a device or another special file"));
    }
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 0);
}

// The state of one pass over the entries.
class Pass {
  public:
    Pass(const SetArchive::Limits& limits, qint64 archiveSize, const QString& archiveName,
         SetArchiveReader::Sink* sink)
        : limits_(limits), archiveSize_(archiveSize), archiveName_(archiveName), sink_(sink)
    {
    }

    void entry(archive* a, archive_entry* entry)
    {
        const QString name = entryName(entry);
        if (name.isEmpty())
            damaged(a, QString());
        if (++entries_ > limits_.maxEntries)
            refuse(name,
                   QStringLiteral("makes the archive hold more than %1 entries").arg(limits_.maxEntries));
        const QStringList parts = safeComponents(name);
        if (!checkKind(entry, name))
            return;
        if (!isSetFile(parts)) {
            contents_.skipped << name;
            return;
        }
        const QString fileName = parts.last();
        if (seen_.contains(fileName.toLower()))
            refuse(name, QStringLiteral("appears twice"));
        seen_.insert(fileName.toLower());
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > limits_.maxUnpackedBytes)
            refuseSize(name);
        unpack(a, name, fileName, archive_entry_mtime(entry));
        contents_.files << fileName;
    }

    SetArchive::Contents finish()
    {
        if (std::none_of(contents_.files.begin(), contents_.files.end(), IsSetFileName))
            throw ESetArchiveError(QStringLiteral("The archive holds no card set"));
        contents_.setName = top_.isEmpty() ? QFileInfo(archiveName_).completeBaseName() : top_;
        return contents_;
    }

  private:
    // A set's file (or its card names) directly in the archive's one set
    // folder (the first that holds one), or at its top.
    bool isSetFile(const QStringList& parts)
    {
        if (parts.size() > 2 || !(IsSetFileName(parts.last()) || parts.last() == CardNames::FileName))
            return false;
        const QString top = parts.size() == 2 ? parts.first() : QString();
        if (!topChosen_) {
            if (!top.isEmpty() && !IsUsableSetName(top))
                return false;
            top_ = top;
            topChosen_ = true;
        }
        return top == top_;
    }

    void unpack(archive* a, const QString& name, const QString& fileName, qint64 modified)
    {
        if (sink_)
            sink_->begin(fileName);
        std::unique_ptr<char[]> block(new char[ReadBlock]);
        for (;;) {
            const la_ssize_t got = archive_read_data(a, block.get(), ReadBlock);
            if (got < 0)
                damaged(a, name);
            if (got == 0)
                break;
            count(name, got);
            if (sink_)
                sink_->write(block.get(), qsizetype(got));
        }
        if (sink_)
            sink_->end(modified);
    }

    void count(const QString& name, qint64 bytes)
    {
        contents_.unpackedBytes += bytes;
        if (contents_.unpackedBytes > limits_.maxUnpackedBytes)
            refuseSize(name);
        if (contents_.unpackedBytes > limits_.maxRatio * archiveSize_)
            refuse(name, QStringLiteral("makes the archive unpack to more than %1 times its size")
                             .arg(limits_.maxRatio));
    }

    [[noreturn]] void refuseSize(const QString& name) const
    {
        refuse(name, QStringLiteral("makes the archive unpack to more than %1 MB")
                         .arg(megabytes(limits_.maxUnpackedBytes)));
    }

    SetArchive::Limits limits_;
    qint64 archiveSize_;
    QString archiveName_;
    SetArchiveReader::Sink* sink_;
    SetArchive::Contents contents_;
    QSet<QString> seen_;
    int entries_ = 0;
    QString top_;
    bool topChosen_ = false;
};

} // namespace

SetArchiveReader SetArchiveReader::forFile(const QString& path, const SetArchive::Limits& limits)
{
    SetArchiveReader reader(limits, QFileInfo(path).size(), QFileInfo(path).fileName());
    reader.path_ = path;
    return reader;
}

SetArchiveReader SetArchiveReader::forBytes(const QByteArray& bytes, const QString& archiveName,
                                            const SetArchive::Limits& limits)
{
    SetArchiveReader reader(limits, bytes.size(), archiveName);
    reader.bytes_ = &bytes;
    return reader;
}

SetArchive::Contents SetArchiveReader::read(Sink* sink) const
{
    const ScopedUtf8Locale utf8Names;
    ArchivePtr a(archive_read_new(), archive_read_free);
    if (!a)
        throw EOutOfMemory();
    archive_read_support_format_zip(a.get());
    const int opened =
        bytes_ ? archive_read_open_memory(a.get(), bytes_->constData(), size_t(bytes_->size()))
               : archive_read_open_filename(a.get(), QFile::encodeName(path_).constData(), ReadBlock);
    if (opened != ARCHIVE_OK)
        damaged(a.get(), QString());

    Pass pass(limits_, archiveSize_, archiveName_, sink);
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(a.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            damaged(a.get(), QString());
        pass.entry(a.get(), entry);
    }
    return pass.finish();
}
