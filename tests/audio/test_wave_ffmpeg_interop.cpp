// Waves written by ffmpeg are described as ffprobe and a plain parse of the
// file see them, and copied into files of our own layout that ffmpeg decodes
// to the same samples.

#include "Requirements.h"
#include "WaveBytes.h"

#include "audio/TMMWave.h"

#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace WaveBytes;

namespace {

constexpr uint16_t TagPcm = 1;
constexpr uint16_t TagMsAdpcm = 2;
constexpr uint16_t TagImaAdpcm = 0x11;
constexpr uint16_t TagExtensible = 0xFFFE;
constexpr qsizetype FormatBaseBytes = 16;    // the format record without cbSize
constexpr qsizetype SubFormatTagOffset = 24; // first two bytes of the sub-format GUID

uint16_t U16At(const QByteArray& bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? qFromLittleEndian<uint16_t>(bytes.constData() + at) : 0;
}

// The fmt bytes a copy must hold: 18 bytes for PCM, else 18 + cbSize.
QByteArray ExpectedFormat(const QByteArray& sourceFormat)
{
    if (U16At(sourceFormat, 0) == TagPcm)
        return sourceFormat.left(FormatBaseBytes) + U16(0);
    const QByteArray withCbSize = (sourceFormat + QByteArray(2, '\0')).left(FormatBaseBytes + 2);
    return sourceFormat.left(FormatBaseBytes + 2 + U16At(withCbSize, FormatBaseBytes));
}

struct RunResult {
    bool ok = false;
    QByteArray out;
};

RunResult Run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    const bool finished = process.waitForFinished(60000);
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ok, ok ? process.readAllStandardOutput() : process.readAllStandardError()};
}

// ffprobe's view of the first stream and the file's tags, as key=value lines.
QMap<QByteArray, QByteArray> Probe(const QString& path)
{
    const RunResult r = Run("ffprobe", {"-v", "error", "-show_entries",
                                        "stream=codec_tag,sample_rate,channels,channel_layout,duration_ts"
                                        ":format_tags",
                                        "-of", "default=nw=1", path});
    QMap<QByteArray, QByteArray> fields;
    if (!r.ok)
        return fields;
    for (const QByteArray& line : r.out.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            fields.insert(line.left(eq), line.mid(eq + 1));
    }
    return fields;
}

// Every sample as a 64-bit float, which holds each source format exactly.
QByteArray Decode(const QString& path)
{
    const RunResult r = Run("ffmpeg", {"-hide_banner", "-loglevel", "error", "-i", path, "-f", "f64le", "-"});
    return r.ok ? r.out : QByteArray();
}

// The INFO texts the file holds by ffprobe's names for them.
QMap<QByteArray, QByteArray> ExpectedInfoTexts(const QMap<QByteArray, QByteArray>& probe)
{
    const QList<std::pair<const char*, const char*>> names{
        {"TAG:artist", "IART"}, {"TAG:comment", "ICMT"}, {"TAG:title", "INAM"}, {"TAG:encoder", "ISFT"}};
    QMap<QByteArray, QByteArray> texts;
    for (const auto& [tag, id] : names)
        if (probe.contains(tag))
            texts.insert(id, probe.value(tag));
    return texts;
}

QMap<QByteArray, QByteArray> InfoTexts(const TInfoList& info)
{
    QMap<QByteArray, QByteArray> texts;
    for (const TInfoEntry& entry : info.Entries) {
        const std::optional<QByteArray> text = InfoCurrentText(info, entry);
        if (text && !text->isEmpty())
            texts.insert(RiffFile::FOURCCToString(InfoChunkIds[entry.TableIndex]), *text);
    }
    return texts;
}

// The LIST INFO payload a copy must hold: the source's items in the order of
// the fixed table (for the ids ffmpeg writes: IART, ICMT, INAM, ISFT).
QByteArray ExpectedInfoList(const QByteArray& sourceList)
{
    const QList<ChunkBytes> items = ListItems(sourceList);
    QByteArray expected = "INFO";
    for (const char* id : {"IART", "ICMT", "INAM", "ISFT"}) {
        const QByteArray payload = ChunkPayload(items, id);
        if (!payload.isEmpty())
            expected += Chunk(id, payload);
    }
    return expected;
}

const char* const NominalByteRateReason = "ffmpeg stores its nominal bit rate / 8 as the ADPCM byte rate, "
                                          "and the length is reckoned from that rate";

} // namespace

class TestWaveFfmpegInterop : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void initTestCase()
    {
        TESSELLOR_REQUIRE(Requirements::haveProgram("ffmpeg") && Requirements::haveProgram("ffprobe"),
                          "ffmpeg and ffprobe");
        QVERIFY(dir_.isValid());
    }

    void describesAndCopies_data()
    {
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("withTexts");
        QTest::addColumn<bool>("withDisp");

        for (const char* codec : {"pcm_u8", "pcm_s16le", "pcm_s24le", "pcm_s32le", "pcm_f32le", "pcm_f64le",
                                  "pcm_alaw", "pcm_mulaw", "adpcm_ms", "adpcm_ima_wav"})
            for (int channels : {1, 2})
                QTest::addRow("%s %s", codec, channels == 1 ? "mono" : "stereo")
                    << codec << channels << false << false;
        QTest::newRow("pcm_s16le 6 channels") << "pcm_s16le" << 6 << false << false;
        QTest::newRow("pcm_s24le 6 channels") << "pcm_s24le" << 6 << false << false;
        QTest::newRow("pcm_s16le with texts") << "pcm_s16le" << 1 << true << false;
        QTest::newRow("adpcm_ms stereo with texts") << "adpcm_ms" << 2 << true << false;
        QTest::newRow("pcm_mulaw with texts and DISP") << "pcm_mulaw" << 2 << true << true;
    }

    void describesAndCopies()
    {
        QFETCH(QString, codec);
        QFETCH(int, channels);
        QFETCH(bool, withTexts);
        QFETCH(bool, withDisp);
        const QString src = Path("src.wav");
        const QString copy = Path("copy.wav");
        QFile::remove(src);
        QFile::remove(copy);

        QStringList args{"-hide_banner",
                         "-loglevel",
                         "error",
                         "-f",
                         "lavfi",
                         "-i",
                         "sine=frequency=440:duration=0.3:sample_rate=22050",
                         "-c:a",
                         codec,
                         "-ac",
                         QString::number(channels)};
        if (withTexts)
            args << "-metadata"
                 << "title=A tone"
                 << "-metadata"
                 << "artist=Tess Ellor"
                 << "-metadata"
                 << "comment=made by ffmpeg";
        const RunResult made = Run("ffmpeg", args << src);
        QVERIFY2(made.ok, made.out.constData());
        const QByteArray dispPayload = U32(1) + QByteArray("Tone", 5);
        if (withDisp)
            QVERIFY(WriteFile(src, WithChunksAfterFormat(ReadFile(src), Chunk("DISP", dispPayload))));

        const QByteArray source = ReadFile(src);
        const QList<ChunkBytes> sourceChunks = Chunks(source);
        const QByteArray fmt = ChunkPayload(sourceChunks, "fmt ");
        const QByteArray data = ChunkPayload(sourceChunks, "data");
        QVERIFY(fmt.size() >= FormatBaseBytes);
        const TWaveFormat fileFormat = TWaveFormat::FromBytes(fmt);
        const uint16_t tag = fileFormat.FormatTag();
        const uint32_t block = fileFormat.BlockAlign();
        QVERIFY(block > 0);
        const QMap<QByteArray, QByteArray> probe = Probe(src);
        QVERIFY(!probe.isEmpty());
        const bool adpcm = tag == TagMsAdpcm || tag == TagImaAdpcm;

        // What binding finds.
        TMMWave wave;
        wave.LoadWaveFile(src);
        const TWaveIORecord* record = wave.IORecord();
        QVERIFY(record);
        QCOMPARE(wave.FormatTag(), tag);
        const uint16_t probedTag = uint16_t(probe.value("codec_tag").toUInt(nullptr, 16));
        QCOMPARE(tag == TagExtensible ? U16At(fmt, SubFormatTagOffset) : tag, probedTag);
        QCOMPARE(int(record->Format.Channels()), channels);
        QCOMPARE(QByteArray::number(record->Format.Channels()), probe.value("channels"));
        QCOMPARE(QByteArray::number(wave.SampleRate()), probe.value("sample_rate"));
        QCOMPARE(record->Format.AvgBytesPerSec(), fileFormat.AvgBytesPerSec());
        QCOMPARE(uint32_t(record->Format.BlockAlign()), block);
        QCOMPARE(record->Format.BitsPerSample(), fileFormat.BitsPerSample());
        QCOMPARE(record->Format.CbSize(), U16At(fmt, FormatBaseBytes));
        QCOMPARE(record->FileSize, uint32_t(source.size()));
        QCOMPARE(record->DataOffset, uint32_t(source.indexOf("data" + U32(uint32_t(data.size()))) + 8));
        QCOMPARE(record->DataBytes, uint32_t(data.size()) / block * block);
        if (adpcm)
            QEXPECT_FAIL("", NominalByteRateReason, Continue);
        QCOMPARE(QByteArray::number(record->LengthSamples), probe.value("duration_ts"));
        const QMap<QByteArray, QByteArray> texts = ExpectedInfoTexts(probe);
        QCOMPARE(InfoTexts(*record->Info), texts);
        QCOMPARE(texts.contains("INAM"), withTexts);
        QCOMPARE(record->Disp->Entries.size(), size_t(withDisp ? 1 : 0));
        if (withDisp) {
            const TDispEntry& entry = record->Disp->Entries.front();
            QCOMPARE(entry.Format, uint32_t(1));
            const QByteArray* held = DispPayload(entry);
            QVERIFY(held);
            QCOMPARE(*held, dispPayload.mid(4));
        }

        // The copy's layout.
        wave.SaveWaveFile(copy);
        const QByteArray copied = ReadFile(copy);
        QCOMPARE(copied.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<uint32_t>(copied.constData() + 4), uint32_t(copied.size() - 8));
        QCOMPARE(copied.mid(8, 4), QByteArray("WAVE"));
        const QList<ChunkBytes> chunks = Chunks(copied);
        QStringList ids;
        for (const ChunkBytes& c : chunks)
            ids.append(QString::fromLatin1(c.id));
        QCOMPARE(ids, withDisp ? QStringList({"fmt ", "data", "fact", "DISP", "LIST"})
                               : QStringList({"fmt ", "data", "fact", "LIST"}));
        QCOMPARE(ChunkPayload(chunks, "fmt ").toHex(), ExpectedFormat(fmt).toHex());
        QCOMPARE(ChunkPayload(chunks, "data"), data.left(data.size() / block * block));
        if (adpcm)
            QEXPECT_FAIL("", NominalByteRateReason, Continue);
        QCOMPARE(ChunkPayload(chunks, "fact"), U32(probe.value("duration_ts").toUInt()));
        if (withDisp)
            QCOMPARE(ChunkPayload(chunks, "DISP"), dispPayload);
        QCOMPARE(ChunkPayload(chunks, "LIST"), ExpectedInfoList(ChunkPayload(sourceChunks, "LIST")));

        // ffmpeg reads the copy back as it read the source.
        const QMap<QByteArray, QByteArray> copyProbe = Probe(copy);
        for (const char* key : {"codec_tag", "sample_rate", "channels", "channel_layout", "TAG:title",
                                "TAG:artist", "TAG:comment", "TAG:encoder"})
            QCOMPARE(copyProbe.value(key), probe.value(key));
        const QByteArray samples = Decode(src);
        QVERIFY(!samples.isEmpty());
        const QByteArray copySamples = Decode(copy);
        QVERIFY(copySamples == samples);
        QCOMPARE(ReadFile(src), source);
    }
};

QTEST_GUILESS_MAIN(TestWaveFfmpegInterop)
#include "test_wave_ffmpeg_interop.moc"
