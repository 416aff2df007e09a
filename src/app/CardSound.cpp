#include "app/CardSound.h"

#include "audio/TMMWave.h"
#include "cardset/SetDocument.h"
#include "common/ui/ErrorMessage.h"

void CardSound::Save(TSetDocument& document, TMMWave& wave, const QString& source, int slot,
                     const TMMWaveProgress& progress)
{
    wave.OnProgress = progress;
    // The wave layer's texts name no file: the error box shows which one failed.
    try {
        wave.LoadWaveFile(source);
    } catch (const Exception& e) {
        throw EFileError::On(e, source);
    }
    document.ReplaceCardFile(slot, TSetDocument::CardPart::Sound, [&wave](const QString& path) {
        try {
            wave.SaveWaveFile(path);
        } catch (const Exception& e) {
            throw EFileError::On(e, path);
        }
    });
}
