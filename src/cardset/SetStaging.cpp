#include "cardset/SetStaging.h"

#include "cardset/SetArchive.h"
#include "cardset/SetFolders.h"
#include "common/FileErrorReason.h"
#include "common/FileNames.h"
#include "common/Leftovers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

ESetArchiveError fileError(const QString& message, const QString& path, int errorNumber)
{
    return WithFileReason(ESetArchiveError(message), path, errorNumber);
}

// The folders missing on the way to `folder`, the deepest first.
QStringList missingFolders(const QString& folder)
{
    QStringList missing;
    for (QString path = folder; !path.isEmpty() && !QFileInfo::exists(path);) {
        missing << path;
        const QString up = QFileInfo(path).path();
        path = up == path ? QString() : up;
    }
    return missing;
}

// The hidden folder's name beside `ed` (beside the folder itself when "Ed"
// is a link, so that the final move stays on one file system).
QString stagingTemplate(const QString& ed)
{
    const QFileInfo real(QFileInfo(ed).canonicalFilePath());
    Leftovers::Sweep(real.absolutePath());
    return real.absolutePath() + QStringLiteral("/.") + real.fileName() + QStringLiteral("-import-XXXXXX");
}

} // namespace

SetStaging::SetStaging(const QString& edFolder)
    : made_(missingFolders(QDir::cleanPath(edFolder))), ed_(QDir::cleanPath(edFolder))
{
    if (!QDir().mkpath(ed_))
        throw fileError(QCoreApplication::translate("SetArchive", "Cannot create the folder %1").arg(ed_),
                        ed_, errno);
    try {
        makeStaging();
    } catch (...) {
        release();
        throw;
    }
}

SetStaging::~SetStaging()
{
    release();
}

void SetStaging::makeStaging()
{
    temporary_.emplace(stagingTemplate(ed_));
    if (!temporary_->isValid())
        throw fileError(
            QCoreApplication::translate("SetArchive", "Cannot create a temporary folder beside %1").arg(ed_),
            ed_, errno);
    // Marked as in use for as long as the set is built in it.
    held_ = ::open(QFile::encodeName(temporary_->path()).constData(),
                   O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (held_ >= 0)
        Leftovers::Hold(held_);
    staging_ = temporary_->filePath(QStringLiteral("set"));
    if (!QDir().mkdir(staging_))
        throw fileError(
            QCoreApplication::translate("SetArchive", "Cannot create the folder %1").arg(staging_), staging_,
            errno);
}

void SetStaging::release()
{
    if (held_ >= 0)
        ::close(held_);
    held_ = -1;
    temporary_.reset();
    if (!kept_)
        for (const QString& path : made_)
            QDir().rmdir(path);
    made_.clear();
}

QString SetStaging::CheckTarget(const QString& edFolder, const QString& name)
{
    if (!IsUsableSetName(name))
        throw ESetArchiveError(
            QCoreApplication::translate("SetArchive", "\"%1\" cannot name a set").arg(name));
    const QString target = QDir::cleanPath(edFolder) + QLatin1Char('/') + name;
    if (FileNames::findExisting(target))
        throw ESetNameTaken(name);
    return target;
}

QString SetStaging::MoveInto(const QString& name)
{
    const QString to = CheckTarget(ed_, name);
    const QByteArray source = QFile::encodeName(staging_);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            throw ESetNameTaken(name);
        // File systems without the no-replace flag: look, then rename.
        if (errno != EINVAL || FileNames::findExisting(to) ||
            std::rename(source.constData(), target.constData()) != 0)
            throw fileError(QCoreApplication::translate("SetArchive", "Cannot create the folder %1").arg(to),
                            to, errno);
    }
    kept_ = true;
    return to;
}
