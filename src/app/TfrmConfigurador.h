#pragma once

#include "app/CardPage.h"
#include "app/CommandGuard.h"
#include "app/CommandTable.h"
#include "audio/TMMWave.h"
#include "cardset/SetDocument.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardText.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class EditorSession;
struct SetDialogs;
class CardFontDialog;
class CardUndoHistory;
class GameWindow;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QMimeData;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;
class ScanView;
class SetOverview;
class TBitmap;
class TDBImage;
class QDropEvent;
class TOpenPictureDialog;
class TMMWaveOpenDialog;
class WindowScanView;

// The editor's one main window: two card frames showing a page of the current
// set, the card text box, the command buttons and the menu. The controls are
// public members under their own names because the set, picture, sound and
// copy commands (each in a source file of its own) and the tests work on them.
// The set itself is the document of the session the window is given: the
// commands read and change it there, and the frames follow its card file
// writes and the files on disk.
class TfrmConfigurador : public QMainWindow {
    Q_OBJECT

  public:
    explicit TfrmConfigurador(EditorSession& session, QWidget* parent = nullptr);
    ~TfrmConfigurador() override;

    // ---- controls -------------------------------------------------------
    QFrame* Bevel1 = nullptr;     // focus marker around the current frame
    QLabel* Label2 = nullptr;     // label above the left frame
    QLabel* Label3 = nullptr;     // label above the right frame
    TDBImage* DBImage1 = nullptr; // left card frame, Tag = odd slot or -1
    TDBImage* DBImage2 = nullptr; // right card frame, Tag = even slot or 0
    QPlainTextEdit* memTexto = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* lblProgresso = nullptr;
    QProgressBar* Progresso = nullptr;

    QToolButton* btnImagem = nullptr;
    QToolButton* btnDuplicar = nullptr;
    QToolButton* btnSom = nullptr;
    QToolButton* btnTocarSom = nullptr;
    QToolButton* btnTexto = nullptr;
    QToolButton* btnFonte = nullptr;
    QToolButton* btnAbrir = nullptr;
    QToolButton* btnSalvar = nullptr;
    QToolButton* btnCopiar = nullptr;
    QToolButton* btnColar = nullptr;
    QToolButton* btnAnterior = nullptr;
    QToolButton* btnProximo = nullptr;

    QMenuBar* mnConfig = nullptr;
    QMenu* mnArquivo = nullptr;
    QAction* mnNovo = nullptr;
    QAction* mnAbrir = nullptr;
    QAction* mnSalvar = nullptr;
    QAction* mnImportar = nullptr;
    QAction* Propriedades1 = nullptr;
    QAction* N3 = nullptr;
    QAction* mnSair = nullptr;
    QMenu* mnEditar = nullptr;
    QMenu* mnImagem = nullptr;
    QAction* mnInsImg = nullptr;
    QAction* mnDupImg = nullptr;
    QMenu* mnSom = nullptr;
    QAction* mnInsSom = nullptr;
    QAction* mnOuvSom = nullptr;
    QAction* mnGravarSom = nullptr;  // Edit, Sound, "&Record..." (Ctrl+R)
    QAction* mnFalarTexto = nullptr; // Edit, Sound, "S&peak text" (Ctrl+T)
    QMenu* mnTexto = nullptr;
    QAction* mnInsTex = nullptr;
    QAction* mnFonte = nullptr;
    QAction* N1 = nullptr;
    QAction* mnCopiar = nullptr;
    QAction* mnColar = nullptr;
    QAction* N2 = nullptr;
    QAction* mnAvancar = nullptr;
    QAction* mnRecuar = nullptr;
    QAction* mnSepDesfazer = nullptr;  // separator before Undo and Redo
    QAction* mnDesfazer = nullptr;     // Edit, "&Undo ..." (Ctrl+Z)
    QAction* mnRefazer = nullptr;      // Edit, "R&edo ..." (Ctrl+Y, Ctrl+Shift+Z)
    QAction* mnPastePicture = nullptr; // Edit, "Paste picture" (Ctrl+Shift+V)
    QMenu* mnView = nullptr;           // "View"
    QAction* mnSetOverview = nullptr;  // View, "Set overview" (F2)
    QMenu* mnAjuda = nullptr;
    QAction* mnTopicos = nullptr;
    QAction* mnSobre = nullptr;

    // The window's dialogs, made with it and kept for the whole run.
    TOpenPictureDialog* dlOpenBitmap = nullptr;
    TMMWaveOpenDialog* dlOpenWave = MakeOpenWaveDialog(this);
    CardFontDialog* dlFont = nullptr;

    // ---- window state ---------------------------------------------------
    // The frame that last received the focus: the current card.
    TDBImage* ImagemAtual = nullptr;
    bool PrimeiraAtivacao = true;

    // The run the window shows, and the set it edits.
    EditorSession& Session() const { return session_; }
    TSetDocument& Document() const { return document_; }
    // The set dialogs, made on first use.
    SetDialogs& Dialogs();
    // The slot of the current card; none while the current frame stands at
    // no slot (the hidden left frame of the cover page).
    std::optional<int> CurrentSlot() const;
    // Turns to the page that shows `slot` and makes that card current (when
    // the frames take the focus, that is while editing is enabled).
    void GoToSlot(int slot);
    // Whether the editing controls are on (HabilitaControles) or off (InibeControles).
    bool EditingEnabled() const { return editingEnabled_; }
    // Sets every control's enabled state from the window's state: the one
    // place that enables and disables them, the commands through their table.
    void updateActions();
    const CommandTable& Commands() const { return commands_; }

    // The drawing font of a frame's canvas ("Insert Text"); each frame keeps its own.
    CardText::CanvasFont& CanvasFont(const TDBImage* frame);

    // What the set scan shows while it runs: Progresso, lblProgresso and the
    // Import errors list (see setErrorList).
    ScanView& scanView();
    // Where the scan's error lines go: the Import errors dialog appends them
    // to its memErros (e.g. [memErros](const QString& l) { memErros->appendPlainText(l); }).
    void setErrorList(std::function<void(const QString&)> appendLine);

    // The text box's lines as it shows them, and the width it wraps them at.
    QStringList TextBoxLines() const;
    int TextBoxWrapWidth() const;

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

    // ---- handlers -------------------------------------------------------
    void FormCreate();
    void FormActivate();
    void DBImage1Enter(TDBImage* sender);
    void InicImages();
    void btnProximoClick();
    void btnAnteriorClick();
    // Left/right arrow from any control of the window turns the page; the key
    // is not consumed. Called for every key press while the window is active.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void InibeControles();
    void HabilitaControles();
    void NovoConjunto();
    void mnSairClick();
    void mnTopicosClick();
    void mnSobreClick();

    // Set commands (TfrmConfiguradorSets.cpp).
    void mnNovoClick();
    void btnAbrirClick();
    void mnImportarClick();
    void Propriedades1Click();
    void btnSalvarClick();

    // Picture commands (TfrmConfiguradorImages.cpp).
    void btnImagemClick();
    void btnTextoClick();
    void btnFonteClick();
    void btnDuplicarClick();

    // Sound commands (TfrmConfiguradorSounds.cpp).
    void btnSomClick();
    void btnTocarSomClick();
    // The wave dialog of Insert Sound, titled "Open Wave File".
    static TMMWaveOpenDialog* MakeOpenWaveDialog(QWidget* owner);

    // Recorded and spoken card sounds (TfrmConfiguradorSoundExtras.cpp): the
    // take of the record dialog, or the text box's text spoken in the voice
    // chosen, written as the current card's sound.
    void mnGravarSomClick();
    void mnFalarTextoClick();

    // Copy and paste (TfrmConfiguradorCopy.cpp).
    void btnCopiarClick();
    void btnColarClick();

    // Undo and Redo of card file writes (TfrmConfiguradorUndo.cpp): the
    // current set's last step taken back or done again, its card shown.
    void mnDesfazerClick();
    void mnRefazerClick();
    CardUndoHistory& UndoHistory() const { return *undoHistory_; }

    // Paste picture: the clipboard's picture becomes the current card's
    // (TfrmConfiguradorImages.cpp).
    void mnPastePictureClick();

    // The set overview and drops on cards (TfrmConfiguradorDrops.cpp).
    // Shows and raises the one overview window beside the editor.
    void mnSetOverviewClick();
    // Null until the overview is first shown.
    SetOverview* Overview() const { return overview_; }
    // Whether a drag may be dropped on a card: while a set is open, picture
    // files, sound files, or a card of the set dragged from the overview.
    bool AcceptsDrop(const QMimeData* data) const;
    // Files dropped on card `slot`: one does what Insert image or Insert
    // Sound does for that card; several fill it and the following cards in
    // name order, after one question when they replace cards' files.
    void DropFiles(int slot, const QStringList& paths);
    // Card `from` dragged onto card `to`: its picture and sound files, each
    // when it exists, written as `to`'s as Paste does. The copy buffer and
    // Paste stay as they are.
    void CopyCard(int from, int to);

    // The set made current as Open set makes it after its dialog's OK: its
    // Set.cfg read, its cards scanned, listed first under Recent sets
    // (TfrmConfiguradorSets.cpp).
    void openSetFolder(const QString& folder);

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
    void createControls();
    void createButtons();
    void createMenus();
    void connectHandlers();
    void createUndoEntries();
    void addUndoCommands();
    void showUndoLabels();
    void createSoundExtraEntries();
    void addSoundExtraCommands();
    static bool soundInputPresent();
    void showSoundInput(bool present);
    void createOverviewAndDrops();
    // Play set, Print cards, the set as a file or a web page, Recent sets
    // (TfrmConfiguradorShare.cpp).
    void createShareEntries();
    void addShareCommands();
    QString setFolder() const;
    void playSet();
    void closeGame();
    void showRecentSets();
    void addOverviewCommands();
    void showSetInOverview();
    // Properties switching the kind: the question, and the set read again.
    bool confirmKindChange(int changedCards);
    void rescanSet();
    void dropOnFrame(TDBImage* frame, const QDropEvent& event);
    bool clipboardHasPicture() const;
    // A card's file was written: a frame showing the slot shows the new
    // picture, copied from the frame that wrote it or read from the file.
    void showWrittenPicture(int slot, TSetDocument::CardPart part);
    void announceCurrentSlot();
    // The frames follow their files on disk; a set folder that is gone
    // switches editing off, said once.
    void watchShownFiles();
    void showFilesAgain();
    void setFolderGone(const QString& folder);
    QToolButton* makeButton(const char* name, int left, int top, const QString& hint,
                            const QString& iconName);
    std::optional<EFileError> showSlotPicture(TDBImage* frame, int slot);
    // The page the frames show, and another page shown.
    CardPage shownPage() const;
    void showPage(const CardPage& page);
    TDBImage* frameShowing(int slot) const;

    CardText::CanvasFont canvasFont1_;
    CardText::CanvasFont canvasFont2_;
    std::unique_ptr<WindowScanView> scanView_;
    EditorSession& session_;
    TSetDocument& document_;
    std::unique_ptr<SetDialogs> setDialogs_;
    // The state updateActions shows: the editing controls are on at creation
    // until the first activation turns them off.
    bool editingEnabled_ = true;
    int announcedSlot_ = -1;
    CardUndoHistory* undoHistory_ = nullptr; // the session's
    SetOverview* overview_ = nullptr;
    CommandTable commands_;
    QAction* mnPlaySet = nullptr;                    // View, "Play set" (F5)
    QAction* mnImportFile = nullptr;                 // Files, "Import set from file..."
    QAction* mnExportFile = nullptr;                 // Files, "Export set as file..."
    QAction* mnExportWeb = nullptr;                  // Files, "Export as web page..."
    QAction* mnPrintCards = nullptr;                 // Files, "Print cards..."
    QMenu* mnRecent = nullptr;                       // Files, "Recent sets"
    QPointer<GameWindow> game_;                      // the game of the current set, while shown
    class SaveProgressView* saveProgress_ = nullptr; // while a command runs
    int longSaveMs_ = 400;
};
