// The simple sound player: its decoding of every coding it accepts (checked
// against sox's decoding of the same files) and, with a sound server, what it
// really plays, recorded from the monitor of a null output.

#include "Requirements.h"
#include "SoundRecorder.h"
#include "WaveBytes.h"

#include "audio/TMMWave.h"
#include "audio/player/SimpleSoundPlayer.h"
#include "audio/player/WaveStreamDevice.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstring>

using namespace WaveBytes;

namespace {

constexpr int RecordRate = SoundRecorder::Rate;
// The recording is judged a tenth of a second at a time while waiting for
// the sound to start, stop or change.
constexpr qsizetype Moment = RecordRate / 10;
constexpr int SoundTimeout = 10000; // ms
constexpr double LongTone = 30;     // seconds, longer than SoundTimeout

QByteArray Run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

QVector<float> Floats(const QByteArray& bytes)
{
    QVector<float> values(bytes.size() / qsizetype(sizeof(float)));
    if (!values.isEmpty())
        std::memcpy(values.data(), bytes.constData(), size_t(values.size()) * sizeof(float));
    return values;
}

// Everything the player's stream yields for `path`, read as the sink reads it.
QVector<float> DecodeWithPlayerStream(const QString& path, bool* supported)
{
    TMMWave wave;
    wave.LoadWaveFile(path);
    wave.OpenFile();
    WaveStreamDevice device(wave.WaveFormat()->Bytes(), [&wave](char* buffer, qint64 count) -> qint64 {
        return wave.ReadData(buffer, int32_t(count));
    });
    *supported = device.decoder().isSupported();
    device.open(QIODevice::ReadOnly);
    QByteArray all;
    char chunk[1000]; // not a multiple of a float frame of most formats
    for (qint64 got; (got = device.read(chunk, sizeof chunk)) > 0;)
        all.append(chunk, got);
    return Floats(all);
}

double Rms(const QVector<int16_t>& samples)
{
    double sum = 0;
    for (int16_t s : samples)
        sum += double(s) * s;
    return samples.isEmpty() ? 0 : std::sqrt(sum / double(samples.size()));
}

} // namespace

class TestPlayer : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    bool haveSox_ = false;
    bool haveServer_ = false;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Tone(const QString& name, const QStringList& encoding, double seconds, int frequency = 440)
    {
        const QString path = Path(name);
        QFile::remove(path);
        Run("sox", QStringList{"-n", "-r", "8000"} + encoding +
                       QStringList{path, "synth", QString::number(seconds), "sine",
                                   QString::number(frequency), "vol", "0.5"});
        return path;
    }
  private slots:
    void initTestCase()
    {
        haveSox_ = !QStandardPaths::findExecutable("sox").isEmpty();
        haveServer_ = !QStandardPaths::findExecutable("parec").isEmpty() &&
                      Run("pactl", {"list", "short", "sinks"}).contains("null");
    }

    void cleanup() { SimpleSoundPlayer::instance().stop(); }

    void decodesLikeSox_data()
    {
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("8-bit") << QStringList{"-b", "8", "-e", "unsigned-integer"} << 1e-6;
        QTest::newRow("16-bit stereo") << QStringList{"-b", "16", "-c", "2"} << 1e-6;
        QTest::newRow("24-bit") << QStringList{"-b", "24"} << 1e-6;
        QTest::newRow("32-bit") << QStringList{"-b", "32"} << 1e-6;
        QTest::newRow("float") << QStringList{"-b", "32", "-e", "floating-point"} << 1e-6;
        QTest::newRow("double") << QStringList{"-b", "64", "-e", "floating-point"} << 1e-6;
        QTest::newRow("A-law") << QStringList{"-e", "a-law"} << 1e-6;
        QTest::newRow("mu-law") << QStringList{"-e", "mu-law"} << 1e-6;
        QTest::newRow("Microsoft ADPCM") << QStringList{"-e", "ms-adpcm"} << 1e-6;
        QTest::newRow("Microsoft ADPCM stereo") << QStringList{"-e", "ms-adpcm", "-c", "2"} << 1e-6;
        QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"} << 1e-6;
        QTest::newRow("IMA ADPCM stereo") << QStringList{"-e", "ima-adpcm", "-c", "2"} << 1e-6;
    }

    void decodesLikeSox()
    {
        TESSELLOR_REQUIRE(haveSox_, "sox");
        QFETCH(QStringList, encoding);
        QFETCH(double, tolerance);
        const QString path = Tone("tone.wav", encoding, 0.3);
        const QVector<float> expected =
            Floats(Run("sox", {path, "-t", "raw", "-e", "floating-point", "-b", "32", "-"}));
        QVERIFY(!expected.isEmpty());
        bool supported = false;
        const QVector<float> decoded = DecodeWithPlayerStream(path, &supported);
        QVERIFY(supported);
        QCOMPARE(decoded.size(), expected.size());
        for (qsizetype i = 0; i < decoded.size(); ++i)
            if (std::abs(decoded[i] - expected[i]) > tolerance)
                QFAIL(qPrintable(
                    QStringLiteral("sample %1: %2, sox %3").arg(i).arg(decoded[i]).arg(expected[i])));
    }

    void refusesWhatItCannotPlay_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("MPEG layer 3")
            << Riff(FmtChunk(Format16(0x55, 1, 8000, 1000, 1, 0) + U16(0)) + Chunk("data", Ramp(10)));
        QTest::newRow("12 bits in 1 byte")
            << Riff(FmtChunk(Format16(1, 1, 8000, 8000, 1, 12)) + Chunk("data", Ramp(10)));
        QTest::newRow("ADPCM with 3 channels")
            << Riff(FmtChunk(Format16(0x11, 3, 8000, 4000, 36, 4) + U16(0)) + Chunk("data", Ramp(72)));
        QTest::newRow("not a wave") << QByteArray("hello");
    }

    void refusesWhatItCannotPlay()
    {
        QFETCH(QByteArray, file);
        QVERIFY(WriteFile(Path("odd.wav"), file));
        QVERIFY(!SimpleSoundPlayer::instance().play(Path("odd.wav")));
        QVERIFY(!SimpleSoundPlayer::instance().isPlaying());
        QVERIFY(!SimpleSoundPlayer::instance().play(Path("missing.wav")));
    }

    void playsAndStops_data()
    {
        QTest::addColumn<QStringList>("encoding");
        QTest::newRow("16-bit") << QStringList{"-b", "16"};
        QTest::newRow("8-bit stereo") << QStringList{"-b", "8", "-e", "unsigned-integer", "-c", "2"};
        QTest::newRow("24-bit") << QStringList{"-b", "24"};
        QTest::newRow("A-law") << QStringList{"-e", "a-law"};
        QTest::newRow("Microsoft ADPCM") << QStringList{"-e", "ms-adpcm"};
        QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"};
    }

    void playsAndStops()
    {
        TESSELLOR_REQUIRE(haveSox_ && haveServer_, "sox and a sound server with a null output");
        QFETCH(QStringList, encoding);
        // Far longer than any wait below: a stop that did nothing would still
        // be heard when the waiting gives up.
        const QString tone = Tone("tone.wav", encoding, LongTone);
        SoundRecorder recorder;
        QVERIFY(recorder.Started());
        QVERIFY(SimpleSoundPlayer::instance().play(tone));
        QVERIFY(SimpleSoundPlayer::instance().isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(Rms(recorder.Collect(Moment)) > 2000, SoundTimeout);
        const double playing = Rms(recorder.Collect(RecordRate / 2));
        QVERIFY2(playing > 2000, qPrintable(QString::number(playing)));
        SimpleSoundPlayer::instance().stop();
        QVERIFY(!SimpleSoundPlayer::instance().isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(Rms(recorder.Collect(Moment)) < 50, SoundTimeout);
        const double stopped = Rms(recorder.Collect(RecordRate * 2 / 5));
        QVERIFY2(stopped < 50, qPrintable(QString::number(stopped)));
    }

    void newPlayReplacesOld()
    {
        TESSELLOR_REQUIRE(haveSox_ && haveServer_, "sox and a sound server with a null output");
        const QString low = Tone("low.wav", {}, LongTone, 440);
        const QString high = Tone("high.wav", {}, LongTone, 1000);
        SoundRecorder recorder;
        QVERIFY(recorder.Started());
        QVERIFY(SimpleSoundPlayer::instance().play(low));
        QTRY_VERIFY_WITH_TIMEOUT(Rms(recorder.Collect(Moment)) > 2000, SoundTimeout);
        QVERIFY(SimpleSoundPlayer::instance().play(high));
        // Until the high tone is heard alone; the low one outlasts the wait.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QVector<int16_t> moment = recorder.Collect(Moment);
                return Rms(moment) > 2000 &&
                       SoundRecorder::Amplitude(moment, 1000) > 10 * SoundRecorder::Amplitude(moment, 440);
            }(),
            SoundTimeout);
        const QVector<int16_t> samples = recorder.Collect(RecordRate / 2);
        QVERIFY(Rms(samples) > 2000);
        QVERIFY2(SoundRecorder::Amplitude(samples, 1000) > 10 * SoundRecorder::Amplitude(samples, 440),
                 qPrintable(QStringLiteral("%1 vs %2")
                                .arg(SoundRecorder::Amplitude(samples, 1000))
                                .arg(SoundRecorder::Amplitude(samples, 440))));
    }

    void finishesAtTheEnd()
    {
        TESSELLOR_REQUIRE(haveSox_ && haveServer_, "sox and a sound server with a null output");
        const QString tone = Tone("short.wav", {}, 0.5);
        SoundRecorder recorder;
        QVERIFY(recorder.Started());
        recorder.Clear();
        QSignalSpy finished(&SimpleSoundPlayer::instance(), &SimpleSoundPlayer::finished);
        QVERIFY(SimpleSoundPlayer::instance().play(tone));
        QVERIFY(finished.wait(3000));
        QVERIFY(!SimpleSoundPlayer::instance().isPlaying());
        // The whole sound was heard: its end is not cut off when it finishes.
        const QVector<int16_t> samples = recorder.Collect(RecordRate * 3 / 2);
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < samples.size(); ++i)
            if (std::abs(samples[i]) > 3000) {
                first = first < 0 ? i : first;
                last = i;
            }
        QVERIFY(first >= 0);
        const double heard = double(last - first) / RecordRate;
        QVERIFY2(heard > 0.45, qPrintable(QString::number(heard)));
    }

    // Releasing any wave (here by binding another file) stops what plays.
    void releasingAWaveStopsIt()
    {
        TESSELLOR_REQUIRE(haveSox_ && haveServer_, "sox and a sound server with a null output");
        const QString tone = Tone("tone.wav", {}, 3);
        QVERIFY(SimpleSoundPlayer::instance().play(tone));
        TMMWave other;
        other.LoadWaveFile(tone);
        QVERIFY(!SimpleSoundPlayer::instance().isPlaying());
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "test_player.moc"
