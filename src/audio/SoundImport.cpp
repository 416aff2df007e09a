#include "audio/SoundImport.h"

#include "audio/WaveSummary.h"

#include "audio/ESoundImportError.h"
#include "audio/FfmpegDecoder.h"
#include "audio/MMWaveIO.h"
#include "audio/PcmCardWriter.h"
#include "audio/SoundDecoder.h"
#include "audio/SoundResampler.h"
#include "audio/StereoMix.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <samplerate.h>
#include <sndfile.h>

namespace {

constexpr int64_t BlockFrames = 16384;

[[noreturn]] void Raise(const char* text)
{
    throw ESoundImportError(SoundImportText::Translated(text));
}

StereoMix::Order ChannelOrder(int format)
{
    const int subtype = format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_VORBIS || subtype == SF_FORMAT_OPUS ? StereoMix::Order::Vorbis
                                                                    : StereoMix::Order::Wave;
}

// Turns decoded blocks into 16-bit little-endian PCM for the writer, through
// buffers reused from block to block.
class PcmBlocks {
  public:
    explicit PcmBlocks(PcmCardWriter& writer) : writer_(writer) {}

    void Write(const std::vector<float>& samples)
    {
        if (samples.empty())
            return;
        shorts_.resize(samples.size());
        src_float_to_short_array(samples.data(), shorts_.data(), int(samples.size()));
        Write(shorts_);
    }

    void Write(const std::vector<short>& samples)
    {
        if (samples.empty())
            return;
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            writer_.Write(reinterpret_cast<const char*>(samples.data()), qint64(samples.size() * 2));
            return;
        }
        bytes_.resize(samples.size() * 2);
        for (size_t i = 0; i < samples.size(); ++i)
            qToLittleEndian<int16_t>(samples[i], bytes_.data() + 2 * i);
        writer_.Write(bytes_.data(), qint64(bytes_.size()));
    }

  private:
    PcmCardWriter& writer_;
    std::vector<short> shorts_;
    std::vector<char> bytes_;
};

// Decodes `in` block by block into `target`; nothing but one block is held.
// The length is judged by what decodes: headers may lie either way.
void Convert(SoundDecoder& in, const QString& target)
{
    const int64_t maxFrames = int64_t(SoundImport::MaxSeconds) * in.SampleRate();
    const StereoMix mix(in.Channels(), ChannelOrder(in.Format()));
    const int rate = std::min(in.SampleRate(), SoundImport::MaxCardRate);
    std::optional<SoundResampler> resampler;
    if (in.SampleRate() > rate)
        resampler.emplace(mix.OutputChannels(), in.SampleRate(), rate);
    PcmCardWriter writer(target, rate, mix.OutputChannels());
    PcmBlocks out(writer);

    // One or two channels at a card's rate pass as the decoder gives them.
    const bool plain = in.Channels() <= 2 && !resampler;
    std::vector<float> block;
    std::vector<short> shorts;
    int64_t frames = 0;
    for (;;) {
        const int64_t got = plain ? in.Read(shorts, BlockFrames) : in.Read(block, BlockFrames);
        frames += got;
        // The announced length may be missing or wrong; the frames read count.
        if (frames > maxFrames)
            Raise(SoundImportText::TooLong);
        if (plain) {
            out.Write(shorts);
        } else {
            std::vector<float> mixed = mix.Apply(block);
            out.Write(resampler ? resampler->Process(mixed, got == 0) : mixed);
        }
        if (got == 0)
            break;
    }
    if (writer.Written() == 0)
        Raise(SoundImportText::NoSound);
    writer.Commit();
}

// The same for a sound that FFmpeg decodes, already at a card's rate and
// channel count.
void Convert(FfmpegDecoder& in, const QString& target)
{
    const int64_t maxFrames = int64_t(SoundImport::MaxSeconds) * in.OutputRate();
    PcmCardWriter writer(target, in.OutputRate(), in.OutputChannels());
    PcmBlocks out(writer);
    std::vector<short> block;
    int64_t frames = 0;
    while (const int64_t got = in.Read(block, BlockFrames)) {
        frames += got;
        if (frames > maxFrames)
            Raise(SoundImportText::TooLong);
        out.Write(block);
    }
    if (writer.Written() == 0)
        Raise(SoundImportText::NoSound);
    writer.Commit();
}

// libsndfile decodes the file, and all of it: it is not an MP3, whose length
// libsndfile takes from the header's estimate, and its first block decodes.
bool SndfileTakes(const QString& path)
{
    try {
        SoundDecoder sound(path);
        if ((sound.Format() & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG)
            return false;
        std::vector<float> block;
        return sound.Read(block, BlockFrames) > 0;
    } catch (const ESoundImportError&) {
        return false;
    }
}

QString Description(const QString& format, int rate, int channels, const QString& path)
{
    return QCoreApplication::translate("WaveSummary", "%1; %2.%3 kHz, %4; %5 KB")
        .arg(format)
        .arg(rate / 1000)
        .arg(rate % 1000, 3, 10, QLatin1Char('0'))
        .arg(WaveChannelsText(channels))
        .arg(QFileInfo(path).size() / 1024);
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
        return QCoreApplication::translate("WaveSummary", "Unknown");
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
    if (SndfileTakes(path))
        return true;
    try {
        const FfmpegDecoder sound(path, MaxCardRate);
        return true;
    } catch (const ESoundImportError&) {
        return false;
    }
}

QString Describe(const QString& path)
{
    try {
        const SoundDecoder sound(path);
        return Description(FormatName(sound), sound.SampleRate(), sound.Channels(), path);
    } catch (const ESoundImportError&) {
    }
    try {
        const FfmpegDecoder sound(path, MaxCardRate);
        return Description(sound.CodingName(), sound.SampleRate(), sound.Channels(), path);
    } catch (const ESoundImportError&) {
        return QCoreApplication::translate("WaveSummary", "Unknown");
    }
}

void ToCardSound(const QString& source, const QString& target)
{
    if (SndfileTakes(source)) {
        SoundDecoder in(source);
        Convert(in, target);
        return;
    }
    FfmpegDecoder in(source, MaxCardRate);
    Convert(in, target);
}

} // namespace SoundImport
