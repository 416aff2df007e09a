#include "cardset/CardUndoFiles.h"

#include "common/Exception.h"
#include "common/FileErrorReason.h"
#include "common/FileNames.h"
#include "common/ReplacingFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>
#include <cerrno>

namespace {

constexpr qint64 CopyBlock = 1 << 20;
// Enough of the hash to tell sets apart in a folder name.
constexpr int FolderHashLength = 32;

} // namespace

QString CardUndoFiles::CacheRoot()
{
    // Named here rather than by the application's name, so that the tool,
    // which has a name of its own, finds the program's folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Tessellor/undo");
}

QString CardUndoFiles::SetKey(const QString& setFolder)
{
    const QFileInfo info(setFolder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString CardUndoFiles::SetCacheFolder(const QString& root, const QString& setFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(SetKey(setFolder).toUtf8(), QCryptographicHash::Sha256).toHex();
    return root + QLatin1Char('/') + QString::fromLatin1(hash.left(FolderHashLength));
}

QString CardUndoFiles::IndexPath(const QString& setCacheFolder)
{
    return setCacheFolder + QStringLiteral("/history.log");
}

void CardUndoFiles::ReportStrangeEntry(const QString& path)
{
    static QMutex mutex;
    static QSet<QString> reported;
    const QMutexLocker locker(&mutex);
    if (!reported.contains(path)) {
        reported.insert(path);
        qWarning("The undo cache holds %s, a link or special file; it is left alone.", qUtf8Printable(path));
    }
}

bool CardUndoFiles::IsPlainFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        ReportStrangeEntry(path);
        return false;
    }
    return info.isDir();
}

QStringList CardUndoFiles::SubFolders(const QString& folder)
{
    QStringList names;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(
             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)) {
        if (entry.isDir() && !entry.isSymLink())
            names << entry.fileName();
        else if (entry.isSymLink() || !entry.isFile())
            ReportStrangeEntry(entry.filePath());
    }
    return names;
}

QFileInfoList CardUndoFiles::Files(const QString& folder)
{
    QFileInfoList files;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isFile() && !entry.isSymLink())
            files << entry;
        else
            ReportStrangeEntry(entry.filePath());
    }
    return files;
}

CardFileState CardUndoFiles::StateOf(const QString& path)
{
    const std::optional<QString> existing = FileNames::findExisting(path);
    if (!existing || !FileNames::fileExists(*existing))
        return {};
    QFile file;
    if (!RegularFile::Open(file, *existing, RegularFile::Links::Follow))
        throw Exception(QCoreApplication::translate("CardUndoFiles", "Cannot open file %1.").arg(*existing));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        throw Exception(QCoreApplication::translate("CardUndoFiles", "Cannot read file %1.").arg(*existing));
    return CardFileState{true, file.size(), hash.result()};
}

CardFileState CardUndoFiles::Copy(const QString& source, RegularFile::Links links, const QString& target,
                                  const std::optional<CardFileState>& expected)
{
    QFile in;
    if (!RegularFile::Open(in, source, links)) {
        if (expected && errno == ENOENT)
            throw EUndoStepRefused(QCoreApplication::translate(
                                       "CardUndoFiles", "The kept copy %1 is gone; %2 was left as it is.")
                                       .arg(source, target));
        // A link or special file in the copy's place is no copy of ours.
        if (expected && (errno == ELOOP || errno == EINVAL)) {
            ReportStrangeEntry(source);
            throw EUndoStepRefused(QCoreApplication::translate(
                                       "CardUndoFiles", "The kept copy %1 is damaged; %2 was left as it is.")
                                       .arg(source, target));
        }
        throw WithFileReason(
            Exception(QCoreApplication::translate("CardUndoFiles", "Cannot open file %1.").arg(source)),
            source, errno);
    }
    ReplacingFile out(target);
    if (!out.open())
        throw WithFileReason(
            Exception(QCoreApplication::translate("CardUndoFiles", "Cannot create file %1.").arg(target)),
            target, out.error());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    CardFileState copied{true, 0, {}};
    for (;;) {
        const QByteArray block = in.read(CopyBlock);
        if (block.isEmpty()) {
            if (!in.atEnd() || in.error() != QFileDevice::NoError)
                throw Exception(
                    QCoreApplication::translate("CardUndoFiles", "Cannot read file %1.").arg(source));
            break;
        }
        hash.addData(block);
        copied.size += block.size();
        if (!out.write(block.constData(), block.size()))
            throw WithFileReason(
                Exception(QCoreApplication::translate("CardUndoFiles", "Cannot write file %1.").arg(target)),
                target, out.error());
    }
    copied.sha256 = hash.result();
    if (expected && copied != *expected)
        throw EUndoStepRefused(
            QCoreApplication::translate("CardUndoFiles", "The kept copy %1 is damaged; %2 was left as it is.")
                .arg(source, target));
    if (!out.commit())
        throw WithFileReason(
            Exception(QCoreApplication::translate("CardUndoFiles", "Cannot create file %1.").arg(target)),
            target, out.error());
    return copied;
}
