#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One readable region of a wave: start and length, in samples and in bytes.
struct TMMRegion {
    int32_t StartSamples = 0;
    int32_t StartBytes = 0;
    int32_t LengthSamples = 0;
    int32_t LengthBytes = 0;
};

// The regions that make up what a wave reads, in play order.
class TMMCutList {
  public:
    void Clear();
    void Add(const TMMRegion& region);
    int Count() const;
    const TMMRegion& operator[](int index) const;
    // Sum of the regions' lengths in samples (64-bit: no wrap).
    int64_t TotalSamples() const;

  private:
    std::vector<TMMRegion> regions_;
};
