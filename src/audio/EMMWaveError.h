#pragma once

#include "common/Exception.h"

#include <QDir>
#include <QFileInfo>

// Every failure of the wave object carries one of these texts.
class EMMWaveError : public Exception {
  public:
    using Exception::Exception;
};

namespace WaveErrorText {
inline const char* const InvalidWaveFile = "Invalid wave file...";
inline const char* const ErrorReading = "Error reading wave file";
inline const char* const UnableToOpen = "Unable to open wave file";
inline const char* const UnableToSetupBuffer = "Unable to setup file IO buffer";
inline const char* const ErrorSeeking = "Error seeking file position";
inline const char* const InvalidParam = "Invalid param passed!";
inline const char* const UnableToSave = "Unable to save wave file";
inline const char* const SavingAborted = "Saving was aborted";
} // namespace WaveErrorText

// "Unable to save wave file" says nothing of where: most of its causes are the
// folder's (read-only, full, gone, its temporary names taken). For a caller
// whose message names no file, the same error with the folder of `target` on
// the line below; any other error as it was.
inline EMMWaveError NamingSaveFolder(const EMMWaveError& error, const QString& target)
{
    if (error.Message() != QLatin1String(WaveErrorText::UnableToSave))
        return error;
    return EMMWaveError(error.Message() + QLatin1Char('\n') +
                        QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
}
