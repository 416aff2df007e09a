#include "app/commands/SoundCommands.h"

#include "app/EditorView.h"
#include "app/commands/WaitCursor.h"
#include "audio/RecordedTake.h"
#include "audio/player/SimpleSoundPlayer.h"
#include "audio/record/RecordDialog.h"
#include "audio/speech/Speech.h"
#include "audio/speech/ui/SpeakDialog.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "common/FileNames.h"
#include "common/ui/ErrorMessage.h"
#include "session/EditorSession.h"

#include <QCoreApplication>

SoundCommands::SoundCommands(EditorSession& session, EditorView& view)
    : session_(session), view_(view), dlOpenWave_(new TMMWaveOpenDialog(view.Widget()))
{
    // The dialog offers "Wave-Files(*.wav)" first and never a read-only box.
    dlOpenWave_->SetTitle(QCoreApplication::translate("SoundCommands", "Open Wave File"));
}

void SoundCommands::InsertSound()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot || !dlOpenWave_->RunDialog())
        return;
    // A wave goes through a wave object made for this one operation; a sound
    // of another format, chosen under the dialog's second entry, is converted.
    session_.Edits().InsertSound(*slot, dlOpenWave_->FileName(), view_.SaveProgress());
}

void SoundCommands::HearSound()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot)
        return;
    // The file on disk counts, recorded or not; a card without one is silent,
    // and one the player cannot play is not reported.
    const QString path = session_.Document().CaminhoSom(*slot);
    if (FileNames::fileExists(path))
        SimpleSoundPlayer::instance().play(path);
}

void SoundCommands::Record()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot)
        return;
    RecordDialog dialog(view_.Widget());
    dialog.setObjectName(QStringLiteral("dlGravarSom"));
    if (dialog.exec() != QDialog::Accepted || dialog.Samples().isEmpty())
        return;
    session_.Edits().WriteSamples(*slot, dialog.Samples(), RecordedTake::CardRate);
}

void SoundCommands::SpeakText()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot)
        return;
    // An empty text box speaks the card's name.
    QString text = view_.TextBoxText();
    if (text.trimmed().isEmpty())
        text = session_.Edits().CardName(*slot);
    try {
        Speech::CheckText(text);
    } catch (const Exception&) {
        // The text box is what the user has to fill in.
        view_.FocusTextBox();
        throw;
    }
    // Raises with a message when the library has no voices to offer.
    const QList<SpeechVoice> voices = Speech::Voices();
    SpeakDialog dialog(voices, Speech::DefaultVoice(), view_.Widget());
    if (dialog.exec() != QDialog::Accepted)
        return;
    QByteArray samples;
    {
        const WaitCursor waiting;
        samples = Speech::Speak(text, dialog.Voice(), dialog.Rate());
    }
    session_.Edits().WriteSamples(*slot, samples, Speech::SampleRate);
}
