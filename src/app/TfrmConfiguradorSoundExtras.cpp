// Card sounds made in the editor: Edit, Sound, "Record..." takes the sound
// from the default input device, "Speak text" has the text box's text spoken.
// Either sound is written as the current card's sound file the way every card
// sound is written (a 16-bit mono wave saved by the wave object), through the
// document, so that Undo takes it back; a cancelled dialog writes nothing.

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "audio/RecordedTake.h"
#include "audio/record/RecordDialog.h"
#include "audio/speech/Speech.h"
#include "audio/speech/ui/SpeakDialog.h"
#include "common/ui/ErrorMessage.h"

#include <QAction>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

// Speaking a long text takes a moment in which the window does not answer.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void TfrmConfigurador::createSoundExtraEntries()
{
    mnGravarSom = mnSom->addAction(QStringLiteral("&Record..."));
    mnGravarSom->setObjectName(QStringLiteral("mnGravarSom"));
    mnGravarSom->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnFalarTexto = mnSom->addAction(QStringLiteral("S&peak text"));
    mnFalarTexto->setObjectName(QStringLiteral("mnFalarTexto"));
    mnFalarTexto->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

    // A microphone plugged in or out switches Record on or off.
    auto* devices = new QMediaDevices(this);
    connect(devices, &QMediaDevices::audioInputsChanged, this, &TfrmConfigurador::updateActions);
}

void TfrmConfigurador::addSoundExtraCommands()
{
    // Each is one step of Undo, named as the user knows the command
    // ("Undo Record on card 3"), not by the entry's text.
    commands_.add({QStringLiteral("record"), mnGravarSom, nullptr, mnGravarSom->shortcuts(),
                   QStringLiteral("Record"), [](const CommandState& s) { return s.editing && s.soundInput; },
                   [this] { mnGravarSomClick(); }});
    commands_.add({QStringLiteral("speak"), mnFalarTexto, nullptr, mnFalarTexto->shortcuts(),
                   QStringLiteral("Speak text"), WhileEditing, [this] { mnFalarTextoClick(); }});
}

bool TfrmConfigurador::soundInputPresent()
{
    return RecordDialog::HasInputDevice();
}

void TfrmConfigurador::showSoundInput(bool present)
{
    // Without an input the entry says why it is off.
    mnGravarSom->setText(present ? QStringLiteral("&Record...")
                                 : QStringLiteral("&Record... (no sound input device)"));
}

void TfrmConfigurador::mnGravarSomClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    RecordDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlGravarSom"));
    if (dialog.exec() != QDialog::Accepted || dialog.Samples().isEmpty())
        return;
    session_.Edits().WriteSamples(*slot, dialog.Samples(), RecordedTake::CardRate);
}

void TfrmConfigurador::mnFalarTextoClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    const QString text = memTexto->toPlainText();
    try {
        Speech::CheckText(text);
    } catch (const Exception&) {
        // The text box is what the user has to fill in.
        memTexto->setFocus(Qt::OtherFocusReason);
        throw;
    }
    // Raises with a message when the library has no voices to offer.
    const QList<SpeechVoice> voices = Speech::Voices();
    SpeakDialog dialog(voices, Speech::DefaultVoice(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QByteArray samples;
    {
        const WaitCursor waiting;
        samples = Speech::Speak(text, dialog.Voice(), dialog.Rate());
    }
    session_.Edits().WriteSamples(*slot, samples, Speech::SampleRate);
}
