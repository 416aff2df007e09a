#include "web/WebSound.h"

#include "audio/ESoundImportError.h"
#include "audio/SoundDecoder.h"
#include "audio/SoundResampler.h"

#include <array>
#include <cstring>
#include <optional>
#include <sndfile.h>
#include <vector>

namespace {

constexpr int BlockFrames = 8192;
constexpr std::array<int, 5> OpusRates{8000, 12000, 16000, 24000, 48000};

// A file in memory for libsndfile's virtual I/O: the encoders seek back to
// finish their headers, so the sink must be a seekable one.
struct MemoryFile {
    QByteArray data;
    sf_count_t position = 0;
};

MemoryFile& memory(void* user)
{
    return *static_cast<MemoryFile*>(user);
}

sf_count_t memoryLength(void* user)
{
    return memory(user).data.size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user)
{
    MemoryFile& file = memory(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file.position;
    else if (whence == SEEK_END)
        base = file.data.size();
    if (offset < -base)
        return -1;
    file.position = base + offset;
    return file.position;
}

sf_count_t memoryRead(void* out, sf_count_t count, void* user)
{
    MemoryFile& file = memory(user);
    const sf_count_t available = qMax<sf_count_t>(0, file.data.size() - file.position);
    const sf_count_t n = qMin(count, available);
    if (n > 0)
        std::memcpy(out, file.data.constData() + file.position, size_t(n));
    file.position += n;
    return n;
}

sf_count_t memoryWrite(const void* in, sf_count_t count, void* user)
{
    MemoryFile& file = memory(user);
    const sf_count_t end = file.position + count;
    if (end > file.data.size())
        file.data.resize(qsizetype(end));
    std::memcpy(file.data.data() + file.position, in, size_t(count));
    file.position = end;
    return count;
}

sf_count_t memoryTell(void* user)
{
    return memory(user).position;
}

SF_VIRTUAL_IO memoryIo()
{
    return {memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
}

int formatOf(WebSound::Codec codec)
{
    return codec == WebSound::Codec::Opus ? (SF_FORMAT_OGG | SF_FORMAT_OPUS)
                                          : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
}

// The encoder over a MemoryFile; closed (and its last pages written) by finish().
class MemoryEncoder {
  public:
    MemoryEncoder(WebSound::Codec codec, int rate) : io_(memoryIo())
    {
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = 1;
        info.format = formatOf(codec);
        file_ = sf_open_virtual(&io_, SFM_WRITE, &info, &memory_);
        if (file_ == nullptr)
            throw ESoundImportError(QCoreApplication::translate("WebSound", "Unable to encode the sound") +
                                    QLatin1Char('\n') + QString::fromLocal8Bit(sf_strerror(nullptr)));
        sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }
    ~MemoryEncoder()
    {
        if (file_ != nullptr)
            sf_close(file_);
    }
    MemoryEncoder(const MemoryEncoder&) = delete;
    MemoryEncoder& operator=(const MemoryEncoder&) = delete;

    void write(const std::vector<float>& mono)
    {
        if (mono.empty())
            return;
        const auto frames = sf_count_t(mono.size());
        if (sf_writef_float(file_, mono.data(), frames) != frames)
            throw ESoundImportError(QCoreApplication::translate("WebSound", "Unable to encode the sound") +
                                    QLatin1Char('\n') + QString::fromLocal8Bit(sf_strerror(file_)));
        written_ += frames;
    }
    sf_count_t written() const { return written_; }
    QByteArray finish()
    {
        sf_close(file_);
        file_ = nullptr;
        return memory_.data;
    }

  private:
    SF_VIRTUAL_IO io_;
    MemoryFile memory_;
    SNDFILE* file_ = nullptr;
    sf_count_t written_ = 0;
};

std::vector<float> mixToMono(const std::vector<float>& frames, int channels)
{
    if (channels == 1)
        return frames;
    std::vector<float> mono(frames.size() / size_t(channels));
    for (size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += frames[i * size_t(channels) + size_t(c)];
        mono[i] = sum / float(channels);
    }
    return mono;
}

} // namespace

namespace WebSound {

bool OpusAvailable()
{
    try {
        MemoryEncoder probe(Codec::Opus, OpusRates.back());
        probe.write(std::vector<float>(960, 0.0f));
        return !probe.finish().isEmpty();
    } catch (const ESoundImportError&) {
        return false;
    }
}

int OpusRate(int sourceRate)
{
    for (const int rate : OpusRates)
        if (rate >= sourceRate)
            return rate;
    return OpusRates.back();
}

Encoded Encode(const QString& path, Codec codec)
{
    SoundDecoder decoder(path);
    const int rate =
        codec == Codec::Opus ? OpusRate(decoder.SampleRate()) : qMin(decoder.SampleRate(), MaxWavRate);
    std::optional<SoundResampler> resampler;
    if (rate != decoder.SampleRate())
        resampler.emplace(1, decoder.SampleRate(), rate);

    MemoryEncoder encoder(codec, rate);
    std::vector<float> block;
    while (decoder.Read(block, BlockFrames) > 0) {
        const std::vector<float> mono = mixToMono(block, decoder.Channels());
        encoder.write(resampler ? resampler->Process(mono, false) : mono);
    }
    if (resampler)
        encoder.write(resampler->Process({}, true));
    if (encoder.written() == 0)
        throw ESoundImportError(SoundImportText::Translated(SoundImportText::NoSound));
    return {encoder.finish(),
            codec == Codec::Opus ? QStringLiteral("audio/ogg") : QStringLiteral("audio/wav")};
}

} // namespace WebSound
