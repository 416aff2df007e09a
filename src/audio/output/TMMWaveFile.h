#pragma once

#include "audio/output/TMMSoundComponent.h"

#include <memory>

class TMMWave;

// The source of a sound chain: delivers the sample data of the wave it owns,
// from the start, each time playing starts. The wave's data is open only
// while playing.
class TMMWaveFile : public TMMSoundComponent {
  public:
    TMMWaveFile();
    ~TMMWaveFile() override;

    TMMWave* Wave() { return wave_.get(); }
    const TMMWave* Wave() const { return wave_.get(); }

    // A source that is switched off delivers silence while playing.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    void SetIOBufferSize(int32_t size);

    // The bound wave's format; null when no wave is bound.
    const TWaveFormat* PWaveFormat() const override;
    // Reads from the wave's current position; more follows while data remains.
    void BufferLoad(char* buffer, int32_t& bytes, bool& moreBuffers) override;

    void Started() override;
    void Stopped() override;
    void Closed() override;

  private:
    void CloseData();

    std::unique_ptr<TMMWave> wave_;
    bool enabled_ = true;
    bool started_ = false;
};
