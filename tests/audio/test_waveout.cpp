// The wave output engine with the real sound server: what it plays is recorded
// from the monitor of a null output. Also its property rules, its failures,
// and the converter's decoding against the sound player's.

#include "Requirements.h"
#include "WaveBytes.h"

#include "audio/TMMWave.h"
#include "audio/output/PlayBufferSize.h"
#include "audio/output/TMMADPCMConverter.h"
#include "audio/output/TMMWaveFile.h"
#include "audio/output/TMMWaveOut.h"
#include "audio/player/WaveStreamDevice.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr int RecordRate = 44100;
constexpr int WaitMs = 30000;

QByteArray Run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// An input with a format that never yields audio.
class SilentInput : public TMMSoundComponent {
  public:
    SilentInput() { format_.SetFormatTag(TWaveFormat::TagPcm), Pcm16Mono(); }
    const TWaveFormat* PWaveFormat() const override { return &format_; }
    void BufferLoad(char*, int32_t& bytes, bool& more) override { bytes = 0, more = false; }

  private:
    void Pcm16Mono()
    {
        format_.SetChannels(1);
        format_.SetSamplesPerSec(22050);
        format_.SetAvgBytesPerSec(44100);
        format_.SetBlockAlign(2);
        format_.SetBitsPerSample(16);
    }
    TWaveFormat format_;
};

// A square wave in SilentInput's format for `good` buffers; then it promises
// more audio but either delivers none or raises.
class FailingInput : public SilentInput {
  public:
    FailingInput(int good, bool raises) : good_(good), raises_(raises) {}
    void BufferLoad(char* buffer, int32_t& bytes, bool& more) override
    {
        more = true;
        if (good_-- > 0) {
            for (int32_t i = 0; i + 1 < bytes; i += 2)
                buffer[i] = buffer[i + 1] = char(i & 0x40 ? 0x20 : 0xE0);
            bytes &= ~1;
        } else if (raises_) {
            throw Exception(QStringLiteral("The source went away"));
        } else {
            bytes = 0;
        }
    }

  private:
    int good_;
    bool raises_;
};

// Records 16-bit mono from the null output's monitor.
class Recorder {
  public:
    bool Start()
    {
        process_.start("parec", {"-d", "null.monitor", "--raw", "--format=s16le", "--channels=1",
                                 QStringLiteral("--rate=%1").arg(RecordRate), "--latency-msec=20"});
        if (!process_.waitForStarted())
            return false;
        QElapsedTimer timer;
        timer.start();
        while (process_.bytesAvailable() == 0 && timer.elapsed() < 10000)
            process_.waitForReadyRead(100);
        process_.readAllStandardOutput();
        return timer.elapsed() < 10000;
    }
    ~Recorder()
    {
        process_.kill();
        process_.waitForFinished();
    }
    // All recorded so far and `more` samples beyond (counting samples, not time).
    QVector<int16_t> Take(qsizetype more)
    {
        QByteArray bytes = process_.readAllStandardOutput();
        QElapsedTimer timer;
        timer.start();
        for (qsizetype wanted = bytes.size() + 2 * more; bytes.size() < wanted && timer.elapsed() < 10000;) {
            process_.waitForReadyRead(50);
            bytes += process_.readAllStandardOutput();
        }
        QVector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.constData(), size_t(samples.size()) * 2);
        return samples;
    }

  private:
    QProcess process_;
};

double PowerAt(const int16_t* samples, qsizetype count, double frequency)
{
    const double coefficient = 2 * std::cos(2 * M_PI * frequency / RecordRate);
    double s1 = 0, s2 = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double s0 = samples[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

// 10 ms windows of the recording that carry the tone. Only the tone's own
// frequency counts: other tests may play other sounds on the same server.
int ToneWindows(const QVector<int16_t>& samples, double frequency)
{
    constexpr int Window = RecordRate / 100;
    constexpr double MinAmplitude = 2000;
    int loud = 0;
    for (qsizetype start = 0; start + Window <= samples.size(); start += Window) {
        const double amplitude =
            2 * std::sqrt(PowerAt(samples.constData() + start, Window, frequency)) / Window;
        loud += amplitude > MinAmplitude ? 1 : 0;
    }
    return loud;
}

// Counts the events of an output.
struct Events {
    int open = 0, start = 0, stop = 0, close = 0, filled = 0, ready = 0;
    QStringList errors;
    void Bind(TMMWaveOut& out)
    {
        out.OnOpen = [this](TMMWaveOut*) { ++open; };
        out.OnStart = [this](TMMWaveOut*) { ++start; };
        out.OnStop = [this](TMMWaveOut*) { ++stop; };
        out.OnClose = [this](TMMWaveOut*) { ++close; };
        out.OnBufferFilled = [this](TMMWaveOut*, char*, int32_t) { ++filled; };
        out.OnBufferReady = [this](TMMWaveOut*, char*, int32_t) { ++ready; };
        out.OnError = [this](TMMWaveOut*, const QString& text) { errors << text; };
    }
};

// The dialog's chain over one file.
struct Chain {
    TMMWaveFile source;
    TMMADPCMConverter converter;
    TMMWaveOut output;
    Events events;
    explicit Chain(const QString& path)
    {
        source.Wave()->SetTimeFormat(TMMTimeFormats::tfByte);
        source.Wave()->LoadWaveFile(path);
        converter.SetInput(&source);
        output.SetInput(&converter);
        output.SetDeviceID(TMMWaveOut::AnyDevice);
        output.SetBufferSize(PlayBufferSize(TMMWaveOut::DefaultBufferSize, *source.PWaveFormat()));
        events.Bind(output);
    }
};

} // namespace

class TestWaveOut : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    bool haveSox_ = false;
    bool haveServer_ = false;

    QString Tone(const QString& name, const QStringList& encoding, double seconds, int rate = 22050,
                 int frequency = 1000)
    {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        Run("sox", QStringList{"-n", "-r", QString::number(rate)} + encoding +
                       QStringList{path, "synth", QString::number(seconds), "sine",
                                   QString::number(frequency), "vol", "0.5"});
        return path;
    }
    bool SkipWithoutSound()
    {
        if (!haveSox_ || !haveServer_) {
            Requirements::reportMissing("sox and a sound server with a null output", __FILE__, __LINE__);
            return true;
        }
        return false;
    }

  private slots:
    void initTestCase()
    {
        haveSox_ = !QStandardPaths::findExecutable("sox").isEmpty();
        haveServer_ = !QStandardPaths::findExecutable("parec").isEmpty() &&
                      Run("pactl", {"list", "short", "sinks"}).contains("null");
    }

    void propertyRules_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("buffer below 32") << "BufferSize" << 5 << 32;
        QTest::newRow("buffer 100") << "BufferSize" << 100 << 100;
        QTest::newRow("1 buffer ignored") << "NumBuffers" << 1 << 10;
        QTest::newRow("0 buffers ignored") << "NumBuffers" << 0 << 10;
        QTest::newRow("2 buffers") << "NumBuffers" << 2 << 2;
        QTest::newRow("1000 buffers") << "NumBuffers" << 1000 << 500;
        QTest::newRow("device -1") << "DeviceID" << -1 << -1;
        QTest::newRow("device -5") << "DeviceID" << -5 << -2;
        QTest::newRow("device out of range") << "DeviceID" << 100000 << -2;
    }
    void propertyRules()
    {
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(int, expected);
        TMMWaveOut out;
        if (property == "BufferSize") {
            out.SetBufferSize(value);
            QCOMPARE(out.BufferSize(), expected);
        } else if (property == "NumBuffers") {
            out.SetNumBuffers(value);
            QCOMPARE(out.NumBuffers(), expected);
        } else {
            out.SetDeviceID(value);
            QCOMPARE(out.DeviceID(), expected);
        }
    }

    void playBufferSize_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("expected");
        QTest::newRow("8 kHz 8-bit") << 32768 << 8000 << 8 << 512;
        QTest::newRow("22 kHz 16-bit") << 32768 << 22050 << 16 << 2048;
        QTest::newRow("32 kHz 4-bit") << 32768 << 32000 << 4 << 256;
        QTest::newRow("44 kHz 16-bit") << 32768 << 44100 << 16 << 6144;
        QTest::newRow("96 kHz keeps, 24-bit") << 32768 << 96000 << 24 << 32768;
        QTest::newRow("96 kHz keeps, 1-bit") << 32768 << 96000 << 1 << 2048;
        QTest::newRow("96 kHz 16-bit doubles") << 32768 << 96000 << 16 << 65536;
        // Bounded, whatever it starts from: no ring of gigabytes, no overflow.
        QTest::newRow("96 kHz 16-bit from 1 MiB") << (1 << 20) << 96000 << 16 << (1 << 20);
        QTest::newRow("96 kHz 16-bit from the largest int") << INT_MAX << 96000 << 16 << (1 << 20);
        QTest::newRow("8 kHz 1-bit at the least size") << 32768 << 8000 << 1 << 32;
    }
    void playBufferSize()
    {
        QFETCH(int, initial);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, expected);
        TWaveFormat format;
        format.SetSamplesPerSec(uint32_t(rate));
        format.SetBitsPerSample(uint16_t(bits));
        QCOMPARE(PlayBufferSize(initial, format), expected);
    }

    void openErrors_data()
    {
        QTest::addColumn<bool>("withFormat");
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("error");
        QTest::newRow("invalid device") << true << -5 << "Invalid DeviceID";
        QTest::newRow("no format") << false << -1 << "WaveOutOpen:\n\rInvalid wave format";
    }
    void openErrors()
    {
        if (SkipWithoutSound())
            return;
        QFETCH(bool, withFormat);
        QFETCH(int, device);
        QFETCH(QString, error);
        SilentInput input;
        TMMSoundComponent none; // delivers no format
        TMMWaveOut out;
        Events events;
        events.Bind(out);
        out.SetInput(withFormat ? static_cast<TMMSoundComponent*>(&input) : &none);
        out.SetDeviceID(device);
        try {
            out.Start();
            QFAIL("started");
        } catch (const EMMWaveOutError& e) {
            QCOMPARE(e.Message(), error);
        }
        QCOMPARE(events.errors, QStringList{error});
        QVERIFY(!out.IsOpen());
        QCOMPARE(events.open, 0);
    }

    // A failure while refilling a returned buffer, on the event loop: OnError
    // with its text, the output stopped and closed.
    void failureWhilePlaying_data()
    {
        QTest::addColumn<bool>("raises");
        QTest::addColumn<QString>("error");
        QTest::newRow("input delivers nothing") << false << "Error filling wave buffer";
        QTest::newRow("input raises") << true << "The source went away";
    }
    void failureWhilePlaying()
    {
        if (SkipWithoutSound())
            return;
        QFETCH(bool, raises);
        QFETCH(QString, error);
        FailingInput input(4, raises);
        TMMWaveOut out;
        Events events;
        events.Bind(out);
        out.SetInput(&input);
        out.SetDeviceID(TMMWaveOut::AnyDevice);
        out.SetBufferSize(2048);
        out.SetNumBuffers(3);
        out.Start();
        QVERIFY(out.Playing());
        QTRY_VERIFY_WITH_TIMEOUT(!out.IsOpen(), WaitMs);
        QCOMPARE(events.errors, QStringList{error});
        QCOMPARE(events.stop, 1);
        QCOMPARE(events.close, 1);
        QVERIFY(!out.Playing());
    }

    // Pause holds the position, Restart goes on; the position reads the same
    // in bytes, samples and milliseconds of the format.
    void pauseRestartAndPosition()
    {
        if (SkipWithoutSound())
            return;
        Chain chain(Tone("pause.wav", {"-b", "16"}, 3.0)); // 22050 Hz mono: 44100 bytes a second
        int paused = 0, restarted = 0;
        chain.output.OnPause = [&](TMMWaveOut*) { ++paused; };
        chain.output.OnRestart = [&](TMMWaveOut*) { ++restarted; };
        chain.output.Start();
        QTRY_VERIFY_WITH_TIMEOUT(chain.output.Position() > 4410, WaitMs);
        chain.output.Pause();
        QVERIFY(chain.output.IsPaused());
        QCOMPARE(paused, 1);
        // Paused, the position holds: two reads 50 ms apart agree (a
        // suspended sink may first report what it had handed on).
        int64_t bytes = -1;
        const auto settled = [&] {
            const int64_t now = chain.output.Position();
            return std::exchange(bytes, now) == now && now > 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), WaitMs);
        const auto in = [&](TMMTimeFormats format) {
            chain.output.SetTimeFormat(format);
            return chain.output.Position();
        };
        QCOMPARE(in(TMMTimeFormats::tfSample), bytes / 2);
        QCOMPARE(in(TMMTimeFormats::tfMillisecond), bytes * 1000 / 44100);
        QCOMPARE(in(TMMTimeFormats::tfByte), bytes);
        chain.output.Restart();
        QVERIFY(!chain.output.IsPaused());
        QCOMPARE(restarted, 1);
        QTRY_VERIFY_WITH_TIMEOUT(chain.output.Position() > bytes + 4410, WaitMs);
        chain.output.Close();
        QVERIFY(chain.events.errors.isEmpty());
    }

    void propertyChangeWhileOpen_data()
    {
        QTest::addColumn<QString>("property");
        QTest::newRow("BufferSize") << "BufferSize";
        QTest::newRow("NumBuffers") << "NumBuffers";
        QTest::newRow("DeviceID") << "DeviceID";
    }
    void propertyChangeWhileOpen()
    {
        if (SkipWithoutSound())
            return;
        QFETCH(QString, property);
        SilentInput input;
        TMMWaveOut out;
        Events events;
        events.Bind(out);
        out.SetInput(&input);
        out.SetDeviceID(TMMWaveOut::AnyDevice);
        out.Open();
        QVERIFY(out.IsOpen());
        const auto set = [&](bool change) {
            if (property == "BufferSize")
                out.SetBufferSize(out.BufferSize() + (change ? 1 : 0));
            else if (property == "NumBuffers")
                out.SetNumBuffers(out.NumBuffers() + (change ? 1 : 0));
            else
                out.SetDeviceID(change ? (out.NumDevs() > 1 ? 0 : TMMWaveOut::InvalidDevice)
                                       : out.DeviceID());
        };
        set(false);
        QVERIFY(events.errors.isEmpty());
        try {
            set(true);
            QFAIL("no error");
        } catch (const EMMWaveOutError& e) {
            QCOMPARE(e.Message(), QStringLiteral("Change to property while device was open"));
        }
        QCOMPARE(events.errors, QStringList{"Change to property while device was open"});
        out.Close();
        set(true); // closed: allowed
    }

    void noAudioFailsToStart_data()
    {
        QTest::addColumn<bool>("emptyFile");
        QTest::newRow("input without audio") << false;
        QTest::newRow("wave with empty data") << true;
    }
    void noAudioFailsToStart()
    {
        if (SkipWithoutSound())
            return;
        QFETCH(bool, emptyFile);
        SilentInput silent;
        std::unique_ptr<Chain> chain;
        TMMWaveOut own;
        TMMWaveOut* out = &own;
        Events events;
        if (emptyFile) {
            const QString path = dir_.filePath("empty.wav");
            QVERIFY(WaveBytes::WriteFile(path, WaveBytes::PcmWave(1, 22050, 16, {})));
            chain = std::make_unique<Chain>(path);
            out = &chain->output;
        } else {
            own.SetInput(&silent);
            own.SetDeviceID(TMMWaveOut::AnyDevice);
            events.Bind(own);
        }
        Events& seen = chain ? chain->events : events;
        try {
            out->Start();
            QFAIL("started");
        } catch (const EMMWaveOutError& e) {
            QCOMPARE(e.Message(), QStringLiteral("WaveOutStart:\n\rUnable to start device"));
        }
        QVERIFY(!out->IsOpen());
        QVERIFY(!out->Playing());
        QCOMPARE(seen.errors.size(), 1);
        QCOMPARE(seen.open, 1);
        QCOMPARE(seen.close, 1);
        QCOMPARE(seen.start, 0);
    }

    void toneIsHeardWhole_data()
    {
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<int>("rate");
        QTest::newRow("16-bit 44.1 kHz") << QStringList{"-b", "16"} << 44100;
        QTest::newRow("8-bit 22 kHz stereo") << QStringList{"-b", "8", "-c", "2"} << 22050;
        QTest::newRow("Microsoft ADPCM") << QStringList{"-e", "ms-adpcm"} << 22050;
        QTest::newRow("24-bit") << QStringList{"-b", "24"} << 44100;
    }
    void toneIsHeardWhole()
    {
        if (SkipWithoutSound())
            return;
        QFETCH(QStringList, encoding);
        QFETCH(int, rate);
        constexpr int Frequency = 2300;
        Chain chain(Tone("tone.wav", encoding, 1.0, rate, Frequency));
        chain.converter.SetEnabled(true);
        Recorder recorder;
        QVERIFY(recorder.Start());
        chain.output.Start();
        QVERIFY(chain.output.Playing());
        QTRY_COMPARE_WITH_TIMEOUT(chain.events.stop, 1, WaitMs);
        const QVector<int16_t> recorded = recorder.Take(RecordRate / 4);
        // A window on each edge of the tone may hold too little of it.
        const int loud = ToneWindows(recorded, Frequency);
        QVERIFY2(loud >= 98 && loud <= 101, qPrintable(QString::number(loud)));
        QVERIFY(chain.events.errors.isEmpty());
        QCOMPARE(chain.events.ready, chain.events.filled);
        QVERIFY(chain.output.IsOpen());
        chain.output.Close();
        QCOMPARE(chain.events.close, 1);
    }

    void shortAudioStopsByItselfOnce()
    {
        if (SkipWithoutSound())
            return;
        Chain chain(Tone("short.wav", {"-b", "16"}, 0.002));
        chain.output.SetBufferSize(32768);
        chain.output.Start();
        QCOMPARE(chain.events.filled, 1);
        QCOMPARE(chain.events.start, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!chain.output.Playing(), WaitMs);
        QCOMPARE(chain.events.stop, 1);
        QCOMPARE(chain.events.ready, 1);
        QVERIFY(chain.output.IsOpen());
        chain.output.Stop(); // not playing: nothing
        chain.output.Close();
        QCOMPARE(chain.events.stop, 1);
        QCOMPARE(chain.events.close, 1);
        QVERIFY(chain.events.errors.isEmpty());
    }

    void stopAndCloseWhilePlaying_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Stop") << "Stop";
        QTest::newRow("Close") << "Close";
        QTest::newRow("Close while handling a buffer") << "CloseInHandler";
    }
    void stopAndCloseWhilePlaying()
    {
        if (SkipWithoutSound())
            return;
        QFETCH(QString, how);
        Chain chain(Tone("long.wav", {"-b", "16"}, 10.0));
        if (how == "CloseInHandler")
            chain.output.OnBufferReady = [&chain](TMMWaveOut* out, char*, int32_t) {
                ++chain.events.ready;
                out->Close();
                QCOMPARE(chain.events.close, 0); // finished once the handler is done
            };
        chain.output.Start();
        QTRY_VERIFY_WITH_TIMEOUT(chain.events.ready > 0, WaitMs);
        if (how == "Stop")
            chain.output.Stop();
        else if (how == "Close")
            chain.output.Close();
        QVERIFY(!chain.output.Playing());
        QCOMPARE(chain.events.stop, 1);
        QCOMPARE(chain.output.IsOpen(), how == "Stop");
        QCOMPARE(chain.events.close, how == "Stop" ? 0 : 1);
        QCOMPARE(chain.output.Position(), 0);
        const int ready = chain.events.ready;
        // Every report of a buffer taken before the stop is handled now; none may count.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(chain.events.ready, ready);
        QVERIFY(!chain.source.Wave()->IsOpen());
        QVERIFY(chain.events.errors.isEmpty());
    }

    void converterDecodesLikePlayer_data()
    {
        QTest::addColumn<QStringList>("encoding");
        QTest::addColumn<int>("tag");
        QTest::newRow("Microsoft ADPCM") << QStringList{"-e", "ms-adpcm"} << 1;
        QTest::newRow("Microsoft ADPCM stereo") << QStringList{"-e", "ms-adpcm", "-c", "2"} << 1;
        QTest::newRow("IMA ADPCM") << QStringList{"-e", "ima-adpcm"} << 1;
        QTest::newRow("A-law") << QStringList{"-e", "a-law"} << 1;
        QTest::newRow("32-bit integer") << QStringList{"-b", "32"} << 3;
    }
    void converterDecodesLikePlayer()
    {
        TESSELLOR_REQUIRE(haveSox_, "sox");
        QFETCH(QStringList, encoding);
        QFETCH(int, tag);
        const QString path = Tone("coded.wav", encoding, 0.3, 8000);
        TMMWaveFile source;
        source.Wave()->LoadWaveFile(path);
        QVERIFY(TMMADPCMConverter::CanConvert(*source.PWaveFormat()));
        TMMADPCMConverter converter;
        converter.SetInput(&source);
        QCOMPARE(converter.PWaveFormat()->FormatTag(), tag);
        converter.Started();
        QByteArray converted;
        char chunk[999]; // cuts blocks and samples at odd places
        for (bool more = true; more;) {
            int32_t bytes = sizeof chunk;
            converter.BufferLoad(chunk, bytes, more);
            QVERIFY(bytes > 0 || !more);
            converted.append(chunk, bytes);
        }
        converter.Stopped();

        TMMWave wave;
        wave.LoadWaveFile(path);
        wave.OpenFile();
        WaveStreamDevice player(wave.WaveFormat()->Bytes(), [&wave](char* buffer, qint64 count) {
            return wave.ReadData(buffer, int32_t(count));
        });
        player.open(QIODevice::ReadOnly);
        const QByteArray played = player.readAll();
        const qsizetype samples = played.size() / qsizetype(sizeof(float));
        QCOMPARE(converted.size(), samples * (tag == 1 ? 2 : 4));
        for (qsizetype i = 0; i < samples; ++i) {
            float expected = 0;
            std::memcpy(&expected, played.constData() + i * 4, 4);
            float got = 0;
            if (tag == 1) {
                int16_t value = 0;
                std::memcpy(&value, converted.constData() + i * 2, 2);
                got = float(value) / 32768.0F;
            } else {
                std::memcpy(&got, converted.constData() + i * 4, 4);
            }
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("sample %1: %2, player %3").arg(i).arg(got).arg(expected)));
        }
    }

    void noDeviceRefusesToPlay()
    {
        TESSELLOR_REQUIRE(haveSox_, "sox");
        const QString path = Tone("nodevice.wav", {"-b", "16"}, 0.1);
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", "unix:/nonexistent");
        tool.setProcessEnvironment(env);
        tool.start(TESSELLOR_TOOL_GUI, {"wave-play", path});
        QVERIFY(tool.waitForFinished(WaitMs));
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(tool.readAllStandardOutput(), QByteArray("error: No wave audio playing device found\n"));
        QVERIFY(tool.readAllStandardError().contains("No wave audio playing device found"));
    }
};

QTEST_GUILESS_MAIN(TestWaveOut)
#include "test_waveout.moc"
