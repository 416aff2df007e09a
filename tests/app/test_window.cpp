// The editor window: its start state, the pages and their navigation, the
// arrow keys, the current card, showing the slots' pictures and the top-level
// error box.

#include "TestSession.h"
#include "WindowControls.h"
#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"
#include "cardset/CardTable.h"
#include "common/ui/ErrorMessage.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);

// A card picture file drawn in one colour.
void writeCard(const QString& path, const QColor& colour)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([&colour](QPainter& p) { p.fillRect(QRect(0, 0, 82, 82), colour); });
    bitmap.SaveBitmapFile(path);
}

QColor centre(TDBImage* frame)
{
    return frame->Picture().ToImage().pixelColor(41, 41);
}

struct ErrorBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

// Closes the next modal message box and reports what it showed.
void catchErrorBox(ErrorBox& box)
{
    QTimer::singleShot(0, [&box] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        box.seen = true;
        box.title = shown->windowTitle();
        box.text = shown->text();
        box.icon = shown->icon();
        shown->accept();
    });
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void startsOnTheCoverPage();
    void clientAreaBelowTheMenu();
    void buttonsCarryTheirHints_data();
    void buttonsCarryTheirHints();
    void menuEntriesCarryTheirCaptions_data();
    void menuEntriesCarryTheirCaptions();
    void pagesWrapAround_data();
    void pagesWrapAround();
    void turningPagesWithNoSetOpen();
    void editingControlsSwitch();
    void arrowKeysFromTheTextBox_data();
    void arrowKeysFromTheTextBox();
    void arrowKeysAfterTheMenuBar();
    void clickedFrameIsCurrent();
    void arrowKeyOnAFrameTurnsOnePage_data();
    void arrowKeyOnAFrameTurnsOnePage();
    void showsTheSlotsPictures_data();
    void showsTheSlotsPictures();
    void brokenPictureLeavesTheOtherFrame();
    void newSetGoesToTheCover();
    void goToSlotMakesTheCardCurrent_data();
    void goToSlotMakesTheCardCurrent();
    void helpContentsOpens();

  private:
    void openWindow();
    void goToPage(int leftTag);

    std::unique_ptr<TfrmConfigurador> w;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestWindow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    openWindow();
}

void TestWindow::cleanup()
{
    w.reset();
    dir.reset();
}

void TestWindow::openWindow()
{
    w = TestSession::newWindow();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
}

// Turns pages with Next until the left frame shows `leftTag` (-1: the cover).
void TestWindow::goToPage(int leftTag)
{
    for (int i = 0; i < 21 && ui(*w).DBImage1->Tag() != leftTag; ++i)
        w->btnProximoClick();
    QCOMPARE(ui(*w).DBImage1->Tag(), leftTag);
}

void TestWindow::startsOnTheCoverPage()
{
    QVERIFY(!w->EditingEnabled()); // the first activation turns editing off
    QCOMPARE(ui(*w).DBImage1->Tag(), -1);
    QCOMPARE(ui(*w).DBImage2->Tag(), 0);
    QVERIFY(ui(*w).DBImage1->isHidden());
    QVERIFY(ui(*w).Label2->isHidden());
    QCOMPARE(ui(*w).Label3->text(), QStringLiteral("Deck"));
    QCOMPARE(centre(ui(*w).DBImage2), White);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage2);
    QCOMPARE(ui(*w).Bevel1->pos(), ui(*w).DBImage2->pos() - QPoint(5, 5));
    QCOMPARE(ui(*w).Bevel1->size(), QSize(93, 91));

    for (QWidget* control : std::initializer_list<QWidget*>{
             ui(*w).DBImage2, ui(*w).btnImagem, ui(*w).btnDuplicar, ui(*w).btnSom, ui(*w).btnTocarSom,
             ui(*w).btnTexto, ui(*w).btnFonte, ui(*w).btnSalvar, ui(*w).btnCopiar, ui(*w).btnAnterior,
             ui(*w).btnProximo, ui(*w).memTexto})
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY(!ui(*w).mnEditar->menuAction()->isEnabled());
    QVERIFY(!ui(*w).btnColar->isEnabled());
    QVERIFY(!ui(*w).mnColar->isEnabled());
    QVERIFY(ui(*w).btnAbrir->isEnabled());
    QVERIFY(ui(*w).mnArquivo->menuAction()->isEnabled());
    QVERIFY(ui(*w).mnAbrir->isEnabled());
    QVERIFY(ui(*w).mnAjuda->menuAction()->isEnabled());
    QVERIFY(ui(*w).lblProgresso->isHidden());
    QVERIFY(ui(*w).Progresso->isHidden());

    QVERIFY(PastaConjunto().isEmpty());
    QVERIFY(PastaBase().endsWith(QStringLiteral("/Ed/")));
    QCOMPARE(w->windowTitle(), QStringLiteral("Varnolo Memory Game Tessellor"));
}

void TestWindow::clientAreaBelowTheMenu()
{
    QCOMPARE(w->centralWidget()->size(), QSize(297, 247));
    QCOMPARE(w->size(), QSize(297, 247 + w->menuBar()->height()));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    // A window of fixed size offers no maximise button.
    QVERIFY(!(w->windowHandle()->flags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->windowHandle()->minimumSize(), w->windowHandle()->maximumSize());
    // tessellor-tool wraps card texts at the width the text box has here.
    QCOMPARE(w->TextBoxWrapWidth(), CardText::DefaultWrapWidth);
}

void TestWindow::buttonsCarryTheirHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("image") << "btnImagem"
                           << "Insert image" << QPoint(6, 6);
    QTest::newRow("duplicate") << "btnDuplicar"
                               << "Duplicate Imagem" << QPoint(41, 6);
    QTest::newRow("sound") << "btnSom"
                           << "Insert Sound" << QPoint(6, 40);
    QTest::newRow("hear") << "btnTocarSom"
                          << "Hear Sound" << QPoint(41, 40);
    QTest::newRow("text") << "btnTexto"
                          << "Insert Text" << QPoint(6, 74);
    QTest::newRow("font") << "btnFonte"
                          << "Choose Font" << QPoint(41, 74);
    QTest::newRow("open") << "btnAbrir"
                          << "Open set" << QPoint(6, 109);
    QTest::newRow("save") << "btnSalvar"
                          << "Salve set" << QPoint(41, 108);
    QTest::newRow("copy") << "btnCopiar"
                          << "Copy" << QPoint(6, 142);
    QTest::newRow("paste") << "btnColar"
                           << "Paste" << QPoint(41, 142);
    QTest::newRow("previous") << "btnAnterior"
                              << "Previous" << QPoint(6, 176);
    QTest::newRow("next") << "btnProximo"
                          << "Next" << QPoint(41, 176);
}

void TestWindow::buttonsCarryTheirHints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(QPoint, place);
    auto* button = ui(*w).Panel1->findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), hint);
    QVERIFY(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly);
    QCOMPARE(button->geometry(), QRect(place, QSize(32, 32)));
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

void TestWindow::menuEntriesCarryTheirCaptions_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const QKeySequence none;
    QTest::newRow("Files") << "mnConfig"
                           << "mnArquivo"
                           << "&Files" << none;
    QTest::newRow("New set") << "mnArquivo"
                             << "mnNovo"
                             << "&New set..." << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("Open set") << "mnArquivo"
                              << "mnAbrir"
                              << "&Open set..." << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("Save set") << "mnArquivo"
                              << "mnSalvar"
                              << "&Salve set..." << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Import set") << "mnArquivo"
                                << "mnImportar"
                                << "&Import set..." << QKeySequence(Qt::CTRL | Qt::Key_I);
    QTest::newRow("Properties") << "mnArquivo"
                                << "Propriedades1"
                                << "&Properties..." << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("Exit") << "mnArquivo"
                          << "mnSair"
                          << "Exit" << QKeySequence(Qt::ALT | Qt::Key_F4);
    QTest::newRow("Edit") << "mnConfig"
                          << "mnEditar"
                          << "&Edit" << none;
    QTest::newRow("Image") << "mnEditar"
                           << "mnImagem"
                           << "&Image" << none;
    QTest::newRow("Image, Insert") << "mnImagem"
                                   << "mnInsImg"
                                   << "Insert" << none;
    QTest::newRow("Image, Duplicate") << "mnImagem"
                                      << "mnDupImg"
                                      << "Duplicate" << none;
    QTest::newRow("Sound") << "mnEditar"
                           << "mnSom"
                           << "&Sound" << none;
    QTest::newRow("Sound, Insert") << "mnSom"
                                   << "mnInsSom"
                                   << "Insert" << none;
    QTest::newRow("Sound, Hear") << "mnSom"
                                 << "mnOuvSom"
                                 << "Hear" << none;
    QTest::newRow("Text") << "mnEditar"
                          << "mnTexto"
                          << "&Text" << none;
    QTest::newRow("Text, Insert") << "mnTexto"
                                  << "mnInsTex"
                                  << "Insert" << none;
    QTest::newRow("Text, Font") << "mnTexto"
                                << "mnFonte"
                                << "Font" << none;
    QTest::newRow("Copy") << "mnEditar"
                          << "mnCopiar"
                          << "&Copy" << none;
    QTest::newRow("Paste") << "mnEditar"
                           << "mnColar"
                           << "&Paste" << none;
    QTest::newRow("Next") << "mnEditar"
                          << "mnAvancar"
                          << "&Next" << none;
    QTest::newRow("Previous") << "mnEditar"
                              << "mnRecuar"
                              << "P&revious" << none;
    QTest::newRow("Help") << "mnConfig"
                          << "mnAjuda"
                          << "&Help" << none;
    QTest::newRow("Contents") << "mnAjuda"
                              << "mnTopicos"
                              << "Contents" << QKeySequence(Qt::Key_F1);
    QTest::newRow("About") << "mnAjuda"
                           << "mnSobre"
                           << "&About ..." << none;
}

// Each entry stands in its own menu, under its caption and with its shortcut.
void TestWindow::menuEntriesCarryTheirCaptions()
{
    QFETCH(QString, menu);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QWidget* parent =
        menu == QLatin1String("mnConfig") ? static_cast<QWidget*>(w->menuBar()) : w->findChild<QMenu*>(menu);
    QVERIFY(parent);
    QAction* entry = nullptr;
    for (QAction* action : parent->actions()) {
        const QString actionName = action->menu() ? action->menu()->objectName() : action->objectName();
        if (actionName == name)
            entry = action;
    }
    QVERIFY2(entry, qPrintable(name));
    QCOMPARE(entry->text(), caption);
    QCOMPARE(entry->shortcut(), shortcut);
}

void TestWindow::pagesWrapAround_data()
{
    QTest::addColumn<int>("startLeft");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("rightLabel");
    QTest::newRow("cover, next") << -1 << "next" << 1 << 2 << "2";
    QTest::newRow("37-38, next") << 37 << "next" << 39 << 40 << "40";
    QTest::newRow("39-40, next wraps to the cover") << 39 << "next" << -1 << 0 << "Deck";
    QTest::newRow("cover, previous wraps to 39-40") << -1 << "previous" << 39 << 40 << "40";
    QTest::newRow("1-2, previous goes to the cover") << 1 << "previous" << -1 << 0 << "Deck";
    QTest::newRow("5-6, previous") << 5 << "previous" << 3 << 4 << "4";
    QTest::newRow("menu entry Next") << 3 << "mnAvancar" << 5 << 6 << "6";
    QTest::newRow("menu entry Previous") << -1 << "mnRecuar" << 39 << 40 << "40";
}

void TestWindow::pagesWrapAround()
{
    QFETCH(int, startLeft);
    QFETCH(QString, command);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(QString, rightLabel);
    w->HabilitaControles();
    goToPage(startLeft);
    if (command == QLatin1String("next"))
        QTest::mouseClick(ui(*w).btnProximo, Qt::LeftButton);
    else if (command == QLatin1String("previous"))
        QTest::mouseClick(ui(*w).btnAnterior, Qt::LeftButton);
    else
        w->findChild<QAction*>(command)->trigger();
    QCOMPARE(ui(*w).DBImage1->Tag(), left);
    QCOMPARE(ui(*w).DBImage2->Tag(), right);
    QCOMPARE(ui(*w).Label3->text(), rightLabel);
    QCOMPARE(ui(*w).Label2->isHidden(), left == -1);
    QCOMPARE(ui(*w).DBImage1->isHidden(), left == -1);
    if (left != -1)
        QCOMPARE(ui(*w).Label2->text(), QString::number(left));
    // With a set open the current card is the left frame of a card page,
    // the right frame (the cover) on the cover page.
    TDBImage* current = left == -1 ? ui(*w).DBImage2 : ui(*w).DBImage1;
    QCOMPARE(w->CurrentFrame(), current);
    QVERIFY(current->hasFocus());
    QCOMPARE(ui(*w).Bevel1->pos(), current->pos() - QPoint(5, 5));
}

void TestWindow::turningPagesWithNoSetOpen()
{
    RestoreImagem(2, dir->filePath(QStringLiteral("C02.bmp")));
    writeCard(Conjunto().Elementos[2].Imagem, Red);
    QWidget* focusBefore = QApplication::focusWidget();
    const QPoint markerBefore = ui(*w).Bevel1->pos();

    // The Next button itself is disabled; the key goes where the window sends it.
    QTest::keyClick(w->windowHandle(), Qt::Key_Right);
    QCOMPARE(ui(*w).DBImage1->Tag(), 1);
    QVERIFY(!ui(*w).DBImage1->isHidden());
    QCOMPARE(ui(*w).Label2->text(), QStringLiteral("1"));
    QCOMPARE(ui(*w).Label3->text(), QStringLiteral("2"));
    QCOMPARE(centre(ui(*w).DBImage1), White);
    QCOMPARE(centre(ui(*w).DBImage2), Red);
    QCOMPARE(QApplication::focusWidget(), focusBefore);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage2);
    QCOMPARE(ui(*w).Bevel1->pos(), markerBefore);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestWindow::editingControlsSwitch()
{
    w->HabilitaControles();
    handle(*w, "copy");
    QVERIFY(ui(*w).DBImage1->isEnabled());
    QVERIFY(ui(*w).btnProximo->isEnabled());
    QVERIFY(ui(*w).memTexto->isEnabled());
    QVERIFY(ui(*w).mnEditar->menuAction()->isEnabled());
    w->InibeControles();
    QVERIFY(!ui(*w).DBImage1->isEnabled());
    QVERIFY(!ui(*w).btnSalvar->isEnabled());
    QVERIFY(!ui(*w).mnEditar->menuAction()->isEnabled());
    // Paste goes off with the card commands; Open set and the Files and
    // Help menus are not switched.
    QVERIFY(!ui(*w).btnColar->isEnabled());
    QVERIFY(ui(*w).btnAbrir->isEnabled());
    QVERIFY(ui(*w).mnArquivo->menuAction()->isEnabled());
    QVERIFY(ui(*w).mnAjuda->menuAction()->isEnabled());
    // The page and the current card stay.
    QCOMPARE(ui(*w).DBImage2->Tag(), 0);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage2);
}

// Menus opened and closed from the keyboard, a disabled one too, leave the arrows turning pages.
void TestWindow::arrowKeysAfterTheMenuBar()
{
    for (const QKeyCombination key : {Qt::ALT | Qt::Key_F, QKeyCombination(Qt::Key_Escape),
                                      Qt::ALT | Qt::Key_E, QKeyCombination(Qt::Key_Escape)}) {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick((popup ? popup : w.get())->windowHandle(), key.key(), key.keyboardModifiers());
        QTest::qWait(20);
    }
    QTest::keyClick(w->windowHandle(), Qt::Key_Right);
    QCOMPARE(ui(*w).DBImage1->Tag(), 1);
}

void TestWindow::arrowKeysFromTheTextBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("left");
    QTest::addColumn<bool>("cursorMoves");
    QTest::newRow("right") << int(Qt::Key_Right) << int(Qt::NoModifier) << 1 << true;
    QTest::newRow("left") << int(Qt::Key_Left) << int(Qt::NoModifier) << 39 << true;
    QTest::newRow("shift+right") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 1 << true;
    QTest::newRow("ctrl+left") << int(Qt::Key_Left) << int(Qt::ControlModifier) << 39 << true;
    QTest::newRow("alt+right") << int(Qt::Key_Right) << int(Qt::AltModifier) << 1 << false;
    QTest::newRow("up leaves the page") << int(Qt::Key_Up) << int(Qt::NoModifier) << -1 << false;
}

void TestWindow::arrowKeysFromTheTextBox()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, left);
    QFETCH(bool, cursorMoves);
    w->HabilitaControles();
    ui(*w).memTexto->setPlainText(QStringLiteral("abc"));
    QTextCursor cursor = ui(*w).memTexto->textCursor();
    cursor.setPosition(1);
    ui(*w).memTexto->setTextCursor(cursor);
    ui(*w).memTexto->setFocus();
    QVERIFY(ui(*w).memTexto->hasFocus());

    QTest::keyClick(ui(*w).memTexto, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ui(*w).DBImage1->Tag(), left);
    if (left == -1) {
        QVERIFY(ui(*w).memTexto->hasFocus());
        return;
    }
    QVERIFY(ui(*w).DBImage1->hasFocus());
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage1);
    QCOMPARE(ui(*w).Bevel1->pos(), ui(*w).DBImage1->pos() - QPoint(5, 5));
    // The key is not consumed: the text box got it too.
    QCOMPARE(ui(*w).memTexto->textCursor().position() != 1, cursorMoves);
    QCOMPARE(ui(*w).memTexto->toPlainText(), QStringLiteral("abc"));
}

void TestWindow::clickedFrameIsCurrent()
{
    w->HabilitaControles();
    goToPage(5);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage1);
    QTest::mouseClick(ui(*w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage2);
    QCOMPARE(w->CurrentFrame()->Tag(), 6);
    QCOMPARE(ui(*w).Bevel1->pos(), ui(*w).DBImage2->pos() - QPoint(5, 5));
    // Focus moving to the text box leaves the current card as it was.
    QTest::mouseClick(ui(*w).memTexto->viewport(), Qt::LeftButton);
    QVERIFY(ui(*w).memTexto->hasFocus());
    QCOMPARE(w->CurrentFrame()->Tag(), 6);
    QTest::mouseClick(ui(*w).btnProximo, Qt::LeftButton);
    QCOMPARE(w->CurrentFrame()->Tag(), 7);
}

void TestWindow::arrowKeyOnAFrameTurnsOnePage_data()
{
    QTest::addColumn<bool>("leftFrame");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("left");
    QTest::newRow("left frame, right arrow") << true << int(Qt::Key_Right) << 7;
    QTest::newRow("right frame, right arrow") << false << int(Qt::Key_Right) << 7;
    QTest::newRow("left frame, left arrow") << true << int(Qt::Key_Left) << 3;
    QTest::newRow("right frame, left arrow") << false << int(Qt::Key_Left) << 3;
}

// The key travels from the frame up to the window; the page turns once.
void TestWindow::arrowKeyOnAFrameTurnsOnePage()
{
    QFETCH(bool, leftFrame);
    QFETCH(int, key);
    QFETCH(int, left);
    w->HabilitaControles();
    goToPage(5);
    TDBImage* frame = leftFrame ? ui(*w).DBImage1 : ui(*w).DBImage2;
    frame->setFocus();
    QVERIFY(frame->hasFocus());
    QTest::keyClick(frame, Qt::Key(key));
    QCOMPARE(ui(*w).DBImage1->Tag(), left);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage1);
}

void TestWindow::showsTheSlotsPictures_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<bool>("shown");
    QTest::newRow("stored path") << "C03.bmp"
                                 << "C03.bmp" << true;
    QTest::newRow("other letter case") << "c03.BMP"
                                       << "C03.bmp" << true;
    QTest::newRow("doubled separator") << "C03.bmp"
                                       << "/C03.bmp" << true;
    QTest::newRow("missing file") << "C03.bmp"
                                  << "C09.bmp" << false;
    QTest::newRow("empty path") << "C03.bmp"
                                << "" << false;
}

void TestWindow::showsTheSlotsPictures()
{
    QFETCH(QString, fileName);
    QFETCH(QString, storedName);
    QFETCH(bool, shown);
    writeCard(dir->filePath(fileName), Red);
    RestoreImagem(3, storedName.isEmpty() ? QString() : dir->path() + QLatin1Char('/') + storedName);
    RestoreImagem(4, dir->filePath(fileName));
    w->HabilitaControles();
    goToPage(3);
    QCOMPARE(centre(ui(*w).DBImage1), shown ? Red : White);
    QCOMPARE(centre(ui(*w).DBImage2), Red);
    // Showing the cover again puts the blank card back.
    goToPage(-1);
    QCOMPARE(centre(ui(*w).DBImage2), White);
}

// A damaged picture neither hides the good one beside it nor is written over it.
void TestWindow::brokenPictureLeavesTheOtherFrame()
{
    const QString broken = dir->filePath(QStringLiteral("C01.bmp"));
    writeCard(broken, Red);
    QVERIFY(QFile::resize(broken, 30));
    QString layerText;
    try {
        TBitmap().LoadBitmapFile(broken);
    } catch (const Exception& e) {
        layerText = e.Message();
    }
    QVERIFY(!layerText.isEmpty());
    const QString good = dir->filePath(QStringLiteral("C02.bmp"));
    writeCard(good, Red);
    QFile goodFile(good);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = goodFile.readAll();
    goodFile.close();
    RestoreImagem(1, broken);
    RestoreImagem(2, good);
    w->HabilitaControles();
    w->InicImages();

    ErrorBox box;
    catchErrorBox(box);
    QTest::mouseClick(ui(*w).btnProximo, Qt::LeftButton);
    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("Tessellor"));
    QCOMPARE(box.text, FormatErrorMessage(layerText) + QLatin1Char('\n') + broken);
    QCOMPARE(box.icon, QMessageBox::Critical);
    // The page shows its labels, the right picture, and takes the focus.
    QCOMPARE(ui(*w).Label2->text(), QStringLiteral("1"));
    QCOMPARE(centre(ui(*w).DBImage1), White);
    QCOMPARE(centre(ui(*w).DBImage2), Red);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage1);

    // Duplicate from the blank stand-in writes nothing and says why.
    ErrorBox refused;
    catchErrorBox(refused);
    QTest::mouseClick(ui(*w).btnDuplicar, Qt::LeftButton);
    QVERIFY(refused.seen);
    QCOMPARE(refused.text, box.text);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    QCOMPARE(goodFile.readAll(), goodBytes);
    QCOMPARE(centre(ui(*w).DBImage2), Red);

    // And the program goes on.
    QTest::mouseClick(ui(*w).btnProximo, Qt::LeftButton);
    QCOMPARE(ui(*w).DBImage1->Tag(), 3);
    QCOMPARE(w->focusWidget(), ui(*w).DBImage1);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage1);
}

void TestWindow::newSetGoesToTheCover()
{
    w->HabilitaControles();
    goToPage(7);
    RestoreImagem(8, QStringLiteral("/somewhere/C08.bmp"));
    w->NovoConjunto();
    QCOMPARE(ui(*w).DBImage1->Tag(), -1);
    QCOMPARE(ui(*w).DBImage2->Tag(), 0);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage2);
    QVERIFY(ui(*w).DBImage2->hasFocus());
    QVERIFY(Conjunto().Elementos[8].Imagem.isEmpty());
}

void TestWindow::goToSlotMakesTheCardCurrent_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("current");
    QTest::newRow("cover") << 0 << true << -1 << 0;
    QTest::newRow("odd card") << 7 << true << 7 << 7;
    QTest::newRow("even card") << 40 << true << 39 << 40;
    QTest::newRow("no set open: the page turns only") << 6 << false << 5 << 6;
    QTest::newRow("outside the table") << 41 << true << -1 << 0;
}

void TestWindow::goToSlotMakesTheCardCurrent()
{
    QFETCH(int, slot);
    QFETCH(bool, editing);
    QFETCH(int, left);
    QFETCH(int, current);
    if (editing)
        w->HabilitaControles();
    QSignalSpy announced(w.get(), &TfrmConfigurador::currentSlotChanged);
    w->GoToSlot(slot);
    QCOMPARE(ui(*w).DBImage1->Tag(), left);
    QCOMPARE(ui(*w).DBImage2->Tag(), left == -1 ? 0 : left + 1);
    // With the frames disabled the current frame stays; it now stands at the
    // page's right card.
    QCOMPARE(w->CurrentSlot(), std::optional<int>(current));
    QCOMPARE(w->CurrentFrame() == ui(*w).DBImage2, !editing || current % 2 == 0);
    QCOMPARE(ui(*w).Bevel1->pos(), w->CurrentFrame()->pos() - QPoint(5, 5));
    QCOMPARE(announced.isEmpty() ? 0 : announced.last().at(0).toInt(), current);
}

void TestWindow::helpContentsOpens()
{
    QTest::keyClick(w.get(), Qt::Key_F1);
    auto* help = w->findChild<QDialog*>(QStringLiteral("HelpWindow"));
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(!help->findChild<QTextBrowser*>()->toPlainText().isEmpty());
}

int main(int argc, char** argv)
{
    TessellorApplication app(argc, argv);
    TestWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_window.moc"
