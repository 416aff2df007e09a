#include "common/FileError.h"

EFileError::EFileError(const QString& message, const QString& fileName, const QString& reason)
    : Exception(message)
{
    NameFile(fileName, reason);
}

EFileError EFileError::On(const Exception& cause, const QString& path)
{
    // The file is kept even where the text names it: the error box then shows
    // it on a line of its own.
    const QString file = cause.FileName().isEmpty() ? path : cause.FileName();
    return EFileError(cause.Message(), file, cause.Reason());
}
