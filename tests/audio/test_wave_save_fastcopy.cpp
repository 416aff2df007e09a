// Saving moves each block file to file where it can. These tests hold that
// path to the one through memory: the same file byte for byte, the same
// progress and read state after every block, the same outcome when the source
// shrinks during the save or the target cannot be written. Every test runs
// once for each way the file layer may move the bytes, so that the ways a
// system may refuse are held to the same results.

#include "Requirements.h"
#include "WaveBytes.h"

#include "audio/RiffFile.h"
#include "audio/TMMWave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>

using namespace WaveBytes;

namespace {

constexpr int HeaderBytes = 44;     // RIFF, WAVE, a 16-byte fmt chunk and the data header of PcmWave
constexpr int SavedDataOffset = 46; // the same with the 18-byte fmt chunk of a saved file

// A CD stereo wave laid out as a saved one: an 18-byte fmt chunk, the samples at 46.
QByteArray SavedLayoutWave(const QByteArray& samples)
{
    return Riff(FmtChunk(PcmFormat(2, 44100, 16) + U16(0)) + Chunk("data", samples));
}

// What one save left: its failure text, the file written, and after every
// block the progress values and the read state of the wave.
struct SaveOutcome {
    std::optional<QString> error;
    QByteArray file;
    QList<QList<qint64>> blocks;
};

QList<qint64> ReadState(TMMWave& wave, int32_t cur, int32_t num)
{
    const TWaveIORecord* record = wave.IORecord();
    return {cur,
            num,
            wave.BytesRemaining(),
            wave.Position(),
            wave.RegionIndex(),
            wave.RegionBytesLeft(),
            record ? qint64(record->BytesLeft) : -1,
            record ? qint64(record->CurrentSample) : -1};
}

// Restores the limit on file sizes when a test ends, whatever way.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
    bool ok_ = false;
};

} // namespace

class TestWaveSaveFastCopy : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }

    // Writes `source` afresh, binds it and saves it to out.wav; `onBlock`
    // runs in the progress handler with the call number (from 1).
    SaveOutcome Save(const QByteArray& source, bool direct,
                     const std::function<void(int, bool&)>& onBlock = {})
    {
        SaveOutcome outcome;
        QFile::remove(Path("out.wav"));
        if (!WriteFile(Path("src.wav"), source))
            return outcome;
        TMMWave wave;
        wave.LoadWaveFile(Path("src.wav"));
        wave.SetDirectCopy(direct);
        int calls = 0;
        wave.OnProgress = [&](TMMWave*, int32_t cur, int32_t num, bool& cancel) {
            outcome.blocks.append(ReadState(wave, cur, num));
            if (onBlock)
                onBlock(++calls, cancel);
        };
        try {
            wave.SaveWaveFile(Path("out.wav"));
        } catch (const EMMWaveError& e) {
            outcome.error = e.Message();
        }
        outcome.file = ReadFile(Path("out.wav"));
        return outcome;
    }

    static void CheckSame(const SaveOutcome& direct, const SaveOutcome& plain)
    {
        QCOMPARE(direct.error, plain.error);
        QCOMPARE(direct.blocks, plain.blocks);
        QCOMPARE(direct.file.size(), plain.file.size());
        QVERIFY(direct.file == plain.file);
    }

  private slots:
    void initTestCase_data()
    {
        QTest::addColumn<RiffFile::CopyWay>("firstWay");
        QTest::newRow("kernel file copy") << RiffFile::CopyWay::FileRange;
        QTest::newRow("splice") << RiffFile::CopyWay::Splice;
        QTest::newRow("through memory") << RiffFile::CopyWay::Memory;
    }

    void cleanupTestCase() { RiffFile::SetFirstCopyWay(RiffFile::CopyWay::FileRange); }

    void init()
    {
        QFETCH_GLOBAL(RiffFile::CopyWay, firstWay);
        RiffFile::SetFirstCopyWay(firstWay);
        for (const QString& name : Entries())
            QFile::remove(Path(name));
    }

    void copyFrom_data()
    {
        QTest::addColumn<int>("sourceBuffer");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("cached"); // bytes read through the source's buffer first
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pending"); // bytes the target holds unwritten first
        QTest::addColumn<int>("at");      // the target's position for the copy
        QTest::newRow("straight from the file") << 4096 << 0 << 0 << 50000 << 0 << 0;
        QTest::newRow("after the source's buffer") << 4096 << 10 << 100 << 50000 << 0 << 0;
        QTest::newRow("within the source's buffer") << 4096 << 10 << 100 << 2000 << 0 << 0;
        QTest::newRow("a rest under the buffer size refills it") << 65536 << 7 << 60000 << 30000 << 0 << 0;
        QTest::newRow("after the target's unwritten bytes") << 4096 << 0 << 0 << 50000 << 46 << 46;
        QTest::newRow("over the target's unwritten bytes") << 4096 << 0 << 0 << 50000 << 46 << 10;
        QTest::newRow("past the end of the source") << 4096 << 90000 << 0 << 50000 << 3 << 3;
        QTest::newRow("at the end of the source") << 4096 << 100000 << 0 << 10 << 0 << 0;
        QTest::newRow("nothing asked") << 4096 << 5 << 0 << 0 << 5 << 5;
    }

    // The file, both positions and the next read are as with Read and Write.
    void copyFrom()
    {
        QFETCH(int, sourceBuffer);
        QFETCH(int, start);
        QFETCH(int, cached);
        QFETCH(int, count);
        QFETCH(int, pending);
        QFETCH(int, at);
        const QByteArray bytes = Ramp(100000, 17);
        QVERIFY(WriteFile(Path("from.bin"), bytes));
        RiffFile source;
        RiffFile target;
        QVERIFY(source.Open(Path("from.bin"), RiffFile::Mode::Read));
        QVERIFY(source.SetBuffer(sourceBuffer));
        QVERIFY(target.Open(Path("to.bin"), RiffFile::Mode::Create));
        QByteArray expected = Ramp(pending, 99);
        QCOMPARE(target.Write(expected.constData(), pending), pending);
        QCOMPARE(target.Seek(at, RiffFile::Origin::Start), qint64(at));
        QCOMPARE(source.Seek(start, RiffFile::Origin::Start), qint64(start));
        QByteArray head(cached, '\0');
        QCOMPARE(source.Read(head.data(), cached), std::min(cached, int(bytes.size()) - start));
        const int from = int(source.Position());
        const int available = std::max(0, std::min(count, int(bytes.size()) - from));
        // A later write wins over bytes still waiting in the target's buffer.
        expected = expected.left(at) + bytes.mid(from, available) + expected.mid(at + available);

        QCOMPARE(target.CopyFrom(source, count), qint64(available));
        QCOMPARE(source.Position(), qint64(from + available));
        QCOMPARE(target.Position(), qint64(at + available));
        QCOMPARE(target.Seek(0, RiffFile::Origin::End), qint64(expected.size()));
        char next = 0;
        QCOMPARE(source.Read(&next, 1), from + available < bytes.size() ? 1 : 0);
        if (from + available < bytes.size())
            QCOMPARE(next, bytes.at(from + available));
        QCOMPARE(target.Write("!", 1), 1);
        QVERIFY(target.Close());
        QCOMPARE(ReadFile(Path("to.bin")), expected + "!");
    }

    void copyFromRefused()
    {
        QVERIFY(WriteFile(Path("from.bin"), Ramp(100)));
        RiffFile source;
        RiffFile readOnly;
        QVERIFY(source.Open(Path("from.bin"), RiffFile::Mode::Read));
        QVERIFY(readOnly.Open(Path("from.bin"), RiffFile::Mode::Read));
        QCOMPARE(readOnly.CopyFrom(source, 10), qint64(-1));
        QCOMPARE(source.CopyFrom(source, 10), qint64(-1));
        RiffFile closed;
        QCOMPARE(closed.CopyFrom(source, 10), qint64(-1));
        QCOMPARE(ReadFile(Path("from.bin")), Ramp(100));
    }

    void sameFileAsThroughMemory_data()
    {
        QTest::addColumn<QByteArray>("source");
        // Blocks larger than the wave's I/O buffer go file to file; smaller
        // ones are served by the source's buffer as reads would be.
        QTest::newRow("CD stereo, blocks above the I/O buffer") << PcmWave(2, 44100, 16, Ramp(400000, 5));
        // The data lies where the copy's does: the kernel's file-to-file copy.
        QTest::newRow("CD stereo, data at the copy's offset") << SavedLayoutWave(Ramp(400000, 5));
        QTest::newRow("8 kHz mono, blocks below the I/O buffer") << PcmWave(1, 8000, 8, Ramp(40001, 5));
        QTest::newRow("one block, odd size") << PcmWave(1, 8000, 8, Ramp(4999));
        QTest::newRow("no sample data") << PcmWave(1, 8000, 16, {});
        QTest::newRow("byte rate below one block")
            << Riff(FmtChunk(Format16(0x11, 1, 8000, 100, 256, 4) + U16(2) + U16(505)) +
                    Chunk("data", Ramp(256 * 5)));
        QTest::newRow("data followed by other chunks")
            << Riff(FmtChunk(PcmFormat(2, 22050, 16)) + Chunk("data", Ramp(200000, 1)) +
                    List("INFO", Chunk("INAM", QByteArray("name\0", 5))) + Chunk("cue ", U32(0)));
    }

    void sameFileAsThroughMemory()
    {
        QFETCH(QByteArray, source);
        const SaveOutcome plain = Save(source, false);
        const SaveOutcome direct = Save(source, true);
        QCOMPARE(plain.error, std::nullopt);
        CheckSame(direct, plain);
        QCOMPARE(Entries(), QStringList({"out.wav", "src.wav"}));
    }

    void sourceShrinksDuringSave_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("atCall");
        QTest::addColumn<int>("keptData"); // sample bytes left in the source; -1: the file is emptied
        const QByteArray cd = PcmWave(2, 44100, 16, Ramp(400000, 5));
        const QByteArray small = PcmWave(1, 8000, 8, Ramp(60000, 5));
        QTest::newRow("large blocks, cut inside the second") << cd << 1 << 200000;
        QTest::newRow("large blocks, cut after the first") << cd << 1 << 176400;
        QTest::newRow("large blocks, file emptied") << cd << 1 << -1;
        QTest::newRow("large blocks, cut before the last") << cd << 2 << 352800;
        // The source's buffer still holds bytes read before the cut.
        QTest::newRow("small blocks, cut inside the buffer") << small << 1 << 10000;
        QTest::newRow("small blocks, cut after the buffer") << small << 1 << 40000;
        QTest::newRow("data at the copy's offset, cut inside the second")
            << SavedLayoutWave(Ramp(400000, 5)) << 1 << 200000;
    }

    // Data due but gone: the copy ends with one zero word and the save goes
    // on with what it has, on both paths alike.
    void sourceShrinksDuringSave()
    {
        QFETCH(QByteArray, source);
        QFETCH(int, atCall);
        QFETCH(int, keptData);
        const int header = int(source.indexOf("data")) + 8;
        const qint64 size = keptData < 0 ? 0 : header + keptData;
        const auto cut = [&](int call, bool&) {
            if (call == atCall)
                QVERIFY(QFile::resize(Path("src.wav"), size));
        };
        const SaveOutcome plain = Save(source, false, cut);
        const SaveOutcome direct = Save(source, true, cut);
        QCOMPARE(plain.error, std::nullopt);
        CheckSame(direct, plain);
        const QByteArray data = direct.file.mid(SavedDataOffset, direct.blocks.last().at(0));
        QVERIFY(data.endsWith(QByteArray(4, '\0')));
        QCOMPARE(data.left(std::max(keptData, 0)), source.mid(header, std::max(keptData, 0)));
    }

    void progressAndCancel_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<int>("cancelOnCall"); // 0: never
        QTest::newRow("file to file, to the end") << true << 0;
        QTest::newRow("file to file, cancelled on the second block") << true << 2;
        QTest::newRow("file to file, cancelled on the last block") << true << 3;
        QTest::newRow("through memory, cancelled on the second block") << false << 2;
    }

    void progressAndCancel()
    {
        QFETCH(bool, direct);
        QFETCH(int, cancelOnCall);
        QVERIFY(WriteFile(Path("out.wav"), "old"));
        const QByteArray source = PcmWave(2, 44100, 16, Ramp(400000, 5));
        QVERIFY(WriteFile(Path("src.wav"), source));
        TMMWave wave;
        wave.LoadWaveFile(Path("src.wav"));
        wave.SetDirectCopy(direct);
        QList<int> seen;
        wave.OnProgress = [&](TMMWave*, int32_t cur, int32_t num, bool& cancel) {
            QCOMPARE(num, 400000);
            seen.append(cur);
            cancel = seen.size() == cancelOnCall;
        };
        std::optional<QString> error;
        try {
            wave.SaveWaveFile(Path("out.wav"));
        } catch (const EMMWaveError& e) {
            error = e.Message();
        }
        const QList<int> all{176400, 352800, 400000};
        QCOMPARE(seen, cancelOnCall ? all.mid(0, cancelOnCall) : all);
        QCOMPARE(Entries(), QStringList({"out.wav", "src.wav"}));
        QCOMPARE(ReadFile(Path("src.wav")), source);
        if (cancelOnCall) {
            QCOMPARE(error, QStringLiteral("Saving was aborted"));
            QCOMPARE(ReadFile(Path("out.wav")), QByteArray("old"));
        } else {
            QCOMPARE(error, std::nullopt);
            QCOMPARE(ReadFile(Path("out.wav")).mid(SavedDataOffset, 400000), source.mid(HeaderBytes));
        }
    }

    void targetCannotGrow_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<int>("limit"); // the largest file the process may write
        const QByteArray cd = PcmWave(2, 44100, 16, Ramp(400000, 5));
        QTest::newRow("file to file, inside the second block") << cd << true << 250000;
        QTest::newRow("file to file, inside the first block") << cd << true << 1000;
        QTest::newRow("file to file, no room for the trailing chunks") << cd << true << 400046;
        QTest::newRow("through memory, inside the second block") << cd << false << 250000;
        QTest::newRow("data at the copy's offset, inside the second block")
            << SavedLayoutWave(Ramp(400000, 5)) << true << 250000;
    }

    // A target that cannot take the bytes (as on a full volume) fails the
    // save; the temporary file goes and the old target stays.
    void targetCannotGrow()
    {
        QFETCH(QByteArray, source);
        QFETCH(bool, direct);
        QFETCH(int, limit);
        QVERIFY(WriteFile(Path("src.wav"), source));
        QVERIFY(WriteFile(Path("out.wav"), "old"));
        TMMWave wave;
        wave.LoadWaveFile(Path("src.wav"));
        wave.SetDirectCopy(direct);
        std::optional<QString> error;
        {
            FileSizeLimit guard{rlim_t(limit)};
            TESSELLOR_REQUIRE(guard.ok(), "a file size limit this process may set");
            try {
                wave.SaveWaveFile(Path("out.wav"));
            } catch (const EMMWaveError& e) {
                error = e.Message();
            }
        }
        QCOMPARE(error, QStringLiteral("Unable to save wave file"));
        QCOMPARE(Entries(), QStringList({"out.wav", "src.wav"}));
        QCOMPARE(ReadFile(Path("out.wav")), QByteArray("old"));
        QCOMPARE(ReadFile(Path("src.wav")), source);
        QVERIFY(!wave.IsOpen());
    }
};

QTEST_GUILESS_MAIN(TestWaveSaveFastCopy)
#include "test_wave_save_fastcopy.moc"
