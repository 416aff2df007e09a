// Reading and unpacking a set archive; the checks are SetArchiveReader's.

#include "cardset/SetArchive.h"

#include "cardset/SetArchiveReader.h"
#include "cardset/SetStaging.h"
#include "common/FileErrorReason.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

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
    if (!name.isEmpty())
        SetStaging::CheckTarget(edFolder, name);
    // One pass checks and writes: the archive's set takes its place only
    // once every check has passed and every file is whole; a refused archive
    // leaves nothing.
    SetStaging staging(edFolder);
    FolderSink sink(staging.Folder());
    const Contents written = SetArchiveReader::forFile(zipPath, limits).read(&sink);
    const QString target = staging.MoveInto(name.isEmpty() ? written.setName : name);
    return {target, written};
}
