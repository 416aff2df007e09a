// Drops of files and overview cards on the card frames and the overview's
// cells, Paste picture, and the overview following the editor, on real sets.

#include "CardFixtures.h"
#include "EditorDriver.h"
#include "TestFiles.h"
#include "WindowControls.h"
#include "app/overview/SetOverview.h"
#include "audio/TMMWave.h"
#include "audio/WaveBytes.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <memory>

using namespace EditorDriver;
using TestFiles::readBytes;

namespace {

constexpr int Timeout = 10000;

// The grey of a test picture whose name ends in `number` ("p10.png": 10 x 10).
QColor greyOf(const QString& name)
{
    const int number = QFileInfo(name).baseName().mid(1).toInt();
    return QColor(number * 10, number * 10, number * 10);
}

void writePicture(const QString& path, QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

QImage pictureIn(const QString& bmp)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(bmp);
    return bitmap.ToImage();
}

QColor centreOf(const QString& bmp)
{
    const QImage image = pictureIn(bmp);
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// A card sound as the editor writes it, so that writing it again gives the same bytes.
void writeSound(const QString& path)
{
    TestFiles::writeBytes(path + QStringLiteral(".raw"),
                          WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(400)));
    TMMWave wave;
    wave.LoadWaveFile(path + QStringLiteral(".raw"));
    wave.SaveWaveFile(path);
    QFile::remove(path + QStringLiteral(".raw"));
}

} // namespace

class TestDrops : public QObject {
    Q_OBJECT

  private slots:
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        source = std::make_unique<QTemporaryDir>();
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void dropOneFile_data();
    void dropOneFile();
    void severalFilesFillFollowing_data();
    void severalFilesFillFollowing();
    void pastePicture();
    void overviewFollowsEditor();

  private:
    // Drops on the cell of `slot`, or on the frame showing it after turning there.
    bool dropOnCard(int slot, bool viaOverview, QMimeData* data)
    {
        if (viaOverview) {
            handle(*w, "overview");
            return dropOn(w->Overview(), w->Overview()->cellRect(slot).center(), data);
        }
        goToSlot(*w, slot);
        return dropOn(slot % 2 == 1 ? ui(*w).DBImage1 : ui(*w).DBImage2, QPoint(41, 41), data);
    }
    QString inSet(const QString& name) const { return set->filePath(name); }
    // A file to drop, by its name: "pN.png" and "pN.bmp" 30 x 20 in greyOf,
    // "p.bmp" the 8-bit blank card as our writer writes it, "s.wav" a card
    // sound, "s.m4a" a phone's recording, "#N" card N of the set with a
    // picture and a sound, else text.
    QString makeSource(const QString& name) const
    {
        const QString path = source->filePath(name);
        if (name.startsWith(QLatin1Char('#'))) {
            const int slot = name.mid(1).toInt();
            writePicture(CaminhoImagem(slot), QSize(6, 6), Qt::green);
            writeSound(CaminhoSom(slot));
            return CaminhoImagem(slot);
        }
        if (name == QStringLiteral("p.bmp")) {
            TBitmap blank;
            blank.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
            blank.SaveBitmapFile(path);
        } else if (name.startsWith(QLatin1Char('p'))) {
            writePicture(path, QSize(30, 20), greyOf(name));
        } else if (name.endsWith(QStringLiteral(".wav"))) {
            writeSound(path);
        } else if (name.endsWith(QStringLiteral(".m4a"))) {
            TestFiles::runProgram("ffmpeg", {"-loglevel", "error", "-f", "lavfi", "-i", "sine=d=0.2", path});
        } else {
            TestFiles::writeBytes(path, "just text");
        }
        return path;
    }

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<QTemporaryDir> source;
    std::unique_ptr<TfrmConfigurador> w;
};

void TestDrops::dropOneFile_data()
{
    QTest::addColumn<int>("kind"); // of set: -1 none open, 0 paired, 1 double
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("viaOverview");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("written"); // empty: the drag is refused
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("paired, cover frame, bmp")
        << 0 << 0 << false << QStringList{"p.bmp"} << "C00.bmp" << QList{0};
    QTest::newRow("paired, left of 5-6, png")
        << 0 << 5 << false << QStringList{"p5.png"} << "C03.bmp" << QList{5, 6};
    QTest::newRow("paired, right of 5-6, bmp")
        << 0 << 6 << false << QStringList{"p.bmp"} << "C03.bmp" << QList{5, 6};
    QTest::newRow("double, cell 6, png") << 1 << 6 << true << QStringList{"p5.png"} << "C06.bmp" << QList{6};
    QTest::newRow("paired, cover cell, png")
        << 0 << 0 << true << QStringList{"p5.png"} << "C00.bmp" << QList{0};
    QTest::newRow("paired, cell 8, wave")
        << 0 << 8 << true << QStringList{"s.wav"} << "S04.wav" << QList{7, 8};
    QTest::newRow("double, right frame, wave")
        << 1 << 6 << false << QStringList{"s.wav"} << "S06.wav" << QList{6};
    QTest::newRow("double, right frame, M4A")
        << 1 << 6 << false << QStringList{"s.m4a"} << "S06.wav" << QList{6};
    QTest::newRow("card 3 onto cell 10") << 1 << 10 << true << QStringList{"#3"} << "C10.bmp" << QList{10};
    QTest::newRow("card 0 onto frame 7") << 0 << 7 << false << QStringList{"#0"} << "C04.bmp" << QList{7, 8};
    QTest::newRow("card onto itself") << 1 << 3 << true << QStringList{"#3"} << "" << QList<int>{};
    QTest::newRow("no set, frame") << -1 << 0 << false << QStringList{"p5.png"} << "" << QList<int>{};
    QTest::newRow("no set, cell") << -1 << 0 << true << QStringList{"p5.png"} << "" << QList<int>{};
    QTest::newRow("text file") << 1 << 0 << false << QStringList{"t.txt"} << "" << QList<int>{};
    QTest::newRow("text file, cell") << 1 << 0 << true << QStringList{"t.txt"} << "" << QList<int>{};
    QTest::newRow("picture and sound")
        << 1 << 0 << true << QStringList{"p5.png", "s.wav"} << "" << QList<int>{};
}

void TestDrops::dropOneFile()
{
    QFETCH(int, kind);
    QFETCH(int, slot);
    QFETCH(bool, viaOverview);
    QFETCH(QStringList, dropped);
    QFETCH(QString, written);
    QFETCH(QList<int>, recorded);
    if (kind >= 0)
        openSet(*w, set->path(), kind == 1);
    QStringList files;
    for (const QString& name : dropped)
        files << makeSource(name);
    // A card dragged from the overview carries its slot.
    const int card = dropped[0].startsWith(QLatin1Char('#')) ? dropped[0].mid(1).toInt() : -1;
    handle(*w, "overview");
    QMimeData* data =
        card >= 0 ? SetOverview::CardDragData(w->Overview()->set().folder, card) : filesData(files);
    const QStringList before = QDir(set->path()).entryList(QDir::Files);

    QCOMPARE(dropOnCard(slot, viaOverview, data), !written.isEmpty());
    if (written.isEmpty()) {
        QCoreApplication::processEvents();
        QCOMPARE(QDir(set->path()).entryList(QDir::Files), before);
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(inSet(written)), Timeout);
    const bool sound = written.startsWith(QLatin1Char('S'));
    for (int s = 0; s < NumSlots; ++s) {
        const TElemento& e = Conjunto().Elementos[s];
        QCOMPARE(sound ? e.Som : e.Imagem, recorded.contains(s) ? inSet(written) : QString());
    }
    if (card >= 0) { // its sound too, and the copy buffer not used
        QTRY_COMPARE_WITH_TIMEOUT(readBytes(CaminhoSom(slot)), readBytes(CaminhoSom(card)), Timeout);
        QVERIFY(Conjunto().Elementos[slot].Som == CaminhoSom(slot) && !ui(*w).btnColar->isEnabled());
    }
    if (files[0].endsWith(QStringLiteral(".m4a"))) {
        QCOMPARE(readBytes(inSet(written)).mid(8, 4), QByteArray("WAVE")); // converted
    } else if (!files[0].endsWith(QStringLiteral(".png"))) {
        QCOMPARE(readBytes(inSet(written)), readBytes(files[0])); // as read
    } else {
        // A 24-bit square: 30 x 20 grey on 30 x 30 white.
        const QByteArray bmp = readBytes(inSet(written));
        QCOMPARE(int(bmp[28]), 24);
        QCOMPARE(bmp.mid(18, 4), bmp.mid(22, 4));
        QCOMPARE(centreOf(inSet(written)), greyOf(files[0]));
    }
    // The frames showing the card show the new picture.
    for (TDBImage* frame : {ui(*w).DBImage1, ui(*w).DBImage2}) {
        if (!sound && frame->isVisible() && recorded.contains(frame->Tag()))
            QCOMPARE(frame->Picture().ToImage(), pictureIn(inSet(written)));
    }
}

void TestDrops::severalFilesFillFollowing_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("viaOverview");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QList<int>>("existing"); // slots with a picture before
    QTest::addColumn<int>("answer");          // to the question; 0: none asked
    QTest::addColumn<QStringList>("written"); // file: picture, in name order
    const QStringList three{"p10.png", "p2.bmp", "p1.png"};
    QTest::newRow("paired, cell 3") << false << 3 << true << three << QList<int>{} << 0
                                    << QStringList{"C02.bmp:p1", "C03.bmp:p2", "C04.bmp:p10"};
    QTest::newRow("double, left frame 5") << true << 5 << false << three << QList<int>{} << 0
                                          << QStringList{"C05.bmp:p1", "C06.bmp:p2", "C07.bmp:p10"};
    QTest::newRow("double, replacing, yes")
        << true << 5 << true << three << QList<int>{6} << int(QMessageBox::Yes)
        << QStringList{"C05.bmp:p1", "C06.bmp:p2", "C07.bmp:p10"};
    QTest::newRow("paired, replacing, no")
        << false << 1 << true << three << QList<int>{3} << int(QMessageBox::No) << QStringList{};
    QTest::newRow("double, too many, yes")
        << true << 39 << true << three << QList<int>{} << int(QMessageBox::Yes)
        << QStringList{"C39.bmp:p1", "C40.bmp:p2"};
}

void TestDrops::severalFilesFillFollowing()
{
    QFETCH(bool, duplo);
    QFETCH(int, slot);
    QFETCH(bool, viaOverview);
    QFETCH(QStringList, dropped);
    QFETCH(QList<int>, existing);
    QFETCH(int, answer);
    QFETCH(QStringList, written);
    openSet(*w, set->path(), duplo);
    QStringList paths;
    for (const QString& name : dropped)
        paths << makeSource(name);
    for (int s : existing)
        writePicture(CaminhoImagem(s), QSize(8, 8), Qt::blue);
    const QStringList before = QDir(set->path()).entryList(QDir::Files);
    bool asked = false;
    QPointer<QTimer> waiting = DialogDriver::onModal<QMessageBox>([&](QMessageBox* box) {
        asked = true;
        if (QAbstractButton* button = box->button(QMessageBox::StandardButton(answer)))
            button->click();
        else
            box->reject();
    });

    QVERIFY(dropOnCard(slot, viaOverview, filesData(paths)));
    if (answer != 0)
        QTRY_VERIFY_WITH_TIMEOUT(asked, Timeout);
    for (const QString& entry : written) {
        const QString file = inSet(entry.section(QLatin1Char(':'), 0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(file) && centreOf(file) != QColor(Qt::blue), Timeout);
        QCOMPARE(centreOf(file), greyOf(entry.section(QLatin1Char(':'), 1)));
    }
    DialogDriver::withdraw(waiting);
    QCOMPARE(asked, answer != 0);
    if (written.isEmpty()) {
        QCOMPARE(QDir(set->path()).entryList(QDir::Files), before);
        for (int s : existing)
            QCOMPARE(centreOf(CaminhoImagem(s)), QColor(Qt::blue));
    }
}

void TestDrops::pastePicture()
{
    openSet(*w, set->path(), false);
    goToSlot(*w, 6);
    // No picture on the clipboard: the entry is off, and run all the same it says why.
    QGuiApplication::clipboard()->setText(QStringLiteral("not a picture"));
    QTRY_VERIFY(!ui(*w).mnPastePicture->isEnabled());
    DialogDriver::Message shown;
    QPointer<QTimer> waiting = DialogDriver::acceptMessage(&shown);
    RunCommand([this] { handle(*w, "paste-picture"); });
    DialogDriver::withdraw(waiting);
    QCOMPARE(shown.text, QStringLiteral("The clipboard holds no picture."));
    QVERIFY(QDir(set->path()).isEmpty());

    QImage image(600, 300, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    QTRY_VERIFY(ui(*w).mnPastePicture->isEnabled());
    w->activateWindow(); // after the message box
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    const QString written = inSet(QStringLiteral("C03.bmp"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(written), Timeout);
    QCOMPARE(pictureIn(written).size(), QSize(256, 256));
    QVERIFY(Conjunto().Elementos[5].Imagem == written && Conjunto().Elementos[6].Imagem == written);
    QCOMPARE(ui(*w).DBImage2->Picture().ToImage(), pictureIn(written));
}

void TestDrops::overviewFollowsEditor()
{
    QTest::keyClick(w.get(), Qt::Key_F2);
    SetOverview* overview = w->Overview();
    QVERIFY(overview && overview->isVisible());
    QCOMPARE(overview->headerText(), QStringLiteral("No set is open"));

    openSet(*w, set->path(), false);
    QCOMPARE(overview->set().folder, QDir::cleanPath(set->path()));
    QVERIFY(QTest::qWaitForWindowExposed(overview));
    QTest::mouseClick(overview, Qt::LeftButton, {}, overview->cellRect(14).center());
    QCOMPARE(ui(*w).DBImage1->Tag(), 13);
    QCOMPARE(w->CurrentSlot(), 14);
    w->btnProximoClick();
    QCOMPARE(overview->currentSlot(), 15);
}

QTEST_MAIN(TestDrops)
#include "test_drops.moc"
