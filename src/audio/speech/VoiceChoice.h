#pragma once

#include "audio/speech/SpeechVoice.h"

#include <QLocale>
#include <optional>

// Picking a voice from the installed list. Kept apart from the library so the
// rules can be checked on any list.
namespace VoiceChoice {

// The voice whose identifier, name or language (in that order, ignoring
// letter case) is `wanted`; none when no voice is.
std::optional<SpeechVoice> Find(const QList<SpeechVoice>& voices, const QString& wanted);

// The voice that speaks `language` ("pt-br", "pt") with the best priority.
std::optional<SpeechVoice> ForLanguage(const QList<SpeechVoice>& voices, const QString& language);

// The identifier of the voice for `locale`: its language and territory, then
// its language alone, then English, then the first voice; empty without voices.
QString ForLocale(const QList<SpeechVoice>& voices, const QLocale& locale);

} // namespace VoiceChoice
