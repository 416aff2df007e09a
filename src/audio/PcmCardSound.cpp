#include "audio/PcmCardSound.h"

#include "audio/EMMWaveError.h"
#include "audio/PcmCardWriter.h"

#include <QtEndian>
#include <cstdint>
#include <limits>

namespace {

constexpr int HeaderBytes = 44; // RIFF + WAVE + 24-byte fmt chunk + data header
constexpr int MaxChannels = 8;
constexpr int MaxSampleRate = 384000;

void PutTag(QByteArray& out, const char* tag)
{
    out.append(tag, 4);
}

void PutWord(QByteArray& out, uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void PutDword(QByteArray& out, uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

[[noreturn]] void InvalidParam()
{
    throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::InvalidParam));
}

} // namespace

namespace PcmCardSound {

QByteArray WaveBytes(const QByteArray& samples, int sampleRate, int channels)
{
    if (sampleRate <= 0 || sampleRate > MaxSampleRate || channels <= 0 || channels > MaxChannels)
        InvalidParam();
    const qsizetype frameBytes = qsizetype(channels) * 2;
    // The RIFF size field must hold the data plus the 36 header bytes after it.
    const qsizetype maxData = qsizetype(std::numeric_limits<uint32_t>::max()) - HeaderBytes;
    if (samples.size() % frameBytes != 0 || samples.size() > maxData)
        InvalidParam();
    const auto dataBytes = uint32_t(samples.size());
    QByteArray out;
    out.reserve(HeaderBytes + samples.size());
    PutTag(out, "RIFF");
    PutDword(out, dataBytes + HeaderBytes - 8);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutDword(out, 16);
    PutWord(out, 1); // PCM
    PutWord(out, uint16_t(channels));
    PutDword(out, uint32_t(sampleRate));
    PutDword(out, uint32_t(sampleRate) * uint32_t(frameBytes));
    PutWord(out, uint16_t(frameBytes));
    PutWord(out, 16);
    PutTag(out, "data");
    PutDword(out, dataBytes);
    out.append(samples);
    return out;
}

void Save(const QByteArray& samples, int sampleRate, int channels, const QString& target)
{
    PcmCardWriter writer(target, sampleRate, channels);
    writer.Write(samples.constData(), samples.size());
    writer.Commit();
}

} // namespace PcmCardSound
