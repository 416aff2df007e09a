#include "common/FileErrorReason.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// For the effective user, as the failed call was checked: a test or a
// program that switched identity gets the answer the system gave it.
bool allowed(const QString& path, int mode)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), mode, AT_EACCESS) == 0;
}

QString systemText(int errorNumber)
{
    QString text = qt_error_string(errorNumber);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + QLatin1Char('.');
}

QString permissionReason(int errorNumber, const QFileInfo& file, const QString& folder)
{
    if (file.exists() && !file.isDir()) {
        if (!allowed(file.filePath(), R_OK))
            return QCoreApplication::translate("FileErrorReason", "The file may not be read.");
        if (!allowed(file.filePath(), W_OK))
            return QCoreApplication::translate("FileErrorReason", "The file is read-only.");
    }
    if (!allowed(folder, W_OK | X_OK))
        return QCoreApplication::translate("FileErrorReason", "The folder is read-only.");
    return systemText(errorNumber);
}

} // namespace

QString FileErrorReason(int errorNumber, const QString& path)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    switch (errorNumber) {
    case 0:
        return QString();
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("FileErrorReason", "The disk is full.");
    case EROFS:
        return QCoreApplication::translate("FileErrorReason", "The disk is read-only.");
    case EFBIG:
        return QCoreApplication::translate("FileErrorReason", "The file is too large for its disk.");
    case EISDIR:
        return QCoreApplication::translate("FileErrorReason", "A folder has this name.");
    case ENOENT:
    case ENOTDIR:
        // In a folder that is there, "not found" is all there is to say.
        return QFileInfo(folder).isDir()
                   ? QString()
                   : QCoreApplication::translate("FileErrorReason", "The folder does not exist.");
    case EACCES:
    case EPERM:
        return permissionReason(errorNumber, file, folder);
    default:
        return systemText(errorNumber);
    }
}
