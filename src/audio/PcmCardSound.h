#pragma once

#include <QByteArray>
#include <QString>

// Sounds made inside the editor (recorded, spoken, converted from another
// format) arrive as 16-bit PCM samples. They become card sounds through the
// wave layer's own writer (PcmCardWriter), so the card file has exactly the
// layout of a card sound inserted from a wave file.
namespace PcmCardSound {

// Bytes of a plain RIFF wave holding `samples` (interleaved little-endian
// 16-bit PCM). Raises EMMWaveError "Invalid param passed!" for a rate or
// channel count out of range, a sample count that is not a whole number of
// frames, or data too long for a RIFF file.
QByteArray WaveBytes(const QByteArray& samples, int sampleRate, int channels);

// Saves the samples as a card sound at `target` (the wave layer's errors).
void Save(const QByteArray& samples, int sampleRate, int channels, const QString& target);

} // namespace PcmCardSound
