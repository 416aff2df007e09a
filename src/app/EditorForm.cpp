#include "app/EditorForm.h"

#include "app/ButtonIcons.h"
#include "app/CardPage.h"
#include "app/LimitedTextEdit.h"
#include "images/ui/TDBImage.h"
#include "session/RecentSets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

namespace {

// The window's client area below the menu bar.
constexpr int ClientWidth = 297;
constexpr int ClientHeight = 247;
constexpr int ButtonSize = 32;
constexpr int TextMaxLength = 300;
constexpr int BevelWidth = 93;
constexpr int BevelHeight = 91;

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* makeButton(QWidget* panel, const char* name, int left, int top, const QString& hint,
                        const QString& iconName)
{
    auto* button = named(new QToolButton(panel), name);
    button->setGeometry(left, top, ButtonSize, ButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    button->setIcon(ButtonIcons::icon(iconName));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(false);
    return button;
}

QAction* addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = named(menu->addAction(caption), name);
    action->setShortcut(shortcut);
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name)
{
    return named(menu->addSeparator(), name);
}

QMenu* addMenu(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QMenu(caption, parent), name);
}

} // namespace

void EditorForm::setupUi(QMainWindow* window)
{
    createControls(window);
    createButtons();
    mnConfig = named(window->menuBar(), "mnConfig");
    mnConfig->setNativeMenuBar(false);
    createFilesMenu();
    createEditMenu();
    createViewAndHelpMenus();
    // Fixed single border: the window is exactly the menu bar and the client area.
    window->setFixedSize(ClientWidth, ClientHeight + mnConfig->sizeHint().height());
}

void EditorForm::createControls(QMainWindow* window)
{
    auto* client = named(new QWidget(window), "ClientArea");
    client->setFixedSize(ClientWidth, ClientHeight);
    window->setCentralWidget(client);

    Bevel1 = named(new QFrame(client), "Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(103, 38, BevelWidth, BevelHeight);
    Label2 = named(new QLabel(client), "Label2");
    Label2->move(46, 17);
    Label3 = named(new QLabel(client), "Label3");
    Label3->move(140, 17);

    DBImage1 = named(new TDBImage(client), "DBImage1");
    DBImage1->setGeometry(13, 44, 82, 82);
    DBImage1->setTag(CardPage{}.left); // the cover page
    DBImage2 = named(new TDBImage(client), "DBImage2");
    DBImage2->setGeometry(109, 43, 82, 82);
    DBImage2->setTag(CardPage{}.right);

    memTexto = named(new LimitedTextEdit(TextMaxLength, client), "memTexto");
    memTexto->setGeometry(9, 141, 190, 74);
    memTexto->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memTexto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Panel1 = named(new QFrame(client), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(211, 4, 80, 214);
    Panel1->setFocusPolicy(Qt::TabFocus);
    // The inner, lowered bevel of the panel.
    auto* innerBevel = new QFrame(Panel1);
    innerBevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    innerBevel->setGeometry(1, 1, 78, 212);
    innerBevel->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblProgresso = named(new QLabel(client), "lblProgresso");
    lblProgresso->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblProgresso->setGeometry(70, 225, 66, 16);
    lblProgresso->hide();
    Progresso = named(new QProgressBar(client), "Progresso");
    Progresso->setGeometry(140, 223, 150, 16);
    Progresso->setRange(0, 100);
    Progresso->setValue(0);
    Progresso->setTextVisible(false);
    Progresso->hide();

    Bevel1->lower();
    QWidget::setTabOrder(DBImage1, DBImage2);
    QWidget::setTabOrder(DBImage2, memTexto);
    QWidget::setTabOrder(memTexto, Panel1);
    QWidget::setTabOrder(Panel1, Progresso);
}

void EditorForm::createButtons()
{
    const auto button = [this](const char* name, int left, int top, const char* hint, const char* icon) {
        return makeButton(Panel1, name, left, top, QString::fromUtf8(hint), QString::fromLatin1(icon));
    };
    btnImagem = button("btnImagem", 6, 6, "Insert image", "image");
    btnDuplicar = button("btnDuplicar", 41, 6, "Duplicate Imagem", "duplicate");
    btnSom = button("btnSom", 6, 40, "Insert Sound", "sound");
    btnTocarSom = button("btnTocarSom", 41, 40, "Hear Sound", "play");
    btnTexto = button("btnTexto", 6, 74, "Insert Text", "text");
    btnFonte = button("btnFonte", 41, 74, "Choose Font", "font");
    btnAbrir = button("btnAbrir", 6, 109, "Open set", "open");
    btnSalvar = button("btnSalvar", 41, 108, "Salve set", "save");
    btnCopiar = button("btnCopiar", 6, 142, "Copy", "copy");
    btnColar = button("btnColar", 41, 142, "Paste", "paste");
    btnAnterior = button("btnAnterior", 6, 176, "Previous", "previous");
    btnProximo = button("btnProximo", 41, 176, "Next", "next");
}

void EditorForm::createFilesMenu()
{
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
    // Between Properties and Exit: the set as a whole, then the sets of earlier runs.
    mnArquivo->addSeparator();
    mnPalavras = addEntry(mnArquivo, "mnPalavras", QObject::tr("New set from word list..."));
    mnImportFile = addEntry(mnArquivo, "mnImportFile", QStringLiteral("Import set from file..."));
    mnExportFile = addEntry(mnArquivo, "mnExportFile", QStringLiteral("Export set as file..."));
    mnExportWeb = addEntry(mnArquivo, "mnExportWeb", QStringLiteral("Export as web page..."));
    mnPrintCards = addEntry(mnArquivo, "mnPrintCards", QStringLiteral("Print cards..."));
    mnArquivo->addSeparator();
    mnRecent = addMenu(mnArquivo, "mnRecent", QStringLiteral("Recent sets"));
    mnArquivo->addMenu(mnRecent);
    // A fixed row of entries, shown and named from the list: an entry is
    // never deleted while its own click runs.
    for (int i = 0; i < RecentSets::Capacity; ++i) {
        QAction* entry = mnRecent->addAction(QString());
        entry->setObjectName(QStringLiteral("mnRecent%1").arg(i + 1));
        entry->setVisible(false);
    }
    N3 = addSeparator(mnArquivo, "N3");
    mnSair = addEntry(mnArquivo, "mnSair", QStringLiteral("Exit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    mnConfig->addMenu(mnArquivo);
}

void EditorForm::createEditMenu()
{
    mnEditar = addMenu(mnConfig, "mnEditar", QStringLiteral("&Edit"));
    mnImagem = addMenu(mnEditar, "mnImagem", QStringLiteral("&Image"));
    mnInsImg = addEntry(mnImagem, "mnInsImg", QStringLiteral("Insert"));
    mnDupImg = addEntry(mnImagem, "mnDupImg", QStringLiteral("Duplicate"));
    mnEditar->addMenu(mnImagem);
    mnSom = addMenu(mnEditar, "mnSom", QStringLiteral("&Sound"));
    mnInsSom = addEntry(mnSom, "mnInsSom", QStringLiteral("Insert"));
    mnOuvSom = addEntry(mnSom, "mnOuvSom", QStringLiteral("Hear"));
    mnGravarSom =
        addEntry(mnSom, "mnGravarSom", QStringLiteral("&Record..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnFalarTexto =
        addEntry(mnSom, "mnFalarTexto", QStringLiteral("S&peak text"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnEditar->addMenu(mnSom);
    mnTexto = addMenu(mnEditar, "mnTexto", QStringLiteral("&Text"));
    mnInsTex = addEntry(mnTexto, "mnInsTex", QStringLiteral("Insert"));
    mnFonte = addEntry(mnTexto, "mnFonte", QStringLiteral("Font"));
    mnEditar->addMenu(mnTexto);
    N1 = addSeparator(mnEditar, "N1");
    mnCopiar = addEntry(mnEditar, "mnCopiar", QStringLiteral("&Copy"));
    mnColar = addEntry(mnEditar, "mnColar", QStringLiteral("&Paste"));
    mnPastePicture = addEntry(mnEditar, "mnPastePicture", QStringLiteral("Paste picture"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    mnCardName = addEntry(mnEditar, "mnCardName", QCoreApplication::translate("EditorForm", "Card name..."),
                          QKeySequence(Qt::Key_F4));
    N2 = addSeparator(mnEditar, "N2");
    mnAvancar = addEntry(mnEditar, "mnAvancar", QStringLiteral("&Next"));
    mnRecuar = addEntry(mnEditar, "mnRecuar", QStringLiteral("P&revious"));
    mnSepDesfazer = addSeparator(mnEditar, "mnSepDesfazer");
    mnDesfazer =
        addEntry(mnEditar, "mnDesfazer", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnRefazer = addEntry(mnEditar, "mnRefazer", QStringLiteral("R&edo"));
    mnRefazer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnConfig->addMenu(mnEditar);
}

void EditorForm::createViewAndHelpMenus()
{
    // Alt+V opens it, as Alt+F, Alt+E and Alt+H open the others.
    mnView = addMenu(mnConfig, "mnView", QStringLiteral("&View"));
    mnSetOverview =
        addEntry(mnView, "mnSetOverview", QStringLiteral("Set overview"), QKeySequence(Qt::Key_F2));
    mnPlaySet = addEntry(mnView, "mnPlaySet", QStringLiteral("Play set"), QKeySequence(Qt::Key_F5));
    mnConfig->addMenu(mnView);

    mnAjuda = addMenu(mnConfig, "mnAjuda", QStringLiteral("&Help"));
    mnTopicos = addEntry(mnAjuda, "mnTopicos", QStringLiteral("Contents"), QKeySequence(Qt::Key_F1));
    mnSobre = addEntry(mnAjuda, "mnSobre", QStringLiteral("&About ..."));
    mnConfig->addMenu(mnAjuda);
}
