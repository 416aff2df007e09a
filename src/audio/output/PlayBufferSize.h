#pragma once

#include "audio/WaveFormat.h"

// The output buffer size for playing a wave of `format`: small buffers for
// low rates and few bits, so that playing starts at once and the play
// position moves smoothly. Rates above 48000 Hz keep `previous` before the
// adjustment by bits per sample.
int PlayBufferSize(int previous, const TWaveFormat& format);
