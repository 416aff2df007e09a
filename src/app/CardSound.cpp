#include "app/CardSound.h"

#include "audio/TMMWave.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"

namespace {

// The other slot of a pair that shares the slot's files, or -1: the cover and
// every slot of a double set have files of their own.
int slotSharingFile(int slot)
{
    if (ConfigConjunto.Duplo != 0 || slot <= 0)
        return -1;
    return slot % 2 == 1 ? slot + 1 : slot - 1;
}

} // namespace

void CardSound::Save(TMMWave& wave, const QString& source, int slot)
{
    wave.LoadWaveFile(source);
    const QString path = CaminhoSom(slot);
    wave.SaveWaveFile(path);
    Conjunto.Elementos[slot].Som = path;
    if (const int other = slotSharingFile(slot); other >= 0)
        Conjunto.Elementos[other].Som = path;
}
