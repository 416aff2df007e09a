#include "Requirements.h"
#include "WaveBytes.h"
#include "audio/TMMWave.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace WaveBytes;

namespace {

struct PlainChunks {
    QByteArray fmt;
    QByteArray data;
};

// A second, deliberately simple reading of a well-formed file: the payloads of
// its first `fmt ` and `data` chunks.
PlainChunks FindChunks(const QByteArray& file)
{
    PlainChunks found;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = qFromLittleEndian<uint32_t>(file.constData() + at + 4);
        if (id == "fmt " && found.fmt.isEmpty())
            found.fmt = file.mid(at + 8, size);
        if (id == "data" && found.data.isEmpty())
            found.data = file.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return found;
}

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

// Waves written by other programs are described and read as they hold them.
class TestWaveInterop : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    void Check(const QString& path, bool exactSampleCount, const QString& soxPath);

  private slots:
    void soxFiles_data();
    void soxFiles();
    void pythonFiles_data();
    void pythonFiles();
};

void TestWaveInterop::Check(const QString& path, bool exactSampleCount, const QString& soxPath)
{
    const QByteArray bytes = ReadFile(path);
    const PlainChunks chunks = FindChunks(bytes);
    QVERIFY(chunks.fmt.size() >= 16);
    const TWaveFormat fileFormat = TWaveFormat::FromBytes(chunks.fmt);

    TMMWave wave;
    wave.LoadWaveFile(path);
    const TWaveIORecord* record = wave.IORecord();
    QVERIFY(record);
    QCOMPARE(wave.FormatTag(), fileFormat.FormatTag());
    QCOMPARE(int(record->Format.Channels()), int(fileFormat.Channels()));
    QCOMPARE(wave.SampleRate(), fileFormat.SamplesPerSec());
    QCOMPARE(wave.BitLength(), int(fileFormat.BitsPerSample()));
    QCOMPARE(record->Format.BlockAlign(), fileFormat.BlockAlign());
    QCOMPARE(record->FileSize, uint32_t(bytes.size()));
    const uint32_t block = fileFormat.BlockAlign();
    QCOMPARE(record->DataBytes, uint32_t(chunks.data.size()) / block * block);
    if (exactSampleCount && !soxPath.isEmpty())
        QCOMPARE(QString::number(record->LengthSamples),
                 Run(soxPath, {QStringLiteral("--i"), QStringLiteral("-s"), path}));

    wave.OpenFile();
    QByteArray all;
    QByteArray buffer(10000, '\0');
    int32_t got;
    while ((got = wave.ReadData(buffer.data(), int32_t(buffer.size()))) > 0)
        all += buffer.left(got);
    wave.CloseFile();
    QCOMPARE(all, chunks.data.left(qsizetype(record->DataBytes)));
}

void TestWaveInterop::soxFiles_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("exactSampleCount"); // ADPCM lengths come from the byte rate, not from blocks
    QTest::newRow("8-bit") << QStringList{"-b", "8"} << true;
    QTest::newRow("16-bit stereo") << QStringList{"-b", "16", "-c", "2"} << true;
    QTest::newRow("24-bit") << QStringList{"-b", "24"} << true;
    QTest::newRow("32-bit") << QStringList{"-b", "32"} << true;
    QTest::newRow("float") << QStringList{"-e", "floating-point", "-b", "32"} << true;
    QTest::newRow("a-law") << QStringList{"-e", "a-law"} << true;
    QTest::newRow("mu-law stereo") << QStringList{"-e", "mu-law", "-c", "2"} << true;
    QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"} << false;
    QTest::newRow("MS ADPCM stereo") << QStringList{"-e", "ms-adpcm", "-c", "2"} << false;
}

void TestWaveInterop::soxFiles()
{
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    TESSELLOR_REQUIRE(!sox.isEmpty(), "sox");
    QFETCH(QStringList, options);
    QFETCH(bool, exactSampleCount);
    const QString path = dir.filePath(QStringLiteral("sox.wav"));
    QStringList args{"-n", "-r", "22050"};
    args << options << path << "synth"
         << "0.37"
         << "sine"
         << "440";
    QCOMPARE(Run(sox, args), QString());
    Check(path, exactSampleCount, sox);
}

void TestWaveInterop::pythonFiles_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("width");
    QTest::newRow("8-bit mono") << 1 << 1;
    QTest::newRow("16-bit stereo") << 2 << 2;
    QTest::newRow("24-bit mono") << 1 << 3;
}

void TestWaveInterop::pythonFiles()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    TESSELLOR_REQUIRE(!python.isEmpty(), "python3");
    QFETCH(int, channels);
    QFETCH(int, width);
    const QString path = dir.filePath(QStringLiteral("py.wav"));
    const QString script = QStringLiteral("import wave\n"
                                          "w = wave.open('%1', 'wb')\n"
                                          "w.setnchannels(%2); w.setsampwidth(%3); w.setframerate(11025)\n"
                                          "w.writeframes(bytes(i % 251 for i in range(%2 * %3 * 1001)))\n"
                                          "w.close()\n")
                               .arg(path)
                               .arg(channels)
                               .arg(width);
    QCOMPARE(Run(python, {QStringLiteral("-c"), script}), QString());
    Check(path, true, QString());
    TMMWave wave;
    wave.LoadWaveFile(path);
    QCOMPARE(wave.DataSize(), 1001);
}

QTEST_GUILESS_MAIN(TestWaveInterop)
#include "test_wave_interop.moc"
