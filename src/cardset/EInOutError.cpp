#include "cardset/EInOutError.h"

#include "common/FileErrorReason.h"

#include <cerrno>

#include <QCoreApplication>

EInOutError::EInOutError(int code) : Exception(textFor(code)), code_(code) {}

EInOutError::EInOutError(int code, const QString& text) : Exception(text), code_(code) {}

QString EInOutError::textFor(int code)
{
    switch (code) {
    case FileNotFound:
        return QCoreApplication::translate("EInOutError", "File not found");
    case InvalidFilename:
        return QCoreApplication::translate("EInOutError", "Invalid filename");
    case TooManyOpenFiles:
        return QCoreApplication::translate("EInOutError", "Too many open files");
    case AccessDenied:
        return QCoreApplication::translate("EInOutError", "File access denied");
    case ReadBeyondEnd:
        return QCoreApplication::translate("EInOutError", "Read beyond end of file");
    case DiskFull:
        return QCoreApplication::translate("EInOutError", "Disk full");
    default:
        return QCoreApplication::translate("EInOutError", "I/O error %1").arg(code);
    }
}

EInOutError EInOutError::fromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return EInOutError(FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return EInOutError(InvalidFilename);
    case EMFILE:
    case ENFILE:
        return EInOutError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder where the file should be: the desktops report access denied
        return EInOutError(AccessDenied);
    case ENOSPC:
    case EDQUOT:
        return EInOutError(DiskFull);
    default:
        // Some error numbers equal the runtime's own codes (EIO is 5): spell
        // them out so an I/O fault is never shown as "File access denied".
        return EInOutError(errnoValue,
                           QCoreApplication::translate("EInOutError", "I/O error %1").arg(errnoValue));
    }
}

EInOutError EInOutError::fromErrno(int errnoValue, const QString& path)
{
    EInOutError error = fromErrno(errnoValue);
    error.NameFile(path, FileErrorReason(errnoValue, path));
    return error;
}
