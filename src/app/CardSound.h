#pragma once

#include <QString>

class TMMWave;

// Writing a card's sound file, shared by Insert Sound and Paste.
namespace CardSound {

// Binds `wave` to the wave file `source`, saves it as the sound file of card
// `slot` and only then records the path (in a paired set in both slots that
// share the file). A failure of the wave layer raises its error, with the file
// it failed on, and records nothing.
void Save(TMMWave& wave, const QString& source, int slot);

} // namespace CardSound
