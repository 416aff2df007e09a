#include "BmpBuilder.h"
#include "Raised.h"
#include "TestFiles.h"
#include "images/BitmapErrors.h"
#include "images/CardPicture.h"
#include "images/TBitmap.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/stat.h>

using TestFiles::readBytes;

namespace {

const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Qt reads GIF but does not write it. One colour as LZW codes that never grow
// past three bits (a clear code before every two pixels) needs no encoder.
QByteArray gifBytes(QSize size, QRgb colour)
{
    QByteArray out("GIF89a");
    const auto put16 = [&out](int v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    put16(size.width());
    put16(size.height());
    out.append("\x80\0\0", 3)
        .append(char(qRed(colour)))
        .append(char(qGreen(colour)))
        .append(char(qBlue(colour)));
    out.append(3, '\xff').append(",\0\0\0\0", 5);
    put16(size.width());
    put16(size.height());
    out.append("\0\x02", 2); // codes: 0-3 colours, 4 clear, 5 end
    QByteArray data;
    uint32_t pending = 0;
    int bits = 0;
    const auto code = [&](uint32_t c) {
        for (pending |= c << bits, bits += 3; bits >= 8; bits -= 8, pending >>= 8)
            data.append(char(pending));
    };
    for (qint64 i = 0; i < qint64(size.width()) * size.height(); ++i) {
        if (i % 2 == 0)
            code(4);
        code(0);
    }
    code(5);
    data.append(char(pending));
    for (qsizetype i = 0; i < data.size(); i += 255)
        out.append(char(qMin<qsizetype>(255, data.size() - i))).append(data.mid(i, 255));
    return out.append("\0;", 2);
}

QByteArray pictureBytes(const QByteArray& format, QSize size)
{
    if (format == "gif")
        return gifBytes(size, Blue);
    if (format == "svg")
        return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                              "<rect width=\"%1\" height=\"%2\" fill=\"#0000ff\"/></svg>")
            .arg(size.width())
            .arg(size.height())
            .toUtf8();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Blue);
    return encoded(image, format.constData());
}

// An APP1 segment whose EXIF block holds only the orientation (tag 0x0112),
// put after the JFIF segment.
QByteArray withOrientation(QByteArray jpeg, int orientation)
{
    const QByteArray segment = QByteArray::fromHex("ffe10022457869660000"
                                                   "4d4d002a000000080001011200030000000100") +
                               char(orientation) + QByteArray(6, '\0');
    return jpeg.insert(4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5])), segment);
}

// A JPEG of `size`, its left half black and its right half grey; in one
// byte a pixel, so that even a large one is made quickly.
QByteArray halvesJpeg(QSize size, bool progressive = false)
{
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(128);
    for (int y = 0; y < size.height(); ++y)
        std::memset(image.scanLine(y), 0, size_t(size.width() / 2));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 48 && qAbs(qGreen(a) - qGreen(b)) < 48 && qAbs(qBlue(a) - qBlue(b)) < 48;
}

} // namespace

class TestCardPicture : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private Q_SLOTS:
    // Scaled up or down to fit 256 x 256, centred on a white square of 256.
    void convertsEachKind_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("content");
        for (const char* format : {"png", "jpg", "gif", "webp", "tiff", "svg"}) {
            QTest::addRow("%s 600x300", format)
                << QByteArray(format) << QSize(600, 300) << QRect(0, 64, 256, 128);
            QTest::addRow("%s 100x50", format)
                << QByteArray(format) << QSize(100, 50) << QRect(0, 64, 256, 128);
        }
        QTest::newRow("png 300x600") << QByteArray("png") << QSize(300, 600) << QRect(64, 0, 128, 256);
        QTest::newRow("png 2000x3") << QByteArray("png") << QSize(2000, 3) << QRect(0, 127, 256, 1);
        QTest::newRow("svg 1000x500") << QByteArray("svg") << QSize(1000, 500) << QRect(0, 64, 256, 128);
        QTest::newRow("svg 200x100") << QByteArray("svg") << QSize(200, 100) << QRect(0, 64, 256, 128);
        QTest::newRow("png 10x40") << QByteArray("png") << QSize(10, 40) << QRect(96, 0, 64, 256);
        QTest::newRow("png 1x1") << QByteArray("png") << QSize(1, 1) << QRect(0, 0, 256, 256);
    }
    void convertsEachKind()
    {
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(QRect, content);
        const TBitmap picture =
            LoadCardPicture(TestFiles::saveIn(dir_, "picture." + format, pictureBytes(format, size)));
        QCOMPARE(QSize(picture.Width(), picture.Height()), QSize(256, 256));
        QCOMPARE(picture.BitsPerPixel(), 24);
        const QImage shown = picture.ToImage();
        for (QPoint inside : {content.topLeft(), content.bottomRight(), content.center()})
            QVERIFY(near(shown.pixel(inside), Blue));
        for (QPoint outside : {content.topLeft() - QPoint(0, 1), content.topLeft() - QPoint(1, 0),
                               content.bottomRight() + QPoint(0, 1), content.bottomRight() + QPoint(1, 0)})
            if (shown.rect().contains(outside))
                QCOMPARE(shown.pixel(outside), White);
    }

    // The stored left half is red; 3 turns half round, 6 a quarter
    // clockwise, 8 a quarter anticlockwise.
    void appliesExifOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QPoint>("red");
        QTest::addColumn<QPoint>("blue");
        QTest::addColumn<QPoint>("white");
        QTest::newRow("1") << 1 << QPoint(5, 20) << QPoint(35, 20) << QPoint(20, 2);
        QTest::newRow("3") << 3 << QPoint(35, 20) << QPoint(5, 20) << QPoint(20, 2);
        QTest::newRow("6") << 6 << QPoint(20, 5) << QPoint(20, 35) << QPoint(2, 20);
        QTest::newRow("8") << 8 << QPoint(20, 35) << QPoint(20, 5) << QPoint(2, 20);
    }
    void appliesExifOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(QPoint, red);
        QFETCH(QPoint, blue);
        QFETCH(QPoint, white);
        QImage stored(40, 20, QImage::Format_RGB32);
        stored.fill(Blue);
        QPainter(&stored).fillRect(0, 0, 20, 20, Red);
        const QImage shown =
            LoadCardPicture(
                TestFiles::saveIn(dir_, "turned.jpg", withOrientation(encoded(stored, "jpg"), orientation)))
                .ToImage();
        QCOMPARE(shown.size(), QSize(256, 256));
        QVERIFY(near(shown.pixel(red * 256 / 40), Red) && near(shown.pixel(blue * 256 / 40), Blue));
        QCOMPARE(shown.pixel(white * 256 / 40), White);
    }

    // Small pictures are scaled up smoothly: the edge between two pixels
    // becomes a blend, not a step.
    void scalesUpSmoothly()
    {
        QImage pair(2, 1, QImage::Format_RGB32);
        pair.setPixel(0, 0, Red);
        pair.setPixel(1, 0, Blue);
        const QImage shown =
            LoadCardPicture(TestFiles::saveIn(dir_, "pair.png", encoded(pair, "png"))).ToImage();
        QCOMPARE(shown.pixel(0, 128), Red);
        QCOMPARE(shown.pixel(255, 128), Blue);
        const QRgb middle = shown.pixel(128, 128);
        QVERIFY2(qRed(middle) > 40 && qBlue(middle) > 40, qPrintable(QString::number(middle, 16)));
    }

    // Photos are refused by the size they decode to: a JPEG decodes at an
    // eighth of its sides at least, so one above the pixel limit still
    // imports, while a picture decoded whole is refused above it.
    void largePhotosDecodeScaled_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("top");    // the first row of the photo on the card
        QTest::addColumn<int>("height"); // and its rows
        QTest::newRow("9000 x 8000") << QSize(9000, 8000) << 14 << 228;
        QTest::newRow("16320 x 40") << QSize(16320, 40) << 127 << 1;
    }
    void largePhotosDecodeScaled()
    {
        QFETCH(QSize, size);
        QFETCH(int, top);
        QFETCH(int, height);
        const QImage shown =
            LoadCardPicture(TestFiles::saveIn(dir_, "photo.jpg", halvesJpeg(size))).ToImage();
        QCOMPARE(shown.size(), QSize(256, 256));
        QVERIFY(near(shown.pixel(10, top), qRgb(0, 0, 0)));
        QVERIFY(near(shown.pixel(245, top + height - 1), qRgb(128, 128, 128)));
        QCOMPARE(shown.pixel(10, top - 1), White);
        QCOMPARE(shown.pixel(245, top + height), White);
    }

    void transparentPartsBecomeWhite()
    {
        QImage image(100, 50, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(50, 0, 50, 50, Red);
        const TBitmap picture = LoadCardPicture(TestFiles::saveIn(dir_, "clear.png", encoded(image, "png")));
        QCOMPARE(picture.ToImage().pixel(64, 128), White);
        QCOMPARE(picture.ToImage().pixel(192, 128), Red);
        QCOMPARE(CardPictureFromImage(image).SaveBitmapBytes(), picture.SaveBitmapBytes());
        QCOMPARE(errorOf([] { CardPictureFromImage(QImage()); }), ENoPicture().Message());
    }

    // A BMP, or anything that begins as one, is what our reader makes of it.
    void keepsBitmapsAsRead()
    {
        BmpBuilder paletted;
        paletted.bits = 8;
        paletted.width = 300;
        paletted.height = 2;
        paletted.coloursUsed = 16;
        paletted.colourTable = BmpBuilder::greys(16);
        paletted.imageSize = 600;
        paletted.pixels = QByteArray(600, '\x05');
        for (const QString& path : {TestFiles::saveIn(dir_, "wide.bmp", paletted.file()),
                                    TestFiles::saveIn(dir_, "bitmap.png", paletted.file()),
                                    TestFiles::saveIn(dir_, "empty.BMP", QByteArray())}) {
            TBitmap read;
            read.LoadBitmapFile(path);
            QCOMPARE(LoadCardPicture(path).SaveBitmapBytes(), read.SaveBitmapBytes());
        }
        // Neither scaled to the card nor rewritten: the very bytes of the file.
        QCOMPARE(LoadCardPicture(dir_.filePath("wide.bmp")).SaveBitmapBytes(), paletted.file());
    }

    void refusesWhatIsNoPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // %1: the path
        const QString unreadable = QStringLiteral("Cannot read the picture in %1: ");
        QTest::newRow("noise") << "noise.png" << unreadable;
        QTest::newRow("empty, not .bmp") << "empty.jpg" << unreadable;
        QTest::newRow("png cut short") << "cut.png" << unreadable;
        QTest::newRow("damaged .bmp") << "damaged.bmp" << EInvalidGraphic().Message();
        QTest::newRow("missing") << "missing.png" << QStringLiteral("Cannot open file %1");
        QTest::newRow("folder") << "folder.png" << QStringLiteral("Cannot open file %1");
        QTest::newRow("pipe") << "pipe.webp" << QStringLiteral("Cannot open file %1");
        QTest::newRow("30000 x 30000 in 20 bytes")
            << "huge.ppm" << QStringLiteral("The picture in %1 is too large (30000 x 30000 pixels)");
        QTest::newRow("9000 x 8000 decoded whole")
            << "big.ppm" << QStringLiteral("The picture in %1 is too large (9000 x 8000 pixels)");
        // Its decoder holds every coefficient, whatever the output size.
        QTest::newRow("progressive JPEG, 9000 x 8000")
            << "progressive.jpg" << QStringLiteral("The picture in %1 is too large (9000 x 8000 pixels)");
    }
    void refusesWhatIsNoPicture()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestFiles::saveIn(dir_, "noise.png", QByteArray(500, 'x'));
        TestFiles::saveIn(dir_, "empty.jpg", QByteArray());
        TestFiles::saveIn(dir_, "cut.png", pictureBytes("png", QSize(64, 64)).left(60));
        TestFiles::saveIn(dir_, "damaged.bmp", QByteArray("GIF89a and more"));
        TestFiles::saveIn(dir_, "huge.ppm", QByteArray("P6\n30000 30000\n255\n"));
        TestFiles::saveIn(dir_, "big.ppm", QByteArray("P6\n9000 8000\n255\n"));
        if (name == QLatin1String("progressive.jpg"))
            TestFiles::saveIn(dir_, name, halvesJpeg(QSize(9000, 8000), true));
        QDir(dir_.path()).mkpath("folder.png");
        const QString pipe = dir_.filePath("pipe.webp");
        QVERIFY(QFile::exists(pipe) || ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const QString path = dir_.filePath(name);
        const QString error = errorOf([&] { LoadCardPicture(path); });
        QVERIFY2(error.startsWith(QString(message).replace(QLatin1String("%1"), path)), qPrintable(error));
    }

#ifdef TESSELLOR_TOOL
    // The same bytes as the function, and for a BMP as bmp-copy.
    void toolWritesWhatInsertImageWould()
    {
        BmpBuilder bmp;
        bmp.width = 3;
        bmp.xPelsPerMeter = 99;
        bmp.pixels = QByteArray(12, '\x40');
        const QString out = dir_.filePath("out.bmp");
        const QString copy = dir_.filePath("copy.bmp");
        const auto tool = [](const QStringList& args) {
            return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), args);
        };
        QCOMPARE(tool({"bmp-copy", TestFiles::saveIn(dir_, "tool.bmp", bmp.file()), copy}).exitCode, 0);
        for (const QString& path : {TestFiles::saveIn(dir_, "tool.png", pictureBytes("png", QSize(600, 300))),
                                    dir_.filePath("tool.bmp")}) {
            QCOMPARE(tool({"import-picture", path, out}).exitCode, 0);
            QCOMPARE(readBytes(out), LoadCardPicture(path).SaveBitmapBytes());
        }
        QCOMPARE(readBytes(out), readBytes(copy));
        const auto missing = tool({"import-picture", dir_.filePath("none.png"), out});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains("Cannot open file"), qPrintable(missing.err));
    }
#endif
};

QTEST_GUILESS_MAIN(TestCardPicture)
#include "test_cardpicture.moc"
