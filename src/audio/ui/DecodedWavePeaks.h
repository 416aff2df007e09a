#pragma once

#include "audio/WavePeaks.h"

class TMMWave;

// The waveform of a wave whose samples the output takes only after decoding:
// float samples, and integer ones in an extensible record. It is drawn from
// the samples as they are decoded for playing, cut to 16 bits. A compressed
// coding (ADPCM, A-law, mu-law) is played but not drawn.
namespace DecodedWavePeaks {

// True for such a wave with data (never for one TWavePeaks draws itself).
bool CanDraw(const TMMWave& wave);
// Stores the peaks of such a wave as TWavePeaks::Compute does for PCM;
// returns the number of columns stored, nothing for a wave CanDraw refuses.
int Compute(TWavePeaks& peaks, TMMWave& wave, const TWavePeaks::ColumnDone& columnDone = {});

} // namespace DecodedWavePeaks
