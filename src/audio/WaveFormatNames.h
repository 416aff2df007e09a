#pragma once

#include <QString>
#include <cstdint>

// The name of a wave format tag ("PCM", "IMA ADPCM", ...): the first row of the
// known-tag table with that tag, or "Unknown".
QString WaveFormatTagName(uint16_t tag);
