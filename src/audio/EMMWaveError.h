#pragma once

#include "common/Exception.h"

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
