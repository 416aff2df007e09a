#pragma once

#include "common/Exception.h"

#include <QCoreApplication>

// A sound file of another format (MP3, Ogg Vorbis, Opus, FLAC, ...) that
// cannot be turned into a card sound. The message is a short English lead
// line, followed on a second line by the decoder's own words where it has any.
class ESoundImportError : public Exception {
  public:
    using Exception::Exception;
};

namespace SoundImportText {
inline const char* const CannotRead = QT_TRANSLATE_NOOP("SoundImportText", "Unable to read the sound file");
inline const char* const NotPlainFile =
    QT_TRANSLATE_NOOP("SoundImportText", "The sound file is not a plain file (a folder, pipe or device)");
inline const char* const BadParameters =
    QT_TRANSLATE_NOOP("SoundImportText", "The sound file has an unusable sample rate or channel count");
inline const char* const TooLong =
    QT_TRANSLATE_NOOP("SoundImportText", "The sound is longer than 10 minutes");
inline const char* const NoSound = QT_TRANSLATE_NOOP("SoundImportText", "The sound file holds no sound");
inline const char* const CannotResample =
    QT_TRANSLATE_NOOP("SoundImportText", "Unable to convert the sound's sample rate");

// One of the texts above in the user's language (as it stands without a
// translation).
inline QString Translated(const char* text)
{
    return QCoreApplication::translate("SoundImportText", text);
}
} // namespace SoundImportText
