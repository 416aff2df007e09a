// The sound commands: Insert Sound and Hear Sound. A card's sound file is
// found by the path rule; the card frames show only pictures, so neither
// command changes the window.

#include "app/CardSound.h"
#include "app/TfrmConfigurador.h"
#include "audio/TMMWave.h"
#include "audio/player/SimpleSoundPlayer.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "common/FileNames.h"

TMMWaveOpenDialog* TfrmConfigurador::MakeOpenWaveDialog(QWidget* owner)
{
    // The dialog offers only "Wave-Files(*.wav)" and never a read-only box.
    auto* dialog = new TMMWaveOpenDialog(owner);
    dialog->SetTitle(QStringLiteral("Open Wave File"));
    return dialog;
}

void TfrmConfigurador::btnSomClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    // Made for this one operation and released whatever happens.
    TMMWave wave;
    if (!dlOpenWave->RunDialog())
        return;
    CardSound::Save(Document(), wave, dlOpenWave->FileName(), *slot);
}

void TfrmConfigurador::btnTocarSomClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    // The file on disk counts, recorded or not; a card without one is silent,
    // and one the player cannot play is not reported.
    const QString path = Document().CaminhoSom(*slot);
    if (FileNames::fileExists(path))
        SimpleSoundPlayer::instance().play(path);
}
