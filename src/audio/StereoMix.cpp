#include "audio/StereoMix.h"

#include <array>
#include <cstddef>

namespace {

// Where a channel stands. Unknown channels (past the layouts below) go to
// both sides at half weight.
enum Place { L, R, C, Lfe, Unknown };

constexpr size_t MaxLaid = 8;
using Layout = std::array<Place, MaxLaid>;

// The published layouts for 3 to 8 channels, indexed by count - 3.
constexpr std::array<Layout, 6> WaveLayouts{{
    {L, R, C, Unknown, Unknown, Unknown, Unknown, Unknown},
    {L, R, L, R, Unknown, Unknown, Unknown, Unknown},
    {L, R, C, L, R, Unknown, Unknown, Unknown},
    {L, R, C, Lfe, L, R, Unknown, Unknown},
    {L, R, C, Lfe, C, L, R, Unknown},
    {L, R, C, Lfe, L, R, L, R},
}};
constexpr std::array<Layout, 6> VorbisLayouts{{
    {L, C, R, Unknown, Unknown, Unknown, Unknown, Unknown},
    {L, R, L, R, Unknown, Unknown, Unknown, Unknown},
    {L, C, R, L, R, Unknown, Unknown, Unknown},
    {L, C, R, L, R, Lfe, Unknown, Unknown},
    {L, C, R, L, R, C, Lfe, Unknown},
    {L, C, R, L, R, L, R, Lfe},
}};

Place PlaceOf(int channel, int channels, StereoMix::Order order)
{
    if (channels > int(MaxLaid))
        return channel == 0 ? L : channel == 1 ? R : Unknown;
    const auto& layouts = order == StereoMix::Order::Vorbis ? VorbisLayouts : WaveLayouts;
    return layouts[size_t(channels - 3)][size_t(channel)];
}

constexpr float CentreWeight = 0.70710678f;

} // namespace

StereoMix::StereoMix(int channels, Order order) : channels_(channels)
{
    if (channels_ <= 2)
        return;
    float leftSum = 0, rightSum = 0;
    for (int c = 0; c < channels_; ++c) {
        float l = 0, r = 0;
        switch (PlaceOf(c, channels_, order)) {
        case L:
            l = 1;
            break;
        case R:
            r = 1;
            break;
        case C:
            l = r = CentreWeight;
            break;
        case Lfe:
            break;
        case Unknown:
            l = r = 0.5f;
            break;
        }
        left_.push_back(l);
        right_.push_back(r);
        leftSum += l;
        rightSum += r;
    }
    for (int c = 0; c < channels_; ++c) {
        left_[size_t(c)] /= leftSum;
        right_[size_t(c)] /= rightSum;
    }
}

std::vector<float> StereoMix::Apply(const std::vector<float>& frames) const
{
    if (channels_ <= 2)
        return frames;
    const size_t count = frames.size() / size_t(channels_);
    std::vector<float> out(count * 2);
    for (size_t f = 0; f < count; ++f) {
        const float* in = frames.data() + f * size_t(channels_);
        float l = 0, r = 0;
        for (size_t c = 0; c < size_t(channels_); ++c) {
            l += in[c] * left_[c];
            r += in[c] * right_[c];
        }
        out[2 * f] = l;
        out[2 * f + 1] = r;
    }
    return out;
}
