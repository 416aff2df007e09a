#pragma once

#include "common/Exception.h"

// The runtime's I/O error of the set configuration file: a numeric code and
// the text the user sees for it.
class EInOutError : public Exception {
  public:
    static constexpr int FileNotFound = 2;
    static constexpr int InvalidFilename = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;

    explicit EInOutError(int code);
    // The error for this platform's error number (errno).
    static EInOutError fromErrno(int errnoValue);
    // The same for a failure on the file `path`: the error names the file and
    // the reason (a read-only or missing folder, a full disk).
    static EInOutError fromErrno(int errnoValue, const QString& path);

    int ErrorCode() const noexcept { return code_; }

    static QString textFor(int code);

  private:
    EInOutError(int code, const QString& text);

    int code_;
};
