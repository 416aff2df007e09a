#pragma once

#include "audio/WaveFormat.h"

#include <QAudioFormat>
#include <limits>
#include <optional>

// The audio output's format for a wave format it takes as it stands: 8-bit
// unsigned and 16-bit signed PCM, 32-bit float, one to eight channels.
// Anything else has none (the ADPCM converter turns most other codings into
// one of these).
std::optional<QAudioFormat> WaveOutFormat(const TWaveFormat& format);
