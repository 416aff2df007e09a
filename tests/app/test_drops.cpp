// Drops on the editor's card frames and the overview's cells, Paste picture
// and the overview beside the editor, on real set folders: the files written
// and the slots recording them, several files filling the following cards,
// the question before replacing, refused drops, cards dragged from the
// overview, and the overview following the editor.

#include "EditorDriver.h"
#include "TestFiles.h"
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

// The grey of a test picture whose name ends in `number` ("p10.png": 10).
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

QColor centreOf(const QString& bmp)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(bmp);
    const QImage image = bitmap.ToImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// The 8-bit blank card, as our writer writes it: kept as read, not converted.
void writeBlankCard(const QString& path)
{
    TBitmap blank;
    blank.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    blank.SaveBitmapFile(path);
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

QMimeData* filesData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Drags `data` onto `target` and drops it there when the drag is taken;
// whether it was taken on entering.
bool dropOn(QWidget* target, QPoint at, QMimeData* data)
{
    std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return move.isAccepted() && drop.isAccepted();
}

} // namespace

class TestDrops : public QObject {
    Q_OBJECT

  private slots:
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        source = std::make_unique<QTemporaryDir>();
        w = std::make_unique<TfrmConfigurador>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void dropOneFile_data();
    void dropOneFile();
    void severalFilesFillFollowing_data();
    void severalFilesFillFollowing();
    void refusedDrops_data();
    void refusedDrops();
    void cardDraggedCopies_data();
    void cardDraggedCopies();
    void pastePicture_data();
    void pastePicture();
    void overviewFollowsEditor();

  private:
    // Drops on the cell of `slot`, or on the frame showing it after turning there.
    bool dropOnCard(int slot, bool viaOverview, QMimeData* data)
    {
        if (viaOverview) {
            w->mnSetOverviewClick();
            return dropOn(w->Overview(), w->Overview()->cellRect(slot).center(), data);
        }
        goToSlot(*w, slot);
        return dropOn(slot % 2 == 1 ? w->DBImage1 : w->DBImage2, QPoint(41, 41), data);
    }
    QString inSet(const QString& name) const { return set->filePath(name); }
    QString inSource(const QString& name) const { return source->filePath(name); }

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<QTemporaryDir> source;
    std::unique_ptr<TfrmConfigurador> w;
};

void TestDrops::dropOneFile_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("viaOverview");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("paired, cover frame, bmp") << false << 0 << false << "a.bmp"
                                              << "C00.bmp" << QList<int>{0};
    QTest::newRow("paired, left of 5-6, png") << false << 5 << false << "a.png"
                                              << "C03.bmp" << QList<int>{5, 6};
    QTest::newRow("paired, right of 5-6, bmp") << false << 6 << false << "a.bmp"
                                               << "C03.bmp" << QList<int>{5, 6};
    QTest::newRow("double, cell 6, png") << true << 6 << true << "a.png"
                                         << "C06.bmp" << QList<int>{6};
    QTest::newRow("paired, cover cell, png") << false << 0 << true << "a.png"
                                             << "C00.bmp" << QList<int>{0};
    QTest::newRow("paired, cell 8, wave") << false << 8 << true << "a.wav"
                                          << "S04.wav" << QList<int>{7, 8};
    QTest::newRow("double, right frame, wave") << true << 6 << false << "a.wav"
                                               << "S06.wav" << QList<int>{6};
}

void TestDrops::dropOneFile()
{
    QFETCH(bool, duplo);
    QFETCH(int, slot);
    QFETCH(bool, viaOverview);
    QFETCH(QString, dropped);
    QFETCH(QString, written);
    QFETCH(QList<int>, recorded);
    openSet(*w, set->path(), duplo);
    const QString file = inSource(dropped);
    if (dropped.endsWith(QStringLiteral(".wav")))
        writeSound(file);
    else if (dropped.endsWith(QStringLiteral(".png")))
        writePicture(file, QSize(30, 20), Qt::red);
    else
        writeBlankCard(file);

    QVERIFY(dropOnCard(slot, viaOverview, filesData({file})));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(inSet(written)), Timeout);
    const bool sound = dropped.endsWith(QStringLiteral(".wav"));
    for (int s = 0; s < NumSlots; ++s) {
        const TElemento& e = Conjunto.Elementos[s];
        QCOMPARE(sound ? e.Som : e.Imagem, recorded.contains(s) ? inSet(written) : QString());
    }
    if (sound || dropped.endsWith(QStringLiteral(".bmp"))) {
        QCOMPARE(readBytes(inSet(written)), readBytes(file)); // as read
    } else {
        // A 24-bit square: 30 x 20 red on 30 x 30 white.
        const QByteArray bmp = readBytes(inSet(written));
        QCOMPARE(int(bmp[28]), 24);
        QCOMPARE(bmp.mid(18, 4), bmp.mid(22, 4));
        QCOMPARE(centreOf(inSet(written)), QColor(Qt::red));
    }
    // The frames showing the card show the new picture.
    TBitmap onDisk;
    if (!sound)
        onDisk.LoadBitmapFile(inSet(written));
    for (TDBImage* frame : {w->DBImage1, w->DBImage2}) {
        if (!sound && frame->isVisible() && recorded.contains(frame->Tag()))
            QCOMPARE(frame->Picture().ToImage(), onDisk.ToImage());
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
    QTest::newRow("paired, cover") << false << 0 << true << three << QList<int>{} << 0
                                   << QStringList{"C00.bmp:p1", "C01.bmp:p2", "C02.bmp:p10"};
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
    for (const QString& name : dropped) {
        paths << inSource(name);
        writePicture(paths.last(), QSize(8, 8), greyOf(name));
    }
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

void TestDrops::refusedDrops_data()
{
    QTest::addColumn<bool>("setOpen");
    QTest::addColumn<bool>("viaOverview");
    QTest::addColumn<QStringList>("dropped");
    QTest::newRow("no set, frame") << false << false << QStringList{"a.png"};
    QTest::newRow("no set, cell") << false << true << QStringList{"a.png"};
    QTest::newRow("text file") << true << false << QStringList{"a.txt"};
    QTest::newRow("text file, cell") << true << true << QStringList{"a.txt"};
    QTest::newRow("picture and sound") << true << true << QStringList{"a.png", "a.wav"};
}

void TestDrops::refusedDrops()
{
    QFETCH(bool, setOpen);
    QFETCH(bool, viaOverview);
    QFETCH(QStringList, dropped);
    if (setOpen)
        openSet(*w, set->path(), true);
    QStringList paths;
    for (const QString& name : dropped) {
        paths << inSource(name);
        name.endsWith(QStringLiteral(".png"))   ? writePicture(paths.last(), QSize(4, 4), Qt::red)
        : name.endsWith(QStringLiteral(".wav")) ? writeSound(paths.last())
                                                : TestFiles::writeBytes(paths.last(), "just text");
    }
    QWidget* target = w->DBImage2;
    if (viaOverview) {
        w->mnSetOverviewClick();
        target = w->Overview();
    }
    QDragEnterEvent enter(viaOverview ? w->Overview()->cellRect(0).center() : QPoint(41, 41), Qt::CopyAction,
                          filesData(paths), Qt::LeftButton, Qt::NoModifier);
    std::unique_ptr<const QMimeData> data(enter.mimeData());
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(!enter.isAccepted());
    QCoreApplication::processEvents();
    QVERIFY(QDir(set->path()).isEmpty());
}

void TestDrops::cardDraggedCopies_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("viaOverview");
    QTest::addColumn<QString>("number"); // of the files written
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("double, cell 3 onto cell 10") << true << 3 << 10 << true << "10" << QList<int>{10};
    QTest::newRow("double, cell 3 onto frame 10") << true << 3 << 10 << false << "10" << QList<int>{10};
    QTest::newRow("paired, cell 0 onto frame 7") << false << 0 << 7 << false << "04" << QList<int>{7, 8};
}

void TestDrops::cardDraggedCopies()
{
    QFETCH(bool, duplo);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, viaOverview);
    QFETCH(QString, number);
    QFETCH(QList<int>, recorded);
    openSet(*w, set->path(), duplo);
    writePicture(CaminhoImagem(from), QSize(6, 6), Qt::green);
    writeSound(CaminhoSom(from));
    w->mnSetOverviewClick();
    // What a drag of the cell carries, dropped in the same way.
    QVERIFY(dropOnCard(to, viaOverview, SetOverview::CardDragData(w->Overview()->set().folder, from)));

    const QString picture = inSet(QStringLiteral("C%1.bmp").arg(number));
    const QString sound = inSet(QStringLiteral("S%1.wav").arg(number));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(sound), Timeout);
    QCOMPARE(readBytes(picture), readBytes(CaminhoImagem(from)));
    QCOMPARE(readBytes(sound), readBytes(CaminhoSom(from)));
    for (int s : recorded)
        QVERIFY(Conjunto.Elementos[s].Imagem == picture && Conjunto.Elementos[s].Som == sound);
    QVERIFY(!w->btnColar->isEnabled()); // the copy buffer is not used
}

void TestDrops::pastePicture_data()
{
    QTest::addColumn<QSize>("size"); // of the clipboard's picture; empty: none
    QTest::addColumn<int>("side");   // of the card written
    QTest::newRow("small, kept") << QSize(40, 20) << 40;
    QTest::newRow("large, scaled down") << QSize(600, 300) << 256;
    QTest::newRow("no picture") << QSize() << 0;
}

void TestDrops::pastePicture()
{
    QFETCH(QSize, size);
    QFETCH(int, side);
    openSet(*w, set->path(), false);
    goToSlot(*w, 6);
    QGuiApplication::clipboard()->setText(QStringLiteral("not a picture"));
    QTRY_VERIFY(!w->mnPastePicture->isEnabled());
    if (size.isEmpty()) {
        DialogDriver::Message shown;
        QPointer<QTimer> waiting = DialogDriver::acceptMessage(&shown);
        RunCommand([this] { w->mnPastePictureClick(); });
        DialogDriver::withdraw(waiting);
        QCOMPARE(shown.text, QStringLiteral("The clipboard holds no picture."));
        QVERIFY(QDir(set->path()).isEmpty());
        return;
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    QTRY_VERIFY(w->mnPastePicture->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(inSet(QStringLiteral("C03.bmp"))), Timeout);
    TBitmap written;
    written.LoadBitmapFile(inSet(QStringLiteral("C03.bmp")));
    QCOMPARE(written.ToImage().size(), QSize(side, side));
    QVERIFY(Conjunto.Elementos[5].Imagem == Conjunto.Elementos[6].Imagem &&
            !Conjunto.Elementos[6].Imagem.isEmpty());
    QCOMPARE(w->DBImage2->Picture().ToImage(), written.ToImage());
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
    QCOMPARE(w->DBImage1->Tag(), 13);
    QCOMPARE(w->CurrentSlot(), 14);
    w->btnProximoClick();
    QCOMPARE(overview->currentSlot(), 15);
}

QTEST_MAIN(TestDrops)
#include "test_drops.moc"
