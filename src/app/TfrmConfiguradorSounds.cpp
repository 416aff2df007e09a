// The sound commands: Insert Sound and Hear Sound. A card's sound file is
// found by the path rule; the card frames show only pictures, so neither
// command changes the window.

#include "app/CardSound.h"
#include "app/TfrmConfigurador.h"
#include "audio/TMMWave.h"
#include "audio/player/SimpleSoundPlayer.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "cardset/CardTable.h"
#include "common/FileNames.h"
#include "images/ui/TDBImage.h"

namespace {

// A frame shows no slot while it stands at -1 (the hidden left frame).
bool showsSlot(const TDBImage* frame)
{
    return frame && frame->Tag() >= 0 && frame->Tag() < NumSlots;
}

} // namespace

TMMWaveOpenDialog* TfrmConfigurador::MakeOpenWaveDialog(QWidget* owner)
{
    // The dialog offers only "Wave-Files(*.wav)" and never a read-only box.
    auto* dialog = new TMMWaveOpenDialog(owner);
    dialog->SetTitle(QStringLiteral("Open Wave File"));
    return dialog;
}

void TfrmConfigurador::btnSomClick()
{
    if (!showsSlot(ImagemAtual))
        return;
    const int slot = ImagemAtual->Tag();
    // Made for this one operation and released whatever happens.
    TMMWave wave;
    if (!dlOpenWave->RunDialog())
        return;
    CardSound::Save(wave, dlOpenWave->FileName(), slot);
}

void TfrmConfigurador::btnTocarSomClick()
{
    if (!showsSlot(ImagemAtual))
        return;
    // The file on disk counts, recorded or not; a card without one is silent,
    // and one the player cannot play is not reported.
    const QString path = CaminhoSom(ImagemAtual->Tag());
    if (FileNames::fileExists(path))
        SimpleSoundPlayer::instance().play(path);
}
