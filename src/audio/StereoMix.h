#pragma once

#include <vector>

// Mixes a sound of more than two channels down to stereo; a card sound keeps
// one or two channels and nothing more. Each channel goes to the side it
// stands on (centre channels to both at -3 dB, the low-frequency channel is
// left out), and each side is scaled by the sum of its weights so that the
// mix cannot clip. One and two channels pass unchanged.
class StereoMix {
  public:
    // The order in which a file lays out its channels.
    enum class Order {
        Wave,  // WAVE, FLAC and most others: FL FR FC LFE BL BR SL SR
        Vorbis // Ogg Vorbis and Opus: FL FC FR ..., the LFE channel last
    };

    StereoMix(int channels, Order order);

    int OutputChannels() const { return channels_ <= 2 ? channels_ : 2; }

    // Interleaved frames of `channels` floats in, of OutputChannels() out.
    std::vector<float> Apply(const std::vector<float>& frames) const;

  private:
    int channels_;
    std::vector<float> left_;  // weight of each input channel on the left
    std::vector<float> right_; // and on the right
};
