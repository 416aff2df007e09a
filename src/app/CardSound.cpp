#include "app/CardSound.h"

#include "app/ErrorMessage.h"
#include "audio/TMMWave.h"
#include "cardset/CardTable.h"

void CardSound::Save(TMMWave& wave, const QString& source, int slot)
{
    // The wave layer's texts name no file: the error box shows which one failed.
    try {
        wave.LoadWaveFile(source);
    } catch (const Exception& e) {
        throw EFileError::On(e, source);
    }
    const QString path = CaminhoSom(slot);
    try {
        wave.SaveWaveFile(path);
    } catch (const Exception& e) {
        throw EFileError::On(e, path);
    }
    RecordSom(slot, path);
}
