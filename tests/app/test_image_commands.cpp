// The picture commands of the editor window on a real set folder: which file
// each writes and which slot records it, in paired and double sets; the text
// box's lines; each frame's own font; a write that fails.

#include "app/CardFontDialog.h"
#include "app/TfrmConfigurador.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "common/Exception.h"
#include "images/CardText.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>
#include <memory>

namespace {

QImage fileImage(const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(path);
    return bitmap.ToImage();
}

void paint(TDBImage* frame, const QColor& colour)
{
    frame->Picture().LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    frame->Picture().Draw([&colour](QPainter& p) { p.fillRect(QRect(10, 10, 40, 40), colour); });
}

QImage textCard(const QString& text, const CardText::CanvasFont& font, const QStringList& lines = {})
{
    TBitmap bitmap;
    CardText::InsertText(bitmap, lines.isEmpty() ? QStringList{text} : lines, font);
    return bitmap.ToImage();
}

} // namespace

class TestImageCommands : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void insertImageNaming_data();
    void insertImageNaming();
    void insertImageCancelledOrUnreadable_data();
    void insertImageCancelledOrUnreadable();
    void insertTextNaming_data();
    void insertTextNaming();
    void duplicateNaming_data();
    void duplicateNaming();
    void duplicateThenTextLeavesOtherFrame();
    void textBoxLinesAsShown_data();
    void textBoxLinesAsShown();
    void fontDialogStartsRegular();
    void fontsKeptPerFrame();
    void failedWriteRecordsNothing();

  private:
    void openSet(bool duplo);
    void chooseInPictureDialog(const QString& path);
    void goToPage(int leftTag);
    QString file(const QString& name) const { return dir->path() + QLatin1Char('/') + name; }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TfrmConfigurador> w;
};

void TestImageCommands::init()
{
    dir = std::make_unique<QTemporaryDir>();
    w = std::make_unique<TfrmConfigurador>();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
}

void TestImageCommands::cleanup()
{
    w.reset();
    dir.reset();
}

// What the set commands leave behind: a current, empty set on its cover page.
void TestImageCommands::openSet(bool duplo)
{
    PastaConjunto = dir->path() + QLatin1Char('/');
    ConfigConjunto = TConfigConjunto{};
    ConfigConjunto.Duplo = duplo ? 1 : 0;
    w->NovoConjunto();
    w->HabilitaControles();
}

void TestImageCommands::goToPage(int leftTag)
{
    for (int i = 0; i < 21 && w->DBImage1->Tag() != leftTag; ++i)
        w->btnProximoClick();
    QCOMPARE(w->DBImage1->Tag(), leftTag);
}

// Confirms `path` in the picture dialog once it is shown; an empty path cancels.
void TestImageCommands::chooseInPictureDialog(const QString& path)
{
    auto* poll = new QTimer(w.get());
    connect(poll, &QTimer::timeout, poll, [this, path, poll] {
        QFileDialog* dialog = w->dlOpenBitmap->Dialog();
        if (!dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name box, as a user may type a full path.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    poll->start(10);
}

void TestImageCommands::insertImageNaming_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("slot");
    QTest::newRow("paired, cover") << false << -1 << true << "C00.bmp" << 0;
    QTest::newRow("double, cover") << true << -1 << true << "C00.bmp" << 0;
    QTest::newRow("paired, left of 5-6") << false << 5 << false << "C03.bmp" << 5;
    QTest::newRow("double, right of 5-6") << true << 5 << true << "C06.bmp" << 6;
}

void TestImageCommands::insertImageNaming()
{
    QFETCH(bool, duplo);
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QString, written);
    QFETCH(int, slot);
    QTemporaryDir source;
    const QString chosen = source.filePath(QStringLiteral("photo.bmp"));
    TBitmap picture;
    picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    picture.Draw([](QPainter& p) { p.fillRect(QRect(0, 0, 30, 82), Qt::green); });
    picture.SaveBitmapFile(chosen);

    openSet(duplo);
    goToPage(page);
    if (right)
        QTest::mouseClick(w->DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    const QImage otherBefore = (right ? w->DBImage1 : w->DBImage2)->Picture().ToImage();
    chooseInPictureDialog(chosen);
    w->btnImagemClick();

    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
    // The file holds the picture as read, byte for byte.
    QFile in(chosen);
    QFile out(file(written));
    QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), in.readAll());
    QCOMPARE(Conjunto.Elementos[slot].Imagem, file(written));
    for (int other = 0; other < NumSlots; ++other)
        if (other != slot)
            QVERIFY(Conjunto.Elementos[other].Imagem.isEmpty());
    QCOMPARE(w->ImagemAtual->Picture().ToImage(), picture.ToImage());
    QCOMPARE((right ? w->DBImage1 : w->DBImage2)->Picture().ToImage(), otherBefore);
}

void TestImageCommands::insertImageCancelledOrUnreadable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("cancelled") << QByteArray() << "";
    QTest::newRow("not a bitmap") << QByteArray("GIF89a, not a bitmap at all") << "Bitmap image is not valid";
}

void TestImageCommands::insertImageCancelledOrUnreadable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QTemporaryDir source;
    const QString chosen = source.filePath(QStringLiteral("odd.bmp"));
    QFile chosenFile(chosen);
    QVERIFY(chosenFile.open(QIODevice::WriteOnly));
    chosenFile.write(bytes);
    chosenFile.close();
    openSet(true);
    goToPage(3);
    paint(w->DBImage1, Qt::red);
    const QImage before = w->DBImage1->Picture().ToImage();

    chooseInPictureDialog(error.isEmpty() ? QString() : chosen);
    QString raised;
    try {
        w->btnImagemClick();
    } catch (const Exception& e) {
        raised = e.Message();
    }
    QCOMPARE(raised, error);
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(Conjunto.Elementos[3].Imagem.isEmpty());
    QCOMPARE(w->DBImage1->Picture().ToImage(), before);
}

void TestImageCommands::insertTextNaming_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("slot");
    QTest::newRow("paired, cover") << false << -1 << true << "C00.bmp" << 0;
    QTest::newRow("double, cover") << true << -1 << true << "C00.bmp" << 0;
    QTest::newRow("paired, left of 5-6") << false << 5 << false << "C03.bmp" << 5;
    QTest::newRow("paired, right of 5-6") << false << 5 << true << "C03.bmp" << 6;
    QTest::newRow("double, left of 5-6") << true << 5 << false << "C05.bmp" << 5;
    QTest::newRow("double, right of 5-6") << true << 5 << true << "C06.bmp" << 6;
    QTest::newRow("paired, right of 39-40") << false << 39 << true << "C20.bmp" << 40;
    QTest::newRow("double, right of 39-40") << true << 39 << true << "C40.bmp" << 40;
}

void TestImageCommands::insertTextNaming()
{
    QFETCH(bool, duplo);
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QString, written);
    QFETCH(int, slot);
    openSet(duplo);
    goToPage(page);
    if (right)
        QTest::mouseClick(w->DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    const QImage before = w->DBImage1->Picture().ToImage();
    QCOMPARE(w->ImagemAtual->Tag(), slot);
    w->memTexto->setPlainText(QStringLiteral("Cat"));
    w->btnTextoClick();

    QVERIFY(QFileInfo::exists(file(written)));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(Conjunto.Elementos[slot].Imagem, file(written));
    for (int other = 0; other < NumSlots; ++other)
        if (other != slot)
            QVERIFY2(Conjunto.Elementos[other].Imagem.isEmpty(), qPrintable(QString::number(other)));
    QCOMPARE(fileImage(file(written)), textCard(QStringLiteral("Cat"), CardText::DefaultCanvasFont()));
    // The text box keeps its text; the other frame keeps showing what it showed.
    QCOMPARE(w->memTexto->toPlainText(), QStringLiteral("Cat"));
    if (right && page > 0)
        QCOMPARE(w->DBImage1->Picture().ToImage(), before);
}

void TestImageCommands::duplicateNaming_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("slot");
    QTest::newRow("cover page does nothing") << false << -1 << true << "" << -1;
    QTest::newRow("double, 1-2, right current") << true << 1 << true << "C01.bmp" << 1;
    QTest::newRow("double, 1-2, left current") << true << 1 << false << "C02.bmp" << 2;
    QTest::newRow("paired, 1-2, left current") << false << 1 << false << "C01.bmp" << 2;
    QTest::newRow("paired, 7-8, right current") << false << 7 << true << "C04.bmp" << 7;
}

void TestImageCommands::duplicateNaming()
{
    QFETCH(bool, duplo);
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QString, written);
    QFETCH(int, slot);
    openSet(duplo);
    goToPage(page);
    if (right)
        QTest::mouseClick(w->DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    TDBImage* current = w->ImagemAtual;
    paint(w->DBImage1, Qt::red);
    paint(w->DBImage2, Qt::blue);
    const QImage source = current->Picture().ToImage();
    w->btnDuplicarClick();

    QCOMPARE(w->ImagemAtual, current);
    if (slot < 0) {
        QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
        for (const TElemento& element : Conjunto.Elementos)
            QVERIFY(element.Imagem.isEmpty());
        return;
    }
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(fileImage(file(written)), source);
    QCOMPARE(Conjunto.Elementos[slot].Imagem, file(written));
    QVERIFY(Conjunto.Elementos[current->Tag()].Imagem.isEmpty());
    TDBImage* target = current == w->DBImage1 ? w->DBImage2 : w->DBImage1;
    QCOMPARE(target->Picture().ToImage(), source);
}

void TestImageCommands::duplicateThenTextLeavesOtherFrame()
{
    openSet(true);
    goToPage(1);
    paint(w->DBImage1, Qt::red);
    const QImage red = w->DBImage1->Picture().ToImage();
    w->btnDuplicarClick();
    w->memTexto->setPlainText(QStringLiteral("Dog"));
    w->btnTextoClick();
    QCOMPARE(w->DBImage2->Picture().ToImage(), red);
    QCOMPARE(fileImage(file(QStringLiteral("C02.bmp"))), red);
}

void TestImageCommands::textBoxLinesAsShown_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << "Cat";
    QTest::newRow("two lines") << "Black\ncat";
    QTest::newRow("wrapped words") << "The quick brown fox jumps over the lazy dog";
    QTest::newRow("one long word") << "Pneumonoultramicroscopicsilicovolcanoconiosis";
    QTest::newRow("mixed") << "A short line\nand a much longer line that has to wrap somewhere\n\nend";
}

void TestImageCommands::textBoxLinesAsShown()
{
    QFETCH(QString, text);
    openSet(true);
    w->memTexto->setPlainText(text);
    QCoreApplication::processEvents();
    // The box's own layout of its blocks.
    QStringList shown;
    for (QTextBlock block = w->memTexto->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        QVERIFY(layout->lineCount() > 0);
        for (int i = 0; i < layout->lineCount(); ++i)
            shown << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    }
    QCOMPARE(w->TextBoxLines(), shown);
}

void TestImageCommands::fontDialogStartsRegular()
{
    // Confirmed untouched, the dialog gives back the plain default font.
    QTimer::singleShot(0, [this] { w->dlFont->accept(); });
    openSet(true);
    w->btnFonteClick();
    const CardText::CanvasFont font = w->CanvasFont(w->DBImage2);
    QVERIFY(!font.font.italic());
    QCOMPARE(font.font.weight(), QFont::Normal);
    QCOMPARE(font.font.pointSize(), 8);
    QCOMPARE(font.color, QColor(Qt::black));
}

void TestImageCommands::fontsKeptPerFrame()
{
    openSet(true);
    goToPage(1);
    QCOMPARE(w->ImagemAtual, w->DBImage1);
    QFont big = CardText::DefaultCanvasFont().font;
    big.setPointSize(14);
    big.setBold(true);
    QTimer::singleShot(0, [this, big] {
        w->dlFont->fontChooser()->setCurrentFont(big);
        w->dlFont->colorList()->setCurrentIndex(w->dlFont->colorList()->findText(QStringLiteral("Red")));
        w->dlFont->accept();
    });
    w->btnFonteClick();
    // The offscreen platform does not give the activation back by itself.
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    const CardText::CanvasFont chosen = w->CanvasFont(w->DBImage1);
    QCOMPARE(chosen.font.pointSize(), 14);
    QVERIFY(chosen.font.bold());
    QCOMPARE(chosen.color, QColor(Qt::red));

    w->memTexto->setPlainText(QStringLiteral("Hi"));
    // Right frame: still the default font.
    QTest::mouseClick(w->DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    w->btnTextoClick();
    QCOMPARE(fileImage(file(QStringLiteral("C02.bmp"))),
             textCard(QStringLiteral("Hi"), CardText::DefaultCanvasFont()));
    // The left frame keeps its font across page changes.
    goToPage(3);
    w->btnTextoClick();
    QCOMPARE(fileImage(file(QStringLiteral("C03.bmp"))), textCard(QStringLiteral("Hi"), chosen));

    // The dialog opens with the last choice; cancelling keeps it and the frame's font.
    QFont seen;
    QTimer::singleShot(0, [this, &seen] {
        seen = w->dlFont->fontChooser()->currentFont();
        w->dlFont->fontChooser()->setCurrentFont(CardText::DefaultCanvasFont().font);
        w->dlFont->reject();
    });
    QTest::mouseClick(w->DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    w->btnFonteClick();
    QCOMPARE(seen.pointSize(), 14);
    QCOMPARE(w->dlFont->LastChoice().font.pointSize(), 14);
    QCOMPARE(w->CanvasFont(w->DBImage2).font.pointSize(), CardText::DefaultCanvasFont().font.pointSize());
}

void TestImageCommands::failedWriteRecordsNothing()
{
    openSet(true);
    PastaConjunto = dir->path() + QStringLiteral("/missing/");
    w->memTexto->setPlainText(QStringLiteral("Owl"));
    QVERIFY_THROWS_EXCEPTION(Exception, w->btnTextoClick());
    QVERIFY(Conjunto.Elementos[0].Imagem.isEmpty());
    // The frame shows the new picture all the same.
    QCOMPARE(w->DBImage2->Picture().ToImage(),
             textCard(QStringLiteral("Owl"), CardText::DefaultCanvasFont()));
}

QTEST_MAIN(TestImageCommands)
#include "test_image_commands.moc"
