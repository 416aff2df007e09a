// The sound commands: Insert Sound and Hear Sound. A card's sound file is
// found by the path rule; the card frames show only pictures, so neither
// command changes the window.

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "audio/player/SimpleSoundPlayer.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "common/FileNames.h"

TMMWaveOpenDialog* TfrmConfigurador::MakeOpenWaveDialog(QWidget* owner)
{
    // The dialog offers "Wave-Files(*.wav)" first and never a read-only box.
    auto* dialog = new TMMWaveOpenDialog(owner);
    dialog->SetTitle(QStringLiteral("Open Wave File"));
    return dialog;
}

void TfrmConfigurador::btnSomClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    if (!dlOpenWave->RunDialog())
        return;
    // A wave goes through a wave object made for this one operation; a sound
    // of another format, chosen under the dialog's second entry, is converted.
    session_.Edits().InsertSound(*slot, dlOpenWave->FileName(), SaveProgress());
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
