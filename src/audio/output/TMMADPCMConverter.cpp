#include "audio/output/TMMADPCMConverter.h"

#include "audio/output/WaveOutFormat.h"
#include "audio/player/WaveSampleDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t TagMsAdpcm = 0x0002;
constexpr uint16_t TagFloat = 0x0003;
constexpr int FloatBits = 32;
constexpr int Int16Bits = 16;

} // namespace

TMMADPCMConverter::TMMADPCMConverter() = default;

TMMADPCMConverter::~TMMADPCMConverter() = default;

bool TMMADPCMConverter::CanConvert(const TWaveFormat& format)
{
    if (WaveOutFormat(format))
        return false; // the output takes it as it stands
    const WaveSampleDecoder decoder(format.Bytes());
    if (!decoder.isSupported())
        return false;
    if (format.FormatTag() == TagMsAdpcm)
        return decoder.hasStandardMsCoefficients();
    return true;
}

TWaveFormat TMMADPCMConverter::ConvertedFormat(const TWaveFormat& source)
{
    const WaveSampleDecoder decoder(source.Bytes());
    const bool toInt16 = decoder.fitsInt16();
    const int bits = toInt16 ? Int16Bits : FloatBits;
    TWaveFormat format;
    format.SetFormatTag(toInt16 ? TWaveFormat::TagPcm : TagFloat);
    format.SetChannels(source.Channels());
    format.SetSamplesPerSec(source.SamplesPerSec());
    format.SetBlockAlign(uint16_t(source.Channels() * bits / 8));
    format.SetAvgBytesPerSec(source.SamplesPerSec() * format.BlockAlign());
    format.SetBitsPerSample(uint16_t(bits));
    return format;
}

bool TMMADPCMConverter::Converting() const
{
    const TWaveFormat* source = Input() ? Input()->PWaveFormat() : nullptr;
    return enabled_ && source && CanConvert(*source);
}

const TWaveFormat* TMMADPCMConverter::PWaveFormat() const
{
    const TWaveFormat* source = Input() ? Input()->PWaveFormat() : nullptr;
    if (!Converting())
        return source;
    if (convertedFrom_ != source->Bytes()) {
        converted_ = ConvertedFormat(*source);
        convertedFrom_ = source->Bytes();
    }
    return &converted_;
}

void TMMADPCMConverter::Started()
{
    Reset();
    TMMSoundComponent::Started();
}

void TMMADPCMConverter::Stopped()
{
    Reset();
    TMMSoundComponent::Stopped();
}

void TMMADPCMConverter::Reset()
{
    decoder_.reset();
    decoded_.clear();
    decodedPos_ = 0;
    inputMore_ = true;
}

void TMMADPCMConverter::BufferLoad(char* buffer, int32_t& bytes, bool& moreBuffers)
{
    if (!Converting()) {
        TMMSoundComponent::BufferLoad(buffer, bytes, moreBuffers);
        return;
    }
    if (!decoder_) {
        const auto output = ConvertedFormat(*Input()->PWaveFormat()).FormatTag() == TWaveFormat::TagPcm
                                ? WaveSampleDecoder::Output::Int16
                                : WaveSampleDecoder::Output::Float32;
        decoder_ = std::make_unique<WaveSampleDecoder>(Input()->PWaveFormat()->Bytes(), output);
    }
    const int32_t wanted = std::max(bytes, 0);
    // Reads in requests of the caller's size: decoding never shrinks the
    // audio, so one read yields at least as much as asked for, save for
    // a block held back.
    while (decoded_.size() - decodedPos_ < wanted && inputMore_) {
        if (raw_.size() < wanted)
            raw_.resize(wanted);
        int32_t got = wanted;
        Input()->BufferLoad(raw_.data(), got, inputMore_);
        got = std::clamp(got, 0, wanted);
        if (got == 0)
            break; // the input promised audio but gave none: let the caller see it
        if (decodedPos_ > 0) {
            decoded_.remove(0, decodedPos_);
            decodedPos_ = 0;
        }
        decoder_->decode(raw_.constData(), got, decoded_);
    }
    const qsizetype n = std::min<qsizetype>(wanted, decoded_.size() - decodedPos_);
    if (n > 0)
        std::memcpy(buffer, decoded_.constData() + decodedPos_, std::size_t(n));
    decodedPos_ += n;
    bytes = int32_t(n);
    moreBuffers = inputMore_ || decodedPos_ < decoded_.size();
}
