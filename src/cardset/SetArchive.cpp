// Reading and unpacking a set archive; the checks are SetArchiveReader's.

#include "cardset/SetArchive.h"

#include "cardset/SetArchiveReader.h"
#include "cardset/SetFolders.h"
#include "common/FileErrorReason.h"
#include "common/FileNames.h"
#include "common/Leftovers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

ESetNameTaken::ESetNameTaken(const QString& name)
    : ESetArchiveError(
          QCoreApplication::translate("SetArchive", "A set named \"%1\" already exists").arg(name)),
      name_(name)
{
}

namespace {

ESetArchiveError fileError(const QString& message, const QString& path, int errorNumber)
{
    return WithFileReason(ESetArchiveError(message), path, errorNumber);
}

// Writes each set file into a new folder; nothing it writes replaces anything.
class FolderSink final : public SetArchiveReader::Sink {
  public:
    explicit FolderSink(const QString& folder) : folder_(folder) {}

    void begin(const QString& name) override
    {
        file_.setFileName(folder_ + QLatin1Char('/') + name);
        if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw fileError(
                QCoreApplication::translate("SetArchive", "Cannot create file %1").arg(file_.fileName()),
                file_.fileName(), errno);
    }

    void write(const char* data, qsizetype length) override
    {
        if (file_.write(data, length) != length)
            throw fileError(
                QCoreApplication::translate("SetArchive", "Cannot write file %1").arg(file_.fileName()),
                file_.fileName(), errno);
    }

    void end(qint64 modified) override
    {
        file_.setFileTime(QDateTime::fromSecsSinceEpoch(modified), QFileDevice::FileModificationTime);
        if (!file_.flush())
            throw fileError(
                QCoreApplication::translate("SetArchive", "Cannot write file %1").arg(file_.fileName()),
                file_.fileName(), errno);
        file_.close();
    }

  private:
    QString folder_;
    QFile file_;
};

// Marks a staging folder as in use for as long as the unpack runs.
class HeldFolder {
  public:
    explicit HeldFolder(const QString& folder)
        : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))
    {
        if (fd_ >= 0)
            Leftovers::Hold(fd_);
    }
    ~HeldFolder()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

  private:
    int fd_;
};

// The folder a set of this name would take in `ed`; raises when the name
// cannot name a set or is taken.
QString checkTarget(const QString& ed, const QString& setName)
{
    if (!IsUsableSetName(setName))
        throw ESetArchiveError(
            QCoreApplication::translate("SetArchive", "\"%1\" cannot name a set").arg(setName));
    const QString target = ed + QLatin1Char('/') + setName;
    if (FileNames::findExisting(target))
        throw ESetNameTaken(setName);
    return target;
}

// Makes a folder and those above it that are missing; unless kept, those it
// made go again (while still empty) when it goes.
class MadeFolders {
  public:
    explicit MadeFolders(const QString& folder)
    {
        for (QString path = folder; !path.isEmpty() && !QFileInfo::exists(path);) {
            made_ << path;
            const QString up = QFileInfo(path).path();
            path = up == path ? QString() : up;
        }
        if (!QDir().mkpath(folder))
            throw fileError(
                QCoreApplication::translate("SetArchive", "Cannot create the folder %1").arg(folder), folder,
                errno);
    }
    ~MadeFolders()
    {
        if (!kept_)
            for (const QString& path : made_)
                QDir().rmdir(path);
    }
    MadeFolders(const MadeFolders&) = delete;
    MadeFolders& operator=(const MadeFolders&) = delete;
    void keep() { kept_ = true; }

  private:
    QStringList made_; // the deepest first
    bool kept_ = false;
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
    throw fileError(QCoreApplication::translate("SetArchive", "Cannot create the folder %1").arg(to), to,
                    errno);
}

} // namespace

SetArchive::Contents SetArchive::Inspect(const QString& zipPath, const Limits& limits)
{
    if (!QFileInfo(zipPath).isFile())
        throw ESetArchiveError(QCoreApplication::translate("SetArchive", "Cannot open file %1").arg(zipPath));
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
    if (!QFileInfo(zipPath).isFile())
        throw ESetArchiveError(QCoreApplication::translate("SetArchive", "Cannot open file %1").arg(zipPath));
    const QString ed = QDir::cleanPath(edFolder);
    if (!name.isEmpty())
        checkTarget(ed, name);
    MadeFolders made(ed);

    // One pass checks and writes: the files go into a hidden folder beside
    // "Ed" (beside the folder itself when "Ed" is a link, so the move stays
    // on one file system), which takes the set's place only once every check
    // has passed and every file is whole; a refused archive leaves nothing.
    const QFileInfo real(QFileInfo(ed).canonicalFilePath());
    Leftovers::Sweep(real.absolutePath());
    QTemporaryDir temporary(real.absolutePath() + QStringLiteral("/.") + real.fileName() +
                            QStringLiteral("-import-XXXXXX"));
    if (!temporary.isValid())
        throw fileError(
            QCoreApplication::translate("SetArchive", "Cannot create a temporary folder beside %1").arg(ed),
            ed, errno);
    const HeldFolder held(temporary.path());
    const QString staging = temporary.filePath(QStringLiteral("set"));
    if (!QDir().mkdir(staging))
        throw fileError(QCoreApplication::translate("SetArchive", "Cannot create the folder %1").arg(staging),
                        staging, errno);
    FolderSink sink(staging);
    const Contents written = SetArchiveReader::forFile(zipPath, limits).read(&sink);
    const QString setName = name.isEmpty() ? written.setName : name;
    const QString target = checkTarget(ed, setName);
    moveIntoPlace(staging, target, setName);
    made.keep();
    return {target, written};
}
