// Reading and unpacking a set archive; the checks are SetArchiveReader's.

#include "cardset/SetArchive.h"

#include "cardset/SetArchiveReader.h"
#include "cardset/SetFolders.h"
#include "common/FileNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace {

// Writes each set file into a new folder; nothing it writes replaces anything.
class FolderSink final : public SetArchiveReader::Sink {
  public:
    explicit FolderSink(const QString& folder) : folder_(folder) {}

    void begin(const QString& name) override
    {
        file_.setFileName(folder_ + QLatin1Char('/') + name);
        if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw ESetArchiveError(QStringLiteral("Cannot create file %1").arg(file_.fileName()));
    }

    void write(const char* data, qsizetype length) override
    {
        if (file_.write(data, length) != length)
            throw ESetArchiveError(QStringLiteral("Cannot write file %1").arg(file_.fileName()));
    }

    void end(qint64 modified) override
    {
        file_.setFileTime(QDateTime::fromSecsSinceEpoch(modified), QFileDevice::FileModificationTime);
        if (!file_.flush())
            throw ESetArchiveError(QStringLiteral("Cannot write file %1").arg(file_.fileName()));
        file_.close();
    }

  private:
    QString folder_;
    QFile file_;
};

// Moves the finished folder into place unless something took its name
// meanwhile: a set that appeared there is never replaced.
void moveIntoPlace(const QString& from, const QString& to, const QString& name)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return;
    if (errno == EEXIST)
        throw ESetNameTaken(name);
    // File systems without the no-replace flag: look, then rename.
    if (errno == EINVAL && !FileNames::findExisting(to) &&
        std::rename(source.constData(), target.constData()) == 0)
        return;
    throw ESetArchiveError(QStringLiteral("Cannot create the folder %1").arg(to));
}

} // namespace

SetArchive::Contents SetArchive::Inspect(const QString& zipPath, const Limits& limits)
{
    if (!QFileInfo(zipPath).isFile())
        throw ESetArchiveError(QStringLiteral("Cannot open file %1").arg(zipPath));
    return SetArchiveReader::forFile(zipPath, limits).read(nullptr);
}

SetArchive::Contents SetArchive::InspectBytes(const QByteArray& bytes, const QString& archiveName,
                                              const Limits& limits)
{
    return SetArchiveReader::forBytes(bytes, archiveName, limits).read(nullptr);
}

SetArchive::Unpacked SetArchive::Unpack(const QString& zipPath, const QString& edFolder, const QString& name,
                                        const Limits& limits)
{
    // The whole archive passes the checks before anything is written.
    const Contents contents = Inspect(zipPath, limits);
    const QString setName = name.isEmpty() ? contents.setName : name;
    if (!IsUsableSetName(setName))
        throw ESetArchiveError(QStringLiteral("\"%1\" cannot name a set").arg(setName));
    const QString ed = QDir::cleanPath(edFolder);
    if (!QDir().mkpath(ed))
        throw ESetArchiveError(QStringLiteral("Cannot create the folder %1").arg(ed));
    const QString target = ed + QLatin1Char('/') + setName;
    if (FileNames::findExisting(target))
        throw ESetNameTaken(setName);

    // Beside "Ed", so that the open dialogs never show a set half unpacked;
    // beside the folder itself when "Ed" is a link, so the move stays on one
    // file system.
    const QFileInfo real(QFileInfo(ed).canonicalFilePath());
    QTemporaryDir temporary(real.absolutePath() + QStringLiteral("/.") + real.fileName() +
                            QStringLiteral("-import-XXXXXX"));
    if (!temporary.isValid())
        throw ESetArchiveError(QStringLiteral("Cannot create a temporary folder beside %1").arg(ed));
    const QString staging = temporary.filePath(setName);
    if (!QDir().mkdir(staging))
        throw ESetArchiveError(QStringLiteral("Cannot create the folder %1").arg(staging));
    FolderSink sink(staging);
    const Contents written = SetArchiveReader::forFile(zipPath, limits).read(&sink);
    moveIntoPlace(staging, target, setName);
    return {target, written};
}
