#pragma once

#include "audio/WaveFormat.h"

#include <QString>

class TMMWave;

// The wave open dialog's information line and its parts. Without the
// platform's audio compression manager the format is described from its
// record, with "." as the decimal and "," as the list separator.

// "Mono", "Stereo" or "N Channels", as the information line names channels.
QString WaveChannelsText(int channels);

// "22.050 kHz, 16 Bit, Mono"; the bits are average bytes per second x 8 /
// rate / channels, 0 for a record with no rate or no channels.
QString WaveFormatDetails(const TWaveFormat& format);

// "PCM; 22.050 kHz, 16 Bit, Mono; 42 KB" (the whole file's size div 1024),
// or "Unknown" when the wave is bound to no file.
QString WaveSummary(const TMMWave& wave);
