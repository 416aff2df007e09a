#pragma once

#include "app/CardPage.h"
#include "app/CommandGuard.h"
#include "app/CommandTable.h"
#include "audio/TMMWave.h"
#include "cardset/SetDocument.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardText.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class EditorSession;
struct EditorCommands;
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
// Its controls are its own: commands and tests reach the window through the
// methods below.
class TfrmConfigurador : public QMainWindow {
    Q_OBJECT

  public:
    explicit TfrmConfigurador(EditorSession& session, QWidget* parent = nullptr);
    ~TfrmConfigurador() override;

    EditorSession& Session() const { return session_; }
    TSetDocument& Document() const { return document_; }
    const CommandTable& Commands() const { return commands_; }
    // The set dialogs; the program makes them at start, after the window.
    SetDialogs& Dialogs();
    // Null until the overview is first shown.
    SetOverview* Overview() const;
    // Open set after its dialog's OK, for a folder chosen elsewhere.
    void openSetFolder(const QString& folder);

    // ---- the cards shown ------------------------------------------------
    // The slot of the current card; none while the current frame stands at
    // no slot (the hidden left frame of the cover page).
    std::optional<int> CurrentSlot() const;
    // The frame that last received the focus (ImagemAtual), none before the
    // first activation.
    const TDBImage* CurrentFrame() const { return ImagemAtual; }
    // Turns to the page that shows `slot` and makes that card current (when
    // the frames take the focus, that is while editing is enabled).
    void GoToSlot(int slot);
    CardPage ShownPage() const;
    void ShowPage(const CardPage& page);
    // The right frame becomes the current card, as at the first activation.
    void MakeRightFrameCurrent();
    // Shows the page's pictures again and gives the focus to its first card.
    void InicImages();
    void btnProximoClick();
    void btnAnteriorClick();
    // Left/right arrow from any control of the window turns the page; the key
    // is not consumed. Called for every key press while the window is active.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void NovoConjunto();

    // ---- the state the commands follow ----------------------------------
    // Whether the editing controls are on (HabilitaControles) or off (InibeControles).
    bool EditingEnabled() const { return editingEnabled_; }
    void InibeControles();
    void HabilitaControles();
    CommandState State() const;
    // Sets every control's enabled state from the window's state: the one
    // place that enables and disables them, the commands through their table.
    void updateActions();

    // The drawing font of a frame's canvas ("Insert Text"); each frame keeps its own.
    CardText::CanvasFont& CanvasFont(const TDBImage* frame);
    // The text box's text; its lines as it shows them, and the width it wraps them at.
    QString TextBoxText() const;
    QStringList TextBoxLines() const;
    int TextBoxWrapWidth() const;
    void FocusTextBox();

    // What the set scan shows while it runs: the progress bar, its label
    // and the Import errors list, whose lines go to `appendLine`.
    ScanView& scanView();
    void setErrorList(std::function<void(const QString&)> appendLine);

    // Runs one command of the window: its card file writes one step of Undo
    // named `undoName` (none when empty), its error shown in the error box.
    // While another command runs it waits for it (or is dropped, when
    // `whenBusy` says so), never starting inside it.
    void runCommand(const QString& undoName, std::function<void()> body,
                    CommandGuard::WhenBusy whenBusy = CommandGuard::WhenBusy::Queue);
    bool CommandRunning() const;
    // A save that has run this long shows the progress dialog.
    void SetLongSaveDelay(int ms) { longSaveMs_ = ms; }
    // The progress handler of the card sound saves of the running command.
    TMMWaveProgress SaveProgress() const;

    // The help contents page: the program's folder + "/Help/index.html".
    static QString HelpFileName();

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
    std::unique_ptr<EditorCommands> edit_;
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
