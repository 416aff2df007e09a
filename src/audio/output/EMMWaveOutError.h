#pragma once

#include "common/Exception.h"

#include <QCoreApplication>

// Every failure of the wave output carries one of these texts, those of the
// device calls behind the call's prefix, a line feed and a carriage return.
class EMMWaveOutError : public Exception {
  public:
    using Exception::Exception;
    // prefix + "\n\r" + text.
    static EMMWaveOutError WithPrefix(const char* prefix, const QString& text);
};

namespace WaveOutErrorText {
inline const char* const PropertyWhileOpen =
    QT_TRANSLATE_NOOP("WaveOutErrorText", "Change to property while device was open");
inline const char* const NoDevice =
    QT_TRANSLATE_NOOP("WaveOutErrorText", "No wave audio playing device found");
inline const char* const InvalidDeviceID = QT_TRANSLATE_NOOP("WaveOutErrorText", "Invalid DeviceID");
inline const char* const InvalidFormat = QT_TRANSLATE_NOOP("WaveOutErrorText", "Invalid wave format");
inline const char* const CannotPlayFormat =
    QT_TRANSLATE_NOOP("WaveOutErrorText", "The actual device can''t play this format");
inline const char* const UnableToOpen = QT_TRANSLATE_NOOP("WaveOutErrorText", "Unable to open device");
inline const char* const UnableToClose = QT_TRANSLATE_NOOP("WaveOutErrorText", "Unable to close device");
inline const char* const NoMemoryForHeader =
    QT_TRANSLATE_NOOP("WaveOutErrorText", "Unable to allocate memory for wave header");
inline const char* const UnableToStart = QT_TRANSLATE_NOOP("WaveOutErrorText", "Unable to start device");
inline const char* const ErrorFilling = QT_TRANSLATE_NOOP("WaveOutErrorText", "Error filling wave buffer");
inline const char* const UnknownError =
    QT_TRANSLATE_NOOP("WaveOutErrorText", "Specified error number is out of range (unknown error)");

// One of the texts above in the user's language (as it stands without a
// translation).
inline QString Translated(const char* text)
{
    return QCoreApplication::translate("WaveOutErrorText", text);
}
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
