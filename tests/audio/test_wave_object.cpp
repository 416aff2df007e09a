#include "Requirements.h"
#include "WaveBytes.h"
#include "audio/SimpleSoundHook.h"
#include "audio/TMMWave.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

using namespace WaveBytes;
Q_DECLARE_METATYPE(TMMTimeFormats)

namespace {

// Counts change notifications of a wave.
struct Notifications {
    explicit Notifications(TMMWave& wave) : observer([this](void*) { ++count; })
    {
        wave.Observers().AddObserver(&observer);
    }
    int count = 0;
    TMMObserver observer;
};

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EMMWaveError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

// Reads everything ReadData gives, `piece` bytes at a time.
QByteArray ReadAll(TMMWave& wave, int piece, std::vector<int>* results = nullptr)
{
    QByteArray all;
    QByteArray buffer(std::max(piece, 4), '\0');
    for (int guard = 0; guard < 100000; ++guard) {
        const int32_t got = wave.ReadData(buffer.data(), piece);
        if (results)
            results->push_back(got);
        if (got < 0)
            break;
        all += buffer.left(got);
    }
    return all;
}

} // namespace

class TestWaveObject : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = Path(name);
        return WriteFile(path, bytes) ? path : QString();
    }

  private slots:
    void defaults();
    void describesBoundFile();
    void formatNames_data();
    void formatNames();
    void bindingErrors_data();
    void bindingErrors();
    void missingFileAllowed();
    void noReloadRule();
    void clearing();
    void pathExpansion();
    void observersLastToFirst();
    void changeEvents();
    void ioBufferSize();
    void dataSizeByTimeFormat_data();
    void dataSizeByTimeFormat();
    void readAll_data();
    void readAll();
    void setPosition_data();
    void setPosition();
    void fileShortenedAfterBinding();
    void fileGoneAfterBinding();
    void bindingReadsNoSampleData();
    void releaseStopsSimpleSound();
};

void TestWaveObject::defaults()
{
    TMMWave wave;
    QCOMPARE(wave.FileName(), QString());
    QVERIFY(wave.FileMustExist());
    QCOMPARE(wave.IOBufferSize(), 32768);
    QCOMPARE(wave.TimeFormat(), TMMTimeFormats::tfSample);
    QCOMPARE(wave.SampleRate(), 11025u);
    QCOMPARE(wave.DataSize(), 0);
    QCOMPARE(wave.FileSize(), 0u);
    QCOMPARE(wave.BitLength(), 0);
    QCOMPARE(wave.FormatTag(), uint16_t(0));
    QCOMPARE(wave.Mode(), TMMMode::mMono);
    QCOMPARE(wave.FormatString(), QStringLiteral("Unknown"));
    QVERIFY(wave.IsEmpty());
    QVERIFY(!wave.WaveFormat());
    QVERIFY(!wave.IORecord());
    QCOMPARE(wave.Regions().Count(), 0);
    char buffer[4];
    QCOMPARE(wave.ReadData(buffer, 4), -1);
    wave.OpenFile(); // without a record: nothing
    QVERIFY(!wave.IsOpen());
}

void TestWaveObject::describesBoundFile()
{
    const QByteArray file = PcmWave(2, 22050, 16, Ramp(400));
    const QString path = Write(QStringLiteral("s.wav"), file);
    TMMWave wave;
    wave.LoadWaveFile(path);
    QCOMPARE(wave.FileName(), path);
    QCOMPARE(wave.SampleRate(), 22050u);
    QCOMPARE(wave.BitLength(), 16);
    QCOMPARE(wave.Mode(), TMMMode::mStereo);
    QCOMPARE(wave.FormatTag(), uint16_t(1));
    QCOMPARE(wave.FormatString(), QStringLiteral("PCM"));
    QCOMPARE(wave.FileSize(), uint32_t(file.size()));
    QCOMPARE(wave.DataSize(), 100);
    QVERIFY(!wave.IsEmpty());
    QCOMPARE(wave.EndPosition(), 100);
    QCOMPARE(wave.Regions().Count(), 1);
    QCOMPARE(wave.Regions()[0].LengthSamples, 100);
    QCOMPARE(wave.Regions()[0].LengthBytes, 400);
}

void TestWaveObject::formatNames_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("name");
    QTest::newRow("0x11: first row") << 0x11 << "IMA ADPCM";
    QTest::newRow("0x02") << 0x02 << "Microsoft ADPCM";
    QTest::newRow("0x06") << 0x06 << "CCITT A-Law";
    QTest::newRow("0x07") << 0x07 << "CCITT mu-Law";
    QTest::newRow("0x209") << 0x209 << "Dolby AC2";
    QTest::newRow("0x20C") << 0x20C << "PCM 32";
    QTest::newRow("0xFFFF") << 0xFFFF << "*DEVELOPMENT ONLY TAG*";
    QTest::newRow("float: not in the table") << 0x03 << "Mediavision's ADPCM";
    QTest::newRow("0xFFFE: not in the table") << 0xFFFE << "Unknown";
}

void TestWaveObject::formatNames()
{
    QFETCH(int, tag);
    QFETCH(QString, name);
    const QString path =
        Write(QStringLiteral("tag.wav"),
              Riff(FmtChunk(Format16(uint16_t(tag), 1, 8000, 8000, 1, 8) + U16(0)) + Chunk("data", Ramp(8))));
    TMMWave wave;
    wave.LoadWaveFile(path);
    QCOMPARE(wave.FormatString(), name);
}

void TestWaveObject::bindingErrors_data()
{
    QTest::addColumn<QByteArray>("file"); // "-": no file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray("-") << "Error reading wave file";
    QTest::newRow("not RIFF") << QByteArray("plain text, not a wave") << "Invalid wave file...";
    QTest::newRow("no fmt") << Riff(Chunk("data", Ramp(8))) << "Invalid wave file...";
    QTest::newRow("fmt without data") << Riff(FmtChunk(PcmFormat(1, 8000, 8))) << "Invalid wave file...";
    QTest::newRow("zero block alignment")
        << Riff(FmtChunk(Format16(2, 1, 8000, 4000, 0, 4) + U16(0)) + Chunk("data", Ramp(8)))
        << "Invalid wave file...";
    QTest::newRow("truncated header") << PcmWave(1, 8000, 8, Ramp(8)).left(30) << "Invalid wave file...";
}

void TestWaveObject::bindingErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QString good = Write(QStringLiteral("good.wav"), PcmWave(1, 8000, 8, Ramp(8)));
    const QString path = Path(QStringLiteral("bad.wav"));
    QFile::remove(path);
    if (file != "-")
        QVERIFY(WriteFile(path, file));
    TMMWave wave;
    wave.LoadWaveFile(good);
    Notifications notes(wave);
    QCOMPARE(ErrorOf([&] { wave.LoadWaveFile(path); }), message);
    // The previous binding stays as it was.
    QCOMPARE(wave.FileName(), good);
    QVERIFY(wave.IORecord());
    QCOMPARE(wave.DataSize(), 8);
    QCOMPARE(notes.count, 0);
}

void TestWaveObject::missingFileAllowed()
{
    const QString good = Write(QStringLiteral("good.wav"), PcmWave(1, 8000, 8, Ramp(8)));
    TMMWave wave;
    wave.LoadWaveFile(good);
    wave.SetFileMustExist(false);
    Notifications notes(wave);
    const QString missing = Path(QStringLiteral("nothing.wav"));
    wave.LoadWaveFile(missing);
    QCOMPARE(wave.FileName(), missing);
    QVERIFY(!wave.IORecord());
    QCOMPARE(wave.SampleRate(), 11025u);
    QCOMPARE(notes.count, 1);
}

void TestWaveObject::noReloadRule()
{
    const QString path = Write(QStringLiteral("same.wav"), PcmWave(1, 8000, 8, Ramp(8)));
    TMMWave wave;
    Notifications notes(wave);
    wave.LoadWaveFile(path);
    QCOMPARE(notes.count, 1);
    const TWaveIORecord* first = wave.IORecord();
    wave.LoadWaveFile(path);
    QCOMPARE(notes.count, 1);
    QCOMPARE(wave.IORecord(), first);

    QVERIFY(WriteFile(path, PcmWave(1, 8000, 8, Ramp(20)))); // another size: reloaded
    wave.LoadWaveFile(path);
    QCOMPARE(notes.count, 2);
    QCOMPARE(wave.DataSize(), 20);
}

void TestWaveObject::clearing()
{
    TMMWave wave;
    Notifications notes(wave);
    wave.ClearWave();
    wave.LoadWaveFile(QString());
    QCOMPARE(notes.count, 0); // nothing held: no notification

    wave.LoadWaveFile(Write(QStringLiteral("c.wav"), PcmWave(1, 8000, 8, Ramp(8))));
    QCOMPARE(notes.count, 1);
    wave.LoadWaveFile(QString());
    QCOMPARE(notes.count, 2);
    QCOMPARE(wave.FileName(), QString());
    QVERIFY(!wave.IORecord());
    QCOMPARE(wave.Regions().Count(), 0);
    QCOMPARE(wave.EndPosition(), 0);

    wave.LoadWaveFile(Path(QStringLiteral("c.wav")));
    wave.ClearWave();
    QCOMPARE(notes.count, 4);
    QVERIFY(wave.IsEmpty());
}

void TestWaveObject::pathExpansion()
{
    Write(QStringLiteral("Mixed.WAV"), PcmWave(1, 8000, 8, Ramp(8)));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    TMMWave wave;
    wave.LoadWaveFile(QStringLiteral("mixed.wav")); // relative, other letter case
    QDir::setCurrent(before);
    QCOMPARE(wave.FileName(), Path(QStringLiteral("Mixed.WAV")));
    QVERIFY(QFileInfo(wave.FileName()).isAbsolute());
    QCOMPARE(wave.DataSize(), 8);
}

void TestWaveObject::observersLastToFirst()
{
    TMMWave wave;
    QString order;
    TMMObserver a([&](void*) { order += 'a'; });
    TMMObserver b([&](void*) { order += 'b'; });
    TMMObserver c([&](void* sender) { order += sender == &wave ? 'c' : '?'; });
    wave.Observers().AddObserver(&a);
    wave.Observers().AddObserver(&b);
    wave.Observers().AddObserver(&c);
    wave.LoadWaveFile(Write(QStringLiteral("o.wav"), PcmWave(1, 8000, 8, Ramp(8))));
    QCOMPARE(order, QStringLiteral("cba"));

    TMMWave other;
    other.Observers().AddObserver(&b); // leaves the first wave
    QCOMPARE(wave.Observers().Count(), 2);
    QCOMPARE(b.Observable(), &other.Observers());
    order.clear();
    wave.ClearWave();
    QCOMPARE(order, QStringLiteral("ca"));
}

void TestWaveObject::changeEvents()
{
    TMMWave wave;
    int changes = 0;
    wave.OnChange = [&](TMMObject*) { ++changes; };
    const QString path = Write(QStringLiteral("e.wav"), PcmWave(1, 8000, 8, Ramp(8)));
    wave.BeginUpdate();
    wave.LoadWaveFile(path);
    QCOMPARE(changes, 0); // held back while updating
    wave.EndUpdate();
    QCOMPARE(changes, 1);
    wave.ClearWave();
    QCOMPARE(changes, 2);
}

void TestWaveObject::ioBufferSize()
{
    TMMWave wave;
    wave.SetIOBufferSize(100);
    QCOMPARE(wave.IOBufferSize(), 8192);
    wave.SetIOBufferSize(-5);
    QCOMPARE(wave.IOBufferSize(), 8192);
    wave.SetIOBufferSize(65536);
    QCOMPARE(wave.IOBufferSize(), 65536);

    const QByteArray samples = Ramp(50000);
    wave.LoadWaveFile(Write(QStringLiteral("b.wav"), PcmWave(1, 8000, 8, samples)));
    wave.OpenFile();
    QCOMPARE(wave.IORecord()->Handle->BufferSize(), 65536);
    wave.SetIOBufferSize(10000); // applied to the open file at once
    QCOMPARE(wave.IORecord()->Handle->BufferSize(), 10000);
    QCOMPARE(ReadAll(wave, 3000), samples);
    wave.CloseFile();
}

void TestWaveObject::dataSizeByTimeFormat_data()
{
    QTest::addColumn<TMMTimeFormats>("format");
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("dataSize");
    // 8000 Hz mono 16-bit: 2 bytes a sample.
    QTest::newRow("samples") << TMMTimeFormats::tfSample << 8004 << 8004;
    QTest::newRow("bytes") << TMMTimeFormats::tfByte << 8004 << 16008;
    QTest::newRow("ms, half rounds up") << TMMTimeFormats::tfMillisecond << 8004 << 1001; // 1000.5
    QTest::newRow("ms, below half") << TMMTimeFormats::tfMillisecond << 8003 << 1000;     // 1000.375
}

void TestWaveObject::dataSizeByTimeFormat()
{
    QFETCH(TMMTimeFormats, format);
    QFETCH(int, samples);
    QFETCH(int, dataSize);
    TMMWave wave;
    wave.LoadWaveFile(Write(QStringLiteral("t.wav"), PcmWave(1, 8000, 16, Ramp(samples * 2))));
    wave.SetTimeFormat(format);
    QCOMPARE(wave.DataSize(), dataSize);
    QCOMPARE(wave.TimeFormatToSamples(wave.SamplesToTimeFormat(800)), 800);
    QCOMPARE(wave.Regions()[0].LengthSamples, samples); // rebuilt, same extent
}

void TestWaveObject::readAll_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<int>("piece");
    QTest::newRow("8-bit, piece 1") << 1 << 8 << 100 << 1;
    QTest::newRow("16-bit stereo, piece larger than the data") << 2 << 16 << 4000 << 100000;
    QTest::newRow("24-bit, odd piece") << 1 << 24 << 3000 << 7;
    QTest::newRow("big data, one-second pieces") << 2 << 16 << 700000 << 32000;
    QTest::newRow("empty data") << 1 << 8 << 0 << 10;
}

void TestWaveObject::readAll()
{
    QFETCH(int, channels);
    QFETCH(int, bits);
    QFETCH(int, dataBytes);
    QFETCH(int, piece);
    const QByteArray samples = Ramp(dataBytes);
    TMMWave wave;
    wave.LoadWaveFile(
        Write(QStringLiteral("r.wav"),
              Riff(FmtChunk(PcmFormat(uint16_t(channels), 8000, uint16_t(bits))) + Chunk("data", samples) +
                   List("INFO", Chunk("INAM", QByteArray("n\0", 2))))));
    wave.OpenFile();
    QVERIFY(wave.IsOpen());
    QCOMPARE(wave.TotalBytes(), dataBytes);
    QCOMPARE(wave.BytesRemaining(), dataBytes);
    std::vector<int> results;
    QCOMPARE(ReadAll(wave, piece, &results), samples);
    QCOMPARE(results.back(), -1);
    QCOMPARE(wave.BytesRemaining(), 0);
    char buffer[4];
    QCOMPARE(wave.ReadData(buffer, 4), -1);
    if (dataBytes > 0)
        QCOMPARE(wave.Position(), wave.EndPosition());
    wave.CloseFile();
    QVERIFY(!wave.IsOpen());
    QCOMPARE(wave.Position(), 0);
    QVERIFY(wave.IORecord()); // still bound
    QVERIFY(!wave.IORecord()->Handle);
}

void TestWaveObject::setPosition_data()
{
    QTest::addColumn<TMMTimeFormats>("format");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("firstByte"); // offset in the data of the first byte read; -1: nothing
    // 16-bit stereo 8000 Hz: 4 bytes a sample, 1000 samples.
    QTest::newRow("sample 10") << TMMTimeFormats::tfSample << 10 << 40;
    QTest::newRow("10 ms") << TMMTimeFormats::tfMillisecond << 10 << 320;
    QTest::newRow("byte 42 is inside sample 11 (10.5 rounds up)") << TMMTimeFormats::tfByte << 42 << 44;
    QTest::newRow("negative clamps to 0") << TMMTimeFormats::tfSample << -7 << 0;
    QTest::newRow("last sample") << TMMTimeFormats::tfSample << 999 << 3996;
    QTest::newRow("past the end: nothing left") << TMMTimeFormats::tfSample << 5000 << -1;
}

void TestWaveObject::setPosition()
{
    QFETCH(TMMTimeFormats, format);
    QFETCH(int, position);
    QFETCH(int, firstByte);
    const QByteArray samples = Ramp(4000);
    TMMWave wave;
    wave.LoadWaveFile(Write(QStringLiteral("p.wav"), PcmWave(2, 8000, 16, samples)));
    wave.SetTimeFormat(format);
    wave.OpenFile();
    wave.SetPosition(position);
    const QByteArray rest = ReadAll(wave, 1000);
    QCOMPARE(rest, firstByte < 0 ? QByteArray() : samples.mid(firstByte));
    wave.CloseFile();
}

void TestWaveObject::fileShortenedAfterBinding()
{
    const QByteArray file = PcmWave(1, 8000, 8, Ramp(1000));
    const QString path = Write(QStringLiteral("short.wav"), file);
    TMMWave wave;
    wave.LoadWaveFile(path);
    QVERIFY(WriteFile(path, file.left(44 + 300)));
    wave.OpenFile();
    std::vector<int> results;
    QByteArray buffer(400, '\x55');
    results.push_back(wave.ReadData(buffer.data(), 400));
    QCOMPARE(results[0], 300);
    QCOMPARE(buffer.left(300), Ramp(300));
    buffer.fill('\x55');
    QCOMPARE(wave.ReadData(buffer.data(), 400), 4); // once: a zero word
    QCOMPARE(buffer.left(4), QByteArray(4, '\0'));
    QCOMPARE(wave.BytesRemaining(), 0);
    QCOMPARE(wave.ReadData(buffer.data(), 400), -1);
    wave.CloseFile();
}

void TestWaveObject::fileGoneAfterBinding()
{
    const QString path = Write(QStringLiteral("gone.wav"), PcmWave(1, 8000, 8, Ramp(100)));
    TMMWave wave;
    wave.LoadWaveFile(path);
    QVERIFY(QFile::remove(path));
    QCOMPARE(ErrorOf([&] { wave.OpenFile(); }), QStringLiteral("Unable to open wave file"));
    QVERIFY(wave.IORecord()); // still bound
    // The data chunk moved: the file is no longer read where the walk found it.
    QVERIFY(WriteFile(
        path, Riff(Chunk("junk", Ramp(12)) + FmtChunk(PcmFormat(1, 8000, 8)) + Chunk("data", Ramp(100)))));
    QCOMPARE(ErrorOf([&] { wave.OpenFile(); }), QStringLiteral("Unable to open wave file"));
    wave.CloseFile();
}

void TestWaveObject::bindingReadsNoSampleData()
{
    QFile io(QStringLiteral("/proc/self/io"));
    TESSELLOR_REQUIRE(io.open(QIODevice::ReadOnly), "/proc/self/io, to count the bytes read");
    io.close();
    const auto bytesRead = [] {
        QFile f(QStringLiteral("/proc/self/io"));
        f.open(QIODevice::ReadOnly);
        const QByteArray text = f.readAll();
        const qsizetype at = text.indexOf("rchar: ");
        return text.mid(at + 7, text.indexOf('\n', at) - at - 7).toLongLong();
    };
    // 200 MB of samples (a sparse file), with an INFO list after them.
    const QString path = Path(QStringLiteral("big.wav"));
    constexpr qint64 dataBytes = 200LL * 1024 * 1024;
    const QByteArray info = List("INFO", Chunk("INAM", QByteArray("big\0", 4)));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("RIFF") + U32(uint32_t(4 + 24 + 8 + dataBytes + info.size())) + "WAVE" +
                FmtChunk(PcmFormat(2, 44100, 16)) + QByteArray("data") + U32(uint32_t(dataBytes)));
        QVERIFY(f.resize(44 + dataBytes));
        QVERIFY(f.seek(44 + dataBytes));
        f.write(info);
    }
    const qint64 before = bytesRead();
    TMMWave wave;
    wave.LoadWaveFile(path);
    const qint64 read = bytesRead() - before;
    QCOMPARE(wave.IORecord()->DataBytes, uint32_t(dataBytes));
    const TInfoEntry* nam = FindInfoEntry(wave.IORecord()->Info.get(), RiffFile::StringToFOURCC("INAM"));
    QCOMPARE(InfoCurrentText(*wave.IORecord()->Info, *nam).value_or("-"), QByteArray("big"));
    QVERIFY2(read < 256 * 1024, qPrintable(QStringLiteral("binding read %1 bytes").arg(read)));
}

namespace {
int stopCalls = 0;
void CountStop()
{
    ++stopCalls;
}
} // namespace

void TestWaveObject::releaseStopsSimpleSound()
{
    SimpleSound::SetStopHook(&CountStop);
    stopCalls = 0;
    const QString path = Write(QStringLiteral("snd.wav"), PcmWave(1, 8000, 8, Ramp(8)));
    int afterClear = 0;
    {
        TMMWave wave;
        wave.LoadWaveFile(path); // binding releases what was bound first
        const int afterBinding = stopCalls;
        QVERIFY(afterBinding >= 1);
        wave.ClearWave();
        afterClear = stopCalls;
        QCOMPARE(afterClear, afterBinding + 1);
    }
    QCOMPARE(stopCalls, afterClear + 1); // freeing the wave releases it too
    SimpleSound::SetStopHook(nullptr);
}

QTEST_GUILESS_MAIN(TestWaveObject)
#include "test_wave_object.moc"
