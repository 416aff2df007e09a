// tessellor-tool wave-info's summary and escaped INFO texts, and wave-peaks,
// run as a script would run them.

#include "audio/WaveBytes.h" // tests/audio

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace WaveBytes;

namespace {

QStringList RunTool(const QStringList& args, int* exitCode)
{
    QProcess process;
    process.start(QStringLiteral(TESSELLOR_TOOL), args);
    process.waitForFinished(30000);
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    QStringList lines = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

QByteArray Samples16(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += U16(uint16_t(int16_t(v)));
    return bytes;
}

} // namespace

class TestWaveTool : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private Q_SLOTS:
    void waveInfoSummarisesAndEscapes()
    {
        const QByteArray comment = QByteArrayLiteral("two\r\nlines\tand a \\ and \x01\x1b\xe9");
        const QString path = dir_.filePath(QStringLiteral("info.wav"));
        QVERIFY(WriteFile(path, PcmWave(1, 22050, 16, QByteArray(43000, '\0')) +
                                    List("INFO", Chunk("ICMT", comment + '\0'))));
        QByteArray file = ReadFile(path);
        file.replace(4, 4, U32(uint32_t(file.size() - 8)));
        QVERIFY(WriteFile(path, file));
        int exitCode = -1;
        const QStringList lines = RunTool({QStringLiteral("wave-info"), path}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY(lines.contains(QStringLiteral("summary: PCM; 22.050 kHz, 16 Bit, Mono; 42 KB")));
        QVERIFY2(
            lines.contains(QString::fromLatin1("info ICMT: two\\r\\nlines\\tand a \\\\ and \\x01\\x1b\xe9")),
            qPrintable(lines.join(QLatin1Char('|'))));
    }

    void wavePeaks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("stereo, two columns")
            << PcmWave(2, 8000, 16, Samples16({1, 50, -3, -60, 4, 70, 2, 0})) << QStringList{"--width", "2"}
            << 0 << QStringList{"0 1 -3 50 -60", "1 4 2 70 0"};
        QTest::newRow("mono repeats its pair")
            << PcmWave(1, 8000, 8, QByteArray("\x00\xff", 2)) << QStringList{} << 0
            << QStringList{"0 -32768 32512 -32768 32512"};
        QTest::newRow("not drawn: A-law")
            << Riff(FmtChunk(Format16(6, 1, 8000, 8000, 1, 8)) + Chunk("data", "ab")) << QStringList{} << 0
            << QStringList{};
        QTest::newRow("not a wave") << QByteArray("nothing") << QStringList{} << 1 << QStringList{};
        QTest::newRow("bad width") << PcmWave(1, 8000, 8, QByteArray("\x00\xff", 2))
                                   << QStringList{"--width", "0"} << 2 << QStringList{};
    }
    void wavePeaks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        const QString path = dir_.filePath(QStringLiteral("peaks.wav"));
        QVERIFY(WriteFile(path, file));
        int code = -1;
        QCOMPARE(RunTool(QStringList{QStringLiteral("wave-peaks"), path} + args, &code), lines);
        QCOMPARE(code, exitCode);
    }
};

QTEST_GUILESS_MAIN(TestWaveTool)
#include "test_wave_tool.moc"
