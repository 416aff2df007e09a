#pragma once

#include "audio/TMMWave.h"

#include <QString>

class TSetDocument;

// Writing a card's sound file, shared by Insert Sound and Paste.
namespace CardSound {

// Binds `wave` to the wave file `source` and saves it through the document as
// the sound file of card `slot`, which records the path only after the write
// (in a paired set in both slots that share the file). A failure of the wave
// layer raises its error, with the file it failed on, and records nothing.
// `progress`, when given, hears of the save's blocks and may cancel it.
void Save(TSetDocument& document, TMMWave& wave, const QString& source, int slot,
          const TMMWaveProgress& progress = {});

} // namespace CardSound
