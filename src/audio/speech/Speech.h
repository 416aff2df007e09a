#pragma once

#include "audio/speech/ESpeechError.h"
#include "audio/speech/SpeechVoice.h"

#include <QByteArray>

// Text spoken by the espeak-ng speech library, as samples ready to be saved as
// a card sound (PcmCardSound::Save(samples, Speech::SampleRate, 1, target)).
//
// The library keeps one global state; it is started on first use and every
// call is serialised, so these functions may be called from any thread.
// Failures raise ESpeechError with a message for the user.
namespace Speech {

inline constexpr int SampleRate = 22050; // of the samples Speak returns (mono, 16-bit)
inline constexpr int MinimumRate = 80;   // words per minute
inline constexpr int MaximumRate = 450;
inline constexpr int NormalRate = 175;
// A spoken card sound is capped as an imported one: longer speech raises.
inline constexpr int MaxSeconds = 600;

// The installed voices, in the library's order (by language). Raises when the
// library cannot start or has no voices.
QList<SpeechVoice> Voices();

// The identifier of the voice for the system's language, else an English one.
QString DefaultVoice();

// Raises "There is no text to speak" for a text without anything but blanks,
// so that a caller can refuse before asking for a voice.
void CheckText(const QString& text);

// `text` spoken by `voice` (an identifier, name or language of Voices()) at
// `rateWpm` words per minute: little-endian 16-bit mono samples at SampleRate.
// Speech that would last more than MaxSeconds raises "The spoken text would be
// longer than 10 minutes: shorten the text" without holding more than that.
QByteArray Speak(const QString& text, const QString& voice, int rateWpm);

} // namespace Speech
