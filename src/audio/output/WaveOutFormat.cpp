#include "audio/output/WaveOutFormat.h"

namespace {
constexpr uint16_t TagFloat = 0x0003;
constexpr int MaxChannels = 8;
} // namespace

std::optional<QAudioFormat> WaveOutFormat(const TWaveFormat& format)
{
    const int bits = format.BitsPerSample();
    const int channels = format.Channels();
    if (channels < 1 || channels > MaxChannels || format.SamplesPerSec() == 0 ||
        format.SamplesPerSec() > uint32_t(std::numeric_limits<int>::max()) ||
        format.BlockAlign() != channels * ((bits + 7) / 8))
        return std::nullopt;
    QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
    if (format.FormatTag() == TWaveFormat::TagPcm && bits == 8)
        sampleFormat = QAudioFormat::UInt8;
    else if (format.FormatTag() == TWaveFormat::TagPcm && bits == 16)
        sampleFormat = QAudioFormat::Int16;
    else if (format.FormatTag() == TagFloat && bits == 32)
        sampleFormat = QAudioFormat::Float;
    else
        return std::nullopt;
    QAudioFormat audioFormat;
    audioFormat.setSampleRate(int(format.SamplesPerSec()));
    audioFormat.setChannelCount(channels);
    audioFormat.setSampleFormat(sampleFormat);
    return audioFormat;
}
