#include "BmpBuilder.h"
#include "Raised.h"
#include "TestFiles.h"
#include "images/BitmapErrors.h"
#include "images/TBitmap.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TEST_ALLOCATOR_REPORTS 1
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define TEST_ALLOCATOR_REPORTS 1
#endif
#ifdef TEST_ALLOCATOR_REPORTS
#include <sanitizer/allocator_interface.h>
#endif

using TestFiles::readBytes;
using TestFiles::writeBytes;

namespace {

// The largest single allocation made while `run` runs, or -1 where the
// allocator cannot report it (a build without the sanitizers, which the test
// build always has). A header that declares more pixels than its file holds
// must be refused before they are allocated; counting the bytes asked for,
// not the time taken, keeps the check sound on a slow or loaded machine.
std::atomic<bool> watchingAllocations{false};
std::atomic<size_t> largestAllocation{0};

qint64 largestAllocationDuring(const std::function<void()>& run)
{
#ifdef TEST_ALLOCATOR_REPORTS
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(
            [](const volatile void*, size_t size) {
                if (!watchingAllocations.load(std::memory_order_relaxed))
                    return;
                size_t seen = largestAllocation.load();
                while (size > seen && !largestAllocation.compare_exchange_weak(seen, size)) {
                }
            },
            [](const volatile void*) {}) != 0;
    largestAllocation = 0;
    watchingAllocations = installed;
    run();
    watchingAllocations = false;
    return installed ? qint64(largestAllocation.load()) : -1;
#else
    run();
    return -1;
#endif
}

QByteArray patternRows(qsizetype size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char(i * 37 + 11);
    return out;
}

qsizetype rowLength(int width, int bits)
{
    return (qsizetype(width) * bits + 31) / 32 * 4;
}

// A well-formed file in exactly the form our writer produces.
BmpBuilder canonical(int bits, int width, int height, int colours = -1)
{
    BmpBuilder b;
    b.bits = uint16_t(bits);
    b.width = width;
    b.height = height;
    if (bits <= 8) {
        const int count = colours < 0 ? 1 << bits : colours;
        b.coloursUsed = uint32_t(count);
        b.colourTable = BmpBuilder::greys(count);
    }
    b.imageSize = uint32_t(rowLength(width, bits) * std::abs(height));
    b.pixels = patternRows(b.imageSize);
    return b;
}

BmpBuilder core(int bits, int width, int height)
{
    BmpBuilder b;
    b.headerLength = 12;
    b.bits = uint16_t(bits);
    b.width = width;
    b.height = height;
    if (bits <= 8)
        b.colourTable = BmpBuilder::greys(1 << bits, true);
    b.pixels = patternRows(rowLength(width, bits) * height);
    return b;
}

uint32_t u32At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<uint32_t>(bytes.constData() + offset);
}

// The red value of each shown pixel, rows top-down, joined as "r,r;r,r".
QString shownReds(const TBitmap& bitmap)
{
    const QImage image = bitmap.ToImage();
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QStringList row;
        for (int x = 0; x < image.width(); ++x)
            row << QString::number(qRed(image.pixel(x, y)));
        rows << row.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char(';'));
}

} // namespace

class TestTBitmap : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void writesBackWhatItRead_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        const auto same = [](const char* name, const BmpBuilder& b) {
            QTest::newRow(name) << b.file() << b.file();
        };
        same("1 bit", canonical(1, 13, 3));
        same("4 bits", canonical(4, 5, 2));
        same("8 bits", canonical(8, 3, 3));
        same("8 bits, 16 colours", canonical(8, 3, 3, 16));
        same("16 bits 5-5-5", canonical(16, 3, 2));
        same("24 bits", canonical(24, 3, 2));
        same("24 bits top-down", canonical(24, 3, -2));
        same("32 bits", canonical(32, 2, 2));
        BmpBuilder fields = canonical(16, 3, 2);
        fields.compression = 3;
        fields.masks = {0xF800, 0x07E0, 0x001F};
        same("16 bits with masks", fields);
        fields = canonical(32, 2, 2);
        fields.compression = 3;
        fields.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
        fields.xPelsPerMeter = 2835;
        fields.yPelsPerMeter = -7;
        fields.importantColours = 5;
        same("32 bits with masks and resolutions", fields);
        same("core 1 bit", core(1, 9, 2));
        same("core 4 bits", core(4, 3, 2));
        same("core 8 bits", core(8, 2, 2));
        same("core 24 bits", core(24, 2, 2));

        // Longer headers are written back as 40-byte headers, masks kept.
        BmpBuilder v4 = canonical(32, 2, 2);
        v4.headerLength = 108;
        v4.compression = 3;
        v4.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
        BmpBuilder v4Written = v4;
        v4Written.headerLength = 40;
        QTest::newRow("108-byte header with masks") << v4.file() << v4Written.file();
        BmpBuilder v5 = canonical(24, 3, 2);
        v5.headerLength = 124;
        BmpBuilder v5Written = v5;
        v5Written.headerLength = 40;
        QTest::newRow("124-byte header") << v5.file() << v5Written.file();

        // Masks that are all 0 are written as the usual ones.
        BmpBuilder zeroMasks = canonical(16, 2, 1);
        zeroMasks.compression = 3;
        zeroMasks.masks = {0, 0, 0};
        BmpBuilder zeroWritten = zeroMasks;
        zeroWritten.masks = {0xF800, 0x07E0, 0x001F};
        QTest::newRow("zero masks, 16 bits") << zeroMasks.file() << zeroWritten.file();

        // A table that a 24-bit picture carries is not written back.
        BmpBuilder trueColourTable = canonical(24, 2, 1);
        trueColourTable.coloursUsed = 2;
        trueColourTable.colourTable = BmpBuilder::greys(2);
        QTest::newRow("24 bits with a colour table") << trueColourTable.file() << canonical(24, 2, 1).file();

        // Image size 0 means "rows x height"; a larger one is not carried.
        BmpBuilder noImageSize = canonical(8, 3, 2);
        noImageSize.imageSize = 0;
        QTest::newRow("image size 0") << noImageSize.file() << canonical(8, 3, 2).file();
        BmpBuilder bigImageSize = canonical(8, 3, 2);
        bigImageSize.imageSize += 100;
        bigImageSize.pixels += QByteArray(100, 'x');
        QTest::newRow("image size past the rows") << bigImageSize.file() << canonical(8, 3, 2).file();
    }
    void writesBackWhatItRead()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(input);
        QCOMPARE(bitmap.SaveBitmapBytes(), expected);
        TBitmap again;
        again.LoadBitmapBytes(expected);
        QCOMPARE(again.SaveBitmapBytes(), expected);
    }

    void showsPixels_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRgb>("topLeft");
        QTest::addColumn<QRgb>("topRight");

        BmpBuilder b = canonical(24, 2, 2);
        b.pixels = QByteArray::fromHex("010203 040506 0000"
                                       "0a0b0c 0d0e0f 0000");
        QTest::newRow("24 bits bottom-up") << b.file() << qRgb(12, 11, 10) << qRgb(15, 14, 13);
        b.height = -2;
        QTest::newRow("24 bits top-down") << b.file() << qRgb(3, 2, 1) << qRgb(6, 5, 4);

        b = canonical(1, 2, 1);
        b.colourTable = BmpBuilder::table({Qt::black, Qt::white});
        b.pixels = QByteArray::fromHex("80000000");
        QTest::newRow("1 bit") << b.file() << qRgb(255, 255, 255) << qRgb(0, 0, 0);

        b = canonical(4, 2, 1);
        b.pixels = QByteArray::fromHex("5a000000");
        QTest::newRow("4 bits") << b.file() << qRgb(5, 5, 5) << qRgb(10, 10, 10);

        b = canonical(8, 2, 1, 16);
        b.pixels = QByteArray::fromHex("0fc80000");
        QTest::newRow("8 bits, index past the table shows black")
            << b.file() << qRgb(15, 15, 15) << qRgb(0, 0, 0);

        b = canonical(16, 2, 1);
        b.pixels = QByteArray::fromHex("007c1f00");
        QTest::newRow("16 bits 5-5-5") << b.file() << qRgb(255, 0, 0) << qRgb(0, 0, 255);

        b.compression = 3;
        b.masks = {0xF800, 0x07E0, 0x001F};
        b.pixels = QByteArray::fromHex("e0070008");
        QTest::newRow("16 bits 5-6-5") << b.file() << qRgb(0, 255, 0) << qRgb(8, 0, 0);

        b = canonical(32, 2, 1);
        b.pixels = QByteArray::fromHex("01020363 04050600");
        QTest::newRow("32 bits") << b.file() << qRgb(3, 2, 1) << qRgb(6, 5, 4);

        b.compression = 3;
        b.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
        b.pixels = QByteArray::fromHex("44332211 00000000");
        QTest::newRow("32 bits, own masks") << b.file() << qRgb(0x11, 0x22, 0x33) << qRgb(0, 0, 0);

        b = core(24, 2, 1);
        b.pixels = QByteArray::fromHex("010203 040506 0000");
        QTest::newRow("core 24 bits") << b.file() << qRgb(3, 2, 1) << qRgb(6, 5, 4);

        b = core(8, 2, 1);
        b.pixels = QByteArray::fromHex("07090000");
        QTest::newRow("core 8 bits, 3-byte entries") << b.file() << qRgb(7, 7, 7) << qRgb(9, 9, 9);
    }
    void showsPixels()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRgb, topLeft);
        QFETCH(QRgb, topRight);
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(file);
        const QImage image = bitmap.ToImage();
        QCOMPARE(image.pixel(0, 0), topLeft);
        QCOMPARE(image.pixel(1, 0), topRight);
    }

    void emptyFileIsTheEmptyPicture()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        writeBytes(path, QByteArray());
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        bitmap.LoadBitmapFile(path);
        QVERIFY(bitmap.Empty());
        QCOMPARE(bitmap.Width(), 0);
        QVERIFY(bitmap.ToImage().isNull());
        const QString copy = dir.filePath(QStringLiteral("C02.bmp"));
        bitmap.SaveBitmapFile(copy);
        QVERIFY(QFileInfo::exists(copy));
        QCOMPARE(QFileInfo(copy).size(), 0);
        bitmap.LoadBitmapFile(copy);
        QVERIFY(bitmap.Empty());
    }

    void failedReadKeepsThePicture_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QString invalid = QStringLiteral("Bitmap image is not valid");
        const QString readError = QStringLiteral("Stream read error");
        const BmpBuilder good = canonical(8, 4, 4);
        QTest::newRow("shorter than the file header") << QByteArray("BM\0\0\0", 5) << readError;
        BmpBuilder b = good;
        b.signature = "MB";
        QTest::newRow("not BM") << b.file() << invalid;
        QTest::newRow("header length missing") << good.file().left(16) << invalid;
        for (uint32_t length : {0u, 4u, 16u, 52u, 56u, 64u, 200u, 0xFFFFFFFFu}) {
            QByteArray bytes = good.file();
            qToLittleEndian(length, bytes.data() + 14);
            QTest::addRow("header length %u", length) << bytes << invalid;
        }
        QTest::newRow("header cut short") << good.file().left(14 + 30) << invalid;
        b = good;
        b.headerLength = 124;
        QTest::newRow("124-byte header cut short") << b.file().left(14 + 100) << invalid;
        b = good;
        b.planes = 2;
        QTest::newRow("two planes") << b.file() << invalid;
        for (uint16_t bits : {0, 2, 7, 48, 64}) {
            b = good;
            b.bits = bits;
            QTest::addRow("%u bits", unsigned(bits)) << b.file() << invalid;
        }
        for (uint32_t compression : {4u, 5u, 6u, 99u}) {
            b = good;
            b.compression = compression;
            QTest::addRow("compression %u", compression) << b.file() << invalid;
        }
        b = good;
        b.compression = 3;
        b.masks = {1, 2, 4};
        QTest::newRow("masks on 8 bits") << b.file() << invalid;
        b = canonical(4, 4, 4);
        b.compression = 1;
        QTest::newRow("RLE8 on 4 bits") << b.file() << invalid;
        b = good;
        b.compression = 2;
        QTest::newRow("RLE4 on 8 bits") << b.file() << invalid;
        b = good;
        b.compression = 1;
        b.height = -4;
        QTest::newRow("run-length top-down") << b.file() << invalid;
        b = good;
        b.coloursUsed = 257;
        b.colourTable = BmpBuilder::greys(257);
        QTest::newRow("257 colours used") << b.file() << invalid;
        b = good;
        b.coloursUsed = 0xFFFFFFFF;
        QTest::newRow("colours used all ones") << b.file() << invalid;
        b = good;
        b.width = 0;
        QTest::newRow("width 0") << b.file() << invalid;
        b.width = -4;
        QTest::newRow("negative width") << b.file() << invalid;
        b = good;
        b.height = 0;
        QTest::newRow("height 0") << b.file() << invalid;
        b.height = INT32_MIN;
        QTest::newRow("height -2^31") << b.file() << invalid;

        // Dimensions that the file's length cannot justify.
        BmpBuilder huge;
        huge.width = 100000;
        huge.height = 100000;
        QTest::newRow("100000 x 100000 in 60 bytes") << huge.file() << invalid;
        huge.width = 16000;
        huge.height = -16000;
        QTest::newRow("16000 x 16000 in 60 bytes") << huge.file() << invalid;
        huge.width = 0x7FFFFFFF;
        huge.height = 0x7FFFFFFF;
        huge.bits = 32;
        QTest::newRow("2^31 x 2^31, 32 bits") << huge.file() << invalid;
        huge = BmpBuilder();
        huge.headerLength = 12;
        huge.width = 65535;
        huge.height = 65535;
        QTest::newRow("core 65535 x 65535") << huge.file() << invalid;

        b = good;
        QTest::newRow("colour table cut short") << b.file().left(14 + 40 + 100) << readError;
        b = canonical(32, 2, 2);
        b.compression = 3;
        b.masks = {1, 2, 4};
        QTest::newRow("masks cut short") << b.file().left(14 + 40 + 6) << readError;
    }
    void failedReadKeepsThePicture()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.bmp"));
        writeBytes(path, file);
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        const QByteArray before = bitmap.SaveBitmapBytes();
        QString error;
        const qint64 largest =
            largestAllocationDuring([&] { error = errorOf([&] { bitmap.LoadBitmapFile(path); }); });
        QCOMPARE(error, message);
        // Far more than the file, far less than any declared picture.
        constexpr qint64 FileSizedAllocation = 1 << 20;
        if (largest >= 0)
            QVERIFY2(largest < FileSizedAllocation, qPrintable(QString::number(largest)));
        QCOMPARE(bitmap.SaveBitmapBytes(), before);
        QCOMPARE(errorOf([&] { bitmap.LoadBitmapBytes(file); }), message);
    }

    void missingFileCannotBeOpened()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.bmp"));
        TBitmap bitmap;
        QCOMPARE(errorOf([&] { bitmap.LoadBitmapFile(path); }), QStringLiteral("Cannot open file ") + path);
    }

    // Only a plain file is read: a folder cannot be, and a pipe would keep
    // the editor waiting for a writer that never comes.
    void onlyPlainFilesAreOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe") << "pipe";
    }
    void onlyPlainFilesAreOpened()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkdir(path));
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        QCOMPARE(errorOf([&] { bitmap.LoadBitmapFile(path); }), QStringLiteral("Cannot open file ") + path);
        QCOMPARE(bitmap.Width(), 82);
    }

    void pixelOffsetIsNotTrusted()
    {
        // The pixels are taken to follow the colour table, whatever the
        // file header's offset says about a gap.
        BmpBuilder b = canonical(8, 2, 1, 4);
        b.gap = QByteArray::fromHex("0303");
        b.pixels = QByteArray::fromHex("0102");
        b.imageSize = 4;
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(b.file());
        QCOMPARE(shownReds(bitmap), QStringLiteral("3,3"));
    }

    // A large pixel area is read from the file in two halves at once; what
    // comes out must be what the same bytes give when read from memory.
    void largeFileReadsAsItsBytes_data()
    {
        QTest::addColumn<double>("kept"); // share of the pixel bytes left in the file
        QTest::newRow("whole") << 1.0;
        QTest::newRow("cut in its second half") << 0.75;
        QTest::newRow("cut in its first half") << 0.3;
    }
    void largeFileReadsAsItsBytes()
    {
        QFETCH(double, kept);
        BmpBuilder b = canonical(24, 3000, 3000); // 27 MB of pixels
        for (qsizetype i = 0; i < b.pixels.size(); ++i)
            b.pixels[i] = char((i * 7 + i / 9001) & 0xFF);
        const QByteArray whole = b.file();
        const QByteArray bytes = whole.left(whole.size() - qsizetype(double(b.pixels.size()) * (1 - kept)));
        QTemporaryDir dir;
        const QString path = dir.filePath("C01.bmp");
        TestFiles::writeBytes(path, bytes);
        TBitmap fromFile;
        fromFile.LoadBitmapFile(path);
        TBitmap fromMemory;
        fromMemory.LoadBitmapBytes(bytes);
        const QByteArray written = fromFile.SaveBitmapBytes();
        QCOMPARE(written.size(), whole.size());
        QVERIFY(written == fromMemory.SaveBitmapBytes());
        if (kept == 1.0)
            QVERIFY(written == whole);
    }

    void truncatedPixelsReadAsZero_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QByteArray>("present");
        QTest::addColumn<QString>("reds");
        QTest::newRow("8 bits, half a row") << 8 << QByteArray::fromHex("0506") << "0,0,0,0;5,6,0,0";
        QTest::newRow("8 bits, no pixels") << 8 << QByteArray() << "0,0,0,0;0,0,0,0";
        QTest::newRow("24 bits, one pixel") << 24 << QByteArray::fromHex("070809") << "0,0,0,0;9,0,0,0";
    }
    void truncatedPixelsReadAsZero()
    {
        QFETCH(int, bits);
        QFETCH(QByteArray, present);
        QFETCH(QString, reds);
        BmpBuilder b = canonical(bits, 4, 2, bits == 8 ? 16 : -1);
        b.pixels = present;
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(b.file());
        QCOMPARE(shownReds(bitmap), reds);
        // The paletted case shows entry 0 of the table: grey 0.
        QCOMPARE(bitmap.SaveBitmapBytes().size(), b.file().size() - present.size() + rowLength(4, bits) * 2);
    }

    void writtenLayout_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("headerLength");
        QTest::addColumn<int>("coloursUsed");
        BmpBuilder b = canonical(24, 3, 3);
        b.imageSize = 0;
        QTest::newRow("24 bits: 54-byte prefix") << b.file() << 54 << 40 << 0;
        b = canonical(8, 3, 3, 16);
        b.imageSize = 0;
        QTest::newRow("8 bits, 16 colours used") << b.file() << 14 + 40 + 64 << 40 << 16;
        b = core(4, 3, 3);
        QTest::newRow("core 4 bits") << b.file() << 14 + 12 + 48 << 12 << -1;
        b = canonical(8, 3, 3);
        b.coloursUsed = 0;
        QTest::newRow("8 bits, colours used 0") << b.file() << 14 + 40 + 1024 << 40 << 256;
        b = canonical(32, 3, 3);
        b.compression = 3;
        b.masks = {0xFF0000, 0xFF00, 0xFF};
        QTest::newRow("32 bits with masks") << b.file() << 14 + 52 << 40 << 0;
    }
    void writtenLayout()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, offset);
        QFETCH(int, headerLength);
        QFETCH(int, coloursUsed);
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(input);
        const QByteArray out = bitmap.SaveBitmapBytes();
        QCOMPARE(out.left(2), QByteArray("BM"));
        QCOMPARE(u32At(out, 2), uint32_t(out.size()));
        QCOMPARE(int(u32At(out, 10)), offset);
        QCOMPARE(int(u32At(out, 14)), headerLength);
        QCOMPARE(out.size() - offset, rowLength(3, bitmap.BitsPerPixel()) * 3);
        if (coloursUsed >= 0)
            QCOMPARE(int(u32At(out, 14 + 32)), coloursUsed);
    }

    void decodesRunLengthData_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("sizeDeclared");
        QTest::addColumn<QString>("reds"); // rows top-down, 4 x 3 picture
        QTest::newRow("run, line end, literal")
            << 8 << QByteArray::fromHex("0305 0000 0003 070809 00 0001") << true << "0,0,0,0;7,8,9,0;5,5,5,0";
        QTest::newRow("delta") << 8 << QByteArray::fromHex("0002 0201 0109 0001") << true
                               << "0,0,0,0;0,0,9,0;0,0,0,0";
        QTest::newRow("run past the row end is cut")
            << 8 << QByteArray::fromHex("0a04 0106 0000 0103 0001") << true << "0,0,0,0;3,0,0,0;4,4,4,4";
        QTest::newRow("literal past the row end is cut")
            << 8 << QByteArray::fromHex("0006 010203040506 0000 0102") << true << "0,0,0,0;2,0,0,0;1,2,3,4";
        QTest::newRow("delta below the picture ends it")
            << 8 << QByteArray::fromHex("0101 0002 0009 0105") << true << "0,0,0,0;0,0,0,0;1,0,0,0";
        QTest::newRow("delta past the row end")
            << 8 << QByteArray::fromHex("0002 ff00 0107 0000 0108") << true << "0,0,0,0;8,0,0,0;0,0,0,0";
        QTest::newRow("literal cut by the end of data")
            << 8 << QByteArray::fromHex("0005 0102") << true << "0,0,0,0;0,0,0,0;1,2,0,0";
        QTest::newRow("delta cut by the end of data")
            << 8 << QByteArray::fromHex("0101 0002 01") << true << "0,0,0,0;0,0,0,0;1,0,0,0";
        QTest::newRow("end of bitmap stops")
            << 8 << QByteArray::fromHex("0001 0207") << true << "0,0,0,0;0,0,0,0;0,0,0,0";
        QTest::newRow("more lines than the picture")
            << 8 << QByteArray::fromHex("0000 0000 0000 0000 0000 0409") << true << "0,0,0,0;0,0,0,0;0,0,0,0";
        QTest::newRow("odd trailing byte")
            << 8 << QByteArray::fromHex("020603") << true << "0,0,0,0;0,0,0,0;6,6,0,0";
        QTest::newRow("RLE4 run alternates nibbles")
            << 4 << QByteArray::fromHex("0512 0000 0340") << true << "0,0,0,0;4,0,4,0;1,2,1,2";
        QTest::newRow("RLE4 literal") << 4 << QByteArray::fromHex("0003 1230 0000 0004 abcd 0001") << true
                                      << "0,0,0,0;10,11,12,13;1,2,3,0";
        QTest::newRow("RLE4 odd literal padded")
            << 4 << QByteArray::fromHex("0005 123450 00 0000 0170") << true << "0,0,0,0;7,0,0,0;1,2,3,4";
        // Longer than the 12 bytes of rows it makes: with no size declared
        // the data runs to the end of the file.
        QTest::newRow("no size declared, data longer than the rows")
            << 8 << QByteArray::fromHex("0004 01020304 0000 0004 05060708 0000 0004 090a0b0c 0001") << false
            << "9,10,11,12;5,6,7,8;1,2,3,4";
    }
    void decodesRunLengthData()
    {
        QFETCH(int, bits);
        QFETCH(QByteArray, data);
        QFETCH(bool, sizeDeclared);
        QFETCH(QString, reds);
        BmpBuilder b;
        b.bits = uint16_t(bits);
        b.compression = bits == 8 ? 1 : 2;
        b.width = 4;
        b.height = 3;
        b.colourTable = BmpBuilder::greys(1 << bits);
        b.imageSize = sizeDeclared ? uint32_t(data.size()) : 0;
        b.pixels = data;
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(b.file());
        QCOMPARE(shownReds(bitmap), reds);
        QCOMPARE(bitmap.Compression(), uint32_t(b.compression));
        QCOMPARE(bitmap.KeptCompressedData(), b.dib());
    }

    void runLengthFilesAreWrittenBackByteForByte_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<uint32_t>("coloursUsed");
        QTest::newRow("RLE8") << 8 << 0u;
        QTest::newRow("RLE8, 20 colours") << 8 << 20u;
        QTest::newRow("RLE4") << 4 << 0u;
    }
    void runLengthFilesAreWrittenBackByteForByte()
    {
        QFETCH(int, bits);
        QFETCH(uint32_t, coloursUsed);
        BmpBuilder b;
        b.bits = uint16_t(bits);
        b.compression = bits == 8 ? 1 : 2;
        b.width = 5;
        b.height = 2;
        b.xPelsPerMeter = 3780;
        b.coloursUsed = coloursUsed;
        b.colourTable = BmpBuilder::greys(coloursUsed ? int(coloursUsed) : 1 << bits);
        b.pixels = QByteArray::fromHex("0302 0000 0003 010203 00 0001");
        b.imageSize = uint32_t(b.pixels.size());
        QByteArray file = b.file();
        file.append("trailing bytes are kept too");
        // A wrong file size and pixel offset in the header are corrected.
        qToLittleEndian(uint32_t(12345), file.data() + 2);
        qToLittleEndian(uint32_t(999), file.data() + 10);
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(file);
        QByteArray expected = file;
        qToLittleEndian(uint32_t(file.size()), expected.data() + 2);
        qToLittleEndian(uint32_t(14 + 40 + b.colourTable.size()), expected.data() + 10);
        QCOMPARE(bitmap.SaveBitmapBytes(), expected);

        // Drawing drops the kept bytes: the picture is then written uncompressed.
        bitmap.Draw([](QPainter& p) { p.fillRect(0, 0, 1, 1, QColor(9, 9, 9)); });
        QVERIFY(bitmap.KeptCompressedData().isEmpty());
        const QByteArray changed = bitmap.SaveBitmapBytes();
        QCOMPARE(u32At(changed, 14 + 16), 0u);
        TBitmap reread;
        reread.LoadBitmapBytes(changed);
        QCOMPARE(reread.BitsPerPixel(), bits);
        QCOMPARE(shownReds(reread),
                 bits == 8 ? QStringLiteral("9,2,3,0,0;2,2,2,0,0") : QStringLiteral("9,1,0,0,0;0,2,0,0,0"));
    }

    void blankCardIsTheTabulatedBitmap()
    {
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        QCOMPARE(bitmap.Width(), 82);
        QCOMPARE(bitmap.HeightAsRead(), 82);
        QCOMPARE(bitmap.BitsPerPixel(), 8);
        QCOMPARE(bitmap.ColorCount(), 256);
        QVERIFY(!bitmap.CoreHeaderForm());
        const QByteArray file = bitmap.SaveBitmapBytes();
        QCOMPARE(file.size(), 7966);
        const QByteArray table = file.mid(54, 1024);
        const QList<QRgb> first = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                                   qRgb(128, 128, 0),  qRgb(0, 0, 128),     qRgb(128, 0, 128),
                                   qRgb(0, 128, 128),  qRgb(192, 192, 192), qRgb(192, 220, 192),
                                   qRgb(166, 202, 240)};
        const QList<QRgb> last = {qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
                                  qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
                                  qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
                                  qRgb(255, 255, 255)};
        for (int i = 0; i < 256; ++i) {
            const QRgb expected = i < 10     ? first[i]
                                  : i >= 246 ? last[i - 246]
                                             : qRgb((i % 8) * 32, ((i / 8) % 8) * 32, (i / 64) * 64);
            const QRgb stored = qRgb(uchar(table[i * 4 + 2]), uchar(table[i * 4 + 1]), uchar(table[i * 4]));
            QVERIFY2(stored == expected && table[i * 4 + 3] == 0, qPrintable(QString::number(i)));
        }
        const QByteArray rows = file.mid(1078);
        for (int y = 0; y < 82; ++y)
            QCOMPARE(rows.mid(y * 84, 84), QByteArray(82, char(255)) + QByteArray(2, '\0'));
    }

    void textCardIsTheWorkedExample()
    {
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        // A colour missing from the table is stored as its nearest entry:
        // (250, 5, 5) becomes entry 249, red.
        bitmap.Draw([](QPainter& p) { p.fillRect(0, 0, 2, 1, QColor(250, 5, 5)); });
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        bitmap.SaveBitmapFile(path);
        const QByteArray file = readBytes(path);
        QCOMPARE(file.size(), 7966);
        QCOMPARE(u32At(file, 2), 7966u);
        QCOMPARE(u32At(file, 10), 1078u);
        QCOMPARE(file.mid(14, 40).toHex(),
                 QByteArray("2800000052000000520000000100080000000000e81a0000000000000000000000010000"
                            "00000000"));
        const qsizetype topRow = 1078 + 81 * 84;
        QCOMPARE(uchar(file[topRow]), uchar(249));
        QCOMPARE(uchar(file[topRow + 1]), uchar(249));
        QCOMPARE(uchar(file[topRow + 2]), uchar(255));
    }

    void drawingKeepsTheFormat_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRgb>("drawn");
        QTest::addColumn<QRgb>("shown");
        QTest::newRow("24 bits") << canonical(24, 3, 2).file() << qRgb(1, 2, 3) << qRgb(1, 2, 3);
        QTest::newRow("24 bits top-down") << canonical(24, 3, -2).file() << qRgb(1, 2, 3) << qRgb(1, 2, 3);
        QTest::newRow("16 bits 5-5-5")
            << canonical(16, 3, 2).file() << qRgb(255, 0, 255) << qRgb(255, 0, 255);
        QTest::newRow("32 bits") << canonical(32, 3, 2).file() << qRgb(10, 20, 30) << qRgb(10, 20, 30);
        QTest::newRow("4 bits, nearest grey")
            << canonical(4, 3, 2).file() << qRgb(14, 13, 12) << qRgb(13, 13, 13);
        QTest::newRow("1 bit, nearest grey")
            << canonical(1, 3, 2).file() << qRgb(200, 200, 200) << qRgb(1, 1, 1);
        QTest::newRow("core 8 bits") << core(8, 3, 2).file() << qRgb(99, 99, 98) << qRgb(99, 99, 99);
    }
    void drawingKeepsTheFormat()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRgb, drawn);
        QFETCH(QRgb, shown);
        TBitmap bitmap;
        bitmap.LoadBitmapBytes(file);
        const QImage before = bitmap.ToImage();
        bitmap.Draw([&](QPainter& p) { p.fillRect(0, 0, 1, 1, QColor(drawn)); });
        TBitmap reread;
        reread.LoadBitmapBytes(bitmap.SaveBitmapBytes());
        QCOMPARE(reread.BitsPerPixel(), bitmap.BitsPerPixel());
        QCOMPARE(reread.CoreHeaderForm(), bitmap.CoreHeaderForm());
        QCOMPARE(reread.HeightAsRead(), bitmap.HeightAsRead());
        const QImage after = reread.ToImage();
        QCOMPARE(after.pixel(0, 0), shown);
        // Pixels not drawn on keep their stored value.
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (x != 0 || y != 0)
                    QCOMPARE(after.pixel(x, y), before.pixel(x, y));
    }

    void copiesAreIndependent()
    {
        TBitmap left;
        left.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        TBitmap right;
        right.CopyPicture(&left);
        QCOMPARE(right.SaveBitmapBytes(), left.SaveBitmapBytes());
        const QByteArray before = left.SaveBitmapBytes();
        right.Draw([](QPainter& p) { p.fillRect(0, 0, 82, 82, Qt::black); });
        QCOMPARE(left.SaveBitmapBytes(), before);
        QVERIFY(right.SaveBitmapBytes() != before);
        right.CopyPicture(nullptr);
        QVERIFY(right.Empty());
        QVERIFY(!left.Empty());
    }

    void replacesAnotherSpellingOfTheCard()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("c05.BMP")), QByteArray("old"));
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        bitmap.SaveBitmapFile(dir.filePath(QStringLiteral("C05.bmp")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("c05.BMP")});
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("c05.BMP"))).size(), 7966);
    }

    void replacedFileKeepsItsPermissions_data()
    {
        QTest::addColumn<int>("before"); // -1: no file yet
        QTest::addColumn<int>("after");
        QTest::newRow("new file") << -1 << 0644;
        QTest::newRow("read-only for others") << 0640 << 0640;
        QTest::newRow("private") << 0600 << 0600;
    }
    void replacedFileKeepsItsPermissions()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        if (before >= 0) {
            writeBytes(path, QByteArray("old"));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(before)), 0);
        }
        const mode_t savedMask = ::umask(022);
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        bitmap.SaveBitmapFile(path);
        ::umask(savedMask);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), after);
        QCOMPARE(QFileInfo(path).size(), 7966);
    }

    void savingThroughALinkReplacesItsFile()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real.bmp"));
        const QString link = dir.filePath(QStringLiteral("C01.bmp"));
        writeBytes(real, QByteArray("old"));
        QVERIFY(QFile::link(real, link));
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        bitmap.SaveBitmapFile(link);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(real).size(), 7966);
    }

    void cannotCreate_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no/C01.bmp";
        QTest::newRow("a folder of that name") << "folder";
    }
    void cannotCreate()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = dir.filePath(name);
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        QCOMPARE(errorOf([&] { bitmap.SaveBitmapFile(path); }), QStringLiteral("Cannot create file ") + path);
    }

    void failedWriteLeavesThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        writeBytes(path, QByteArray("the previous card"));
        TBitmap bitmap;
        bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        // A file size limit makes the write fail part-way, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString message = errorOf([&] { bitmap.SaveBitmapFile(path); });
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(message, QStringLiteral("Stream write error"));
        QCOMPARE(readBytes(path), QByteArray("the previous card"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("C01.bmp")});
    }
};

QTEST_GUILESS_MAIN(TestTBitmap)
#include "test_tbitmap.moc"
