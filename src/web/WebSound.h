#pragma once

#include <QByteArray>
#include <QString>

// Card sounds as a web page carries them: Ogg Opus, which every current
// browser plays and which keeps a two-second sound to a few kilobytes, or
// 16-bit WAV where this libsndfile cannot write Opus.
namespace WebSound {

enum class Codec { Opus, Wav };

struct Encoded {
    QByteArray bytes;
    QString mimeType; // for a data: address ("audio/ogg", "audio/wav")
};

// True when libsndfile can write Ogg Opus here (it is built without it on
// some systems).
bool OpusAvailable();

// Opus codes only 8, 12, 16, 24 and 48 kHz: the lowest of those that keeps
// every frequency of a sound sampled at `sourceRate`.
int OpusRate(int sourceRate);
// WAV keeps the source's rate up to this one: a card sound is speech or a
// short effect, and more would only fatten the page.
constexpr int MaxWavRate = 22050;

// The sound file at `path` (any kind libsndfile reads), mixed down to one
// channel and encoded with `codec`, block by block. Raises ESoundImportError
// when the file cannot be read or holds no sound.
Encoded Encode(const QString& path, Codec codec);

} // namespace WebSound
