#pragma once

#include "common/Exception.h"

// Every failure of the wave output carries one of these texts, those of the
// device calls behind the call's prefix, a line feed and a carriage return.
class EMMWaveOutError : public Exception {
  public:
    using Exception::Exception;
    // prefix + "\n\r" + text.
    static EMMWaveOutError WithPrefix(const char* prefix, const QString& text);
};

namespace WaveOutErrorText {
inline const char* const PropertyWhileOpen = "Change to property while device was open";
inline const char* const NoDevice = "No wave audio playing device found";
inline const char* const InvalidDeviceID = "Invalid DeviceID";
inline const char* const InvalidFormat = "Invalid wave format";
inline const char* const CannotPlayFormat = "The actual device can''t play this format";
inline const char* const UnableToOpen = "Unable to open device";
inline const char* const UnableToClose = "Unable to close device";
inline const char* const NoMemoryForHeader = "Unable to allocate memory for wave header";
inline const char* const UnableToStart = "Unable to start device";
inline const char* const ErrorFilling = "Error filling wave buffer";
inline const char* const UnknownError = "Specified error number is out of range (unknown error)";
} // namespace WaveOutErrorText

namespace WaveOutErrorPrefix {
inline const char* const Open = "WaveOutOpen:";
inline const char* const Close = "WaveOutClose:";
inline const char* const Write = "WaveOutWrite:";
inline const char* const Pause = "WaveOutPause:";
inline const char* const Reset = "WaveOutReset:";
inline const char* const Restart = "WaveOutRestart:";
inline const char* const GetPosition = "WaveOutGetPosition:";
inline const char* const Start = "WaveOutStart:";
} // namespace WaveOutErrorPrefix
