#include "audio/SoundImport.h"

#include "audio/WaveSummary.h"

#include "audio/ESoundImportError.h"
#include "audio/MMWaveIO.h"
#include "audio/PcmCardSound.h"
#include "audio/SoundDecoder.h"
#include "audio/SoundResampler.h"
#include "audio/StereoMix.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <samplerate.h>
#include <sndfile.h>

namespace {

constexpr int64_t BlockFrames = 4096;

// 16-bit PCM of a card sound, before it is written.
struct PcmSound {
    QByteArray samples;
    int rate = 0;
    int channels = 0;
};

[[noreturn]] void Raise(const char* text)
{
    throw ESoundImportError(QString::fromLatin1(text));
}

StereoMix::Order ChannelOrder(int format)
{
    const int subtype = format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_VORBIS || subtype == SF_FORMAT_OPUS ? StereoMix::Order::Vorbis
                                                                    : StereoMix::Order::Wave;
}

// Clipped to 16 bits and appended little-endian.
void AppendPcm(QByteArray& pcm, const std::vector<float>& samples)
{
    if (samples.empty())
        return;
    std::vector<short> shorts(samples.size());
    src_float_to_short_array(samples.data(), shorts.data(), int(samples.size()));
    const qsizetype at = pcm.size();
    pcm.resize(at + qsizetype(shorts.size() * 2));
    for (size_t i = 0; i < shorts.size(); ++i)
        qToLittleEndian<int16_t>(shorts[i], pcm.data() + at + qsizetype(2 * i));
}

PcmSound Decode(const QString& source)
{
    SoundDecoder in(source);
    const int64_t maxFrames = int64_t(SoundImport::MaxSeconds) * in.SampleRate();
    if (in.AnnouncedFrames() > maxFrames)
        Raise(SoundImportText::TooLong);
    const StereoMix mix(in.Channels(), ChannelOrder(in.Format()));
    PcmSound out;
    out.rate = std::min(in.SampleRate(), SoundImport::MaxCardRate);
    out.channels = mix.OutputChannels();
    std::optional<SoundResampler> resampler;
    if (in.SampleRate() > out.rate)
        resampler.emplace(out.channels, in.SampleRate(), out.rate);

    std::vector<float> block;
    int64_t frames = 0;
    for (;;) {
        const int64_t got = in.Read(block, BlockFrames);
        frames += got;
        // The announced length may be missing or wrong; the frames read count.
        if (frames > maxFrames)
            Raise(SoundImportText::TooLong);
        std::vector<float> mixed = mix.Apply(block);
        if (resampler)
            mixed = resampler->Process(mixed, got == 0);
        AppendPcm(out.samples, mixed);
        if (got == 0)
            break;
    }
    if (out.samples.isEmpty())
        Raise(SoundImportText::NoSound);
    return out;
}

QString FormatName(const SoundDecoder& sound)
{
    switch (sound.Format() & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_MPEG_LAYER_III:
        return QStringLiteral("MPEG Layer-3");
    case SF_FORMAT_MPEG_LAYER_I:
    case SF_FORMAT_MPEG_LAYER_II:
        return QStringLiteral("MPEG 1");
    case SF_FORMAT_VORBIS:
        return QStringLiteral("Ogg Vorbis");
    case SF_FORMAT_OPUS:
        return QStringLiteral("Opus");
    default:
        break;
    }
    SF_FORMAT_INFO info{};
    info.format = sound.Format() & SF_FORMAT_TYPEMASK;
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) != 0 || info.name == nullptr)
        return QStringLiteral("Unknown");
    // "FLAC (Free Lossless Audio Codec)" reads "FLAC".
    const QString name = QString::fromLatin1(info.name);
    return name.left(name.indexOf(QStringLiteral(" (")));
}

} // namespace

namespace SoundImport {

bool CanImport(const QString& path)
{
    if (!QFileInfo(path).isFile() || IsValidWaveFile(path))
        return false;
    try {
        SoundDecoder sound(path);
        std::vector<float> block;
        return sound.Read(block, BlockFrames) > 0;
    } catch (const ESoundImportError&) {
        return false;
    }
}

QString Describe(const QString& path)
{
    try {
        const SoundDecoder sound(path);
        const int rate = sound.SampleRate();
        return QStringLiteral("%1; %2.%3 kHz, %4; %5 KB")
            .arg(FormatName(sound))
            .arg(rate / 1000)
            .arg(rate % 1000, 3, 10, QLatin1Char('0'))
            .arg(WaveChannelsText(sound.Channels()))
            .arg(QFileInfo(path).size() / 1024);
    } catch (const ESoundImportError&) {
        return QStringLiteral("Unknown");
    }
}

void ToCardSound(const QString& source, const QString& target)
{
    const PcmSound sound = Decode(source);
    PcmCardSound::Save(sound.samples, sound.rate, sound.channels, target);
}

} // namespace SoundImport
