#pragma once

#include "app/CardPage.h"
#include "audio/TMMWave.h"
#include "images/CardText.h"
#include "session/CommandGuard.h"

#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class ScanView;
class SetOverview;

// What the editor's commands see of the main window and ask of it: the cards
// shown and the current one, the text box, the editing state, the scan and
// save progress, and the one way to run a command. The commands work over
// the session and this; the window implements it.
class EditorView {
  public:
    virtual ~EditorView() = default;

    // The window itself: the parent of the commands' dialogs and boxes.
    virtual QWidget* Widget() = 0;

    // ---- the cards shown ------------------------------------------------
    // The slot of the current card; none while the current frame stands at
    // no slot (the hidden left frame of the cover page).
    virtual std::optional<int> CurrentSlot() const = 0;
    // The drawing font of the current card's frame ("Insert Text"); null
    // before a frame was current.
    virtual CardText::CanvasFont* CurrentCanvasFont() = 0;
    // Turns to the page that shows `slot` and makes that card current.
    virtual void GoToSlot(int slot) = 0;
    virtual CardPage ShownPage() const = 0;
    virtual void ShowPage(const CardPage& page) = 0;
    // The right frame becomes the current card, as at the first activation.
    virtual void MakeRightFrameCurrent() = 0;
    // Shows the page's pictures again and gives the focus to its first card.
    virtual void InicImages() = 0;
    // A new empty set on its cover page.
    virtual void NovoConjunto() = 0;
    // Shows and raises the one set overview beside the window.
    virtual void ShowOverview() = 0;
    // Null until the overview is first shown.
    virtual SetOverview* Overview() const = 0;

    // ---- the text box ---------------------------------------------------
    virtual QString TextBoxText() const = 0;
    // Its lines as it shows them.
    virtual QStringList TextBoxLines() const = 0;
    virtual void FocusTextBox() = 0;

    // ---- the editing state ----------------------------------------------
    virtual bool EditingEnabled() const = 0;
    virtual void InibeControles() = 0;
    virtual void HabilitaControles() = 0;
    // The controls follow a change of state the window cannot see.
    virtual void updateActions() = 0;

    // ---- progress -------------------------------------------------------
    // What the set scan shows while it runs; the Import errors list's lines
    // go to `appendLine`.
    virtual ScanView& scanView() = 0;
    virtual void setErrorList(std::function<void(const QString&)> appendLine) = 0;
    // The progress handler of the card sound saves of the running command.
    virtual TMMWaveProgress SaveProgress() const = 0;

    // Runs one command: its card file writes one step of Undo named
    // `undoName` (none when empty), its error shown in the error box, never
    // inside another command.
    virtual void runCommand(const QString& undoName, std::function<void()> body,
                            CommandGuard::WhenBusy whenBusy = CommandGuard::WhenBusy::Queue) = 0;

  protected:
    EditorView() = default;
    EditorView(const EditorView&) = default;
    EditorView& operator=(const EditorView&) = default;
};
