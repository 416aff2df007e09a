// Waves written by other programs (sox, Python's wave module) are copied into
// files of our own layout that those programs read back with the same samples.

#include "Requirements.h"
#include "WaveBytes.h"

#include "audio/TMMWave.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace WaveBytes;

namespace {

const char* const PythonWriter = R"(
import sys, wave, math
path, width, channels, frames = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
out = bytearray()
for i in range(frames):
    for c in range(channels):
        v = math.sin(2 * math.pi * 440 * i / 8000 + c) * 0.5
        if width == 1:
            out += bytes([int(128 + v * 127)])
        else:
            out += int(v * (2 ** (8 * width - 1) - 1)).to_bytes(width, 'little', signed=True)
w = wave.open(path, 'wb')
w.setnchannels(channels); w.setsampwidth(width); w.setframerate(8000)
w.writeframes(bytes(out)); w.close()
)";

} // namespace

class TestWaveSaveInterop : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    static QByteArray Run(const QString& program, const QStringList& args)
    {
        QProcess process;
        process.start(program, args);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return "failed: " + process.readAllStandardError();
        return process.readAllStandardOutput();
    }
    // Rate, channels and encoding as sox reports them, one per line.
    static QByteArray SoxDescription(const QString& path)
    {
        return Run("sox", {"--i", "-r", path}) + Run("sox", {"--i", "-c", path}) +
               Run("sox", {"--i", "-e", path});
    }
    static QByteArray SoxSamples(const QString& path) { return Run("sox", {path, "-t", "raw", "-"}); }

    // The fmt bytes a copy must hold: 18 bytes for PCM, else all of the source's.
    static QByteArray ExpectedFormat(const QByteArray& sourceFormat)
    {
        if (qFromLittleEndian<uint16_t>(sourceFormat.constData()) != 1)
            return sourceFormat;
        return (sourceFormat + QByteArray(2, '\0')).left(18);
    }

  private slots:
    void initTestCase() { TESSELLOR_REQUIRE(Requirements::haveProgram("sox"), "sox"); }

    void copies_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("withInfoAndDisp");

        const QString src = Path("src.wav");
        const QStringList tone{"synth", "0.3", "sine", "440"};
        const QList<std::pair<const char*, QStringList>> sox{
            {"sox 8-bit", {"-b", "8", "-e", "unsigned-integer"}},
            {"sox 16-bit stereo", {"-b", "16", "-c", "2"}},
            {"sox 24-bit", {"-b", "24"}},
            {"sox 32-bit", {"-b", "32"}},
            {"sox float", {"-b", "32", "-e", "floating-point"}},
            {"sox A-law", {"-e", "a-law"}},
            {"sox mu-law", {"-e", "mu-law"}},
            {"sox Microsoft ADPCM", {"-e", "ms-adpcm"}},
            {"sox IMA ADPCM stereo", {"-e", "ima-adpcm", "-c", "2"}},
            {"sox GSM", {"-e", "gsm-full-rate"}},
        };
        for (const auto& [name, encoding] : sox) {
            const QStringList args = QStringList{"-n", "-r", "8000"} + encoding + QStringList{src} + tone;
            QTest::newRow(name) << "sox" << args << false;
        }
        QTest::newRow("sox 16-bit with INFO and DISP")
            << "sox" << (QStringList{"-n", "-r", "8000", src} + tone) << true;
        QTest::newRow("sox IMA ADPCM with INFO and DISP")
            << "sox" << (QStringList{"-n", "-r", "8000", "-e", "ima-adpcm", src} + tone) << true;
        for (int width = 1; width <= 4; ++width)
            QTest::newRow(qPrintable(QStringLiteral("python %1-byte").arg(width)))
                << "python3" << QStringList{"-c", PythonWriter, src, QString::number(width), "2", "2000"}
                << false;
    }

    void copies()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(bool, withInfoAndDisp);
        TESSELLOR_REQUIRE(Requirements::haveProgram(program), program);
        const QString src = Path("src.wav");
        const QString copy = Path("copy.wav");
        QFile::remove(src);
        QFile::remove(copy);
        QVERIFY2(!Run(program, args).startsWith("failed"), qPrintable(program));
        const QByteArray info =
            List("INFO", Chunk("ICMT", QByteArray("made by sox", 12)) + Chunk("INAM", QByteArray("Tone", 5)));
        const QByteArray disp = Chunk("DISP", U32(1) + QByteArray("Tone", 5));
        if (withInfoAndDisp)
            QVERIFY(WriteFile(src, WithChunksAfterFormat(ReadFile(src), info + disp)));
        const QByteArray source = ReadFile(src);

        TMMWave wave;
        wave.LoadWaveFile(src);
        wave.SaveWaveFile(copy);

        const QByteArray copied = ReadFile(copy);
        const QList<ChunkBytes> chunks = Chunks(copied);
        QStringList ids;
        for (const ChunkBytes& c : chunks)
            ids.append(QString::fromLatin1(c.id));
        QCOMPARE(ids, withInfoAndDisp ? QStringList({"fmt ", "data", "fact", "DISP", "LIST"})
                                      : QStringList({"fmt ", "data", "fact"}));
        QCOMPARE(qFromLittleEndian<uint32_t>(copied.constData() + 4), uint32_t(copied.size() - 8));
        const QList<ChunkBytes> sourceChunks = Chunks(source);
        QCOMPARE(ChunkPayload(chunks, "fmt ").toHex(),
                 ExpectedFormat(ChunkPayload(sourceChunks, "fmt ")).toHex());
        QCOMPARE(ChunkPayload(chunks, "data"), ChunkPayload(sourceChunks, "data"));
        if (withInfoAndDisp) {
            QCOMPARE(ChunkPayload(chunks, "DISP"), U32(1) + QByteArray("Tone", 5));
            QCOMPARE(ChunkPayload(chunks, "LIST"), "INFO" + Chunk("ICMT", QByteArray("made by sox", 12)) +
                                                       Chunk("INAM", QByteArray("Tone", 5)));
        }

        QCOMPARE(SoxDescription(copy), SoxDescription(src));
        const QByteArray samples = SoxSamples(src);
        QVERIFY(!samples.isEmpty() && !samples.startsWith("failed"));
        QVERIFY(SoxSamples(copy) == samples);
        QCOMPARE(ReadFile(src), source);
    }
};

QTEST_GUILESS_MAIN(TestWaveSaveInterop)
#include "test_wave_save_interop.moc"
