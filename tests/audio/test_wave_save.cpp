// Saving a bound wave as a new file: the layout byte for byte, the copy in
// blocks with its progress event, cancelling, and the failures, each of which
// must leave no temporary file and the target and source as they were.

#include "Requirements.h"
#include "WaveBytes.h"
#include "cardset/Unprivileged.h"

#include "audio/TMMWave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

using namespace WaveBytes;

namespace {

QByteArray Format18(const QByteArray& format16, uint16_t cbSize = 0)
{
    return format16 + U16(cbSize);
}

// What a saved file must hold: RIFF/WAVE, fmt, data, fact, then the DISP
// chunks and the INFO list as given (already laid out).
QByteArray Expected(const QByteArray& format, const QByteArray& samples, uint32_t factValue,
                    const QByteArray& extras = {})
{
    return Riff(Chunk("fmt ", format) + Chunk("data", samples) + Chunk("fact", U32(factValue)) + extras);
}

QByteArray ImaFormat(uint32_t avg, uint16_t align)
{
    return Format16(0x11, 1, 8000, avg, align, 4) + U16(2) + U16(uint16_t((align - 4) * 2 + 1));
}

// A 1 x 1 picture of 24 bits (no colour table) followed by `trailing` bytes.
QByteArray Dib24(int trailing)
{
    constexpr uint32_t imageBytes = 4;
    const QByteArray header = U32(40) + U32(1) + U32(1) + U16(1) + U16(24) + U32(0) + U32(imageBytes) +
                              U32(0) + U32(0) + U32(0) + U32(0);
    return header + Ramp(int(imageBytes) + trailing, 7);
}

} // namespace

class TestWaveSave : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QStringList Entries() const
    {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    void Bind(TMMWave& wave, const QString& name, const QByteArray& bytes)
    {
        QVERIFY(WriteFile(Path(name), bytes));
        wave.LoadWaveFile(Path(name));
        QVERIFY(wave.IORecord());
    }
    // After every save, successful or not, the wave stays bound and closed at 0.
    static void CheckWaveAfterSave(const TMMWave& wave, const QString& boundTo)
    {
        QCOMPARE(wave.FileName(), boundTo);
        QVERIFY(wave.IORecord() != nullptr);
        QVERIFY(!wave.IsOpen());
        QCOMPARE(wave.Position(), 0);
        QVERIFY(!wave.IORecord()->Handle);
    }
    // Saves and returns the failure text, or nullopt on success.
    static std::optional<QString> SaveError(TMMWave& wave, const QString& target)
    {
        try {
            wave.SaveWaveFile(target);
        } catch (const EMMWaveError& e) {
            return e.Message();
        }
        return std::nullopt;
    }

  private slots:
    void init()
    {
        for (const QFileInfo& entry :
             QDir(dir_.path()).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            entry.isDir() ? QDir(entry.filePath()).removeRecursively() : QFile::remove(entry.filePath());
    }

    void layout_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray pcm16 = PcmFormat(1, 8000, 16);
        QTest::newRow("PCM with a 16-byte fmt gets 18 bytes, cbSize 0")
            << Riff(FmtChunk(pcm16) + Chunk("data", Ramp(10))) << Expected(Format18(pcm16), Ramp(10), 5);
        QTest::newRow("PCM cbSize copied, its extra bytes dropped")
            << Riff(FmtChunk(pcm16 + U16(2) + "xy") + Chunk("data", Ramp(4)))
            << Expected(Format18(pcm16, 2), Ramp(4), 2);
        QTest::newRow("PCM block alignment and byte rate recomputed")
            << Riff(FmtChunk(Format16(1, 2, 8000, 3, 1, 16)) + Chunk("data", Ramp(8)))
            << Expected(Format18(PcmFormat(2, 8000, 16)), Ramp(8), 2);
        // A final data chunk's pad byte would count as a sample: these files end without one.
        QTest::newRow("odd sample bytes get a pad byte")
            << Riff(FmtChunk(PcmFormat(1, 8000, 8)) + Chunk("data", Ramp(3), false))
            << Expected(Format18(PcmFormat(1, 8000, 8)), Ramp(3), 3);
        QTest::newRow("no sample data")
            << Riff(FmtChunk(pcm16) + Chunk("data", {})) << Expected(Format18(pcm16), {}, 0);
        QTest::newRow("data cut to whole blocks")
            << Riff(FmtChunk(PcmFormat(2, 8000, 24)) + Chunk("data", Ramp(13)))
            << Expected(Format18(PcmFormat(2, 8000, 24)), Ramp(12), 2);
        const QByteArray aLaw = Format16(6, 1, 8000, 8000, 1, 8);
        QTest::newRow("A-law with a 16-byte fmt")
            << Riff(FmtChunk(aLaw) + Chunk("data", Ramp(5), false)) << Expected(Format18(aLaw), Ramp(5), 5);
        const QByteArray mp3 = Format16(0x55, 1, 8000, 1000, 1, 0) + U16(1) + "\xAB";
        QTest::newRow("odd format size gets a pad byte")
            << Riff(FmtChunk(mp3) + Chunk("data", Ramp(6))) << Expected(mp3, Ramp(6), 48);
        const QByteArray msAdpcm = Format16(2, 1, 8000, 4096, 256, 4) + U16(32) + Ramp(32, 9);
        QTest::newRow("Microsoft ADPCM keeps its 32 extra bytes")
            << Riff(FmtChunk(msAdpcm) + Chunk("data", Ramp(512))) << Expected(msAdpcm, Ramp(512), 1000);
        QTest::newRow("cbSize claiming more than the fmt chunk held is cut")
            << Riff(FmtChunk(Format16(0x11, 1, 8000, 4055, 256, 4) + U16(10) + "ab") +
                    Chunk("data", Ramp(256)))
            << Expected(Format16(0x11, 1, 8000, 4055, 256, 4) + U16(2) + "ab", Ramp(256), 505);
        QTest::newRow("other chunks dropped, fact recomputed")
            << Riff(Chunk("junk", "zz") + FmtChunk(pcm16) + Chunk("fact", U32(999)) +
                    List("adtl", Chunk("labl", "x")) + Chunk("data", Ramp(6)) + Chunk("cue ", U32(0)))
            << Expected(Format18(pcm16), Ramp(6), 3);
    }

    void layout()
    {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, expected);
        TMMWave wave;
        Bind(wave, "src.wav", source);
        wave.SaveWaveFile(Path("out.wav"));
        QCOMPARE(ReadFile(Path("out.wav")).toHex(' '), expected.toHex(' '));
        QCOMPARE(ReadFile(Path("src.wav")), source);
        CheckWaveAfterSave(wave, Path("src.wav"));
        QCOMPARE(Entries(), QStringList({"out.wav", "src.wav"}));
    }

    // INFO texts in table order, empty and unknown ones dropped; DISP text and
    // picture entries in list order, other formats read but not written.
    void infoAndDisp()
    {
        const QByteArray pcm8 = PcmFormat(1, 8000, 8);
        const QByteArray info =
            List("INFO", Chunk("INAM", "Title") + Chunk("IART", QByteArray("Artist", 7)) +
                             Chunk("ICMT", QByteArray(1, '\0')) + Chunk("IXYZ", "unknown") +
                             Chunk("ICOP", QByteArray("C", 2)));
        const QByteArray dib = Dib24(8);
        const QByteArray disp = Chunk("DISP", U32(1) + QByteArray("Hello", 6) + "junk") +
                                Chunk("DISP", U32(8) + dib) + Chunk("DISP", U32(2) + "abcd") +
                                Chunk("DISP", U32(1)) + Chunk("DISP", U32(1) + QByteArray(3, '\0'));
        const QByteArray source =
            Riff(FmtChunk(pcm8) + info + disp + List("adtl", "") + Chunk("data", Ramp(4)));
        TMMWave wave;
        Bind(wave, "src.wav", source);
        wave.SaveWaveFile(Path("out.wav"));

        const QByteArray expectedDisp =
            Chunk("DISP", U32(1) + QByteArray("Hello", 6)) + Chunk("DISP", U32(8) + dib.left(44));
        const QByteArray expectedInfo =
            List("INFO", Chunk("IART", QByteArray("Artist", 7)) + Chunk("ICOP", QByteArray("C", 2)) +
                             Chunk("INAM", QByteArray("Title", 6)));
        QCOMPARE(ReadFile(Path("out.wav")).toHex(' '),
                 Expected(Format18(pcm8), Ramp(4), 4, expectedDisp + expectedInfo).toHex(' '));
    }

    void progress_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<QList<int>>("curBytes");

        QTest::newRow("one second of PCM per block")
            << PcmFormat(1, 8000, 16) << 40000 << QList<int>{16000, 32000, 40000};
        QTest::newRow("byte rate cut to whole blocks")
            << ImaFormat(4055, 256) << 8192 << QList<int>{3840, 7680, 8192};
        QTest::newRow("byte rate below one block copies a block at a time")
            << ImaFormat(100, 256) << 768 << QList<int>{256, 512, 768};
        QTest::newRow("no data, no progress") << PcmFormat(1, 8000, 16) << 0 << QList<int>{};
    }

    void progress()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, dataBytes);
        QFETCH(QList<int>, curBytes);
        const QByteArray samples = Ramp(dataBytes, 3);
        TMMWave wave;
        Bind(wave, "src.wav", Riff(FmtChunk(format) + Chunk("data", samples)));
        QList<int> seen;
        wave.OnProgress = [&](TMMWave* sender, int32_t cur, int32_t num, bool& cancel) {
            QCOMPARE(sender, &wave);
            QCOMPARE(num, dataBytes);
            QVERIFY(!cancel);
            seen.append(cur);
        };
        wave.SaveWaveFile(Path("out.wav"));
        QCOMPARE(seen, curBytes);
        const QByteArray out = ReadFile(Path("out.wav"));
        QCOMPARE(out.mid(out.indexOf("data") + 8, dataBytes), samples);
    }

    void cancel_data()
    {
        QTest::addColumn<int>("cancelOnCall");
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("first call") << 1 << false;
        QTest::newRow("last call") << 3 << false;
        QTest::newRow("last call, old target kept") << 3 << true;
    }

    void cancel()
    {
        QFETCH(int, cancelOnCall);
        QFETCH(bool, targetExists);
        const QByteArray source = PcmWave(1, 8000, 16, Ramp(40000));
        TMMWave wave;
        Bind(wave, "src.wav", source);
        if (targetExists)
            QVERIFY(WriteFile(Path("out.wav"), "old"));
        int calls = 0;
        wave.OnProgress = [&](TMMWave*, int32_t, int32_t, bool& cancel) { cancel = ++calls == cancelOnCall; };
        QCOMPARE(SaveError(wave, Path("out.wav")), QStringLiteral("Saving was aborted"));
        QCOMPARE(calls, cancelOnCall);
        QCOMPARE(Entries(), targetExists ? QStringList({"out.wav", "src.wav"}) : QStringList({"src.wav"}));
        if (targetExists)
            QCOMPARE(ReadFile(Path("out.wav")), QByteArray("old"));
        QCOMPARE(ReadFile(Path("src.wav")), source);
        CheckWaveAfterSave(wave, Path("src.wav"));
    }

    void waveReleasedDuringSave_data()
    {
        QTest::addColumn<bool>("rebind");
        QTest::newRow("cleared") << false;
        QTest::newRow("bound to another file") << true;
    }

    // The data left to copy is gone: the save fails rather than replace the
    // target by a file cut short.
    void waveReleasedDuringSave()
    {
        QFETCH(bool, rebind);
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(40000)));
        QVERIFY(WriteFile(Path("other.wav"), PcmWave(1, 8000, 16, Ramp(10))));
        QVERIFY(WriteFile(Path("out.wav"), "old"));
        wave.OnProgress = [&](TMMWave*, int32_t, int32_t, bool&) {
            rebind ? wave.LoadWaveFile(Path("other.wav")) : wave.ClearWave();
        };
        QCOMPARE(SaveError(wave, Path("out.wav")), QStringLiteral("Unable to save wave file"));
        QCOMPARE(ReadFile(Path("out.wav")), QByteArray("old"));
        QCOMPARE(Entries(), QStringList({"other.wav", "out.wav", "src.wav"}));
    }

    // The save runs no event loop: events posted before it wait until it
    // returns (the caller's progress handler decides what the window shows).
    void pendingEventsWaitForTheSave()
    {
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(40000)));
        bool eventRan = false;
        QMetaObject::invokeMethod(
            this, [&] { eventRan = true; }, Qt::QueuedConnection);
        QList<bool> ranAtCall;
        wave.OnProgress = [&](TMMWave*, int32_t, int32_t, bool&) { ranAtCall.append(eventRan); };
        wave.SaveWaveFile(Path("out.wav"));
        QCOMPARE(ranAtCall, QList<bool>({false, false, false}));
        QCoreApplication::processEvents();
        QVERIFY(eventRan);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("removeSource");
        QTest::addColumn<QString>("message");
        QTest::newRow("target folder missing") << "missing/out.wav" << false << "Unable to save wave file";
        QTest::newRow("target is a folder") << "folder" << false << "Unable to save wave file";
        QTest::newRow("target under a plain file")
            << "src.wav/out.wav" << false << "Unable to save wave file";
        QTest::newRow("source gone since binding") << "out.wav" << true << "Unable to open wave file";
    }

    void failures()
    {
        QFETCH(QString, target);
        QFETCH(bool, removeSource);
        QFETCH(QString, message);
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(100)));
        QVERIFY(QDir(dir_.path()).mkdir("folder"));
        if (removeSource)
            QVERIFY(QFile::remove(Path("src.wav")));
        const QStringList before = Entries();
        QCOMPARE(SaveError(wave, Path(target)), message);
        QCOMPARE(Entries(), before);
        QVERIFY(QFileInfo(Path("folder")).isDir());
        CheckWaveAfterSave(wave, Path("src.wav"));
    }

    void readOnlyFolder()
    {
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(100)));
        QVERIFY(QDir(dir_.path()).mkdir("locked"));
        // The superuser writes into read-only folders: the save runs as an ordinary user.
        Unprivileged::makeWritable(dir_.path(), true);
        Unprivileged::makeReadOnly(Path("locked"), true);
        std::optional<QString> error;
        {
            Unprivileged user;
            TESSELLOR_REQUIRE(::geteuid() != 0, "an ordinary user to run as");
            error = SaveError(wave, Path("locked/out.wav"));
        }
        Unprivileged::makeWritable(Path("locked"), true);
        QCOMPARE(error, std::optional<QString>(QStringLiteral("Unable to save wave file")));
        QVERIFY(QDir(Path("locked")).isEmpty());
    }

    void invalidParam_data()
    {
        QTest::addColumn<QString>("boundTo");
        QTest::addColumn<QString>("target");
        QTest::newRow("nothing bound") << ""
                                       << "out.wav";
        QTest::newRow("bound to a missing file's name") << "missing.wav"
                                                        << "out.wav";
        QTest::newRow("empty target") << "src.wav"
                                      << "";
    }

    void invalidParam()
    {
        QFETCH(QString, boundTo);
        QFETCH(QString, target);
        QVERIFY(WriteFile(Path("src.wav"), PcmWave(1, 8000, 16, Ramp(10))));
        TMMWave wave;
        wave.SetFileMustExist(false);
        if (!boundTo.isEmpty())
            wave.LoadWaveFile(Path(boundTo));
        QCOMPARE(SaveError(wave, target.isEmpty() ? target : Path(target)),
                 QStringLiteral("Invalid param passed!"));
        QCOMPARE(Entries(), QStringList({"src.wav"}));
    }

    // The wave keeps its binding, with the old file's header values.
    void saveOntoOwnFile()
    {
        const QByteArray source =
            Riff(FmtChunk(PcmFormat(1, 8000, 8)) + Chunk("data", Ramp(6)) + Chunk("cue ", U32(0)));
        TMMWave wave;
        Bind(wave, "own.wav", source);
        wave.SaveWaveFile(Path("own.wav"));
        QCOMPARE(ReadFile(Path("own.wav")), Expected(Format18(PcmFormat(1, 8000, 8)), Ramp(6), 6));
        CheckWaveAfterSave(wave, Path("own.wav"));
        QCOMPARE(wave.FileSize(), uint32_t(source.size()));
        QCOMPARE(Entries(), QStringList({"own.wav"}));
    }

    void temporaryNamesInUse_data()
    {
        QTest::addColumn<int>("free"); // the one number of w1.TMP .. w100.TMP no file holds; 0: none
        QTest::newRow("only the last name free") << 256;
        QTest::newRow("only a name in the middle free") << 128;
        QTest::newRow("no name free") << 0;
    }

    // Files that hold temporary names are never touched: the save takes a
    // free name, or fails when none is left.
    void temporaryNamesInUse()
    {
        QFETCH(int, free);
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(10)));
        QVERIFY(WriteFile(Path("out.wav"), "old"));
        const auto name = [](int i) { return "w" + QString::number(i, 16).toUpper() + ".TMP"; };
        for (int i = 1; i <= 256; ++i)
            if (i != free)
                QVERIFY(WriteFile(Path(name(i)), "busy" + QByteArray::number(i)));
        const QStringList before = Entries();
        const auto error = SaveError(wave, Path("out.wav"));
        QCOMPARE(Entries(), before);
        for (int i = 1; i <= 256; ++i)
            if (i != free)
                QCOMPARE(ReadFile(Path(name(i))), "busy" + QByteArray::number(i));
        QCOMPARE(error,
                 free ? std::nullopt : std::optional<QString>(QStringLiteral("Unable to save wave file")));
        QCOMPARE(ReadFile(Path("out.wav")).left(4), free ? QByteArray("RIFF") : QByteArray("old"));
        CheckWaveAfterSave(wave, Path("src.wav"));
    }

    // Temporary files of saves that were killed are removed by the next save
    // in their folder; a file a live save holds (locked), one just made (its
    // save may not have locked it yet) and other names are never touched.
    void leftoversOfKilledSaves_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("age"); // seconds since last written
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("removed");
        QStringList all;
        for (int i = 1; i <= 256; ++i)
            all << "w" + QString::number(i, 16).toUpper() + ".TMP";
        QTest::newRow("left by a killed save") << QStringList{"w2A.TMP"} << 60 << false << true;
        QTest::newRow("every name left behind") << all << 3600 << false << true;
        QTest::newRow("held by a live save") << QStringList{"w2B.TMP"} << 60 << true << false;
        QTest::newRow("every name held") << all << 3600 << true << false;
        QTest::newRow("just made") << QStringList{"w2C.TMP"} << 0 << false << false;
        QTest::newRow("not a temporary name") << QStringList{"x2D.TMP", "w101.TMP"} << 60 << false << false;
    }
    void leftoversOfKilledSaves()
    {
        QFETCH(QStringList, names);
        QFETCH(int, age);
        QFETCH(bool, locked);
        QFETCH(bool, removed);
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(10)));
        std::vector<std::unique_ptr<QFile>> held;
        for (const QString& name : names) {
            QVERIFY(WriteFile(Path(name), "half a wave"));
            auto file = std::make_unique<QFile>(Path(name));
            QVERIFY(file->open(QIODevice::ReadWrite));
            QVERIFY(file->setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                      QFileDevice::FileModificationTime));
            if (locked)
                QCOMPARE(::flock(file->handle(), LOCK_EX | LOCK_NB), 0);
            else
                file->close();
            held.push_back(std::move(file));
        }
        const auto error = SaveError(wave, Path("out.wav"));
        // With every name held by a live save there is none to take.
        const bool full = names.size() == 256 && !removed;
        QCOMPARE(error,
                 full ? std::optional<QString>(QStringLiteral("Unable to save wave file")) : std::nullopt);
        QStringList expected = removed ? QStringList() : names;
        expected << "src.wav";
        if (!full)
            expected << "out.wav";
        expected.sort();
        QStringList entries = Entries();
        entries.sort();
        QCOMPARE(entries, expected);
    }

    // While it runs, a save holds a lock on its temporary file, which tells
    // the next save that the file is no leftover.
    void saveLocksItsTemporaryFile()
    {
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(40000))); // blocks of a second
        QStringList lockedDuring;
        int blocks = 0;
        wave.OnProgress = [&](TMMWave*, int32_t, int32_t, bool&) {
            ++blocks;
            for (const QString& name : QDir(dir_.path()).entryList({"w*.TMP"}, QDir::Files)) {
                QFile other(Path(name));
                if (other.open(QIODevice::ReadOnly) && ::flock(other.handle(), LOCK_EX | LOCK_NB) != 0)
                    lockedDuring << name;
            }
        };
        QCOMPARE(SaveError(wave, Path("out.wav")), std::nullopt);
        QVERIFY(blocks > 1);
        QCOMPARE(lockedDuring, QStringList(blocks, lockedDuring.value(0)));
    }

    // A sound the user made read-only is not replaced: the save fails and
    // leaves it, and no temporary file, behind.
    void readOnlyTargetIsKept()
    {
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 16, Ramp(100)));
        QVERIFY(WriteFile(Path("S01.wav"), "old"));
        Unprivileged::makeWritable(dir_.path(), true);
        Unprivileged::makeReadOnly(Path("S01.wav"), false);
        std::optional<QString> error;
        {
            Unprivileged user;
            TESSELLOR_REQUIRE(::geteuid() != 0, "an ordinary user to run as");
            error = SaveError(wave, Path("S01.wav"));
        }
        QCOMPARE(error, std::optional<QString>(QStringLiteral("Unable to save wave file")));
        QCOMPARE(ReadFile(Path("S01.wav")), QByteArray("old"));
        QCOMPARE(Entries(), QStringList({"S01.wav", "src.wav"}));
    }

    // Saving onto a symbolic link replaces the file it points to; the link stays.
    void linkTargetStaysALink()
    {
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 8, Ramp(2)));
        QVERIFY(QDir(dir_.path()).mkdir("sounds"));
        QVERIFY(WriteFile(Path("sounds/real.wav"), "old"));
        QVERIFY(QFile::link(Path("sounds/real.wav"), Path("S02.wav")));
        wave.SaveWaveFile(Path("S02.wav"));
        QVERIFY(QFileInfo(Path("S02.wav")).isSymLink());
        QCOMPARE(ReadFile(Path("sounds/real.wav")), Expected(Format18(PcmFormat(1, 8000, 8)), Ramp(2), 2));
        QCOMPARE(QDir(Path("sounds")).entryList(QDir::Files | QDir::Hidden), QStringList({"real.wav"}));
    }

    // A target that exists in another letter case is replaced under its own spelling.
    void targetInOtherLetterCase()
    {
        TMMWave wave;
        Bind(wave, "src.wav", PcmWave(1, 8000, 8, Ramp(2)));
        QVERIFY(WriteFile(Path("S01.WAV"), "old"));
        wave.SaveWaveFile(Path("s01.wav"));
        QCOMPARE(Entries(), QStringList({"S01.WAV", "src.wav"}));
        QCOMPARE(ReadFile(Path("S01.WAV")), Expected(Format18(PcmFormat(1, 8000, 8)), Ramp(2), 2));
    }
};

QTEST_GUILESS_MAIN(TestWaveSave)
#include "test_wave_save.moc"
