#pragma once

#include <QString>

// Card sounds from files of other formats: MP3, Ogg Vorbis, Opus, FLAC and
// whatever else libsndfile reads; what it does not read (AAC from phones,
// Ogg FLAC, ...) and MP3s are decoded through FFmpeg. A wave file that the wave object reads is
// never imported: it keeps the wave path, which copies its bytes unchanged.
namespace SoundImport {

// A card sound holds at most this much sound, at most at this rate. The
// sound is converted block by block, never held whole.
constexpr int MaxSeconds = 600;
constexpr int MaxCardRate = 48000;

// True for a plain file that is no wave the wave object reads and whose first
// block libsndfile or FFmpeg decodes. Its length is only checked when it is converted,
// so that a sound too long is refused with a message that says so.
bool CanImport(const QString& path);

// A line like the wave dialog's for such a file, e.g. "MPEG Layer-3;
// 44.100 kHz, Stereo; 16 KB"; "Unknown" when it cannot be read.
QString Describe(const QString& path);

// Decodes `source` and saves it at `target` as a 16-bit PCM card sound at the
// source's rate (above MaxCardRate resampled to it); one or two channels are
// kept, more are mixed down to stereo. Raises ESoundImportError for a source
// that cannot be read, and the wave layer's errors for the save.
void ToCardSound(const QString& source, const QString& target);

} // namespace SoundImport
