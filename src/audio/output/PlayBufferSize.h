#pragma once

#include "audio/WaveFormat.h"

// The largest buffer PlayBufferSize gives, whatever it starts from.
constexpr int MaxPlayBufferSize = 1 << 20;

// The output buffer size for playing a wave of `format`: small buffers for
// low rates and few bits, so that playing starts at once and the play
// position moves smoothly. Rates above 48000 Hz keep `initial` before the
// adjustment by bits per sample. `initial` is the size the caller started
// with, never an earlier result: fed back, the rule would double it on every
// call. The result lies between TMMWaveOut::MinBufferSize and MaxPlayBufferSize.
int PlayBufferSize(int initial, const TWaveFormat& format);
