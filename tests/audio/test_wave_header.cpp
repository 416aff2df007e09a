#include "WaveBytes.h"
#include "audio/MMWaveIO.h"

#include <QTemporaryDir>
#include <QTest>

using namespace WaveBytes;

namespace {

const QByteArray Stereo16 = PcmFormat(2, 8000, 16); // block 4
const QByteArray Mono8 = PcmFormat(1, 8000, 8);     // block 1

QByteArray Info(const char* name)
{
    return List("INFO", Chunk("INAM", QByteArray(name) + '\0'));
}

} // namespace

// The header walk over files that are right, odd, or lying.
class TestWaveHeader : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir;

  private slots:
    void walk_data();
    void walk();
    void formatRules_data();
    void formatRules();
    void validWaveFile();
    void conversions_data();
    void conversions();
};

void TestWaveHeader::walk_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("dataOffset");
    QTest::addColumn<uint>("dataBytes");
    QTest::addColumn<uint>("lengthSamples");
    QTest::addColumn<QByteArray>("name"); // INAM text read, "-" = none

    const QByteArray fmt4 = FmtChunk(Stereo16);
    const QByteArray fmt1 = FmtChunk(Mono8);
    QTest::newRow("plain 16-bit stereo")
        << Riff(fmt4 + Chunk("data", Ramp(40))) << 0 << 44u << 40u << 10u << QByteArray("-");
    QTest::newRow("data size past the end: to the end, whole blocks")
        << Riff(fmt4 + ChunkWithSize("data", 1000, Ramp(42))) << 0 << 44u << 40u << 10u << QByteArray("-");
    QTest::newRow("data ends at the next header, whole blocks")
        << Riff(fmt4 + Chunk("data", Ramp(42)) + Info("n")) << 0 << 44u << 40u << 10u << QByteArray("n");
    QTest::newRow("odd data: pad byte is not a sample at block 1")
        << Riff(fmt1 + Chunk("data", Ramp(41)) + Info("n")) << 0 << 44u << 41u << 41u << QByteArray("n");
    QTest::newRow("odd final data: pad byte is not a sample")
        << Riff(fmt1 + Chunk("data", Ramp(41))) << 0 << 44u << 41u << 41u << QByteArray("-");
    QTest::newRow("odd final data: bytes past the pad byte still count")
        << (Riff(fmt1 + Chunk("data", Ramp(41))) + Ramp(3)) << 0 << 44u << 45u << 45u << QByteArray("-");
    QTest::newRow("odd data: pad byte dropped at block 4")
        << Riff(fmt4 + Chunk("data", Ramp(41)) + Info("n")) << 0 << 44u << 40u << 10u << QByteArray("n");
    QTest::newRow("bytes after RIFF's end count as data")
        << (Riff(fmt1 + Chunk("data", Ramp(20))) + Ramp(7)) << 0 << 44u << 27u << 27u << QByteArray("-");
    QTest::newRow("fact ignored for the length")
        << Riff(fmt1 + Chunk("fact", U32(99999)) + Chunk("data", Ramp(20))) << 0 << 56u << 20u << 20u
        << QByteArray("-");
    QTest::newRow("other chunks and LIST types skipped")
        << Riff(Chunk("junk", Ramp(5)) + fmt1 + List("adtl", Chunk("labl", Ramp(8))) +
                Chunk("data", Ramp(8)) + Info("x"))
        << 0 << 86u << 8u << 8u << QByteArray("x");
    QTest::newRow("second fmt ends the walk")
        << Riff(fmt1 + Chunk("data", Ramp(8)) + FmtChunk(Stereo16) + Info("lost")) << 0 << 44u << 8u << 8u
        << QByteArray("-");
    QTest::newRow("second non-empty data ends the walk")
        << Riff(fmt1 + Chunk("data", Ramp(8)) + Chunk("data", Ramp(16)) + Info("lost")) << 0 << 44u << 8u
        << 8u << QByteArray("-");
    QTest::newRow("empty data, then the real one") << Riff(fmt1 + Chunk("data", "") + Chunk("data", Ramp(16)))
                                                   << 0 << 52u << 16u << 16u << QByteArray("-");
    QTest::newRow("second fact ends the walk")
        << Riff(fmt1 + Chunk("fact", U32(8)) + Chunk("data", Ramp(8)) + Chunk("fact", U32(8)) + Info("lost"))
        << 0 << 56u << 8u << 8u << QByteArray("-");
    QTest::newRow("chunk past RIFF's end after fmt and data ends the walk")
        << Riff(fmt1 + Chunk("data", Ramp(8)) + Info("lost"), "WAVE", 4 + 24 + 16 + 10) << 0 << 44u << 8u
        << 8u << QByteArray("-");
    QTest::newRow("RIFF size 0xFFFFFFFF")
        << Riff(fmt1 + Chunk("data", Ramp(8)), "WAVE", 0xFFFFFFFF) << 0 << 44u << 8u << 8u << QByteArray("-");
    QTest::newRow("data size negative as a signed value")
        << Riff(fmt4 + ChunkWithSize("data", 0x80000000u, Ramp(42))) << 0 << 44u << 40u << 10u
        << QByteArray("-");
    QTest::newRow("RIFF size 0") << Riff(fmt1 + Chunk("data", Ramp(8)), "WAVE", 0) << 101 << 0u << 0u << 0u
                                 << QByteArray("-");
    QTest::newRow("odd final data without pad byte")
        << Riff(fmt1 + Chunk("data", Ramp(9), false)) << 0 << 44u << 9u << 9u << QByteArray("-");
    QTest::newRow("chunk before fmt claims the whole file")
        << Riff(ChunkWithSize("junk", 0x7FFFFFFF, "") + fmt1 + Chunk("data", Ramp(8))) << 101 << 0u << 0u
        << 0u << QByteArray("-");
    QTest::newRow("fmt of 4 GB in a small file") << Riff(ChunkWithSize("fmt ", 0xFFFFFFF0u, Mono8 + Ramp(20)))
                                                 << 101 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("no fmt") << Riff(Chunk("data", Ramp(8))) << 101 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("fmt without data") << Riff(fmt1 + Info("n")) << 101 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("not RIFF") << QByteArray("RIFX") + Riff(fmt1).mid(4) << 106 << 0u << 0u << 0u
                              << QByteArray("-");
    QTest::newRow("form type not WAVE")
        << Riff(fmt1 + Chunk("data", Ramp(8)), "AVI ") << 106 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("form type in lower case")
        << Riff(fmt1 + Chunk("data", Ramp(8)), "wave") << 106 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("empty file") << QByteArray() << 106 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("RIFF header cut short")
        << QByteArray("RIFF\x10\0\0\0WA", 10) << 106 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("fmt cut short") << Riff(ChunkWithSize("fmt ", 16, Mono8.left(6), false)).left(26) << 101
                                   << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("odd chunk without pad at the end, before data")
        << Riff(fmt1 + Chunk("junk", "abc", false)) << 106 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("garbage ids everywhere") << Riff(Ramp(64)) << 101 << 0u << 0u << 0u << QByteArray("-");
    QTest::newRow("INFO list cut short") << Riff(fmt1 + Chunk("data", Ramp(8)) + Info("abc").left(18)) << 0
                                         << 44u << 8u << 8u << QByteArray("-");
}

void TestWaveHeader::walk()
{
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    const QString path = dir.filePath(QStringLiteral("walk.wav"));
    QVERIFY(WriteFile(path, file));
    std::unique_ptr<TWaveIORecord> record;
    QCOMPARE(ReadWaveFileInfo(path, FOURCC_WAVE, WaveKindFile, record), result);
    QCOMPARE(bool(record), result == 0);
    if (!record)
        return;
    QFETCH(uint, dataOffset);
    QFETCH(uint, dataBytes);
    QFETCH(uint, lengthSamples);
    QFETCH(QByteArray, name);
    QCOMPARE(record->DataOffset, dataOffset);
    QCOMPARE(record->DataBytes, dataBytes);
    QCOMPARE(record->LengthSamples, lengthSamples);
    QCOMPARE(record->EndSample, lengthSamples);
    QCOMPARE(record->StartSample, 0u);
    QCOMPARE(record->FileSize, uint(file.size()));
    QCOMPARE(record->Kind, WaveKindFile);
    QCOMPARE(record->Name, path);
    QVERIFY(!record->Handle);
    QVERIFY(record->Format.Size() >= TWaveFormat::HeaderSize);
    const TInfoEntry* nam = FindInfoEntry(record->Info.get(), RiffFile::StringToFOURCC("INAM"));
    QCOMPARE(InfoCurrentText(*record->Info, *nam).value_or("-"), name);
}

void TestWaveHeader::formatRules_data()
{
    QTest::addColumn<QByteArray>("format"); // the fmt chunk's bytes
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("blockAlign");
    QTest::addColumn<uint>("avgBytes");
    QTest::addColumn<int>("cbSize");
    QTest::addColumn<int>("formatSize");

    QTest::newRow("PCM of 16 bytes: cbSize 0, 18 bytes held")
        << PcmFormat(1, 8000, 16) << 0 << 2 << 16000u << 0 << 18;
    QTest::newRow("PCM wrong block and rate recomputed")
        << Format16(1, 2, 8000, 7, 3, 16) + U16(0) << 0 << 4 << 32000u << 0 << 18;
    QTest::newRow("PCM block 0 recomputed") << Format16(1, 1, 8000, 0, 0, 8) << 0 << 1 << 8000u << 0 << 18;
    QTest::newRow("PCM 4-bit mono gives block 0")
        << Format16(1, 1, 8000, 4000, 1, 4) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("PCM byte rate beyond 32 bits")
        << Format16(1, 8, 0xFFFFFFFF, 0, 0, 32) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("non-PCM block 0") << Format16(6, 1, 8000, 8000, 0, 8) + U16(0) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("rate 0") << Format16(6, 1, 0, 8000, 1, 8) + U16(0) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("byte rate 0") << Format16(6, 1, 8000, 0, 1, 8) + U16(0) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("PCM rate 0") << Format16(1, 1, 0, 0, 1, 8) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("non-PCM values kept")
        << Format16(2, 1, 22050, 11155, 512, 4) + U16(2) + U16(1012) << 0 << 512 << 11155u << 2 << 20;
    QTest::newRow("cbSize beyond the chunk cut")
        << Format16(2, 1, 22050, 11155, 512, 4) + U16(32) + U16(1012) << 0 << 512 << 11155u << 2 << 20;
    QTest::newRow("cbSize in an 18-byte chunk cut to 0")
        << Format16(0x11, 1, 8000, 4055, 256, 4) + U16(2) << 0 << 256 << 4055u << 0 << 18;
    QTest::newRow("14-byte format, zero-filled")
        << Format16(6, 1, 8000, 8000, 1, 8).left(14) << 0 << 1 << 8000u << 0 << 18;
    QTest::newRow("8-byte format: block 0")
        << Format16(6, 1, 8000, 8000, 1, 8).left(8) << 101 << 0 << 0u << 0 << 0;
    QTest::newRow("length beyond 31 bits")
        << Format16(6, 1, 0xFFFFFFFF, 1, 1, 8) + U16(0) << 101 << 0 << 0u << 0 << 0;
}

void TestWaveHeader::formatRules()
{
    QFETCH(QByteArray, format);
    QFETCH(int, result);
    const QString path = dir.filePath(QStringLiteral("format.wav"));
    QVERIFY(WriteFile(path, Riff(Chunk("fmt ", format) + Chunk("data", Ramp(1024)))));
    std::unique_ptr<TWaveIORecord> record;
    QCOMPARE(ReadWaveFileInfo(path, FOURCC_WAVE, WaveKindFile, record), result);
    if (!record)
        return;
    QFETCH(int, blockAlign);
    QFETCH(uint, avgBytes);
    QFETCH(int, cbSize);
    QFETCH(int, formatSize);
    QCOMPARE(int(record->Format.BlockAlign()), blockAlign);
    QCOMPARE(record->Format.AvgBytesPerSec(), avgBytes);
    QCOMPARE(int(record->Format.CbSize()), cbSize);
    QCOMPARE(record->Format.Size(), formatSize);
    QCOMPARE(record->DataBytes % record->Format.BlockAlign(), 0u);
}

void TestWaveHeader::validWaveFile()
{
    const QString good = dir.filePath(QStringLiteral("good.wav"));
    const QString bad = dir.filePath(QStringLiteral("bad.wav"));
    QVERIFY(WriteFile(good, PcmWave(1, 8000, 8, Ramp(10))));
    QVERIFY(WriteFile(bad, Riff(Chunk("data", Ramp(10)))));
    QVERIFY(IsValidWaveFile(good));
    QVERIFY(!IsValidWaveFile(bad));
    QVERIFY(!IsValidWaveFile(QString()));
    QVERIFY(!IsValidWaveFile(dir.filePath(QStringLiteral("missing.wav"))));
    QVERIFY(!IsValidWaveFile(dir.path())); // a folder
}

void TestWaveHeader::conversions_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("bytesToSamples");
    QTest::addColumn<qint64>("samplesToBytes");

    const QByteArray ima = Format16(0x11, 1, 8000, 4055, 256, 4) + U16(0);
    const QByteArray odd = Format16(6, 1, 2, 5, 1, 8) + U16(0); // 2.5 bytes per sample
    QTest::newRow("PCM exact") << PcmFormat(2, 44100, 16) << qint64(400) << qint64(100) << qint64(1600);
    QTest::newRow("half rounds up") << odd << qint64(5) << qint64(2) << qint64(13) /* 12.5 */;
    QTest::newRow("below half rounds down") << odd << qint64(4) << qint64(2) /* 1.6 */ << qint64(10);
    QTest::newRow("negative half rounds away from zero") << odd << qint64(-5) << qint64(-2) << qint64(-13);
    QTest::newRow("raised to whole blocks") << ima << qint64(100) << qint64(197) /* 197.3 */ << qint64(256);
    QTest::newRow("product beyond 63 bits") << Format16(6, 1, 0xFFFFFFFF, 0xFFFFFFFF, 1, 8) + U16(0)
                                            << qint64(0x7FFFFFFF) << qint64(0x7FFFFFFF) << qint64(0x7FFFFFFF);
}

void TestWaveHeader::conversions()
{
    QFETCH(QByteArray, format);
    QFETCH(qint64, value);
    QFETCH(qint64, bytesToSamples);
    QFETCH(qint64, samplesToBytes);
    const TWaveFormat f = TWaveFormat::FromBytes(format);
    QCOMPARE(WaveBytesToSamples(f, value), bytesToSamples);
    QCOMPARE(WaveSamplesToBytes(f, value), samplesToBytes);
}

QTEST_GUILESS_MAIN(TestWaveHeader)
#include "test_wave_header.moc"
