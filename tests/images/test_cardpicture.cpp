#include "BmpBuilder.h"
#include "TestFiles.h"
#include "images/BitmapErrors.h"
#include "images/CardPicture.h"
#include "images/PictureReader.h"
#include "images/TBitmap.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using TestFiles::readBytes;
using TestFiles::writeBytes;

namespace {

const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        qWarning("cannot write %s: %s", format, qPrintable(writer.errorString()));
    return bytes;
}

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Qt reads GIF but does not write it. One colour stored as LZW codes that
// never grow past three bits (a clear code before every two pixels) needs no
// encoder.
QByteArray gifBytes(QSize size, QRgb colour)
{
    QByteArray out("GIF89a");
    const auto put16 = [&out](int v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    put16(size.width());
    put16(size.height());
    out.append("\x80\0\0", 3); // a global table of two colours
    out.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour))).append(3, '\xff');
    out.append(',');
    put16(0);
    put16(0);
    put16(size.width());
    put16(size.height());
    out.append('\0').append('\x02'); // codes: 0-3 colours, 4 clear, 5 end
    QByteArray data;
    uint32_t pending = 0;
    int bits = 0;
    const auto code = [&](uint32_t c) {
        pending |= c << bits;
        for (bits += 3; bits >= 8; bits -= 8, pending >>= 8)
            data.append(char(pending & 0xff));
    };
    for (qint64 i = 0; i < qint64(size.width()) * size.height(); ++i) {
        if (i % 2 == 0)
            code(4);
        code(0);
    }
    code(5);
    if (bits > 0)
        data.append(char(pending));
    for (qsizetype i = 0; i < data.size(); i += 255)
        out.append(char(qMin<qsizetype>(255, data.size() - i))).append(data.mid(i, 255));
    return out.append('\0').append(';');
}

QByteArray svgBytes(QSize size, QRgb colour)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                          "<rect width=\"%1\" height=\"%2\" fill=\"%3\"/></svg>")
        .arg(size.width())
        .arg(size.height())
        .arg(QColor(colour).name())
        .toUtf8();
}

QByteArray pictureBytes(const QByteArray& format, QSize size, QRgb colour)
{
    if (format == "gif")
        return gifBytes(size, colour);
    if (format == "svg")
        return svgBytes(size, colour);
    return encoded(filled(size, colour), format.constData());
}

// A JPEG's APP1 segment with an EXIF block holding only the orientation tag
// (0x0112, one 16-bit value), put after the JFIF segment.
QByteArray withOrientation(QByteArray jpeg, int orientation)
{
    QByteArray tiff = QByteArray::fromHex("4d4d002a00000008"
                                          "0001"
                                          "011200030000000100");
    tiff.append(char(orientation)).append(6, '\0'); // value padding, no next directory
    const QByteArray payload = QByteArray("Exif", 4).append(2, '\0') + tiff;
    const int length = int(payload.size()) + 2;
    const QByteArray segment =
        QByteArray("\xff\xe1", 2).append(char(length >> 8)).append(char(length)) + payload;
    int at = 2;
    if (jpeg.mid(2, 2) == QByteArray("\xff\xe0", 2))
        at = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    return jpeg.insert(at, segment);
}

bool near(QRgb a, QRgb b, int tolerance = 48)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

template <typename F> QString errorOf(F&& run)
{
    try {
        run();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

class TestCardPicture : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    QString save(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

  private Q_SLOTS:
    // Every kind is scaled down to fit 256 x 256 (never up) and centred on
    // a white square of its longer side.
    void convertsEachKind_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("content");
        for (const char* format : {"png", "jpg", "gif", "webp", "tiff", "svg"}) {
            QTest::addRow("%s 600x300", format)
                << QByteArray(format) << QSize(600, 300) << QRect(0, 64, 256, 128);
            QTest::addRow("%s 100x50", format)
                << QByteArray(format) << QSize(100, 50) << QRect(0, 25, 100, 50);
        }
        QTest::newRow("png 300x600") << QByteArray("png") << QSize(300, 600) << QRect(64, 0, 128, 256);
        QTest::newRow("png 2000x3") << QByteArray("png") << QSize(2000, 3) << QRect(0, 127, 256, 1);
        QTest::newRow("jpg 256x256") << QByteArray("jpg") << QSize(256, 256) << QRect(0, 0, 256, 256);
        QTest::newRow("svg 1000x500") << QByteArray("svg") << QSize(1000, 500) << QRect(0, 64, 256, 128);
    }
    void convertsEachKind()
    {
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(QRect, content);
        const QString path =
            save(QStringLiteral("picture.") + QString::fromLatin1(format), pictureBytes(format, size, Blue));
        const TBitmap picture = LoadCardPicture(path);
        const int side = qMax(content.width(), content.height());
        QCOMPARE(QSize(picture.Width(), picture.Height()), QSize(side, side));
        QCOMPARE(picture.BitsPerPixel(), 24);
        QCOMPARE(picture.ColorCount(), 0);
        const QImage shown = picture.ToImage();
        for (QPoint corner : {content.topLeft(), content.bottomRight(), content.center()})
            QVERIFY2(near(shown.pixel(corner), Blue), qPrintable(QColor(shown.pixel(corner)).name()));
        for (QPoint outside : {content.topLeft() - QPoint(1, 1), content.bottomRight() + QPoint(1, 1)})
            if (shown.rect().contains(outside))
                QCOMPARE(shown.pixel(outside), White);
    }

    // Orientation 1 as stored, 3 turned half round, 6 a quarter clockwise,
    // 8 a quarter anticlockwise: the stored left half is red.
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
        QImage stored = filled(QSize(40, 20), Blue);
        QPainter(&stored).fillRect(0, 0, 20, 20, Red);
        const QString path =
            save(QStringLiteral("turned.jpg"), withOrientation(encoded(stored, "jpg"), orientation));
        const QImage shown = LoadCardPicture(path).ToImage();
        QCOMPARE(shown.size(), QSize(40, 40));
        QVERIFY(near(shown.pixel(red), Red));
        QVERIFY(near(shown.pixel(blue), Blue));
        QCOMPARE(shown.pixel(white), White);
    }

    void transparentPartsBecomeWhite()
    {
        QImage image = filled(QSize(100, 50), qRgba(0, 0, 0, 0));
        QPainter(&image).fillRect(50, 0, 50, 50, Red);
        const QImage shown =
            LoadCardPicture(save(QStringLiteral("clear.png"), encoded(image, "png"))).ToImage();
        QCOMPARE(shown.pixel(25, 50), White);
        QCOMPARE(shown.pixel(75, 50), Red);
        QCOMPARE(CardPictureFromImage(image).SaveBitmapBytes(),
                 LoadCardPicture(dir_.filePath("clear.png")).SaveBitmapBytes());
        QCOMPARE(errorOf([] { CardPictureFromImage(QImage()); }), ENoPicture().Message());
    }

    // A BMP is never converted: whatever our reader makes of it is written
    // back, whatever its name.
    void keepsBitmapsAsRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        BmpBuilder paletted;
        paletted.bits = 8;
        paletted.width = 300;
        paletted.height = 2;
        paletted.coloursUsed = 16;
        paletted.colourTable = BmpBuilder::greys(16);
        paletted.pixels = QByteArray(600, '\x05');
        QTest::newRow("8 bits, wider than a card") << "wide.bmp" << paletted.file();
        BmpBuilder rle;
        rle.bits = 8;
        rle.compression = 1;
        rle.width = 4;
        rle.height = 1;
        rle.colourTable = BmpBuilder::greys(256);
        rle.pixels = QByteArray::fromHex("0405 0001");
        QTest::newRow("RLE8 named .png") << "rle.png" << rle.file();
        QTest::newRow("empty .BMP") << "empty.BMP" << QByteArray();
    }
    void keepsBitmapsAsRead()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        const QString path = save(name, file);
        TBitmap read;
        read.LoadBitmapFile(path);
        const TBitmap picture = LoadCardPicture(path);
        QCOMPARE(picture.SaveBitmapBytes(), read.SaveBitmapBytes());
        QCOMPARE(picture.Width(), read.Width());
        QCOMPARE(picture.BitsPerPixel(), read.BitsPerPixel());
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
        QTest::newRow("missing") << "missing.png"
                                 << "Cannot open file %1";
        QTest::newRow("folder") << "folder.png"
                                << "Cannot open file %1";
        QTest::newRow("pipe") << "pipe.webp"
                              << "Cannot open file %1";
        QTest::newRow("30000 x 30000 in 20 bytes") << "huge.ppm"
                                                   << "The picture in %1 is too large (30000 x 30000 pixels)";
    }
    void refusesWhatIsNoPicture()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        save(QStringLiteral("noise.png"), QByteArray(500, 'x'));
        save(QStringLiteral("empty.jpg"), QByteArray());
        save(QStringLiteral("cut.png"), encoded(filled(QSize(64, 64), Blue), "png").left(60));
        save(QStringLiteral("damaged.bmp"), QByteArray("GIF89a and more"));
        save(QStringLiteral("huge.ppm"), QByteArray("P6\n30000 30000\n255\n"));
        QDir(dir_.path()).mkpath(QStringLiteral("folder.png"));
        const QString pipe = dir_.filePath(QStringLiteral("pipe.webp"));
        if (!QFile::exists(pipe))
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString path = dir_.filePath(name);
        const QString error = errorOf([&] { LoadCardPicture(path); });
        QVERIFY2(error.startsWith(QString(message).replace(QLatin1String("%1"), path)), qPrintable(error));
    }

#ifdef TESSELLOR_TOOL
    void toolWritesWhatInsertImageWould_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("png") << "tool.png" << encoded(filled(QSize(600, 300), Blue), "png");
        BmpBuilder bmp;
        bmp.width = 3;
        bmp.height = 2;
        bmp.xPelsPerMeter = 99;
        bmp.pixels = QByteArray(24, '\x40');
        QTest::newRow("bmp") << "tool.bmp" << bmp.file();
    }
    void toolWritesWhatInsertImageWould()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, bytes);
        const QString path = save(source, bytes);
        const QString out = dir_.filePath(QStringLiteral("out.bmp"));
        const auto run = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"import-picture", path, out});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readBytes(out), LoadCardPicture(path).SaveBitmapBytes());
        if (source.endsWith(QLatin1String(".bmp"))) {
            const QString copy = dir_.filePath(QStringLiteral("copy.bmp"));
            QCOMPARE(TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"bmp-copy", path, copy}).exitCode,
                     0);
            QCOMPARE(readBytes(out), readBytes(copy));
        }
        const auto missing = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL),
                                                   {"import-picture", dir_.filePath("none.png"), out});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains(QStringLiteral("Cannot open file")), qPrintable(missing.err));
    }
#endif
};

QTEST_GUILESS_MAIN(TestCardPicture)
#include "test_cardpicture.moc"
