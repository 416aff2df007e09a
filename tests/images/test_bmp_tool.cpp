#include "BmpBuilder.h"
#include "TestFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

TestFiles::ProcessRun runTool(const QStringList& args)
{
    return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), args);
}

QString save(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    TestFiles::writeBytes(path, bytes);
    return path;
}

QByteArray rle8File()
{
    BmpBuilder b;
    b.bits = 8;
    b.compression = 1;
    b.width = 4;
    b.height = 2;
    b.xPelsPerMeter = 3780;
    b.yPelsPerMeter = 3781;
    b.importantColours = 3;
    b.colourTable = BmpBuilder::greys(256);
    b.pixels = QByteArray::fromHex("0405 0000 0003 090807 00 0001");
    b.imageSize = uint32_t(b.pixels.size());
    return b.file();
}

} // namespace

class TestBmpTool : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void reportsWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("report");
        QTest::newRow("RLE8") << rle8File()
                              << "width: 4\nheight: 2\nbits: 8\ncompression: 1\ncolors: 256\nimportant: 3\n"
                                 "xres: 3780\nyres: 3781\ncore: 0\nkept: 1076\n";
        BmpBuilder core;
        core.headerLength = 12;
        core.bits = 4;
        core.width = 3;
        core.height = 2;
        core.colourTable = BmpBuilder::greys(16, true);
        core.pixels = QByteArray(8, '\x12');
        QTest::newRow("core 4 bits")
            << core.file()
            << "width: 3\nheight: 2\nbits: 4\ncompression: 0\ncolors: 16\nimportant: 0\n"
               "xres: 0\nyres: 0\ncore: 1\nkept: 0\n";
        BmpBuilder topDown;
        topDown.width = 2;
        topDown.height = -3;
        topDown.pixels = QByteArray(24, '\x40');
        QTest::newRow("24 bits top-down") << topDown.file()
                                          << "width: 2\nheight: -3\nbits: 24\ncompression: 0\ncolors: 0\n"
                                             "important: 0\nxres: 0\nyres: 0\ncore: 0\nkept: 0\n";
        QTest::newRow("empty file")
            << QByteArray()
            << "width: 0\nheight: 0\nbits: 0\ncompression: 0\ncolors: 0\nimportant: 0\n"
               "xres: 0\nyres: 0\ncore: 0\nkept: 0\n";
    }
    void reportsWhatWasRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, report);
        QTemporaryDir dir;
        const TestFiles::ProcessRun run =
            runTool({QStringLiteral("bmp-info"), save(dir, QStringLiteral("a.bmp"), file)});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, report);
    }

    void failsWithTheLayersMessage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        BmpBuilder bad;
        bad.signature = "XX";
        const QStringList info = {QStringLiteral("bmp-info"), QStringLiteral("%1")};
        QTest::newRow("not BM") << info << bad.file() << 1 << "Bitmap image is not valid\n";
        QTest::newRow("short file") << info << QByteArray("BM") << 1 << "Stream read error\n";
        BmpBuilder huge;
        huge.width = 100000;
        huge.height = 100000;
        QTest::newRow("absurd size") << info << huge.file() << 1 << "Bitmap image is not valid\n";
        QTest::newRow("missing file") << QStringList{QStringLiteral("bmp-info"), QStringLiteral("%1.none")}
                                      << QByteArray() << 1 << "Cannot open file %1.none\n";
        QTest::newRow("copy into a missing folder")
            << QStringList{QStringLiteral("bmp-copy"), QStringLiteral("%1"), QStringLiteral("%1.d/x.bmp")}
            << rle8File() << 1 << "Cannot create file %1.d/x.bmp\nThe folder does not exist.\n";
        QTest::newRow("no argument") << QStringList{QStringLiteral("bmp-info")} << QByteArray() << 2
                                     << QString();
        QTest::newRow("too many") << QStringList{QStringLiteral("bmp-copy"), QStringLiteral("%1")}
                                  << QByteArray() << 2 << QString();
        QTest::newRow("png of the empty picture")
            << QStringList{QStringLiteral("bmp-png"), QStringLiteral("%1"), QStringLiteral("%1.png")}
            << QByteArray() << 1 << "%1 holds the empty picture; no PNG written\n";
    }
    void failsWithTheLayersMessage()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = save(dir, QStringLiteral("a.bmp"), file);
        for (QString& arg : args)
            arg.replace(QStringLiteral("%1"), path);
        const TestFiles::ProcessRun run = runTool(args);
        QCOMPARE(run.exitCode, status);
        if (status == 1)
            QCOMPARE(run.err, QString(message).replace(QStringLiteral("%1"), path));
        else
            QVERIFY(run.err.startsWith(QStringLiteral("usage:")));
        QCOMPARE(run.out, QString());
    }

    void copiesRunLengthFilesByteForByte()
    {
        QTemporaryDir dir;
        const QString source = save(dir, QStringLiteral("a.bmp"), rle8File());
        const QString target = dir.filePath(QStringLiteral("b.bmp"));
        QCOMPARE(runTool({QStringLiteral("bmp-copy"), source, target}).exitCode, 0);
        QFile copy(target);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), rle8File());
    }

    void writesTheDecodedPixelsAsPng()
    {
        QTemporaryDir dir;
        const QString source = save(dir, QStringLiteral("a.bmp"), rle8File());
        const QString png = dir.filePath(QStringLiteral("a.png"));
        QCOMPARE(runTool({QStringLiteral("bmp-png"), source, png}).exitCode, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(4, 2));
        QCOMPARE(image.pixel(0, 0), qRgb(9, 9, 9));
        QCOMPARE(image.pixel(2, 0), qRgb(7, 7, 7));
        QCOMPARE(image.pixel(3, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(3, 1), qRgb(5, 5, 5));
    }
};

QTEST_GUILESS_MAIN(TestBmpTool)
#include "test_bmp_tool.moc"
