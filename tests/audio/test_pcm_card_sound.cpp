#include "audio/PcmCardSound.h"
#include "audio/TMMWave.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPcmCardSound : public QObject {
    Q_OBJECT

  private slots:
    void savedSoundReadsBack_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("frames");
        QTest::newRow("22050 mono") << 22050 << 1 << 1000;
        QTest::newRow("48000 stereo") << 48000 << 2 << 4801;
        QTest::newRow("empty") << 22050 << 1 << 0;
    }

    void savedSoundReadsBack()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, frames);
        QByteArray samples;
        for (int i = 0; i < frames * channels; ++i) {
            const auto v = int16_t(i * 37 - 9000);
            samples.append(reinterpret_cast<const char*>(&v), 2);
        }
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("S01.wav"));
        PcmCardSound::Save(samples, rate, channels, target);

        TMMWave wave;
        wave.LoadWaveFile(target);
        QCOMPARE(wave.FormatTag(), uint16_t(1));
        QCOMPARE(int(wave.SampleRate()), rate);
        QCOMPARE(wave.BitLength(), 16);
        QCOMPARE(int(wave.WaveFormat()->Channels()), channels);
        wave.SetTimeFormat(TMMTimeFormats::tfByte);
        QCOMPARE(qsizetype(wave.DataSize()), samples.size());
        QByteArray back(samples.size() + 4, '\0');
        wave.OpenFile();
        const int32_t got = samples.isEmpty() ? 0 : wave.ReadData(back.data(), int32_t(samples.size()));
        wave.CloseFile();
        QCOMPARE(back.left(got), samples);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("S01.wav")});
    }

    void badParametersAreRefused_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bytes");
        QTest::newRow("rate 0") << 0 << 1 << 4;
        QTest::newRow("no channels") << 22050 << 0 << 4;
        QTest::newRow("nine channels") << 22050 << 9 << 36;
        QTest::newRow("half a frame") << 22050 << 2 << 6;
    }

    void badParametersAreRefused()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, bytes);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("S01.wav"));
        try {
            PcmCardSound::Save(QByteArray(bytes, '\0'), rate, channels, target);
            QFAIL("saved");
        } catch (const EMMWaveError& e) {
            QCOMPARE(e.Message(), QStringLiteral("Invalid param passed!"));
        }
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestPcmCardSound)
#include "test_pcm_card_sound.moc"
