#include "common/FileError.h"

EFileError::EFileError(const QString& message, const QString& fileName, const QString& reason)
    : Exception(message)
{
    NameFile(fileName, reason);
}

EFileError EFileError::On(const Exception& cause, const QString& path)
{
    const QString file = cause.FileName().isEmpty() ? path : cause.FileName();
    return EFileError(cause.Message(), cause.Message().contains(file) ? QString() : file, cause.Reason());
}
