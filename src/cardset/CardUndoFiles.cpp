#include "cardset/CardUndoFiles.h"

#include "common/Exception.h"
#include "common/FileNames.h"
#include "common/ReplacingFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

CardFileState CardUndoFiles::StateOf(const QString& path)
{
    const std::optional<QString> existing = FileNames::findExisting(path);
    if (!existing || !FileNames::fileExists(*existing))
        return {};
    QFile file(*existing);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file %1.").arg(*existing));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        throw Exception(QStringLiteral("Cannot read file %1.").arg(*existing));
    return CardFileState{true, file.size(), hash.result()};
}

CardFileState CardUndoFiles::Copy(const QString& source, const QString& target,
                                  const std::optional<CardFileState>& expected)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (expected && !in.exists())
            throw EUndoStepRefused(
                QStringLiteral("The kept copy %1 is gone; %2 was left as it is.").arg(source, target));
        throw Exception(QStringLiteral("Cannot open file %1.").arg(source));
    }
    ReplacingFile out(target);
    if (!out.open())
        throw Exception(QStringLiteral("Cannot create file %1.").arg(target));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    CardFileState copied{true, 0, {}};
    for (;;) {
        const QByteArray block = in.read(CopyBlock);
        if (block.isEmpty()) {
            if (!in.atEnd() || in.error() != QFileDevice::NoError)
                throw Exception(QStringLiteral("Cannot read file %1.").arg(source));
            break;
        }
        hash.addData(block);
        copied.size += block.size();
        if (!out.write(block.constData(), block.size()))
            throw Exception(QStringLiteral("Cannot write file %1.").arg(target));
    }
    copied.sha256 = hash.result();
    if (expected && copied != *expected)
        throw EUndoStepRefused(
            QStringLiteral("The kept copy %1 is damaged; %2 was left as it is.").arg(source, target));
    if (!out.commit())
        throw Exception(QStringLiteral("Cannot create file %1.").arg(target));
    return copied;
}
