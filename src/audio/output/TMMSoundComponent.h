#pragma once

#include "audio/WaveFormat.h"

#include <cstdint>

// One stage of a sound chain. Audio flows from a source through any number of
// stages to an output; each stage pulls its audio from its Input. The output
// passes its state changes (opened, closed, started, paused, restarted,
// stopped) back along the chain, so that a source can open its file when
// playing starts and close it when playing stops.
class TMMSoundComponent {
  public:
    TMMSoundComponent() = default;
    TMMSoundComponent(const TMMSoundComponent&) = delete;
    TMMSoundComponent& operator=(const TMMSoundComponent&) = delete;
    virtual ~TMMSoundComponent() = default;

    TMMSoundComponent* Input() const { return input_; }
    virtual void SetInput(TMMSoundComponent* input) { input_ = input; }

    // The format this stage delivers to the next one; null when it has none.
    // A stage that does not change the audio delivers its input's format.
    virtual const TWaveFormat* PWaveFormat() const;

    // Fills `buffer` with up to `bytes` bytes of audio and sets `bytes` to the
    // bytes filled; `moreBuffers` tells whether audio follows. Without an
    // input: nothing filled, nothing follows.
    virtual void BufferLoad(char* buffer, int32_t& bytes, bool& moreBuffers);

    // State changes of the output, each passed on towards the source.
    virtual void Opened();
    virtual void Closed();
    virtual void Started();
    virtual void Paused();
    virtual void Restarted();
    virtual void Stopped();

  private:
    TMMSoundComponent* input_ = nullptr;
};
