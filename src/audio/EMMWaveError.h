#pragma once

#include "common/Exception.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>

// Every failure of the wave object carries one of these texts.
class EMMWaveError : public Exception {
  public:
    using Exception::Exception;
};

namespace WaveErrorText {
inline const char* const InvalidWaveFile = QT_TRANSLATE_NOOP("WaveErrorText", "Invalid wave file...");
inline const char* const ErrorReading = QT_TRANSLATE_NOOP("WaveErrorText", "Error reading wave file");
inline const char* const UnableToOpen = QT_TRANSLATE_NOOP("WaveErrorText", "Unable to open wave file");
inline const char* const UnableToSetupBuffer =
    QT_TRANSLATE_NOOP("WaveErrorText", "Unable to setup file IO buffer");
inline const char* const ErrorSeeking = QT_TRANSLATE_NOOP("WaveErrorText", "Error seeking file position");
inline const char* const InvalidParam = QT_TRANSLATE_NOOP("WaveErrorText", "Invalid param passed!");
inline const char* const UnableToSave = QT_TRANSLATE_NOOP("WaveErrorText", "Unable to save wave file");
inline const char* const SavingAborted = QT_TRANSLATE_NOOP("WaveErrorText", "Saving was aborted");

// One of the texts above in the user's language (as it stands without a
// translation).
inline QString Translated(const char* text)
{
    return QCoreApplication::translate("WaveErrorText", text);
}
} // namespace WaveErrorText

// "Unable to save wave file" says nothing of where: most of its causes are the
// folder's (read-only, full, gone, its temporary names taken). For a caller
// whose message names no file, the same error with the folder of `target` on
// the line below; any other error as it was.
inline EMMWaveError NamingSaveFolder(const EMMWaveError& error, const QString& target)
{
    if (error.Message() != WaveErrorText::Translated(WaveErrorText::UnableToSave))
        return error;
    return EMMWaveError(error.Message() + QLatin1Char('\n') +
                        QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
}
