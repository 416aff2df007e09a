// The picture commands of the editor window on a real set folder: which file
// each writes and which slot records it, in paired and double sets; the text
// box's lines; each frame's own font; a write that fails.

#include "TestFiles.h"
#include "TestSession.h"
#include "WindowControls.h"
#include "app/CardFontDialog.h"
#include "app/TfrmConfigurador.h"
#include "cardset/CardTable.h"
#include "cardset/DialogDriver.h"
#include "cardset/SetConfig.h"
#include "cardset/Unprivileged.h"
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
#include <QToolButton>
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
    void insertImageConvertsOtherKinds();
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
    void failedWriteShowsTheCardOnDisk_data();
    void failedWriteShowsTheCardOnDisk();
    void commandShowsItsError();
    void outsideWriteShowsInTheFrames_data();
    void outsideWriteShowsInTheFrames();

  private:
    void openSet(bool duplo);
    void chooseInPictureDialog(const QString& path);
    void goToPage(int leftTag);
    QString file(const QString& name) const { return dir->path() + QLatin1Char('/') + name; }
    void expectRecorded(const QList<int>& recorded, const QString& path) const;
    // Card `slot` shows a picture of `colour`, from a file in `folder` its slot records.
    void showOnCard(int slot, const QColor& colour, const QString& folder);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TfrmConfigurador> w;
};

void TestImageCommands::init()
{
    dir = std::make_unique<QTemporaryDir>();
    w = TestSession::newWindow();
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
    TestDocument().SetConfigConjunto(TConfigConjunto{});
    TestDocument().ChooseSet(dir->path() + QLatin1Char('/'), QString(), duplo ? 1 : 0);
    w->NovoConjunto();
    w->HabilitaControles();
}

// `path` is recorded in exactly the slots `recorded`: the written slot and, in a paired
// set, the other card sharing its file.
void TestImageCommands::showOnCard(int slot, const QColor& colour, const QString& folder)
{
    TDBImage* frame = ui(*w).DBImage1->Tag() == slot ? ui(*w).DBImage1 : ui(*w).DBImage2;
    paint(frame, colour);
    const QString path = folder + QStringLiteral("/card%1.bmp").arg(slot);
    frame->Picture().SaveBitmapFile(path);
    RecordImagem(slot, path);
    w->InicImages();
}

void TestImageCommands::expectRecorded(const QList<int>& recorded, const QString& path) const
{
    for (int slot = 0; slot < NumSlots; ++slot)
        QVERIFY2(Conjunto().Elementos[slot].Imagem == (recorded.contains(slot) ? path : QString()),
                 qPrintable(QString::number(slot)));
}

void TestImageCommands::goToPage(int leftTag)
{
    for (int i = 0; i < 21 && ui(*w).DBImage1->Tag() != leftTag; ++i)
        w->btnProximoClick();
    QCOMPARE(ui(*w).DBImage1->Tag(), leftTag);
}

// Confirms `path` in the picture dialog once it is shown; an empty path cancels.
void TestImageCommands::chooseInPictureDialog(const QString& path)
{
    auto* poll = new QTimer(w.get());
    connect(poll, &QTimer::timeout, poll, [this, path, poll] {
        QFileDialog* dialog = pictureDialog(*w)->Dialog();
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
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("paired, cover") << false << -1 << true << "C00.bmp" << QList<int>{0};
    QTest::newRow("double, cover") << true << -1 << true << "C00.bmp" << QList<int>{0};
    QTest::newRow("paired, left of 5-6") << false << 5 << false << "C03.bmp" << QList<int>{5, 6};
    QTest::newRow("double, right of 5-6") << true << 5 << true << "C06.bmp" << QList<int>{6};
}

void TestImageCommands::insertImageNaming()
{
    QFETCH(bool, duplo);
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QString, written);
    QFETCH(QList<int>, recorded);
    QTemporaryDir source;
    const QString chosen = source.filePath(QStringLiteral("photo.bmp"));
    TBitmap picture;
    picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    picture.Draw([](QPainter& p) { p.fillRect(QRect(0, 0, 30, 82), Qt::green); });
    picture.SaveBitmapFile(chosen);

    openSet(duplo);
    goToPage(page);
    if (right)
        QTest::mouseClick(ui(*w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    const QImage otherBefore = (right ? ui(*w).DBImage1 : ui(*w).DBImage2)->Picture().ToImage();
    chooseInPictureDialog(chosen);
    handle(*w, "image");

    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{written, "Names.txt"}));
    QCOMPARE(w->Session().Edits().CardName(recorded.first()),
             QStringLiteral("photo")); // named after the file
    // The file holds the picture as read, byte for byte.
    QFile in(chosen);
    QFile out(file(written));
    QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), in.readAll());
    expectRecorded(recorded, file(written));
    QCOMPARE(w->CurrentFrame()->Picture().ToImage(), picture.ToImage());
    // The page's other card shows the file too when it shares it.
    TDBImage* other = right ? ui(*w).DBImage1 : ui(*w).DBImage2;
    QCOMPARE(other->Picture().ToImage(), recorded.size() > 1 ? picture.ToImage() : otherBefore);
}

// A picture that is no BMP becomes a 24-bit square card, the picture centred on white.
void TestImageCommands::insertImageConvertsOtherKinds()
{
    QTemporaryDir source;
    const QString chosen = source.filePath(QStringLiteral("photo.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(chosen));
    openSet(true);
    chooseInPictureDialog(chosen);
    handle(*w, "image");

    // Fitted into the card's 256 x 256: 256 x 128, rows 64 to 191.
    const QImage written = fileImage(file(QStringLiteral("C00.bmp")));
    QCOMPARE(written.size(), QSize(256, 256));
    QCOMPARE(written.pixelColor(128, 128), QColor(Qt::red));
    QCOMPARE(written.pixelColor(128, 2), QColor(Qt::white));
    QCOMPARE(w->CurrentFrame()->Picture().ToImage(), written);
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
    paint(ui(*w).DBImage1, Qt::red);
    const QImage before = ui(*w).DBImage1->Picture().ToImage();

    chooseInPictureDialog(error.isEmpty() ? QString() : chosen);
    QString raised;
    try {
        handle(*w, "image");
    } catch (const Exception& e) {
        raised = e.Message();
    }
    QCOMPARE(raised, error);
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(Conjunto().Elementos[3].Imagem.isEmpty());
    QCOMPARE(ui(*w).DBImage1->Picture().ToImage(), before);
}

void TestImageCommands::insertTextNaming_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("paired, cover") << false << -1 << true << "C00.bmp" << 0 << QList<int>{0};
    QTest::newRow("double, cover") << true << -1 << true << "C00.bmp" << 0 << QList<int>{0};
    QTest::newRow("paired, left of 5-6") << false << 5 << false << "C03.bmp" << 5 << QList<int>{5, 6};
    QTest::newRow("paired, right of 5-6") << false << 5 << true << "C03.bmp" << 6 << QList<int>{5, 6};
    QTest::newRow("double, left of 5-6") << true << 5 << false << "C05.bmp" << 5 << QList<int>{5};
    QTest::newRow("double, right of 5-6") << true << 5 << true << "C06.bmp" << 6 << QList<int>{6};
    QTest::newRow("paired, right of 39-40") << false << 39 << true << "C20.bmp" << 40 << QList<int>{39, 40};
    QTest::newRow("double, right of 39-40") << true << 39 << true << "C40.bmp" << 40 << QList<int>{40};
}

void TestImageCommands::insertTextNaming()
{
    QFETCH(bool, duplo);
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QString, written);
    QFETCH(int, slot);
    QFETCH(QList<int>, recorded);
    openSet(duplo);
    goToPage(page);
    if (right)
        QTest::mouseClick(ui(*w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    const QImage before = ui(*w).DBImage1->Picture().ToImage();
    QCOMPARE(w->CurrentFrame()->Tag(), slot);
    ui(*w).memTexto->setPlainText(QStringLiteral("Cat"));
    handle(*w, "text");

    QVERIFY(QFileInfo::exists(file(written)));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{written, "Names.txt"}));
    QCOMPARE(w->Session().Edits().CardName(slot), QStringLiteral("Cat")); // named by its text
    expectRecorded(recorded, file(written));
    const QImage card = textCard(QStringLiteral("Cat"), CardText::DefaultCanvasFont());
    QCOMPARE(fileImage(file(written)), card);
    // The text box keeps its text; the other frame keeps showing what it
    // showed unless it shares the file.
    QCOMPARE(ui(*w).memTexto->toPlainText(), QStringLiteral("Cat"));
    if (right && page > 0)
        QCOMPARE(ui(*w).DBImage1->Picture().ToImage(), recorded.size() > 1 ? card : before);
}

void TestImageCommands::duplicateNaming_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("cover page does nothing") << false << -1 << true << "" << QList<int>{};
    QTest::newRow("double, 1-2, right current") << true << 1 << true << "C01.bmp" << QList<int>{1};
    QTest::newRow("double, 1-2, left current") << true << 1 << false << "C02.bmp" << QList<int>{2};
    QTest::newRow("paired, 1-2, left current") << false << 1 << false << "C01.bmp" << QList<int>{1, 2};
    QTest::newRow("paired, 7-8, right current") << false << 7 << true << "C04.bmp" << QList<int>{7, 8};
}

void TestImageCommands::duplicateNaming()
{
    QFETCH(bool, duplo);
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QString, written);
    QFETCH(QList<int>, recorded);
    openSet(duplo);
    goToPage(page);
    // The page's cards show pictures recorded from outside the set's folder.
    QTemporaryDir outside;
    if (ui(*w).DBImage1->Tag() > 0) {
        showOnCard(ui(*w).DBImage1->Tag(), Qt::red, outside.path());
        showOnCard(ui(*w).DBImage2->Tag(), Qt::blue, outside.path());
    }
    if (right)
        QTest::mouseClick(ui(*w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    const TDBImage* current = w->CurrentFrame();
    const QImage source = current->Picture().ToImage();
    handle(*w, "duplicate");

    QCOMPARE(w->CurrentFrame(), current);
    if (recorded.isEmpty()) {
        QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
        for (const TElemento& element : Conjunto().Elementos)
            QVERIFY(element.Imagem.isEmpty());
        return;
    }
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(fileImage(file(written)), source);
    // The written file is recorded where it belongs; the source card keeps its own.
    for (int slot = 0; slot < NumSlots; ++slot)
        QCOMPARE(Conjunto().Elementos[slot].Imagem == file(written), recorded.contains(slot));
    QCOMPARE(current->Picture().ToImage(), source);
    TDBImage* target = current == ui(*w).DBImage1 ? ui(*w).DBImage2 : ui(*w).DBImage1;
    QCOMPARE(target->Picture().ToImage(), source);
}

void TestImageCommands::duplicateThenTextLeavesOtherFrame()
{
    openSet(true);
    goToPage(1);
    QTemporaryDir outside;
    showOnCard(1, Qt::red, outside.path());
    const QImage red = ui(*w).DBImage1->Picture().ToImage();
    handle(*w, "duplicate");
    ui(*w).memTexto->setPlainText(QStringLiteral("Dog"));
    handle(*w, "text");
    QCOMPARE(ui(*w).DBImage2->Picture().ToImage(), red);
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
    ui(*w).memTexto->setPlainText(text);
    QCoreApplication::processEvents();
    // The box's own layout of its blocks.
    QStringList shown;
    for (QTextBlock block = ui(*w).memTexto->document()->begin(); block.isValid(); block = block.next()) {
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
    QTimer::singleShot(0, [this] { fontDialog(*w)->accept(); });
    openSet(true);
    handle(*w, "font");
    const CardText::CanvasFont font = w->CanvasFont(ui(*w).DBImage2);
    QVERIFY(!font.font.italic());
    QCOMPARE(font.font.weight(), QFont::Normal);
    QCOMPARE(font.font.pointSize(), 8);
    QCOMPARE(font.color, QColor(Qt::black));
}

void TestImageCommands::fontsKeptPerFrame()
{
    openSet(true);
    goToPage(1);
    QCOMPARE(w->CurrentFrame(), ui(*w).DBImage1);
    QFont big = CardText::DefaultCanvasFont().font;
    big.setPointSize(14);
    big.setBold(true);
    QTimer::singleShot(0, [this, big] {
        fontDialog(*w)->fontChooser()->setCurrentFont(big);
        fontDialog(*w)->colorList()->setCurrentIndex(
            fontDialog(*w)->colorList()->findText(QStringLiteral("Red")));
        fontDialog(*w)->accept();
    });
    handle(*w, "font");
    // The offscreen platform does not give the activation back by itself.
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    const CardText::CanvasFont chosen = w->CanvasFont(ui(*w).DBImage1);
    QCOMPARE(chosen.font.pointSize(), 14);
    QVERIFY(chosen.font.bold());
    QCOMPARE(chosen.color, QColor(Qt::red));

    ui(*w).memTexto->setPlainText(QStringLiteral("Hi"));
    // Right frame: still the default font.
    QTest::mouseClick(ui(*w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    handle(*w, "text");
    QCOMPARE(fileImage(file(QStringLiteral("C02.bmp"))),
             textCard(QStringLiteral("Hi"), CardText::DefaultCanvasFont()));
    // The left frame keeps its font across page changes.
    goToPage(3);
    handle(*w, "text");
    QCOMPARE(fileImage(file(QStringLiteral("C03.bmp"))), textCard(QStringLiteral("Hi"), chosen));

    // The dialog opens with the last choice; cancelling keeps it and the frame's font.
    QFont seen;
    QTimer::singleShot(0, [this, &seen] {
        seen = fontDialog(*w)->fontChooser()->currentFont();
        fontDialog(*w)->fontChooser()->setCurrentFont(CardText::DefaultCanvasFont().font);
        fontDialog(*w)->reject();
    });
    QTest::mouseClick(ui(*w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    handle(*w, "font");
    QCOMPARE(seen.pointSize(), 14);
    QCOMPARE(fontDialog(*w)->LastChoice().font.pointSize(), 14);
    QCOMPARE(w->CanvasFont(ui(*w).DBImage2).font.pointSize(), CardText::DefaultCanvasFont().font.pointSize());
}

void TestImageCommands::failedWriteShowsTheCardOnDisk_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("Insert Text, set folder missing") << "text" << true;
    QTest::newRow("Insert image, read-only folder") << "image" << false;
    QTest::newRow("Insert Text, read-only folder") << "text" << false;
    QTest::newRow("Duplicate, read-only folder") << "duplicate" << false;
}

// A picture that was not written is not left in the frame, where Duplicate
// would hand it on: the frame shows the card's file as it is.
void TestImageCommands::failedWriteShowsTheCardOnDisk()
{
    QFETCH(QString, command);
    QFETCH(bool, folderMissing);
    openSet(true);
    paint(ui(*w).DBImage1, Qt::green);
    ui(*w).DBImage1->Picture().SaveBitmapFile(file(QStringLiteral("photo.bmp")));
    paint(ui(*w).DBImage1, Qt::red);
    ui(*w).DBImage1->Picture().SaveBitmapFile(file(QStringLiteral("C01.bmp")));
    paint(ui(*w).DBImage1, Qt::blue);
    ui(*w).DBImage1->Picture().SaveBitmapFile(file(QStringLiteral("C02.bmp")));
    RecordImagem(1, file(QStringLiteral("C01.bmp")));
    RecordImagem(2, file(QStringLiteral("C02.bmp")));
    goToPage(1);
    const QImage onDisk = ui(*w).DBImage2->Picture().ToImage();
    TDBImage* written = command == QLatin1String("duplicate") ? ui(*w).DBImage2 : ui(*w).DBImage1;
    const QString writtenFile =
        file(written == ui(*w).DBImage1 ? QStringLiteral("C01.bmp") : QStringLiteral("C02.bmp"));
    const QImage writtenBefore = fileImage(writtenFile);
    if (folderMissing)
        TestDocument().SetPastaConjunto(dir->path() + QStringLiteral("/missing/"));
    Unprivileged::makeReadOnly(dir->path(), true);
    if (command == QLatin1String("image"))
        chooseInPictureDialog(file(QStringLiteral("photo.bmp")));
    ui(*w).memTexto->setPlainText(QStringLiteral("Owl"));
    QString error;
    {
        Unprivileged user;
        try {
            if (command == QLatin1String("image"))
                handle(*w, "image");
            else if (command == QLatin1String("text"))
                handle(*w, "text");
            else
                handle(*w, "duplicate");
        } catch (const Exception& e) {
            error = e.Message();
        }
    }
    Unprivileged::makeWritable(dir->path(), true);
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file ")), qPrintable(error));
    QCOMPARE(Conjunto().Elementos[1].Imagem, file(QStringLiteral("C01.bmp")));
    QCOMPARE(Conjunto().Elementos[2].Imagem, file(QStringLiteral("C02.bmp")));
    QCOMPARE(fileImage(writtenFile), writtenBefore);
    QCOMPARE(written->Picture().ToImage(), writtenBefore);
    QCOMPARE(ui(*w).DBImage2->Picture().ToImage(), onDisk);
}

// The command shows its own error: this test runs without the application's
// top-level handler, where an error leaving the slot would end the program.
void TestImageCommands::commandShowsItsError()
{
    openSet(true);
    TestDocument().SetPastaConjunto(dir->path() + QStringLiteral("/missing/"));
    ui(*w).memTexto->setPlainText(QStringLiteral("Owl"));
    DialogDriver::Message box;
    DialogDriver::acceptMessage(&box);
    QTest::mouseClick(ui(*w).btnTexto, Qt::LeftButton);
    QCOMPARE(box.caption, QStringLiteral("Tessellor"));
    QCOMPARE(
        box.text,
        QStringLiteral("Cannot create file.\n%1C00.bmp\nThe folder does not exist.").arg(PastaConjunto()));
    QCOMPARE(box.icon, QMessageBox::Critical);
}

void TestImageCommands::outsideWriteShowsInTheFrames_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("leftChanges");
    QTest::addColumn<bool>("rightChanges");
    QTest::newRow("paired: both cards of the page") << false << 6 << true << true;
    QTest::newRow("double: the written card only") << true << 5 << true << false;
    QTest::newRow("a card on another page") << true << 7 << false << false;
}

// A card file written through the document, not by a command of this window
// (a drop on another view, an undo), shows in the frames that show its slots.
void TestImageCommands::outsideWriteShowsInTheFrames()
{
    QFETCH(bool, duplo);
    QFETCH(int, slot);
    QFETCH(bool, leftChanges);
    QFETCH(bool, rightChanges);
    openSet(duplo);
    goToPage(5);
    const QImage blank = ui(*w).DBImage1->Picture().ToImage();
    TBitmap picture;
    picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    picture.Draw([](QPainter& p) { p.fillRect(QRect(0, 0, 30, 82), Qt::green); });
    w->Document().ReplaceCardFile(slot, TSetDocument::CardPart::Picture,
                                  [&picture](const QString& path) { picture.SaveBitmapFile(path); });
    QCOMPARE(ui(*w).DBImage1->Picture().ToImage(), leftChanges ? picture.ToImage() : blank);
    QCOMPARE(ui(*w).DBImage2->Picture().ToImage(), rightChanges ? picture.ToImage() : blank);
    // A sound changes no picture.
    w->Document().ReplaceCardFile(5, TSetDocument::CardPart::Sound,
                                  [](const QString& path) { TestFiles::writeBytes(path, "RIFF"); });
    QCOMPARE(ui(*w).DBImage1->Picture().ToImage(), leftChanges ? picture.ToImage() : blank);
}

QTEST_MAIN(TestImageCommands)
#include "test_image_commands.moc"
