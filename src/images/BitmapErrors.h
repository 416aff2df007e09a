#pragma once

#include "common/Exception.h"

#include <QCoreApplication>
#include <QString>

// The errors the picture layer raises. Their texts are the ones the user sees
// in the application's error box, so they are fixed here and nowhere else.

// A file that cannot be opened for reading.
class EFOpenError : public Exception {
  public:
    explicit EFOpenError(const QString& path)
        : Exception(QCoreApplication::translate("BitmapErrors", "Cannot open file %1").arg(path))
    {
    }
};

// A file that cannot be created for writing; `reason` says why, where the
// system told (a read-only or missing folder).
class EFCreateError : public Exception {
  public:
    explicit EFCreateError(const QString& path, const QString& reason = QString())
        : Exception(QCoreApplication::translate("BitmapErrors", "Cannot create file %1").arg(path))
    {
        NameFile(path, reason);
    }
};

// A file shorter than its file header, or masks or colour table cut short.
class EReadError : public Exception {
  public:
    EReadError() : Exception(QCoreApplication::translate("BitmapErrors", "Stream read error")) {}
};

// Bytes that do not make a picture we can build.
class EInvalidGraphic : public Exception {
  public:
    EInvalidGraphic() : Exception(QCoreApplication::translate("BitmapErrors", "Bitmap image is not valid")) {}
};

// The system refused to make a picture; the "\n" is two characters, as shown
// to users of the original desktop program.
class EWin32Error : public Exception {
  public:
    EWin32Error(int code, const QString& systemText)
        : Exception(QCoreApplication::translate("BitmapErrors", "Win32 Error.  Code: %1.\\n%2")
                        .arg(code)
                        .arg(systemText))
    {
    }
};

// A drawing resource that could not be had while writing.
class EOutOfResources : public Exception {
  public:
    EOutOfResources() : Exception(QCoreApplication::translate("BitmapErrors", "Out of system resources")) {}
    explicit EOutOfResources(const QString& systemText) : Exception(systemText) {}
};

// A short write: disk full, quota, lost device. With a file, the error names
// it and the reason ("The disk is full.").
class EWriteError : public Exception {
  public:
    EWriteError() : Exception(QCoreApplication::translate("BitmapErrors", "Stream write error")) {}
    EWriteError(const QString& path, const QString& reason) : EWriteError() { NameFile(path, reason); }
};
