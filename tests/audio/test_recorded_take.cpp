// The recording core: silence trimming, block levels, and captured audio of
// any device format turned into 22050 Hz 16-bit mono.

#include "ZeroCrossings.h"
#include "audio/RecordedTake.h"
#include "audio/SilenceTrim.h"

#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

template <typename T> QByteArray Bytes(T v)
{
    return QByteArray(reinterpret_cast<const char*>(&v), sizeof v);
}

// `frames` samples alternating +level and -level: sound from its first sample.
QByteArray Square16(int frames, int level)
{
    QByteArray out;
    for (int i = 0; i < frames; ++i)
        out += Bytes(int16_t(i % 2 ? -level : level));
    return out;
}

QByteArray Encode(double v, CaptureFormat::Sample kind)
{
    switch (kind) {
    case CaptureFormat::Sample::UInt8:
        return Bytes(uint8_t(std::lround(128 + 127 * v)));
    case CaptureFormat::Sample::Int16:
        return Bytes(int16_t(std::lround(32767 * v)));
    case CaptureFormat::Sample::Int32:
        return Bytes(int32_t(std::lround(2147483647.0 * v)));
    case CaptureFormat::Sample::Float:
        return Bytes(float(v));
    }
    return {};
}

// A 440 Hz sine of amplitude 0.5 in `format`; `toneChannels` of the channels
// carry it, the others are silent.
QByteArray Sine(const CaptureFormat& format, int toneChannels, double seconds)
{
    QByteArray out;
    for (int f = 0; f < int(format.rate * seconds); ++f)
        for (int c = 0; c < format.channels; ++c)
            out += Encode(c < toneChannels ? 0.5 * std::sin(2 * M_PI * 440.0 * f / format.rate) : 0.0,
                          format.sample);
    return out;
}

} // namespace

class TestRecordedTake : public QObject {
    Q_OBJECT

  private slots:
    void trimsSilence_data()
    {
        // At 1000 Hz the default 200 ms margin is 200 samples; -40 dBFS is 328.
        QTest::addColumn<QByteArray>("take");
        QTest::addColumn<double>("thresholdDbfs");
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("end");
        const QByteArray tone = Square16(500, 8000);
        const QByteArray silence = Square16(1000, 0);
        const QByteArray hiss = Square16(1000, 50);
        QTest::newRow("silence, tone, silence") << silence + tone + silence << -40.0 << 800 << 1700;
        QTest::newRow("hiss around the tone") << hiss + tone + hiss << -40.0 << 800 << 1700;
        QTest::newRow("margins end at the take")
            << Square16(100, 0) + tone + Square16(50, 0) << -40.0 << 0 << 650;
        QTest::newRow("tone only") << tone << -40.0 << 0 << 500;
        QTest::newRow("all silence") << silence << -40.0 << 0 << 0;
        QTest::newRow("quiet tone under the threshold")
            << silence + Square16(500, 200) + silence << -40.0 << 0 << 0;
        QTest::newRow("lower threshold hears it")
            << silence + Square16(500, 200) + silence << -60.0 << 800 << 1700;
        QTest::newRow("empty take") << QByteArray() << -40.0 << 0 << 0;
    }

    void trimsSilence()
    {
        QFETCH(QByteArray, take);
        QFETCH(double, thresholdDbfs);
        QFETCH(int, begin);
        QFETCH(int, end);
        QCOMPARE(SilenceTrim(thresholdDbfs).Apply(take, 1000), take.mid(2 * begin, 2 * (end - begin)));
    }

    void convertsToCardFormat_data()
    {
        QTest::addColumn<int>("sample");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("toneChannels");
        QTest::addColumn<double>("peak");
        using S = CaptureFormat::Sample;
        QTest::newRow("int16 mono 22050") << int(S::Int16) << 22050 << 1 << 1 << 0.5;
        QTest::newRow("int16 stereo 44100") << int(S::Int16) << 44100 << 2 << 2 << 0.5;
        QTest::newRow("float mono 48000") << int(S::Float) << 48000 << 1 << 1 << 0.5;
        QTest::newRow("uint8 mono 8000") << int(S::UInt8) << 8000 << 1 << 1 << 0.5;
        QTest::newRow("int32 stereo 96000") << int(S::Int32) << 96000 << 2 << 2 << 0.5;
        QTest::newRow("float stereo, left only") << int(S::Float) << 48000 << 2 << 1 << 0.25;
    }

    void convertsToCardFormat()
    {
        QFETCH(int, sample);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, toneChannels);
        QFETCH(double, peak);
        const CaptureFormat format{rate, channels, CaptureFormat::Sample(sample)};
        const QByteArray captured = Sine(format, toneChannels, 1.0);
        RecordedTake take(format);
        // Blocks that end inside frames, as a device may deliver them.
        for (qsizetype at = 0; at < captured.size(); at += 1001)
            take.Append(captured.mid(at, 1001));
        QCOMPARE(take.Seconds(), 1.0);
        const QByteArray card = take.CardSamples().value();
        QVERIFY2(std::abs(card.size() / 2 - 22050) <= 22, qPrintable(QString::number(card.size() / 2)));
        QVERIFY(std::abs(RisingZeroCrossings(card) - 440) <= 2);
        QVERIFY2(std::abs(SoundLevel::Of(card).peak - peak) < 0.02,
                 qPrintable(QString::number(SoundLevel::Of(card).peak)));
    }

    void toneAboveCardBandIsFilteredOut()
    {
        // Without filtering, 15 kHz would fold back into the card band as 7050 Hz.
        const CaptureFormat format{48000, 1, CaptureFormat::Sample::Int16};
        QByteArray captured;
        for (int i = 0; i < 48000; ++i)
            captured += Bytes(int16_t(16000 * std::sin(2 * M_PI * 15000.0 * i / 48000)));
        RecordedTake take(format);
        take.Append(captured);
        const QByteArray card = take.CardSamples().value();
        QVERIFY(SoundLevel::Of(card.mid(2000, card.size() - 4000)).rms < 0.01);
    }

    void stopsTakingAtMaximumLength()
    {
        RecordedTake take(CaptureFormat{8000, 1, CaptureFormat::Sample::Int16}, 1);
        take.Append(Square16(6000, 1000));
        QVERIFY(!take.IsFull());
        take.Append(Square16(6000, 1000));
        QVERIFY(take.IsFull());
        QCOMPARE(take.Seconds(), 1.0);
        QCOMPARE(take.Append(Square16(100, 1000)).peak, 0.0);
        QCOMPARE(take.Seconds(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestRecordedTake)
#include "test_recorded_take.moc"
