#include "app/EditorForm.h"

#include "app/ButtonIcons.h"
#include "app/CardPage.h"
#include "app/LanguageMenu.h"
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
        return makeButton(Panel1, name, left, top, QCoreApplication::translate("EditorForm", hint),
                          QString::fromLatin1(icon));
    };
    btnImagem = button("btnImagem", 6, 6, QT_TRANSLATE_NOOP("EditorForm", "Insert image"), "image");
    btnDuplicar =
        button("btnDuplicar", 41, 6, QT_TRANSLATE_NOOP("EditorForm", "Duplicate Imagem"), "duplicate");
    btnSom = button("btnSom", 6, 40, QT_TRANSLATE_NOOP("EditorForm", "Insert Sound"), "sound");
    btnTocarSom = button("btnTocarSom", 41, 40, QT_TRANSLATE_NOOP("EditorForm", "Hear Sound"), "play");
    btnTexto = button("btnTexto", 6, 74, QT_TRANSLATE_NOOP("EditorForm", "Insert Text"), "text");
    btnFonte = button("btnFonte", 41, 74, QT_TRANSLATE_NOOP("EditorForm", "Choose Font"), "font");
    btnAbrir = button("btnAbrir", 6, 109, QT_TRANSLATE_NOOP("EditorForm", "Open set"), "open");
    btnSalvar = button("btnSalvar", 41, 108, QT_TRANSLATE_NOOP("EditorForm", "Salve set"), "save");
    btnCopiar = button("btnCopiar", 6, 142, QT_TRANSLATE_NOOP("EditorForm", "Copy"), "copy");
    btnColar = button("btnColar", 41, 142, QT_TRANSLATE_NOOP("EditorForm", "Paste"), "paste");
    btnAnterior = button("btnAnterior", 6, 176, QT_TRANSLATE_NOOP("EditorForm", "Previous"), "previous");
    btnProximo = button("btnProximo", 41, 176, QT_TRANSLATE_NOOP("EditorForm", "Next"), "next");
}

void EditorForm::createFilesMenu()
{
    mnArquivo = addMenu(mnConfig, "mnArquivo", QCoreApplication::translate("EditorForm", "&Files"));
    mnNovo = addEntry(mnArquivo, "mnNovo", QCoreApplication::translate("EditorForm", "&New set..."),
                      QKeySequence(Qt::CTRL | Qt::Key_N));
    mnAbrir = addEntry(mnArquivo, "mnAbrir", QCoreApplication::translate("EditorForm", "&Open set..."),
                       QKeySequence(Qt::CTRL | Qt::Key_O));
    mnSalvar = addEntry(mnArquivo, "mnSalvar", QCoreApplication::translate("EditorForm", "&Salve set..."),
                        QKeySequence(Qt::CTRL | Qt::Key_S));
    mnImportar =
        addEntry(mnArquivo, "mnImportar", QCoreApplication::translate("EditorForm", "&Import set..."),
                 QKeySequence(Qt::CTRL | Qt::Key_I));
    Propriedades1 =
        addEntry(mnArquivo, "Propriedades1", QCoreApplication::translate("EditorForm", "&Properties..."),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
    // Between Properties and Exit: the set as a whole, then the sets of earlier runs.
    mnArquivo->addSeparator();
    mnPalavras = addEntry(mnArquivo, "mnPalavras",
                          QCoreApplication::translate("EditorForm", "New set from word list..."));
    mnImportFile = addEntry(mnArquivo, "mnImportFile",
                            QCoreApplication::translate("EditorForm", "Import set from file..."));
    mnExportFile = addEntry(mnArquivo, "mnExportFile",
                            QCoreApplication::translate("EditorForm", "Export set as file..."));
    mnExportWeb = addEntry(mnArquivo, "mnExportWeb",
                           QCoreApplication::translate("EditorForm", "Export as web page..."));
    mnPrintCards =
        addEntry(mnArquivo, "mnPrintCards", QCoreApplication::translate("EditorForm", "Print cards..."));
    mnArquivo->addSeparator();
    mnRecent = addMenu(mnArquivo, "mnRecent", QCoreApplication::translate("EditorForm", "Recent sets"));
    mnArquivo->addMenu(mnRecent);
    // A fixed row of entries, shown and named from the list: an entry is
    // never deleted while its own click runs.
    for (int i = 0; i < RecentSets::Capacity; ++i) {
        QAction* entry = mnRecent->addAction(QString());
        entry->setObjectName(QStringLiteral("mnRecent%1").arg(i + 1));
        entry->setVisible(false);
    }
    N3 = addSeparator(mnArquivo, "N3");
    mnSair = addEntry(mnArquivo, "mnSair", QCoreApplication::translate("EditorForm", "Exit"),
                      QKeySequence(Qt::ALT | Qt::Key_F4));
    mnConfig->addMenu(mnArquivo);
}

void EditorForm::createEditMenu()
{
    mnEditar = addMenu(mnConfig, "mnEditar", QCoreApplication::translate("EditorForm", "&Edit"));
    mnImagem = addMenu(mnEditar, "mnImagem", QCoreApplication::translate("EditorForm", "&Image"));
    mnInsImg = addEntry(mnImagem, "mnInsImg", QCoreApplication::translate("EditorForm", "Insert"));
    mnDupImg = addEntry(mnImagem, "mnDupImg", QCoreApplication::translate("EditorForm", "Duplicate"));
    mnEditar->addMenu(mnImagem);
    mnSom = addMenu(mnEditar, "mnSom", QCoreApplication::translate("EditorForm", "&Sound"));
    mnInsSom = addEntry(mnSom, "mnInsSom", QCoreApplication::translate("EditorForm", "Insert"));
    mnOuvSom = addEntry(mnSom, "mnOuvSom", QCoreApplication::translate("EditorForm", "Hear"));
    mnGravarSom = addEntry(mnSom, "mnGravarSom", QCoreApplication::translate("EditorForm", "&Record..."),
                           QKeySequence(Qt::CTRL | Qt::Key_R));
    mnFalarTexto = addEntry(mnSom, "mnFalarTexto", QCoreApplication::translate("EditorForm", "S&peak text"),
                            QKeySequence(Qt::CTRL | Qt::Key_T));
    mnEditar->addMenu(mnSom);
    mnTexto = addMenu(mnEditar, "mnTexto", QCoreApplication::translate("EditorForm", "&Text"));
    mnInsTex = addEntry(mnTexto, "mnInsTex", QCoreApplication::translate("EditorForm", "Insert"));
    mnFonte = addEntry(mnTexto, "mnFonte", QCoreApplication::translate("EditorForm", "Font"));
    mnEditar->addMenu(mnTexto);
    N1 = addSeparator(mnEditar, "N1");
    mnCopiar = addEntry(mnEditar, "mnCopiar", QCoreApplication::translate("EditorForm", "&Copy"));
    mnColar = addEntry(mnEditar, "mnColar", QCoreApplication::translate("EditorForm", "&Paste"));
    mnPastePicture =
        addEntry(mnEditar, "mnPastePicture", QCoreApplication::translate("EditorForm", "Paste picture"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    mnCardName = addEntry(mnEditar, "mnCardName", QCoreApplication::translate("EditorForm", "Card name..."),
                          QKeySequence(Qt::Key_F4));
    N2 = addSeparator(mnEditar, "N2");
    mnAvancar = addEntry(mnEditar, "mnAvancar", QCoreApplication::translate("EditorForm", "&Next"));
    mnRecuar = addEntry(mnEditar, "mnRecuar", QCoreApplication::translate("EditorForm", "P&revious"));
    mnSepDesfazer = addSeparator(mnEditar, "mnSepDesfazer");
    mnDesfazer = addEntry(mnEditar, "mnDesfazer", QCoreApplication::translate("EditorForm", "&Undo"),
                          QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnRefazer = addEntry(mnEditar, "mnRefazer", QCoreApplication::translate("EditorForm", "R&edo"));
    mnRefazer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnConfig->addMenu(mnEditar);
}

void EditorForm::createViewAndHelpMenus()
{
    // Alt+V opens it, as Alt+F, Alt+E and Alt+H open the others.
    mnView = addMenu(mnConfig, "mnView", QCoreApplication::translate("EditorForm", "&View"));
    mnSetOverview =
        addEntry(mnView, "mnSetOverview", QCoreApplication::translate("EditorForm", "Set overview"),
                 QKeySequence(Qt::Key_F2));
    mnPlaySet = addEntry(mnView, "mnPlaySet", QCoreApplication::translate("EditorForm", "Play set"),
                         QKeySequence(Qt::Key_F5));
    mnConfig->addMenu(mnView);

    mnAjuda = addMenu(mnConfig, "mnAjuda", QCoreApplication::translate("EditorForm", "&Help"));
    mnTopicos = addEntry(mnAjuda, "mnTopicos", QCoreApplication::translate("EditorForm", "Contents"),
                         QKeySequence(Qt::Key_F1));
    mnLanguage = addMenu(mnAjuda, "mnLanguage", QCoreApplication::translate("EditorForm", "Language"));
    FillLanguageMenu(mnLanguage);
    mnAjuda->addMenu(mnLanguage);
    mnSobre = addEntry(mnAjuda, "mnSobre", QCoreApplication::translate("EditorForm", "&About ..."));
    mnConfig->addMenu(mnAjuda);
}
