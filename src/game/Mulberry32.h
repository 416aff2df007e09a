#pragma once

#include <cstdint>

// The game's random numbers: mulberry32, a 32-bit generator small enough to
// be written the same way in any language, so that the window, the tool and a
// web page deal the same cards from the same seed.
class Mulberry32 {
  public:
    explicit Mulberry32(uint32_t seed) : state_(seed) {}

    // The next 32-bit output, before any division.
    uint32_t next()
    {
        state_ += 0x6D2B79F5u;
        uint32_t t = (state_ ^ (state_ >> 15)) * (state_ | 1u);
        t ^= t + ((t ^ (t >> 7)) * (t | 61u));
        return t ^ (t >> 14);
    }

  private:
    uint32_t state_;
};
