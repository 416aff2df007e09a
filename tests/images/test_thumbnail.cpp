// Thumbnails: the area average of the streamed BMP rows at every depth and
// row order, their size in a box, the reader's error for damaged files, and
// the cache that answers for unchanged files.
#include "BmpBuilder.h"
#include "TestFiles.h"
#include "images/Thumbnail.h"
#include "images/ThumbnailMaker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(QList<QRgb>)

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Grey = qRgb(128, 128, 128);

// A 24-bit picture whose stored row r, pixel x is colour(x, r).
template <typename Colour> BmpBuilder picture24(int width, int height, Colour colour)
{
    BmpBuilder bmp;
    bmp.width = width;
    bmp.height = height;
    const int rowLength = (width * 3 + 3) / 4 * 4;
    bmp.pixels = QByteArray(rowLength * std::abs(height), '\0');
    for (int r = 0; r < std::abs(height); ++r)
        for (int x = 0; x < width; ++x) {
            const QRgb c = colour(x, r);
            char* p = bmp.pixels.data() + r * rowLength + x * 3;
            p[0] = char(qBlue(c));
            p[1] = char(qGreen(c));
            p[2] = char(qRed(c));
        }
    return bmp;
}

QByteArray checkerboard24()
{
    return picture24(4, 4, [](int x, int r) { return (x + r) % 2 ? White : Black; }).file();
}

// Indices 0 and 1 of a black and white table, in checkerboard order.
QByteArray checkerboard8()
{
    BmpBuilder bmp;
    bmp.width = 4;
    bmp.height = 4;
    bmp.bits = 8;
    bmp.colourTable = BmpBuilder::table({Qt::black, Qt::white});
    bmp.coloursUsed = 2;
    for (int r = 0; r < 4; ++r)
        for (int x = 0; x < 4; ++x)
            bmp.pixels.append(char((x + r) % 2));
    return bmp.file();
}

// Red on top, blue below, whichever order the rows are stored in.
QByteArray redOverBlue(bool topDown)
{
    auto colour = [topDown](int, int r) {
        const bool top = topDown ? r < 2 : r >= 2;
        return top ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
    };
    return picture24(2, topDown ? -4 : 4, colour).file();
}

// A run-length picture of index 0 black and index 1 white.
QByteArray runLength(int bits, int width, const char* hexData)
{
    BmpBuilder bmp;
    bmp.width = width;
    bmp.height = 2;
    bmp.bits = uint16_t(bits);
    bmp.compression = bits == 8 ? 1 : 2;
    bmp.colourTable = BmpBuilder::table({Qt::black, Qt::white});
    bmp.coloursUsed = 2;
    bmp.pixels = QByteArray::fromHex(hexData);
    return bmp.file();
}

// RLE8: bottom row a run of four index 1 (white), top row four of index 0.
QByteArray rle8()
{
    return runLength(8, 4, "0401 0000 0400 0001");
}

// One stored row of two white pixels, the top row missing from the file.
QByteArray truncatedRows()
{
    BmpBuilder bmp = picture24(2, 2, [](int, int) { return White; });
    bmp.pixels.chop(8);
    return bmp.file();
}

} // namespace

class TestThumbnail : public QObject {
    Q_OBJECT

  private slots:
    void bmpAverage_data();
    void bmpAverage();
    void longRowsAndManyBlocks_data();
    void longRowsAndManyBlocks();
    void size_data();
    void size();
    void otherKinds();
    void errors_data();
    void errors();
    void makerCachesByStamp();

  private:
    QTemporaryDir dir_;
};

void TestThumbnail::bmpAverage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QList<QRgb>>("expected");
    QTest::newRow("24-bit checkerboard halves to grey")
        << checkerboard24() << QSize(2, 2) << QList<QRgb>{Grey, Grey, Grey, Grey};
    QTest::newRow("8-bit checkerboard halves to grey")
        << checkerboard8() << QSize(2, 2) << QList<QRgb>{Grey, Grey, Grey, Grey};
    QTest::newRow("bottom-up rows") << redOverBlue(false) << QSize(1, 2)
                                    << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 0, 255)};
    QTest::newRow("top-down rows") << redOverBlue(true) << QSize(1, 2)
                                   << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 0, 255)};
    QTest::newRow("RLE8") << rle8() << QSize(4, 2)
                          << QList<QRgb>{Black, Black, Black, Black, White, White, White, White};
    // Bottom row: two white, then the line ends; the top row is never given.
    QTest::newRow("RLE8 skipped pixels average as index 0")
        << runLength(8, 4, "0201 0000 0001") << QSize(2, 1) << QList<QRgb>{Grey, Black};
    QTest::newRow("RLE4 run alternates while averaged")
        << runLength(4, 4, "0410 0000 0410 0001") << QSize(2, 1) << QList<QRgb>{Grey, Grey};
    QTest::newRow("never scaled up") << checkerboard24() << QSize(8, 8)
                                     << QList<QRgb>{White, Black, White, Black, Black, White, Black, White,
                                                    White, Black, White, Black, Black, White, Black, White};
    QTest::newRow("missing rows read as zeros")
        << truncatedRows() << QSize(2, 2) << QList<QRgb>{Black, Black, White, White};
}

void TestThumbnail::bmpAverage()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, box);
    QFETCH(QList<QRgb>, expected);
    const QString path = dir_.filePath(QStringLiteral("pic.bmp"));
    TestFiles::writeBytes(path, file);
    const Thumbnail thumbnail = MakeThumbnail(path, box);
    QVERIFY2(!thumbnail.damaged(), qPrintable(thumbnail.error));
    QList<QRgb> pixels;
    for (int y = 0; y < thumbnail.image.height(); ++y)
        for (int x = 0; x < thumbnail.image.width(); ++x)
            pixels << (thumbnail.image.pixel(x, y) | 0xFF000000u);
    QCOMPARE(pixels, expected);
}

// Rows longer than a read block come in pieces; short rows in blocks of many.
// Left half white and right half black, or top half white and bottom black.
void TestThumbnail::longRowsAndManyBlocks_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("splitColumns");
    QTest::newRow("a row of 1.2 MB") << 400000 << 2 << true;
    QTest::newRow("rows over several blocks") << 1000 << 1000 << false;
}

void TestThumbnail::longRowsAndManyBlocks()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, splitColumns);
    auto colour = [&](int x, int r) {
        // stored bottom-up: stored row r is image row height-1-r
        const bool first = splitColumns ? x < width / 2 : height - 1 - r < height / 2;
        return first ? White : Black;
    };
    const QString path = dir_.filePath(QStringLiteral("big.bmp"));
    TestFiles::writeBytes(path, picture24(width, height, colour).file());
    const QImage image = MakeThumbnail(path, QSize(2, 2)).image;
    QCOMPARE(image.size(), splitColumns ? QSize(2, 1) : QSize(2, 2));
    // The first half is white and the second black, along the split.
    const QPoint second = splitColumns ? QPoint(1, 0) : QPoint(0, 1);
    QCOMPARE(image.pixel(0, 0), White);
    QCOMPARE(image.pixel(second), Black);
    QCOMPARE(image.pixel(image.width() - 1, 0), splitColumns ? Black : White);
}

void TestThumbnail::size_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("landscape") << QSize(4000, 3000) << QSize(96, 96) << QSize(96, 72);
    QTest::newRow("portrait") << QSize(3000, 4000) << QSize(96, 96) << QSize(72, 96);
    QTest::newRow("smaller than the box") << QSize(50, 20) << QSize(96, 96) << QSize(50, 20);
    QTest::newRow("a sliver keeps one row") << QSize(4000, 10) << QSize(96, 96) << QSize(96, 1);
    QTest::newRow("narrow and tall") << QSize(10, 100) << QSize(50, 50) << QSize(5, 50);
}

void TestThumbnail::size()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    QCOMPARE(ThumbnailSize(picture, box), expected);
}

void TestThumbnail::otherKinds()
{
    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(qRgb(10, 200, 30));
    const QString path = dir_.filePath(QStringLiteral("photo.PNG"));
    QVERIFY(photo.save(path, "PNG"));
    const Thumbnail thumbnail = MakeThumbnail(path, QSize(50, 50));
    QVERIFY(!thumbnail.damaged());
    QCOMPARE(thumbnail.image.size(), QSize(50, 25));
    QCOMPARE(thumbnail.image.pixel(25, 12) | 0xFF000000u, qRgb(10, 200, 30));
}

void TestThumbnail::errors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    BmpBuilder huge = picture24(1, 1, [](int, int) { return White; });
    huge.width = 100000;
    huge.height = 100000;
    QTest::newRow("not a BMP") << "junk.bmp" << QByteArray("XXthis is no picture at all")
                               << "Bitmap image is not valid";
    QTest::newRow("cut in the file header") << "short.bmp" << QByteArray("BM12") << "Stream read error";
    QTest::newRow("declares 10^10 pixels") << "huge.bmp" << huge.file() << "Bitmap image is not valid";
    QTest::newRow("damaged PNG") << "bad.png" << QByteArray("\x89PNG\r\n\x1a\n garbage") << "";
    QTest::newRow("drawing reading /etc/passwd")
        << "hostile.svg"
        << QByteArray(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
               "width=\"9\" height=\"9\"><image width=\"9\" height=\"9\" xlink:href=\"/etc/passwd\"/></svg>")
        << "";
    // A pipe under a card's name is never opened: reading it would block.
    QTest::newRow("pipe named .bmp") << "pipe.bmp" << QByteArray() << "Cannot open file";
    QTest::newRow("pipe named .png") << "pipe.png" << QByteArray() << "Cannot open file";
}

void TestThumbnail::errors()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const QString path = dir_.filePath(name);
    const bool pipe = name.startsWith(QLatin1String("pipe"));
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        TestFiles::writeBytes(path, bytes);
    const Thumbnail thumbnail = MakeThumbnail(path, QSize(64, 64));
    QVERIFY(thumbnail.damaged());
    QVERIFY(thumbnail.image.isNull());
    if (pipe)
        QCOMPARE(thumbnail.error, error + QLatin1Char(' ') + path);
    else if (!error.isEmpty())
        QCOMPARE(thumbnail.error, error);
    const QString missing = dir_.filePath(QStringLiteral("none.bmp"));
    QCOMPARE(MakeThumbnail(missing, QSize(64, 64)).error, QStringLiteral("Cannot open file ") + missing);
}

void TestThumbnail::makerCachesByStamp()
{
    const QString path = dir_.filePath(QStringLiteral("cached.bmp"));
    TestFiles::writeBytes(path, checkerboard24());
    ThumbnailMaker maker;
    QSignalSpy ready(&maker, &ThumbnailMaker::ready);
    QVERIFY(!maker.request(path, QSize(2, 2)));
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(1).toSize(), QSize(2, 2));
    QCOMPARE(ready.at(0).at(2).value<Thumbnail>().image.pixel(0, 0), Grey);

    const auto hit = maker.request(path, QSize(2, 2));
    QVERIFY(hit);
    QCOMPARE(hit->image.pixel(1, 1), Grey);
    QVERIFY(!maker.request(path, QSize(4, 4))); // another box is another thumbnail

    TestFiles::writeBytes(path, picture24(4, 4, [](int, int) { return White; }).file());
    QVERIFY(!maker.request(path, QSize(2, 2))); // the file changed: made again
    QTRY_VERIFY(!maker.busy());
    QCOMPARE(maker.request(path, QSize(2, 2))->image.pixel(0, 0), White);
}

QTEST_GUILESS_MAIN(TestThumbnail)
#include "test_thumbnail.moc"
