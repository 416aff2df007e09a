// The set overview on real set folders: the marks of missing, damaged and
// present cards and the header's counts for both kinds, its following of
// changes on disk, and the activation of a card by mouse and keyboard.
#include "TestFiles.h"
#include "app/overview/SetOverview.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

void writePicture(const QString& path, QRgb colour)
{
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

// A wave of one silent sample, 8 kHz 16-bit mono.
QByteArray silentWave()
{
    const auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    const QByteArray format = u16(1) + u16(1) + u32(8000) + u32(16000) + u16(2) + u16(16);
    const QByteArray chunks = "WAVEfmt " + u32(16) + format + "data" + u32(2) + QByteArray(2, '\0');
    return "RIFF" + u32(quint32(chunks.size())) + chunks;
}

QString soundPath(const QString& folder, int n)
{
    return QStringLiteral("%1/S%2.wav").arg(folder).arg(n, 2, 10, QLatin1Char('0'));
}

// Pictures for the given file numbers (each a different grey); `junk` are
// written as bytes that are no picture, `sounds` as wave files, `junkSounds`
// as text under a sound's name.
void makeSet(const QString& folder, const QList<int>& pictures, const QList<int>& junk,
             const QList<int>& sounds, const QList<int>& junkSounds = {})
{
    for (int n : junkSounds)
        TestFiles::writeBytes(soundPath(folder, n), "This is no sound, only text.\n");
    for (int n : pictures)
        writePicture(QStringLiteral("%1/C%2.bmp").arg(folder).arg(n, 2, 10, QLatin1Char('0')), qRgb(n, n, n));
    for (int n : junk)
        TestFiles::writeBytes(QStringLiteral("%1/C%2.bmp").arg(folder).arg(n, 2, 10, QLatin1Char('0')),
                              "XX this is no picture at all");
    for (int n : sounds)
        TestFiles::writeBytes(soundPath(folder, n), silentWave());
}

QList<int> range(int first, int last, const QList<int>& except = {})
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        if (!except.contains(n))
            numbers << n;
    return numbers;
}

using Picture = OverviewCell::Picture;

} // namespace

class TestOverview : public QObject {
    Q_OBJECT

  private slots:
    void marksAndCounts_data();
    void marksAndCounts();
    void followsTheFolder();
    void activation();
    void fitsTheScreen_data();
    void fitsTheScreen();

  private:
    void open(SetOverview& overview, const QString& folder, bool duplo)
    {
        overview.setSet(SetView{folder, QStringLiteral("Ana"), duplo});
        overview.resize(800, 700);
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        QTRY_VERIFY_WITH_TIMEOUT(!overview.model().busy(), 20000);
    }
};

void TestOverview::marksAndCounts_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<QList<int>>("junk");
    QTest::addColumn<QList<int>>("sounds");
    QTest::addColumn<QList<int>>("junkSounds");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QList<int>>("missing");
    QTest::addColumn<QList<int>>("damaged");
    QTest::addColumn<QList<int>>("withSound");
    QTest::addColumn<QString>("counts");
    QTest::newRow("double") << true << range(0, 39, {7}) << QList<int>{7} << QList<int>{0, 5} << QList<int>{9}
                            << QList<int>{0, 1, 39} << QList<int>{40} << QList<int>{7} << QList<int>{0, 5, 9}
                            << "double set \u2014 40 of 41 pictures, 2 of 41 sounds";
    QTest::newRow("paired") << false << range(0, 20, {7, 3}) << QList<int>{3} << QList<int>{1}
                            << QList<int>{7} << QList<int>{0, 1, 2, 40} << QList<int>{13, 14}
                            << QList<int>{5, 6} << QList<int>{1, 2, 13, 14}
                            << "paired set \u2014 20 of 21 pictures, 1 of 21 sounds";
}

void TestOverview::marksAndCounts()
{
    QFETCH(bool, duplo);
    QFETCH(QList<int>, pictures);
    QFETCH(QList<int>, junk);
    QFETCH(QList<int>, sounds);
    QFETCH(QList<int>, junkSounds);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, missing);
    QFETCH(QList<int>, damaged);
    QFETCH(QList<int>, withSound);
    QFETCH(QString, counts);
    QTemporaryDir dir;
    makeSet(dir.path(), pictures, junk, sounds, junkSounds);
    // Found whatever its letter case.
    QVERIFY(QFile::rename(dir.filePath(QStringLiteral("C01.bmp")), dir.filePath(QStringLiteral("c01.BMP"))));
    SetOverview overview;
    open(overview, dir.path(), duplo);

    for (int slot : shown) {
        QCOMPARE(overview.cell(slot).picture, Picture::Shown);
        QCOMPARE(overview.cell(slot).thumbnail.size(), QSize(12, 8)); // never scaled up
    }
    for (int slot : missing)
        QCOMPARE(overview.cell(slot).picture, Picture::Missing);
    for (int slot : damaged) {
        QCOMPARE(overview.cell(slot).picture, Picture::Damaged);
        QCOMPARE(overview.cell(slot).error, QStringLiteral("Bitmap image is not valid"));
    }
    // A sound file that does not read is marked damaged and not counted.
    const int damagedSound = duplo ? junkSounds.first() : 2 * junkSounds.first();
    for (int slot = 0; slot < NumSlots; ++slot) {
        QCOMPARE(overview.cell(slot).sound, withSound.contains(slot));
        QCOMPARE(overview.cell(slot).soundDamaged(), slot == damagedSound || slot == damagedSound - !duplo);
    }
    QCOMPARE(overview.cell(damagedSound).soundError, QStringLiteral("Invalid wave file..."));
    QCOMPARE(overview.headerText(), QFileInfo(dir.path()).fileName() + " \u2014 Ana \u2014 " + counts);

    // A damaged card's tooltip is its reader's error; a damaged sound's names
    // the sound and its reader's error.
    const auto toolTipOf = [&overview](int slot) {
        const QPoint inside = overview.cellRect(slot).center();
        QHelpEvent help(QEvent::ToolTip, inside, overview.mapToGlobal(inside));
        QApplication::sendEvent(&overview, &help);
        return QToolTip::text();
    };
    QCOMPARE(toolTipOf(damaged.first()), QStringLiteral("Bitmap image is not valid"));
    QVERIFY2(toolTipOf(damagedSound)
                 .endsWith("Damaged sound " + soundPath(dir.path(), junkSounds.first()) +
                           ": Invalid wave file..."),
             qPrintable(toolTipOf(damagedSound)));
}

void TestOverview::followsTheFolder()
{
    QTemporaryDir dir;
    makeSet(dir.path(), range(0, 40), {}, {});
    SetOverview overview;
    open(overview, dir.path(), true);
    const qint64 untouched = overview.cell(10).thumbnail.cacheKey();

    writePicture(dir.filePath(QStringLiteral("C03.bmp")), qRgb(200, 0, 0)); // written in place
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("C04.bmp"))));
    TestFiles::writeBytes(dir.filePath(QStringLiteral("S05.wav")), silentWave());
    QTRY_COMPARE_WITH_TIMEOUT(overview.cell(3).thumbnail.pixel(0, 0), qRgb(200, 0, 0), 10000);
    QTRY_COMPARE(overview.cell(4).picture, Picture::Missing);
    QTRY_VERIFY(overview.cell(5).sound);
    QTRY_VERIFY(overview.headerText().endsWith("40 of 41 pictures, 1 of 41 sounds"));
    QCOMPARE(overview.cell(10).thumbnail.cacheKey(), untouched); // unchanged cards are not made again

    // A card the editor wrote is looked at at once.
    writePicture(dir.filePath(QStringLiteral("C04.bmp")), qRgb(0, 0, 200));
    overview.cardChanged(4);
    QTRY_COMPARE(overview.cell(4).picture, Picture::Shown);
    QCOMPARE(overview.cell(4).thumbnail.pixel(0, 0), qRgb(0, 0, 200));
}

void TestOverview::activation()
{
    QTemporaryDir dir;
    SetOverview overview;
    open(overview, dir.path(), false);
    QCOMPARE(overview.cell(0).picture, Picture::Missing);
    QSignalSpy activated(&overview, &SetOverview::slotActivated);

    QTest::mouseClick(&overview, Qt::LeftButton, {}, overview.cellRect(17).center());
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.takeFirst().at(0).toInt(), 17);
    QCOMPARE(overview.currentSlot(), 17);

    // The grid runs in page order: Right is the next slot, Down the slot
    // below in the next row of cells.
    QTest::keyClick(&overview, Qt::Key_Right);
    QCOMPARE(overview.currentSlot(), 18);
    QTest::keyClick(&overview, Qt::Key_Down);
    QCOMPARE(overview.cellRect(overview.currentSlot()).left(), overview.cellRect(18).left());
    QVERIFY(overview.cellRect(overview.currentSlot()).top() > overview.cellRect(18).top());
    QTest::keyClick(&overview, Qt::Key_Home);
    QTest::keyClick(&overview, Qt::Key_Left); // stays on the cover
    QTest::keyClick(&overview, Qt::Key_Return);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.takeFirst().at(0).toInt(), 0);
}

// However the window is asked to open, it and its frame lie on the screen's
// available area and its last row of cells is whole.
void TestOverview::fitsTheScreen_data()
{
    QTest::addColumn<QSize>("asked"); // empty: its own size
    QTest::addColumn<QPoint>("at");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("its own size") << QSize() << screen.topLeft();
    QTest::newRow("as tall as the screen") << screen.size() << screen.topLeft();
    QTest::newRow("taller than the screen")
        << QSize(screen.width(), screen.height() * 3 / 2) << screen.topLeft();
    QTest::newRow("low on the screen") << QSize() << screen.center();
}

void TestOverview::fitsTheScreen()
{
    QFETCH(QSize, asked);
    QFETCH(QPoint, at);
    QTemporaryDir dir;
    SetOverview overview;
    overview.setSet(SetView{dir.path(), QStringLiteral("Ana"), false});
    overview.resize(asked.isEmpty() ? overview.sizeHint() : asked);
    overview.move(at);
    overview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&overview));
    const QRect available = overview.screen()->availableGeometry();
    QTRY_VERIFY2(available.contains(overview.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(overview.frameGeometry().x())
                                .arg(overview.frameGeometry().y())
                                .arg(overview.frameGeometry().width())
                                .arg(overview.frameGeometry().height())));
    QTRY_VERIFY(overview.rect().contains(overview.cellRect(NumSlots - 1)));
}

QTEST_MAIN(TestOverview)
#include "test_overview.moc"
