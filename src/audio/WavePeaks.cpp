#include "audio/WavePeaks.h"

#include "audio/TMMWave.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <utility>

// How the sample bytes are laid out.
struct TWavePeaks::Layout {
    int sampleBytes = 0; // 1 to 4
    int channels = 0;
    int frameBytes = 0;
    int second = 0; // the channel drawn as the second one (0 for mono)
};

namespace {

using Layout = TWavePeaks::Layout;
constexpr int ColumnStep = 4;
// A column is read in pieces of at most this size, so that the buffer stays
// small whatever the file's size and the area's width.
constexpr int64_t PieceBytes = int64_t(1) << 20;
constexpr int MaxBitsPerSample = 32;

Layout LayoutOf(const TWaveFormat& format)
{
    Layout layout;
    layout.sampleBytes = (format.BitsPerSample() + 7) / 8;
    layout.channels = format.Channels();
    // A frame is one block; a block align too small for its samples is a lie
    // of the header, and the samples' own size is used instead.
    layout.frameBytes = std::max<int>(format.BlockAlign(), layout.sampleBytes * layout.channels);
    layout.second = layout.channels >= 2 ? 1 : 0;
    return layout;
}

// 8-bit samples are unsigned; wider ones are signed and keep their top 16 bits.
int16_t SampleAt(const char* bytes, int sampleBytes)
{
    const auto* u = reinterpret_cast<const uint8_t*>(bytes);
    if (sampleBytes == 1)
        return int16_t(int(u[0]) * 256 - 32768);
    return qFromLittleEndian<int16_t>(u + sampleBytes - 2);
}

// The extremes of one channel with the frame at which each first occurs.
struct Extremes {
    int16_t min = std::numeric_limits<int16_t>::max();
    int16_t max = std::numeric_limits<int16_t>::min();
    int64_t minAt = -1;
    int64_t maxAt = -1;
    // False while a position is only the first frame of the block that holds
    // the extreme (see AddFramesFast).
    bool minExact = true;
    bool maxExact = true;

    void Add(int16_t value, int64_t at)
    {
        if (value < min || minAt < 0) {
            min = value;
            minAt = at;
            minExact = true;
        }
        if (value > max || maxAt < 0) {
            max = value;
            maxAt = at;
            maxExact = true;
        }
    }
    int16_t First() const { return maxAt < minAt ? max : min; }
    int16_t Second() const { return maxAt < minAt ? min : max; }
};

// Adds `frames` frames that start at frame `at` of the column, one by one.
void AddFrames(const char* data, int64_t frames, int64_t at, const Layout& layout, Extremes* extremes)
{
    const int secondOffset = layout.second * layout.sampleBytes;
    for (int64_t f = 0; f < frames; ++f) {
        const char* frame = data + f * layout.frameBytes;
        extremes[0].Add(SampleAt(frame, layout.sampleBytes), at + f);
        extremes[1].Add(SampleAt(frame + secondOffset, layout.sampleBytes), at + f);
    }
}

// The common layouts (8 or 16 bits, one or two channels, no padding) are
// worked on in blocks whose per-lane extremes are computed in vectors of 16
// bytes (a width every x86-64 and ARM64 processor has). An extreme found in a
// block is placed at the block's first frame; only when a channel's smallest
// and largest value lie in the same block is that block walked to learn
// which comes first. 8-bit samples are flipped to signed bytes (value - 128),
// which keeps their order.
// GCC takes the vector attribute only on a concrete type, not on a
// template parameter: one vector type per sample type.
template <typename T> struct VecOf;
template <> struct VecOf<int8_t> {
    typedef int8_t type __attribute__((vector_size(16)));
};
template <> struct VecOf<int16_t> {
    typedef int16_t type __attribute__((vector_size(16)));
};
template <typename T> using Vec = typename VecOf<T>::type;
template <typename T> constexpr int PerVec = int(16 / sizeof(T));
constexpr int Lanes = 32;
constexpr int Rows = 32;
constexpr int BlockValues = Lanes * Rows;

template <typename T> Vec<T> Load(const char* data)
{
    Vec<T> v;
    std::memcpy(&v, data, sizeof(v)); // little-endian host only
    if constexpr (sizeof(T) == 1)
        v ^= T(-128);
    return v;
}

template <typename T> void ScanBlock(const char* data, T (&minOut)[Lanes], T (&maxOut)[Lanes])
{
    constexpr int Vecs = Lanes / PerVec<T>;
    Vec<T> min[Vecs], max[Vecs];
    for (int i = 0; i < Vecs; ++i)
        min[i] = max[i] = Load<T>(data + i * 16);
    for (int row = 1; row < Rows; ++row)
        for (int i = 0; i < Vecs; ++i) {
            const Vec<T> value = Load<T>(data + (row * Vecs + i) * 16);
            min[i] = value < min[i] ? value : min[i];
            max[i] = value > max[i] ? value : max[i];
        }
    std::memcpy(minOut, min, sizeof(min));
    std::memcpy(maxOut, max, sizeof(max));
}

template <typename T> int16_t Widen(T value)
{
    return int16_t(sizeof(T) == 1 ? value * 256 : value);
}

// Places a channel's extremes that share the block at `blockData` exactly.
void ResolveBlock(const char* blockData, int frames, int channel, const Layout& layout, Extremes& e)
{
    const int64_t blockAt = e.minAt;
    int minFrame = -1;
    int maxFrame = -1;
    for (int f = 0; f < frames && (minFrame < 0 || maxFrame < 0); ++f) {
        const int16_t value =
            SampleAt(blockData + f * layout.frameBytes + channel * layout.sampleBytes, layout.sampleBytes);
        if (minFrame < 0 && value == e.min)
            minFrame = f;
        if (maxFrame < 0 && value == e.max)
            maxFrame = f;
    }
    e.minAt = blockAt + std::max(minFrame, 0);
    e.maxAt = blockAt + std::max(maxFrame, 0);
    e.minExact = e.maxExact = true;
}

template <typename T>
void AddFramesFast(const char* data, int64_t frames, int64_t at, const Layout& layout, Extremes* extremes)
{
    const int channels = layout.channels;
    const int blockFrames = BlockValues / channels;
    const int64_t blocks = frames / blockFrames;
    T min[Lanes], max[Lanes];
    for (int64_t b = 0; b < blocks; ++b) {
        ScanBlock<T>(data + b * blockFrames * layout.frameBytes, min, max);
        const int64_t blockAt = at + b * blockFrames;
        for (int c = 0; c < channels; ++c) {
            T lo = min[c];
            T hi = max[c];
            for (int k = c + channels; k < Lanes; k += channels) {
                lo = std::min(lo, min[k]);
                hi = std::max(hi, max[k]);
            }
            Extremes& e = extremes[c];
            if (Widen(lo) < e.min || e.minAt < 0) {
                e.min = Widen(lo);
                e.minAt = blockAt;
                e.minExact = false;
            }
            if (Widen(hi) > e.max || e.maxAt < 0) {
                e.max = Widen(hi);
                e.maxAt = blockAt;
                e.maxExact = false;
            }
        }
    }
    // A block whose bytes are still at hand: later blocks can only move an
    // extreme to a later place.
    for (int c = 0; c < channels; ++c) {
        Extremes& e = extremes[c];
        if (e.minAt == e.maxAt && !(e.minExact && e.maxExact) && e.minAt >= at)
            ResolveBlock(data + (e.minAt - at) * layout.frameBytes, blockFrames, c, layout, e);
    }
    const int64_t done = blocks * blockFrames;
    AddFrames(data + done * layout.frameBytes, frames - done, at + done, layout, extremes);
}

void AddPiece(const char* data, int64_t frames, int64_t at, const Layout& layout, Extremes* extremes)
{
    const bool packed = layout.channels <= 2 && layout.frameBytes == layout.sampleBytes * layout.channels;
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && packed && layout.sampleBytes == 2)
        AddFramesFast<int16_t>(data, frames, at, layout, extremes);
    else if (packed && layout.sampleBytes == 1)
        AddFramesFast<int8_t>(data, frames, at, layout, extremes);
    else
        AddFrames(data, frames, at, layout, extremes);
}

TPeakColumn ColumnOf(const Extremes* extremes, bool mono)
{
    TPeakColumn column;
    column.First0 = extremes[0].First();
    column.Second0 = extremes[0].Second();
    column.First1 = mono ? column.First0 : extremes[1].First();
    column.Second1 = mono ? column.Second0 : extremes[1].Second();
    return column;
}

} // namespace

WaveDataOpen::WaveDataOpen(TMMWave& wave) : wave_(wave)
{
    wave_.OpenFile();
}

WaveDataOpen::~WaveDataOpen()
{
    wave_.CloseFile();
}

bool TWavePeaks::CanDraw(const TMMWave& wave)
{
    const TWaveFormat* format = wave.WaveFormat();
    return format != nullptr && format->IsPcm() && wave.DataSize() > 0 && format->Channels() > 0 &&
           format->BitsPerSample() > 0 && format->BitsPerSample() <= MaxBitsPerSample;
}

int64_t TWavePeaks::BytesPerColumn(int64_t dataBytes, int width, int frameBytes)
{
    const int64_t step = std::lcm<int64_t>(ColumnStep, std::max(frameBytes, 1));
    const int64_t perColumn = width > 0 ? dataBytes / width : dataBytes;
    return std::max(std::max<int64_t>(ColumnStep, step), perColumn / step * step);
}

void TWavePeaks::Reset(int width)
{
    columns_.assign(size_t(std::max(width, 0)), TPeakColumn());
}

int TWavePeaks::Compute(TMMWave& wave, const ColumnDone& columnDone)
{
    if (!CanDraw(wave) || columns_.empty())
        return 0;
    const int64_t dataBytes = wave.SamplesToBytes(wave.TimeFormatToSamples(wave.DataSize()));
    WaveDataOpen open(wave);
    wave.SetPosition(0);
    const Reader read = [&wave](char* buffer, int64_t count) {
        return wave.ReadData(buffer, int32_t(count));
    };
    return ComputeFrom(read, LayoutOf(*wave.WaveFormat()), dataBytes, columnDone);
}

int TWavePeaks::Compute(const Reader& read, int64_t dataBytes, int channels, const ColumnDone& columnDone)
{
    if (channels <= 0 || dataBytes <= 0 || columns_.empty())
        return 0;
    constexpr int SampleBytes = 2;
    const Layout layout{SampleBytes, channels, SampleBytes * channels, channels >= 2 ? 1 : 0};
    return ComputeFrom(read, layout, dataBytes, columnDone);
}

int TWavePeaks::ComputeFrom(const Reader& read, const Layout& layout, int64_t dataBytes,
                            const ColumnDone& columnDone)
{
    const int64_t perColumn = BytesPerColumn(dataBytes, Width(), layout.frameBytes);
    const int64_t pieceLimit = std::max(PieceBytes / perColumn, int64_t(1)) * perColumn;
    const int64_t piece = std::min(perColumn, pieceLimit - pieceLimit % layout.frameBytes);
    std::vector<char> buffer(size_t(std::max<int64_t>(piece, ColumnStep)));

    int64_t remaining = dataBytes;
    int stored = 0;
    bool ended = false;
    for (int i = 0; i < Width() && !ended && remaining > 0; ++i) {
        Extremes extremes[2];
        int64_t columnLeft = std::min(perColumn, remaining);
        int64_t frameAt = 0;
        bool any = false;
        while (columnLeft > 0) {
            const int64_t got = read(buffer.data(), std::min<int64_t>(piece, columnLeft));
            if (got <= 0) {
                ended = true;
                break;
            }
            const int64_t frames = got / layout.frameBytes;
            AddPiece(buffer.data(), frames, frameAt, layout, extremes);
            any = any || frames > 0;
            frameAt += frames;
            columnLeft -= got;
            remaining -= got;
            if (got % layout.frameBytes != 0) // the data's cut end: no whole frame follows
                ended = true;
            if (ended)
                break;
        }
        if (!any)
            break;
        columns_[size_t(i)] = ColumnOf(extremes, layout.channels == 1);
        stored = i + 1;
        if (columnDone)
            columnDone(i);
    }
    return stored;
}
