#pragma once

#include <vector>

struct SRC_STATE_tag;

// Brings a stream of interleaved float frames from one sample rate to a lower
// one with libsamplerate, block by block, so that a long sound never has to
// be held twice as floats.
class SoundResampler {
  public:
    // Raises ESoundImportError when the converter cannot be made.
    SoundResampler(int channels, int fromRate, int toRate);
    ~SoundResampler();
    SoundResampler(const SoundResampler&) = delete;
    SoundResampler& operator=(const SoundResampler&) = delete;

    // Converts the next frames; `last` flushes what the converter still
    // holds. Returns the converted frames (any count, also none).
    std::vector<float> Process(const std::vector<float>& frames, bool last);

  private:
    SRC_STATE_tag* state_ = nullptr;
    int channels_;
    double ratio_;
};
