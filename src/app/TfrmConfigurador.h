#pragma once

#include "app/CardPage.h"
#include "app/CommandTable.h"
#include "app/EditorView.h"
#include "audio/TMMWave.h"
#include "cardset/SetDocument.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardText.h"
#include "session/CommandGuard.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class EditorSession;
struct EditorForm;
struct SetDialogs;
class ScanView;
class SetOverview;
class TDBImage;
class WindowScanView;

// The editor's one main window: a view of the session it is given and the
// command table. Two card frames show a page of the current set from the
// session's card pictures, as the files are on disk; the menu entries and
// buttons run the table's commands (see EditorCommands), one at a time.
// Its controls are its own: commands reach the window through its view
// (EditorView), tests through the methods below. The set overview beside it
// is its own too.
class TfrmConfigurador : public QMainWindow, public EditorView {
    Q_OBJECT

  public:
    explicit TfrmConfigurador(EditorSession& session, QWidget* parent = nullptr);
    ~TfrmConfigurador() override;

    EditorSession& Session() const { return session_; }
    TSetDocument& Document() const { return document_; }
    const CommandTable& Commands() const { return commands_; }
    // The window's controls, for the command table.
    const EditorForm& Form() const { return *ui_; }

    // What the window is handed of the commands it runs by whoever puts the
    // editor together (MakeEditorWindow): the command groups, kept as long as
    // the window, and the ways to the few of them the window offers itself.
    struct CommandLinks {
        std::shared_ptr<void> owner;
        std::function<SetDialogs&()> dialogs;
        std::function<void(const QString&)> openFolder;
        std::function<SetOverview*()> makeOverview;
    };
    // The table to fill before LinkCommands wires its entries and buttons.
    CommandTable& CommandsToFill() { return commands_; }
    void LinkCommands(CommandLinks links);
    // The set dialogs; the program makes them at start, after the window.
    SetDialogs& Dialogs();
    // Null until the overview is first shown.
    SetOverview* Overview() const override { return overview_; }
    void ShowOverview() override;
    QWidget* Widget() override { return this; }
    // Open set after its dialog's OK, for a folder chosen elsewhere.
    void openSetFolder(const QString& folder);

    // ---- the cards shown ------------------------------------------------
    // The slot of the current card; none while the current frame stands at
    // no slot (the hidden left frame of the cover page).
    std::optional<int> CurrentSlot() const override;
    // The frame that last received the focus (ImagemAtual), none before the
    // first activation.
    const TDBImage* CurrentFrame() const { return ImagemAtual; }
    // Turns to the page that shows `slot` and makes that card current (when
    // the frames take the focus, that is while editing is enabled).
    void GoToSlot(int slot) override;
    CardPage ShownPage() const override;
    void ShowPage(const CardPage& page) override;
    // The right frame becomes the current card, as at the first activation.
    void MakeRightFrameCurrent() override;
    // Shows the page's pictures again and gives the focus to its first card.
    void InicImages() override;
    void btnProximoClick();
    void btnAnteriorClick();
    // Left/right arrow from any control of the window turns the page; the key
    // is not consumed. Called for every key press while the window is active.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void NovoConjunto() override;

    // ---- the state the commands follow ----------------------------------
    // Whether the editing controls are on (HabilitaControles) or off (InibeControles).
    bool EditingEnabled() const override { return editingEnabled_; }
    void InibeControles() override;
    void HabilitaControles() override;
    CommandState State() const;
    // Sets every control's enabled state from the window's state: the one
    // place that enables and disables them, the commands through their table.
    void updateActions() override;

    // The drawing font of a frame's canvas ("Insert Text"); each frame keeps its own.
    CardText::CanvasFont& CanvasFont(const TDBImage* frame);
    CardText::CanvasFont* CurrentCanvasFont() override;
    // The text box's text; its lines as it shows them, and the width it wraps them at.
    QString TextBoxText() const override;
    QStringList TextBoxLines() const override;
    int TextBoxWrapWidth() const;
    void FocusTextBox() override;

    // What the set scan shows while it runs: the progress bar, its label
    // and the Import errors list, whose lines go to `appendLine`.
    ScanView& scanView() override;
    void setErrorList(std::function<void(const QString&)> appendLine) override;

    // Runs one command of the window: its card file writes one step of Undo
    // named `undoName` (none when empty), its error shown in the error box.
    // While another command runs it waits for it (or is dropped, when
    // `whenBusy` says so), never starting inside it.
    void runCommand(const QString& undoName, std::function<void()> body,
                    CommandGuard::WhenBusy whenBusy = CommandGuard::WhenBusy::Queue) override;
    bool CommandRunning() const;
    // A save that has run this long shows the progress dialog.
    void SetLongSaveDelay(int ms) { longSaveMs_ = ms; }
    // The progress handler of the card sound saves of the running command.
    TMMWaveProgress SaveProgress() const override;

  signals:
    // The current card changed (a frame took the focus or the page turned
    // under it); -1 while the current frame stands at no slot.
    void currentSlotChanged(int slot);

  protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void FormCreate();
    void FormActivate();
    void DBImage1Enter(TDBImage* sender);
    void connectHandlers();
    void announceCurrentSlot();
    std::optional<EFileError> showSlotPicture(TDBImage* frame, int slot);
    TDBImage* frameShowing(int slot) const;
    // A card's file was written: a frame showing the slot shows it again.
    void showWrittenPicture(int slot, TSetDocument::CardPart part);
    // The frames follow their files on disk; a set folder that is gone
    // switches editing off, said once.
    void watchShownFiles();
    void showFilesAgain();
    void setFolderGone(const QString& folder);

    EditorSession& session_;
    TSetDocument& document_;
    std::unique_ptr<EditorForm> ui_;
    std::unique_ptr<WindowScanView> scanView_;
    CommandLinks links_;
    SetOverview* overview_ = nullptr; // a child, made on first showing
    CommandTable commands_;
    CardText::CanvasFont canvasFont1_;
    CardText::CanvasFont canvasFont2_;
    // The frame that last received the focus: the current card.
    TDBImage* ImagemAtual = nullptr;
    bool PrimeiraAtivacao = true;
    // The editing controls are on at creation until the first activation
    // turns them off.
    bool editingEnabled_ = true;
    int announcedSlot_ = -1;
    class SaveProgressView* saveProgress_ = nullptr; // while a command runs
    int longSaveMs_ = 400;
};
