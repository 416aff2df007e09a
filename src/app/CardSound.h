#pragma once

#include <QString>

class TMMWave;

// Writing a card's sound file, shared by Insert Sound and Paste.
namespace CardSound {

// Binds `wave` to the wave file `source`, saves it as the sound file of card
// `slot` and only then records the path: in the slot, and in a paired set also
// in the other slot that shares the file, so that neither slot names a file
// that was never written nor misses one that was. A failure of the wave
// layer raises its error and records nothing.
void Save(TMMWave& wave, const QString& source, int slot);

} // namespace CardSound
