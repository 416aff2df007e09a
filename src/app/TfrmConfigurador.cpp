#include "app/TfrmConfigurador.h"

#include "app/ButtonIcons.h"
#include "app/EditorForm.h"
#include "app/EntryTexts.h"
#include "app/SaveProgressView.h"
#include "app/WindowScanView.h"
#include "app/overview/SetOverview.h"
#include "audio/record/RecordDialog.h"
#include "audio/record/SoundInputWatch.h"
#include "cardset/CardCommand.h"
#include "cardset/CardTable.h"
#include "cardset/CardUndoHistory.h"
#include "cardset/SetCaption.h"
#include "common/InstallLayout.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"
#include "session/EditorSession.h"
#include "session/RecentSets.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextDocument>
#include <vector>

namespace {

constexpr int InitialLeft = 307;
constexpr int InitialTop = 205;
constexpr int WindowFontPoints = 8;
// The focus marker reaches 5 pixels left of and above the current frame.
constexpr int MarkerOffset = 5;

constexpr int LastCardSlot = CardPage::LastSlot;
constexpr int NoSlot = CardPage::NoSlot;
constexpr int CoverSlot = CardPage::CoverSlot;

// Whether a key reaching `receiver` was passed on to it by a control inside it:
// the focused control, which saw the key first.
bool PassedOnToParent(const QWidget* receiver, const QWidget* focused)
{
    return focused && focused != receiver && receiver->isAncestorOf(focused);
}

QString windowCaption()
{
    return TfrmConfigurador::tr("Varnolo Memory Game Tessellor");
}

} // namespace

TfrmConfigurador::TfrmConfigurador(EditorSession& session, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      session_(session), document_(session.Document()), ui_(std::make_unique<EditorForm>())
{
    setObjectName(QStringLiteral("frmConfigurador"));
    setWindowTitle(windowCaption());
    setWindowIcon(ButtonIcons::icon(QStringLiteral("window")));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSize(WindowFontPoints);
    windowFont.setStyleHint(QFont::SansSerif);
    setFont(windowFont);

    ui_->setupUi(this);
    scanView_ = std::make_unique<WindowScanView>(ui_->lblProgresso, ui_->Progresso);
    connectHandlers();
    updateActions();

    // Until a font is chosen for it, a frame draws in the default 8-point font.
    canvasFont1_ = CardText::DefaultCanvasFont();
    canvasFont2_ = CardText::DefaultCanvasFont();
    move(InitialLeft, InitialTop);

    // The window sees every key before the focused control (FormKeyDown).
    qApp->installEventFilter(this);

    FormCreate();
}

TfrmConfigurador::~TfrmConfigurador()
{
    qApp->removeEventFilter(this);
}

void TfrmConfigurador::connectHandlers()
{
    // Both frames report receiving the focus to DBImage1Enter.
    for (TDBImage* frame : {ui_->DBImage1, ui_->DBImage2})
        connect(frame, &TDBImage::Entered, this, [this, frame] { DBImage1Enter(frame); });

    connect(&document_, &TSetDocument::cardFileWritten, this,
            [this](int slot, TSetDocument::CardPart part) { showWrittenPicture(slot, part); });

    CardPictureModel& pictures = session_.Pictures();
    connect(&pictures, &CardPictureModel::picturesChanged, this,
            [this] { runCommand({}, [this] { showFilesAgain(); }); });
    connect(&pictures, &CardPictureModel::folderGone, this,
            [this](const QString& folder) { runCommand({}, [this, folder] { setFolderGone(folder); }); });
    connect(&document_, &TSetDocument::setOpened, this, [this] { watchShownFiles(); });

    // What turns commands on and off besides the window's own state: the
    // Undo history, the clipboard, and a microphone plugged in or out.
    connect(&session_.UndoHistory(), &CardUndoHistory::changed, this, &TfrmConfigurador::updateActions);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { updateActions(); });
    connect(new SoundInputWatch(this), &SoundInputWatch::changed, this, &TfrmConfigurador::updateActions);
}

void TfrmConfigurador::runCommand(const QString& undoName, std::function<void()> body,
                                  CommandGuard::WhenBusy whenBusy)
{
    session_.Guard().run(
        [this, undoName, body = std::move(body)] {
            SaveProgressView progress(this, document_, longSaveMs_);
            saveProgress_ = &progress;
            RunCommand([&] {
                std::optional<CardCommand> named;
                if (!undoName.isEmpty())
                    named.emplace(document_, undoName);
                body();
            });
            saveProgress_ = nullptr;
        },
        whenBusy);
}

bool TfrmConfigurador::CommandRunning() const
{
    return session_.Guard().busy();
}

void TfrmConfigurador::LinkCommands(CommandLinks links)
{
    links_ = std::move(links);
    // A button and a menu entry with the same action run the same handler.
    // Each runs as a command: an error ends it in the error box, inside the
    // slot. Its card file writes are one step of Undo under the row's name.
    commands_.connectAll(this, [this](const CommandTable::Command& command) {
        runCommand(command.undoName, command.handler, command.whenBusy);
    });
    updateActions();
}

SetDialogs& TfrmConfigurador::Dialogs()
{
    return links_.dialogs();
}

void TfrmConfigurador::ShowOverview()
{
    if (!overview_) {
        overview_ = links_.makeOverview();
        connect(this, &TfrmConfigurador::currentSlotChanged, overview_, &SetOverview::setCurrentSlot);
    }
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

void TfrmConfigurador::openSetFolder(const QString& folder)
{
    links_.openFolder(folder);
}

TMMWaveProgress TfrmConfigurador::SaveProgress() const
{
    return saveProgress_ ? saveProgress_->handler() : TMMWaveProgress();
}

CardText::CanvasFont& TfrmConfigurador::CanvasFont(const TDBImage* frame)
{
    return frame == ui_->DBImage1 ? canvasFont1_ : canvasFont2_;
}

CardText::CanvasFont* TfrmConfigurador::CurrentCanvasFont()
{
    return ImagemAtual ? &CanvasFont(ImagemAtual) : nullptr;
}

ScanView& TfrmConfigurador::scanView()
{
    return *scanView_;
}

void TfrmConfigurador::setErrorList(std::function<void(const QString&)> appendLine)
{
    scanView_->setErrorList(std::move(appendLine));
}

bool TfrmConfigurador::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        runCommand({}, [this] { FormActivate(); });
    return QMainWindow::event(e);
}

void TfrmConfigurador::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // A desktop without a window manager never activates the window; being
    // shown the first time then counts as the first activation.
    if (!e->spontaneous())
        runCommand({}, [this] { FormActivate(); });
}

void TfrmConfigurador::closeEvent(QCloseEvent* e)
{
    QMainWindow::closeEvent(e);
    // Closing the main window ends the program even while the help window is
    // open; nothing is written at exit.
    if (e->isAccepted())
        QCoreApplication::quit();
}

bool TfrmConfigurador::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !isActiveWindow())
        return false;
    // A key press travels from the control it reached (the focused one, the
    // menu bar after Alt, the window itself) up to its parents; the window
    // looks at it once, where it first arrives, and passes it on. An open
    // menu is a window of its own and keeps its keys.
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != this || PassedOnToParent(receiver, QApplication::focusWidget()))
        return false;
    const auto* key = static_cast<QKeyEvent*>(e);
    // A page turn pressed during a command would show another card than the
    // one the command writes: it is dropped.
    const int pressed = key->key();
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    runCommand(
        {}, [this, pressed, modifiers] { FormKeyDown(pressed, modifiers); }, CommandGuard::WhenBusy::Ignore);
    return false;
}

void TfrmConfigurador::FormCreate()
{
    document_.LimpaConjunto();
    PrimeiraAtivacao = true;
    const QString program = QCoreApplication::applicationDirPath();
    const QString sets = InstallLayout::SetsFolder(program, QDir::homePath());
    // Installed in a system prefix, the sets' folder is the user's own and new:
    // New set makes its folder inside it, so it is made at the first start.
    if (InstallLayout::IsSystemInstall(program))
        QDir().mkpath(sets);
    document_.SetPastaBase(sets);
}

void TfrmConfigurador::FormActivate()
{
    if (!PrimeiraAtivacao)
        return;
    PrimeiraAtivacao = false;
    ImagemAtual = ui_->DBImage2;
    InicImages();
    InibeControles();
    document_.SetPastaConjunto(QString());
}

void TfrmConfigurador::DBImage1Enter(TDBImage* sender)
{
    ui_->Bevel1->move(sender->x() - MarkerOffset, sender->y() - MarkerOffset);
    ImagemAtual = sender;
    announceCurrentSlot();
}

void TfrmConfigurador::announceCurrentSlot()
{
    const int slot = CurrentSlot().value_or(NoSlot);
    if (slot == announcedSlot_)
        return;
    announcedSlot_ = slot;
    emit currentSlotChanged(slot);
}

TDBImage* TfrmConfigurador::frameShowing(int slot) const
{
    if (!ui_->DBImage1->isHidden() && ui_->DBImage1->Tag() == slot)
        return ui_->DBImage1;
    return ui_->DBImage2->Tag() == slot ? ui_->DBImage2 : nullptr;
}

// A slot's picture is shown when its stored path names an existing file,
// else the blank card. A file that cannot be read leaves the blank card, marks
// the frame and gives the error back; the caller decides when to show it.
std::optional<EFileError> TfrmConfigurador::showSlotPicture(TDBImage* frame, int slot)
{
    std::optional<EFileError> unreadable;
    if (slot > NoSlot) {
        frame->Picture() = session_.Pictures().Picture(slot);
        unreadable = session_.Pictures().Error(slot);
    } else {
        frame->Picture().LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    }
    frame->PictureChanged();
    return unreadable;
}

void TfrmConfigurador::InicImages()
{
    const int left = ui_->DBImage1->Tag();
    const int right = ui_->DBImage2->Tag();

    ui_->Label2->setText(QString::number(left));
    ui_->Label2->adjustSize();
    ui_->Label2->setVisible(left != NoSlot);
    ui_->Label3->setText(right == CoverSlot ? tr("Deck") : QString::number(right));
    ui_->Label3->adjustSize();

    // The frames load independently: a damaged left picture does not keep the
    // right one from showing, nor the page from taking the focus.
    ui_->DBImage1->setVisible(left > NoSlot);
    std::vector<EFileError> failures;
    for (TDBImage* frame : {ui_->DBImage1, ui_->DBImage2}) {
        std::optional<EFileError> failed = showSlotPicture(frame, frame->isHidden() ? NoSlot : frame->Tag());
        // The two cards of a paired set's page share their file: one report.
        if (failed && (failures.empty() || failures.back().FileName() != failed->FileName() ||
                       failures.back().Message() != failed->Message()))
            failures.push_back(*failed);
    }

    TDBImage* target =
        !ui_->DBImage1->isHidden() ? ui_->DBImage1 : (!ui_->DBImage2->isHidden() ? ui_->DBImage2 : nullptr);
    if (target && target->isEnabled()) {
        const bool alreadyCurrent = focusWidget() == target;
        target->setFocus(Qt::OtherFocusReason);
        // While the window is inactive the frame becomes its focus widget but
        // gets no focus event until the window is activated again.
        if (!alreadyCurrent && focusWidget() == target && !target->hasFocus())
            DBImage1Enter(target);
    }
    // With the frames disabled the current frame stays and now shows another slot.
    announceCurrentSlot();
    watchShownFiles();

    for (const EFileError& failure : failures)
        ShowErrorBox(failure);
}

void TfrmConfigurador::watchShownFiles()
{
    std::vector<int> shown;
    for (const TDBImage* frame : {ui_->DBImage1, ui_->DBImage2})
        if (!frame->isHidden() && frame->Tag() > NoSlot)
            shown.push_back(frame->Tag());
    session_.Pictures().Follow(shown);
    // The pages either side are read ahead, off the window's thread.
    if (document_.HasSet())
        session_.Pictures().Prefetch(ShownPage().Beside());
}

void TfrmConfigurador::showFilesAgain()
{
    // Read again as they are now; a file gone shows the blank card.
    for (TDBImage* frame : {ui_->DBImage1, ui_->DBImage2})
        if (!frame->isHidden() && frame->Tag() > NoSlot)
            showSlotPicture(frame, frame->Tag());
    watchShownFiles();
}

void TfrmConfigurador::setFolderGone(const QString& folder)
{
    if (!document_.HasSet() || document_.SetFolder() != SetFolderForm(folder))
        return;
    showFilesAgain();
    InibeControles();
    ShowErrorBox(tr("The set's folder is no longer there; editing stays off until a set is opened"), folder);
}

void TfrmConfigurador::showWrittenPicture(int slot, TSetDocument::CardPart part)
{
    // Every frame showing the slot shows its file as it is now.
    if (part != TSetDocument::CardPart::Picture)
        return;
    for (TDBImage* frame : {ui_->DBImage1, ui_->DBImage2})
        if (!frame->isHidden() && frame->Tag() == slot)
            showSlotPicture(frame, slot);
}

std::optional<int> TfrmConfigurador::CurrentSlot() const
{
    if (!ImagemAtual || ImagemAtual->Tag() < CoverSlot || ImagemAtual->Tag() > LastCardSlot)
        return std::nullopt;
    return ImagemAtual->Tag();
}

void TfrmConfigurador::GoToSlot(int slot)
{
    if (slot < CoverSlot || slot > LastCardSlot)
        return;
    if (ShownPage() != CardPage::Of(slot))
        ShowPage(CardPage::Of(slot));
    TDBImage* frame = frameShowing(slot);
    if (!frame || !frame->isEnabled())
        return;
    frame->setFocus(Qt::OtherFocusReason);
    // While the window is inactive the frame gets no focus event (as in InicImages).
    if (ImagemAtual != frame)
        DBImage1Enter(frame);
}

CardPage TfrmConfigurador::ShownPage() const
{
    return {ui_->DBImage1->Tag(), ui_->DBImage2->Tag()};
}

void TfrmConfigurador::ShowPage(const CardPage& page)
{
    ui_->DBImage1->setTag(page.left);
    ui_->DBImage2->setTag(page.right);
    InicImages();
}

void TfrmConfigurador::btnProximoClick()
{
    ShowPage(ShownPage().Next());
}

void TfrmConfigurador::btnAnteriorClick()
{
    ShowPage(ShownPage().Previous());
}

void TfrmConfigurador::FormKeyDown(int key, Qt::KeyboardModifiers /*shift*/)
{
    if (key == Qt::Key_Left)
        btnAnteriorClick();
    else if (key == Qt::Key_Right)
        btnProximoClick();
}

CommandState TfrmConfigurador::State() const
{
    CommandState state;
    state.editing = editingEnabled_;
    state.hasCopy = session_.HasCopy();
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    state.clipboardPicture = clipboard != nullptr && clipboard->hasImage();
    state.soundInput = RecordDialog::HasInputDevice();
    state.canUndo = session_.UndoHistory().CanUndo();
    state.canRedo = session_.UndoHistory().CanRedo();
    state.setOpen = document_.HasSet();
    for (const QString& folder : session_.Recent().folders())
        state.recentAvailable.push_back(RecentSets::available(folder));
    state.recentOpen = session_.Recent().indexOf(document_.PastaConjunto());
    return state;
}

void TfrmConfigurador::updateActions()
{
    // The controls that are no commands follow the editing state.
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->DBImage1, ui_->DBImage2, ui_->memTexto})
        control->setEnabled(editingEnabled_);
    ui_->mnEditar->menuAction()->setEnabled(editingEnabled_);
    ui_->mnEditar->setEnabled(editingEnabled_);
    const CommandState state = State();
    commands_.update(state);
    ShowEntryTexts(*ui_, state, session_.UndoHistory(), session_.Recent().folders());
    setWindowTitle(CaptionNamingSet(document_.PastaConjunto(), windowCaption()));
}

void TfrmConfigurador::InibeControles()
{
    editingEnabled_ = false;
    updateActions();
}

void TfrmConfigurador::HabilitaControles()
{
    editingEnabled_ = true;
    updateActions();
}

void TfrmConfigurador::MakeRightFrameCurrent()
{
    ImagemAtual = ui_->DBImage2;
}

void TfrmConfigurador::NovoConjunto()
{
    document_.StartEmptySet();
    ImagemAtual = ui_->DBImage2;
    ShowPage(CardPage{});
}

QString TfrmConfigurador::TextBoxText() const
{
    return ui_->memTexto->toPlainText();
}

QStringList TfrmConfigurador::TextBoxLines() const
{
    const QPlainTextEdit* box = ui_->memTexto;
    return CardText::WrapLines(box->toPlainText(), box->font(), TextBoxWrapWidth(), box->wordWrapMode());
}

int TfrmConfigurador::TextBoxWrapWidth() const
{
    // The box lays its lines out in its viewport less the document's margin on either side.
    const auto margin = static_cast<int>(ui_->memTexto->document()->documentMargin());
    return ui_->memTexto->viewport()->width() - 2 * margin;
}

void TfrmConfigurador::FocusTextBox()
{
    ui_->memTexto->setFocus(Qt::OtherFocusReason);
}
