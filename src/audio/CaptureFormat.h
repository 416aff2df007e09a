#pragma once

// The layout of audio as an input device delivers it: interleaved frames of
// `channels` samples of one kind, native byte order. The recording core knows
// no multimedia classes, so the dialog describes its device's format this way.
struct CaptureFormat {
    enum class Sample { UInt8, Int16, Int32, Float };

    static constexpr int MinRate = 1000;
    static constexpr int MaxRate = 384000;
    static constexpr int MaxChannels = 32;

    int rate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;

    int SampleBytes() const { return sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4; }
    int FrameBytes() const { return SampleBytes() * channels; }
    // Rates and channel counts outside these bounds are no real device's,
    // and a resampling ratio beyond them is refused by the converter.
    bool IsUsable() const
    {
        return rate >= MinRate && rate <= MaxRate && channels >= 1 && channels <= MaxChannels;
    }
};
