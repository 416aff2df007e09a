#include "app/TfrmConfigurador.h"

#include "app/ButtonIcons.h"
#include "app/CardFontDialog.h"
#include "app/EditorSession.h"
#include "app/HelpWindow.h"
#include "app/LimitedTextEdit.h"
#include "app/RecentSets.h"
#include "app/SaveProgressView.h"
#include "app/WindowScanView.h"
#include "cardset/CardCommand.h"
#include "cardset/CardTable.h"
#include "cardset/CardUndoHistory.h"
#include "cardset/ui/SetDialogs.h"
#include "common/FileNames.h"
#include "game/ui/GameWindow.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QShowEvent>
#include <QToolButton>
#include <vector>

namespace {

// The window's client area below the menu bar, its first position and font.
constexpr int ClientWidth = 297;
constexpr int ClientHeight = 247;
constexpr int InitialLeft = 307;
constexpr int InitialTop = 205;
constexpr int WindowFontPoints = 8;

constexpr int ButtonSize = 32;
constexpr int TextMaxLength = 300;
// The focus marker reaches 5 pixels left of and above the current frame.
constexpr int MarkerOffset = 5;
constexpr int BevelWidth = 93;
constexpr int BevelHeight = 91;

constexpr int LastCardSlot = 40;
constexpr int NoSlot = -1;
constexpr int CoverSlot = 0;

QString windowFontFamily()
{
    return QStringLiteral("MS Sans Serif");
}

} // namespace

TfrmConfigurador::TfrmConfigurador(EditorSession& session, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      session_(session), document_(session.Document())
{
    setObjectName(QStringLiteral("frmConfigurador"));
    setWindowTitle(QStringLiteral("Varnolo Memory Game Tessellor"));
    setWindowIcon(ButtonIcons::icon(QStringLiteral("window")));
    QFont windowFont(windowFontFamily());
    windowFont.setPointSize(WindowFontPoints);
    windowFont.setStyleHint(QFont::SansSerif);
    setFont(windowFont);

    createControls();
    createButtons();
    createMenus();
    createOverviewAndDrops();
    createShareEntries();
    connectHandlers();
    updateActions();

    // Until a font is chosen for it, a frame draws in the default 8-point font.
    canvasFont1_ = CardText::DefaultCanvasFont();
    canvasFont2_ = CardText::DefaultCanvasFont();

    // Fixed single border: the window is exactly the menu bar and the client area.
    setFixedSize(ClientWidth, ClientHeight + mnConfig->sizeHint().height());
    move(InitialLeft, InitialTop);

    // The window sees every key before the focused control (FormKeyDown).
    qApp->installEventFilter(this);

    FormCreate();
}

TfrmConfigurador::~TfrmConfigurador()
{
    qApp->removeEventFilter(this);
    // A game may share the overview's pictures: it goes first.
    delete game_.data();
}

void TfrmConfigurador::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    Bevel1 = new QFrame(client);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(103, 38, BevelWidth, BevelHeight);

    Label2 = new QLabel(client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(46, 17);
    Label3 = new QLabel(client);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(140, 17);

    DBImage1 = new TDBImage(client);
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setGeometry(13, 44, 82, 82);
    DBImage1->setTag(NoSlot);
    DBImage2 = new TDBImage(client);
    DBImage2->setObjectName(QStringLiteral("DBImage2"));
    DBImage2->setGeometry(109, 43, 82, 82);
    DBImage2->setTag(CoverSlot);

    auto* text = new LimitedTextEdit(TextMaxLength, client);
    memTexto = text;
    memTexto->setObjectName(QStringLiteral("memTexto"));
    memTexto->setGeometry(9, 141, 190, 74);
    memTexto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memTexto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(211, 4, 80, 214);
    Panel1->setFocusPolicy(Qt::TabFocus);
    // The inner, lowered bevel of the panel.
    auto* innerBevel = new QFrame(Panel1);
    innerBevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    innerBevel->setGeometry(1, 1, 78, 212);
    innerBevel->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblProgresso = new QLabel(client);
    lblProgresso->setObjectName(QStringLiteral("lblProgresso"));
    lblProgresso->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblProgresso->setGeometry(70, 225, 66, 16);
    lblProgresso->hide();

    Progresso = new QProgressBar(client);
    Progresso->setObjectName(QStringLiteral("Progresso"));
    Progresso->setGeometry(140, 223, 150, 16);
    Progresso->setRange(0, 100);
    Progresso->setValue(0);
    Progresso->setTextVisible(false);
    Progresso->hide();

    Bevel1->lower();
    setTabOrder(DBImage1, DBImage2);
    setTabOrder(DBImage2, memTexto);
    setTabOrder(memTexto, Panel1);
    setTabOrder(Panel1, Progresso);

    dlFont = new CardFontDialog(this);
    dlOpenBitmap = new TOpenPictureDialog(this);
    dlOpenBitmap->setObjectName(QStringLiteral("dlOpenBitmap"));
    dlOpenBitmap->SetFilter(TOpenPictureDialog::CardPictureFilter());
    dlOpenBitmap->SetFilterIndex(1);

    scanView_ = std::make_unique<WindowScanView>(lblProgresso, Progresso);
}

QToolButton* TfrmConfigurador::makeButton(const char* name, int left, int top, const QString& hint,
                                          const QString& iconName)
{
    auto* button = new QToolButton(Panel1);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, ButtonSize, ButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    button->setIcon(ButtonIcons::icon(iconName));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(false);
    return button;
}

void TfrmConfigurador::createButtons()
{
    btnImagem = makeButton("btnImagem", 6, 6, QStringLiteral("Insert image"), QStringLiteral("image"));
    btnDuplicar =
        makeButton("btnDuplicar", 41, 6, QStringLiteral("Duplicate Imagem"), QStringLiteral("duplicate"));
    btnSom = makeButton("btnSom", 6, 40, QStringLiteral("Insert Sound"), QStringLiteral("sound"));
    btnTocarSom = makeButton("btnTocarSom", 41, 40, QStringLiteral("Hear Sound"), QStringLiteral("play"));
    btnTexto = makeButton("btnTexto", 6, 74, QStringLiteral("Insert Text"), QStringLiteral("text"));
    btnFonte = makeButton("btnFonte", 41, 74, QStringLiteral("Choose Font"), QStringLiteral("font"));
    btnAbrir = makeButton("btnAbrir", 6, 109, QStringLiteral("Open set"), QStringLiteral("open"));
    btnSalvar = makeButton("btnSalvar", 41, 108, QStringLiteral("Salve set"), QStringLiteral("save"));
    btnCopiar = makeButton("btnCopiar", 6, 142, QStringLiteral("Copy"), QStringLiteral("copy"));
    btnColar = makeButton("btnColar", 41, 142, QStringLiteral("Paste"), QStringLiteral("paste"));
    btnAnterior = makeButton("btnAnterior", 6, 176, QStringLiteral("Previous"), QStringLiteral("previous"));
    btnProximo = makeButton("btnProximo", 41, 176, QStringLiteral("Next"), QStringLiteral("next"));
}

namespace {

QAction* addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* addMenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TfrmConfigurador::createMenus()
{
    mnConfig = menuBar();
    mnConfig->setObjectName(QStringLiteral("mnConfig"));
    mnConfig->setNativeMenuBar(false);

    mnArquivo = addMenu(mnConfig, "mnArquivo", QStringLiteral("&Files"));
    mnNovo = addEntry(mnArquivo, "mnNovo", QStringLiteral("&New set..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnAbrir =
        addEntry(mnArquivo, "mnAbrir", QStringLiteral("&Open set..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnSalvar =
        addEntry(mnArquivo, "mnSalvar", QStringLiteral("&Salve set..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnImportar = addEntry(mnArquivo, "mnImportar", QStringLiteral("&Import set..."),
                          QKeySequence(Qt::CTRL | Qt::Key_I));
    Propriedades1 = addEntry(mnArquivo, "Propriedades1", QStringLiteral("&Properties..."),
                             QKeySequence(Qt::CTRL | Qt::Key_P));
    N3 = addSeparator(mnArquivo, "N3");
    mnSair = addEntry(mnArquivo, "mnSair", QStringLiteral("Exit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    mnConfig->addMenu(mnArquivo);

    mnEditar = addMenu(mnConfig, "mnEditar", QStringLiteral("&Edit"));
    mnImagem = addMenu(mnEditar, "mnImagem", QStringLiteral("&Image"));
    mnInsImg = addEntry(mnImagem, "mnInsImg", QStringLiteral("Insert"));
    mnDupImg = addEntry(mnImagem, "mnDupImg", QStringLiteral("Duplicate"));
    mnEditar->addMenu(mnImagem);
    mnSom = addMenu(mnEditar, "mnSom", QStringLiteral("&Sound"));
    mnInsSom = addEntry(mnSom, "mnInsSom", QStringLiteral("Insert"));
    mnOuvSom = addEntry(mnSom, "mnOuvSom", QStringLiteral("Hear"));
    createSoundExtraEntries();
    mnEditar->addMenu(mnSom);
    mnTexto = addMenu(mnEditar, "mnTexto", QStringLiteral("&Text"));
    mnInsTex = addEntry(mnTexto, "mnInsTex", QStringLiteral("Insert"));
    mnFonte = addEntry(mnTexto, "mnFonte", QStringLiteral("Font"));
    mnEditar->addMenu(mnTexto);
    N1 = addSeparator(mnEditar, "N1");
    mnCopiar = addEntry(mnEditar, "mnCopiar", QStringLiteral("&Copy"));
    mnColar = addEntry(mnEditar, "mnColar", QStringLiteral("&Paste"));
    N2 = addSeparator(mnEditar, "N2");
    mnAvancar = addEntry(mnEditar, "mnAvancar", QStringLiteral("&Next"));
    mnRecuar = addEntry(mnEditar, "mnRecuar", QStringLiteral("P&revious"));
    createUndoEntries();
    mnConfig->addMenu(mnEditar);

    mnAjuda = addMenu(mnConfig, "mnAjuda", QStringLiteral("&Help"));
    mnTopicos = addEntry(mnAjuda, "mnTopicos", QStringLiteral("Contents"), QKeySequence(Qt::Key_F1));
    mnSobre = addEntry(mnAjuda, "mnSobre", QStringLiteral("&About ..."));
    mnConfig->addMenu(mnAjuda);
}

void TfrmConfigurador::connectHandlers()
{
    // A button and a menu entry with the same action run the same handler.
    // Each runs as a command: an error ends it in the error box, inside the
    // slot. Its card file writes are one step of Undo under the row's name.
    using S = CommandState;
    const auto row = [this](const char* id, QAction* entry, QToolButton* button, const QString& undoName,
                            bool (*enabled)(const S&), void (TfrmConfigurador::*handler)()) {
        commands_.add({QString::fromLatin1(id), entry, button,
                       entry ? entry->shortcuts() : QList<QKeySequence>{}, undoName, enabled,
                       [this, handler] { (this->*handler)(); }});
    };
    row("new", mnNovo, nullptr, {}, Always, &TfrmConfigurador::mnNovoClick);
    row("open", mnAbrir, btnAbrir, {}, Always, &TfrmConfigurador::btnAbrirClick);
    // The Files menu's save entry runs the same save as the button, and
    // stays on without a set; the button goes off with editing.
    row("save", mnSalvar, nullptr, {}, Always, &TfrmConfigurador::btnSalvarClick);
    row("save-button", nullptr, btnSalvar, {}, WhileEditing, &TfrmConfigurador::btnSalvarClick);
    row("import", mnImportar, nullptr, {}, Always, &TfrmConfigurador::mnImportarClick);
    row("properties", Propriedades1, nullptr, {}, Always, &TfrmConfigurador::Propriedades1Click);
    row("exit", mnSair, nullptr, {}, Always, &TfrmConfigurador::mnSairClick);
    row("image", mnInsImg, btnImagem, QStringLiteral("Insert image"), WhileEditing,
        &TfrmConfigurador::btnImagemClick);
    row("duplicate", mnDupImg, btnDuplicar, QStringLiteral("Duplicate Imagem"), WhileEditing,
        &TfrmConfigurador::btnDuplicarClick);
    row("sound", mnInsSom, btnSom, QStringLiteral("Insert Sound"), WhileEditing,
        &TfrmConfigurador::btnSomClick);
    row("hear", mnOuvSom, btnTocarSom, {}, WhileEditing, &TfrmConfigurador::btnTocarSomClick);
    row("text", mnInsTex, btnTexto, QStringLiteral("Insert Text"), WhileEditing,
        &TfrmConfigurador::btnTextoClick);
    row("font", mnFonte, btnFonte, {}, WhileEditing, &TfrmConfigurador::btnFonteClick);
    row("copy", mnCopiar, btnCopiar, {}, WhileEditing, &TfrmConfigurador::btnCopiarClick);
    // Paste is off until the first Copy (the copy buffer belongs to the run)
    // and, like every card command, off while editing is: with the controls
    // off it would write into a folder whose cards the window does not show.
    row(
        "paste", mnColar, btnColar, QStringLiteral("Paste"),
        [](const S& s) { return s.editing && s.hasCopy; }, &TfrmConfigurador::btnColarClick);
    row("next", mnAvancar, btnProximo, {}, WhileEditing, &TfrmConfigurador::btnProximoClick);
    row("previous", mnRecuar, btnAnterior, {}, WhileEditing, &TfrmConfigurador::btnAnteriorClick);
    row("contents", mnTopicos, nullptr, {}, Always, &TfrmConfigurador::mnTopicosClick);
    row("about", mnSobre, nullptr, {}, Always, &TfrmConfigurador::mnSobreClick);
    addUndoCommands();
    addSoundExtraCommands();
    addOverviewCommands();
    addShareCommands();
    commands_.connectAll(this, [this](const CommandTable::Command& command) {
        runCommand(command.undoName, command.handler, command.whenBusy);
    });

    // Both frames report receiving the focus to DBImage1Enter.
    for (TDBImage* frame : {DBImage1, DBImage2})
        connect(frame, &TDBImage::Entered, this, [this, frame] { DBImage1Enter(frame); });

    connect(&document_, &TSetDocument::cardFileWritten, this,
            [this](int slot, TSetDocument::CardPart part) { showWrittenPicture(slot, part); });

    CardPictureModel& pictures = session_.Pictures();
    connect(&pictures, &CardPictureModel::picturesChanged, this,
            [this] { runCommand({}, [this] { showFilesAgain(); }); });
    connect(&pictures, &CardPictureModel::folderGone, this,
            [this](const QString& folder) { runCommand({}, [this, folder] { setFolderGone(folder); }); });
    connect(&document_, &TSetDocument::setOpened, this, [this] { watchShownFiles(); });
}

void TfrmConfigurador::runCommand(const QString& undoName, std::function<void()> body,
                                  CommandGuard::WhenBusy whenBusy)
{
    session_.Guard().run(
        [this, undoName, body = std::move(body)] {
            SaveProgressView progress(this, longSaveMs_);
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

SetDialogs& TfrmConfigurador::Dialogs()
{
    if (!setDialogs_)
        setDialogs_ = std::make_unique<SetDialogs>();
    setDialogs_->Create(this);
    return *setDialogs_;
}

TMMWaveProgress TfrmConfigurador::SaveProgress() const
{
    return saveProgress_ ? saveProgress_->handler() : TMMWaveProgress();
}

CardText::CanvasFont& TfrmConfigurador::CanvasFont(const TDBImage* frame)
{
    return frame == DBImage1 ? canvasFont1_ : canvasFont2_;
}

ScanView& TfrmConfigurador::scanView()
{
    return *scanView_;
}

void TfrmConfigurador::setErrorList(std::function<void(const QString&)> appendLine)
{
    scanView_->setErrorList(std::move(appendLine));
}

QString TfrmConfigurador::HelpFileName()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Help/index.html");
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
    // A key press travels from the focused control up to its parents; the
    // window looks at it once, on its first delivery, and passes it on.
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != this || qobject_cast<QMenuBar*>(receiver))
        return false;
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (receiver != first)
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
    document_.SetPastaBase(QCoreApplication::applicationDirPath() + QStringLiteral("/Ed/"));
}

void TfrmConfigurador::FormActivate()
{
    if (!PrimeiraAtivacao)
        return;
    PrimeiraAtivacao = false;
    ImagemAtual = DBImage2;
    InicImages();
    InibeControles();
    document_.SetPastaConjunto(QString());
}

void TfrmConfigurador::DBImage1Enter(TDBImage* sender)
{
    Bevel1->move(sender->x() - MarkerOffset, sender->y() - MarkerOffset);
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
    if (!DBImage1->isHidden() && DBImage1->Tag() == slot)
        return DBImage1;
    return DBImage2->Tag() == slot ? DBImage2 : nullptr;
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
    const int left = DBImage1->Tag();
    const int right = DBImage2->Tag();

    Label2->setText(QString::number(left));
    Label2->adjustSize();
    Label2->setVisible(left != NoSlot);
    Label3->setText(right == CoverSlot ? QStringLiteral("Deck") : QString::number(right));
    Label3->adjustSize();

    // The frames load independently: a damaged left picture does not keep the
    // right one from showing, nor the page from taking the focus.
    DBImage1->setVisible(left > NoSlot);
    std::vector<EFileError> failures;
    for (TDBImage* frame : {DBImage1, DBImage2}) {
        std::optional<EFileError> failed = showSlotPicture(frame, frame->isHidden() ? NoSlot : frame->Tag());
        // The two cards of a paired set's page share their file: one report.
        if (failed && (failures.empty() || failures.back().FileName() != failed->FileName() ||
                       failures.back().Message() != failed->Message()))
            failures.push_back(*failed);
    }

    TDBImage* target = !DBImage1->isHidden() ? DBImage1 : (!DBImage2->isHidden() ? DBImage2 : nullptr);
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
    for (const TDBImage* frame : {DBImage1, DBImage2})
        if (!frame->isHidden() && frame->Tag() > NoSlot)
            shown.push_back(frame->Tag());
    session_.Pictures().Follow(shown);
    // The pages either side are read ahead, off the window's thread.
    if (document_.HasSet())
        session_.Pictures().Prefetch(shownPage().Beside());
}

void TfrmConfigurador::showFilesAgain()
{
    // Read again as they are now; a file gone shows the blank card.
    for (TDBImage* frame : {DBImage1, DBImage2})
        if (!frame->isHidden() && frame->Tag() > NoSlot)
            showSlotPicture(frame, frame->Tag());
    watchShownFiles();
}

void TfrmConfigurador::setFolderGone(const QString& folder)
{
    if (!document_.HasSet() || QDir::cleanPath(document_.PastaConjunto()) != folder)
        return;
    showFilesAgain();
    InibeControles();
    ShowErrorBox(
        QStringLiteral("The set's folder is no longer there; editing stays off until a set is opened"),
        folder);
}

void TfrmConfigurador::showWrittenPicture(int slot, TSetDocument::CardPart part)
{
    // Every frame showing the slot shows its file as it is now.
    if (part != TSetDocument::CardPart::Picture)
        return;
    for (TDBImage* frame : {DBImage1, DBImage2})
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
    if (shownPage() != CardPage::Of(slot))
        showPage(CardPage::Of(slot));
    TDBImage* frame = frameShowing(slot);
    if (!frame || !frame->isEnabled())
        return;
    frame->setFocus(Qt::OtherFocusReason);
    // While the window is inactive the frame gets no focus event (as in InicImages).
    if (ImagemAtual != frame)
        DBImage1Enter(frame);
}

CardPage TfrmConfigurador::shownPage() const
{
    return {DBImage1->Tag(), DBImage2->Tag()};
}

void TfrmConfigurador::showPage(const CardPage& page)
{
    DBImage1->setTag(page.left);
    DBImage2->setTag(page.right);
    InicImages();
}

void TfrmConfigurador::btnProximoClick()
{
    showPage(shownPage().Next());
}

void TfrmConfigurador::btnAnteriorClick()
{
    showPage(shownPage().Previous());
}

void TfrmConfigurador::FormKeyDown(int key, Qt::KeyboardModifiers /*shift*/)
{
    if (key == Qt::Key_Left)
        btnAnteriorClick();
    else if (key == Qt::Key_Right)
        btnProximoClick();
}

void TfrmConfigurador::updateActions()
{
    // The controls that are no commands follow the editing state.
    for (QWidget* control : std::initializer_list<QWidget*>{DBImage1, DBImage2, memTexto})
        control->setEnabled(editingEnabled_);
    mnEditar->menuAction()->setEnabled(editingEnabled_);
    mnEditar->setEnabled(editingEnabled_);
    CommandState state;
    state.editing = editingEnabled_;
    state.hasCopy = session_.HasCopy();
    state.clipboardPicture = clipboardHasPicture();
    state.soundInput = soundInputPresent();
    state.canUndo = undoHistory_->CanUndo();
    state.canRedo = undoHistory_->CanRedo();
    state.setOpen = document_.HasSet();
    for (const QString& folder : session_.Recent().folders())
        state.recentAvailable.push_back(RecentSets::available(folder));
    commands_.update(state);
    showUndoLabels();
    showRecentSets();
    showSoundInput(state.soundInput);
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

void TfrmConfigurador::NovoConjunto()
{
    document_.StartEmptySet();
    ImagemAtual = DBImage2;
    showPage(CardPage{});
}

void TfrmConfigurador::mnSairClick()
{
    close();
}

void TfrmConfigurador::mnTopicosClick()
{
    HelpWindow::showContents(this, HelpFileName());
}

void TfrmConfigurador::mnSobreClick()
{
    QMessageBox::about(this, QStringLiteral("About Tessellor"),
                       QStringLiteral("<p><b>Tessellor</b> %1</p>"
                                      "<p>The card set editor of the Varnolo memory game: make the cover and "
                                      "the forty cards of a set from pictures, texts and sounds.</p>"
                                      "<p>Sets are kept in the folder \"Ed\" beside the program.</p>")
                           .arg(QStringLiteral(TESSELLOR_VERSION)));
}
