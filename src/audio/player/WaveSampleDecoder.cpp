#include "audio/player/WaveSampleDecoder.h"

#include "audio/WaveFormat.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Offsets in the extra bytes that follow the wave format record's header.
// WAVE_FORMAT_EXTENSIBLE keeps the real coding in the first two bytes of its
// sub-format GUID, after the valid-bits count and the channel mask.
constexpr int kExtensibleSubFormatOffset = 6;
// Microsoft ADPCM: samples per block, coefficient count, then the pairs.
constexpr int kMsSamplesPerBlockOffset = 0;
constexpr int kMsCoefCountOffset = 2;
constexpr int kMsCoefOffset = 4;
constexpr int kMsCoefPairSize = 4;

constexpr uint16_t kTagMsAdpcm = 0x0002;
constexpr uint16_t kTagFloat = 0x0003;
constexpr uint16_t kTagALaw = 0x0006;
constexpr uint16_t kTagMuLaw = 0x0007;
constexpr uint16_t kTagImaAdpcm = 0x0011;
constexpr uint16_t kTagExtensible = 0xFFFE;

constexpr int kMaxChannels = 8;
constexpr int kMsHeaderBytesPerChannel = 7;
constexpr int kImaHeaderBytesPerChannel = 4;
constexpr int kImaWordBytes = 4;

constexpr std::array<int, 7> kMsStandardCoef1{256, 512, 0, 192, 240, 460, 392};
constexpr std::array<int, 7> kMsStandardCoef2{0, -256, 0, 64, 0, -208, -232};
constexpr std::array<int, 16> kMsAdaptation{230, 230, 230, 230, 307, 409, 512, 614,
                                            768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kMsMinDelta = 16;

constexpr std::array<int, 16> kImaIndexStep{-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};
constexpr std::array<int, 89> kImaStep{
    7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,   28,
    31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,  118,
    130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,  494,
    544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878, 2066,
    2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845, 8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// A bounds-checked read of the extra bytes, which a file may cut short.
uint16_t u16At(const QByteArray& bytes, int offset)
{
    if (offset + 2 > bytes.size())
        return 0;
    return qFromLittleEndian<uint16_t>(bytes.constData() + offset);
}

int16_t s16At(const unsigned char* p)
{
    return qFromLittleEndian<int16_t>(p);
}

int clamp16(int value)
{
    return std::clamp(value, -32768, 32767);
}

// G.711 expansions to 16-bit linear.
int aLawToLinear(unsigned char code)
{
    code ^= 0x55;
    int value = (code & 0x0F) << 4;
    const int segment = (code & 0x70) >> 4;
    if (segment == 0)
        value += 8;
    else
        value = (value + 0x108) << (segment - 1);
    return (code & 0x80) ? value : -value;
}

int muLawToLinear(unsigned char code)
{
    code = static_cast<unsigned char>(~code);
    int value = ((code & 0x0F) << 3) + 0x84;
    value <<= (code & 0x70) >> 4;
    return (code & 0x80) ? (0x84 - value) : (value - 0x84);
}

} // namespace

WaveSampleDecoder::WaveSampleDecoder(const QByteArray& format, Output output) : output_(output)
{
    readHeader(format);
}

bool WaveSampleDecoder::isLinear() const
{
    switch (kind_) {
    case Kind::Unsigned8:
    case Kind::Signed16:
    case Kind::Signed24:
    case Kind::Signed32:
    case Kind::Float32:
    case Kind::Float64:
        return true;
    default:
        return false;
    }
}

bool WaveSampleDecoder::fitsInt16() const
{
    switch (kind_) {
    case Kind::Unsigned8:
    case Kind::Signed16:
    case Kind::ALaw:
    case Kind::MuLaw:
    case Kind::MsAdpcm:
    case Kind::ImaAdpcm:
        return true;
    default:
        return false;
    }
}

void WaveSampleDecoder::appendFloat(QByteArray& out, float value) const
{
    if (output_ == Output::Int16) {
        if (std::isnan(value))
            value = 0.0F;
        append16(out, static_cast<int>(std::lround(std::clamp(value, -1.0F, 1.0F) * 32768.0F)));
        return;
    }
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void WaveSampleDecoder::append16(QByteArray& out, int value) const
{
    if (output_ == Output::Int16) {
        const int16_t sample = static_cast<int16_t>(clamp16(value));
        const auto le = qToLittleEndian(sample);
        out.append(reinterpret_cast<const char*>(&le), sizeof le);
        return;
    }
    appendFloat(out, static_cast<float>(value) / 32768.0F);
}

void WaveSampleDecoder::readHeader(const QByteArray& bytes)
{
    if (bytes.size() < TWaveFormat::HeaderSize)
        return;
    const TWaveFormat format = TWaveFormat::FromBytes(bytes);
    channels_ = format.Channels();
    sampleRate_ = format.SamplesPerSec();
    blockAlign_ = format.BlockAlign();
    if (channels_ < 1 || channels_ > kMaxChannels || sampleRate_ == 0 || blockAlign_ == 0)
        return;
    const QByteArray extra = format.Bytes().mid(TWaveFormat::HeaderSize);
    uint16_t tag = format.FormatTag();
    if (tag == kTagExtensible)
        tag = u16At(extra, kExtensibleSubFormatOffset);
    chooseKind(tag, format.BitsPerSample(), extra);
}

void WaveSampleDecoder::chooseKind(uint16_t tag, uint16_t bits, const QByteArray& extra)
{
    if (tag == kTagMsAdpcm || tag == kTagImaAdpcm) {
        const int headerBytes =
            (tag == kTagMsAdpcm ? kMsHeaderBytesPerChannel : kImaHeaderBytesPerChannel) * channels_;
        if (channels_ <= 2 && bits == 4 && blockAlign_ > headerBytes) {
            kind_ = tag == kTagMsAdpcm ? Kind::MsAdpcm : Kind::ImaAdpcm;
            if (kind_ == Kind::MsAdpcm)
                readMsAdpcmCoefficients(extra);
        }
        return;
    }
    if (blockAlign_ % channels_ != 0)
        return;
    bytesPerSample_ = blockAlign_ / channels_;
    if (bits == 0 || bits > 8 * bytesPerSample_)
        return;
    switch (tag) {
    case TWaveFormat::TagPcm: {
        constexpr std::array<Kind, 4> bySize{Kind::Unsigned8, Kind::Signed16, Kind::Signed24, Kind::Signed32};
        if (bytesPerSample_ <= 4)
            kind_ = bySize[static_cast<std::size_t>(bytesPerSample_ - 1)];
        break;
    }
    case kTagFloat:
        if (bytesPerSample_ == 4 || bytesPerSample_ == 8)
            kind_ = bytesPerSample_ == 4 ? Kind::Float32 : Kind::Float64;
        break;
    case kTagALaw:
    case kTagMuLaw:
        if (bytesPerSample_ == 1)
            kind_ = tag == kTagALaw ? Kind::ALaw : Kind::MuLaw;
        break;
    default:
        break;
    }
}

void WaveSampleDecoder::readMsAdpcmCoefficients(const QByteArray& extra)
{
    const int count = u16At(extra, kMsCoefCountOffset);
    if (u16At(extra, kMsSamplesPerBlockOffset) != 0 && count > 0 &&
        kMsCoefOffset + kMsCoefPairSize * count <= extra.size()) {
        for (int i = 0; i < count; ++i) {
            const char* pair = extra.constData() + kMsCoefOffset + kMsCoefPairSize * i;
            coef1_.push_back(qFromLittleEndian<int16_t>(pair));
            coef2_.push_back(qFromLittleEndian<int16_t>(pair + 2));
        }
        standardMsCoefficients_ =
            std::equal(coef1_.begin(), coef1_.end(), kMsStandardCoef1.begin(), kMsStandardCoef1.end()) &&
            std::equal(coef2_.begin(), coef2_.end(), kMsStandardCoef2.begin(), kMsStandardCoef2.end());
        return;
    }
    coef1_.assign(kMsStandardCoef1.begin(), kMsStandardCoef1.end());
    coef2_.assign(kMsStandardCoef2.begin(), kMsStandardCoef2.end());
}

void WaveSampleDecoder::decode(const char* bytes, qsizetype count, QByteArray& out)
{
    if (!isSupported() || count <= 0)
        return;
    pending_.append(bytes, count);
    const auto* data = reinterpret_cast<const unsigned char*>(pending_.constData());
    qsizetype offset = 0;
    for (; offset + blockAlign_ <= pending_.size(); offset += blockAlign_)
        decodeBlock(data + offset, out);
    pending_.remove(0, offset);
}

void WaveSampleDecoder::decodeBlock(const unsigned char* block, QByteArray& out)
{
    if (kind_ == Kind::MsAdpcm)
        decodeMsAdpcm(block, out);
    else if (kind_ == Kind::ImaAdpcm)
        decodeImaAdpcm(block, out);
    else
        decodePcmFrame(block, out);
}

void WaveSampleDecoder::decodePcmFrame(const unsigned char* frame, QByteArray& out) const
{
    for (int c = 0; c < channels_; ++c) {
        const unsigned char* p = frame + c * bytesPerSample_;
        switch (kind_) {
        case Kind::Unsigned8:
            append16(out, (static_cast<int>(p[0]) - 128) * 256);
            break;
        case Kind::Signed16:
            append16(out, s16At(p));
            break;
        case Kind::Signed24: {
            const int32_t value =
                static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                                     static_cast<uint32_t>(p[2]) << 24);
            appendFloat(out, static_cast<float>(value) / 2147483648.0F);
            break;
        }
        case Kind::Signed32:
            appendFloat(out, static_cast<float>(qFromLittleEndian<int32_t>(p)) / 2147483648.0F);
            break;
        case Kind::Float32:
            appendFloat(out, qFromLittleEndian<float>(p));
            break;
        case Kind::Float64:
            appendFloat(out, static_cast<float>(qFromLittleEndian<double>(p)));
            break;
        case Kind::ALaw:
            append16(out, aLawToLinear(p[0]));
            break;
        case Kind::MuLaw:
            append16(out, muLawToLinear(p[0]));
            break;
        default:
            break;
        }
    }
}

// Microsoft ADPCM block: per channel a predictor index, a delta and two
// history samples; then one 4-bit code per sample, high nibble first, the
// channels taking turns.
void WaveSampleDecoder::decodeMsAdpcm(const unsigned char* block, QByteArray& out) const
{
    std::array<int, 2> coef1{}, coef2{}, delta{}, sample1{}, sample2{};
    const int ch = channels_;
    for (int c = 0; c < ch; ++c) {
        const int predictor = std::min<int>(block[c], static_cast<int>(coef1_.size()) - 1);
        coef1[c] = coef1_[predictor];
        coef2[c] = coef2_[predictor];
        delta[c] = s16At(block + ch + 2 * c);
        sample1[c] = s16At(block + 3 * ch + 2 * c);
        sample2[c] = s16At(block + 5 * ch + 2 * c);
    }
    for (int c = 0; c < ch; ++c)
        append16(out, sample2[c]);
    for (int c = 0; c < ch; ++c)
        append16(out, sample1[c]);
    const int codeBytes = blockAlign_ - kMsHeaderBytesPerChannel * ch;
    const unsigned char* codes = block + kMsHeaderBytesPerChannel * ch;
    for (int i = 0; i < 2 * codeBytes; ++i) {
        const int c = i % ch;
        const int code = (i % 2 == 0) ? codes[i / 2] >> 4 : codes[i / 2] & 0x0F;
        const int signedCode = code >= 8 ? code - 16 : code;
        const int predicted = (sample1[c] * coef1[c] + sample2[c] * coef2[c]) >> 8;
        const int value = clamp16(predicted + signedCode * delta[c]);
        sample2[c] = sample1[c];
        sample1[c] = value;
        delta[c] = std::max(kMsAdaptation[static_cast<std::size_t>(code)] * delta[c] / 256, kMsMinDelta);
        append16(out, value);
    }
}

// IMA ADPCM block: per channel the first sample and a step index; then
// 4-byte words, one per channel in turn, each holding eight codes of that
// channel, low nibble first.
void WaveSampleDecoder::decodeImaAdpcm(const unsigned char* block, QByteArray& out) const
{
    const int ch = channels_;
    std::array<int, 2> predictor{}, index{};
    for (int c = 0; c < ch; ++c) {
        predictor[c] = s16At(block + kImaHeaderBytesPerChannel * c);
        index[c] =
            std::min<int>(block[kImaHeaderBytesPerChannel * c + 2], static_cast<int>(kImaStep.size()) - 1);
        append16(out, predictor[c]);
    }
    const int groupBytes = kImaWordBytes * ch;
    const int groups = (blockAlign_ - kImaHeaderBytesPerChannel * ch) / groupBytes;
    const unsigned char* data = block + kImaHeaderBytesPerChannel * ch;
    constexpr int kCodesPerWord = 8;
    std::array<std::array<int, kCodesPerWord>, 2> decoded{};
    for (int g = 0; g < groups; ++g) {
        for (int c = 0; c < ch; ++c) {
            const unsigned char* word = data + g * groupBytes + c * kImaWordBytes;
            for (int k = 0; k < kCodesPerWord; ++k) {
                const int code = (k % 2 == 0) ? word[k / 2] & 0x0F : word[k / 2] >> 4;
                const int step = kImaStep[static_cast<std::size_t>(index[c])];
                int diff = step >> 3;
                if (code & 4)
                    diff += step;
                if (code & 2)
                    diff += step >> 1;
                if (code & 1)
                    diff += step >> 2;
                predictor[c] = clamp16((code & 8) ? predictor[c] - diff : predictor[c] + diff);
                index[c] = std::clamp(index[c] + kImaIndexStep[static_cast<std::size_t>(code)], 0,
                                      static_cast<int>(kImaStep.size()) - 1);
                decoded[c][k] = predictor[c];
            }
        }
        for (int k = 0; k < kCodesPerWord; ++k)
            for (int c = 0; c < ch; ++c)
                append16(out, decoded[c][k]);
    }
}
