#pragma once

#include <QString>

// Why an operation on the file `path` failed, as a sentence the user can act
// on, from the system's error number (errno): "The disk is full.", "The folder
// is read-only.", "The folder does not exist.". The file system is looked at
// to tell a read-only folder from a read-only file, since the system reports
// both as "Permission denied". Empty for 0.
QString FileErrorReason(int errorNumber, const QString& path);

// `error` (an Exception) naming the file `path` and the reason for the
// system's error number, for a layer to raise.
template <class Error> Error WithFileReason(Error error, const QString& path, int errorNumber)
{
    error.NameFile(path, FileErrorReason(errorNumber, path));
    return error;
}
