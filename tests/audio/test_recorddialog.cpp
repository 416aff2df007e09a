// The record dialog on the private sound server's sine source (440 Hz): the
// take reaches a card sound file, is heard through Play, is trimmed or kept
// whole, stops at its maximum length, and Cancel hands over nothing.

#include "Requirements.h"
#include "SoundRecorder.h"
#include "ZeroCrossings.h"
#include "audio/PcmCardSound.h"
#include "audio/TMMWave.h"
#include "audio/record/RecordDialog.h"
#include "audio/record/SoundInputWatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMediaDevices>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Rate = RecordedTake::CardRate;

QAudioDevice SineInput()
{
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        if (device.id() == "sine_input")
            return device;
    return {};
}

template <typename T> T* Child(RecordDialog& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

void Click(RecordDialog& dialog, const char* button)
{
    QVERIFY(Child<QPushButton>(dialog, button)->isEnabled());
    Child<QPushButton>(dialog, button)->click();
}

// Records until the take holds `seconds`, then stops.
void Record(RecordDialog& dialog, double seconds)
{
    Click(dialog, "btnRecord");
    QVERIFY(dialog.IsRecording());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.TakeSeconds() >= seconds, 30000);
    Click(dialog, "btnRecord");
    QVERIFY(!dialog.IsRecording());
}

QByteArray ReadCardSound(const QString& path)
{
    TMMWave wave;
    wave.LoadWaveFile(path);
    if (wave.SampleRate() != Rate || wave.WaveFormat()->Channels() != 1 || wave.BitLength() != 16)
        return {};
    wave.SetTimeFormat(TMMTimeFormats::tfByte);
    QByteArray data(wave.DataSize() + 4, '\0');
    wave.OpenFile();
    const int32_t got = wave.ReadData(data.data(), wave.DataSize());
    wave.CloseFile();
    return data.left(got);
}

} // namespace

class TestRecordDialog : public QObject {
    Q_OBJECT

  private:
    QAudioDevice sine_;

  private slots:
    void init()
    {
        if (QString::fromLatin1(QTest::currentTestFunction()) == QLatin1String("inputDeviceAvailability"))
            return;
        sine_ = SineInput();
        TESSELLOR_REQUIRE(!sine_.isNull(), "the sound server's sine_input source (scripts/test.sh loads it)");
    }

    void recordedToneReachesCardFile()
    {
        TESSELLOR_REQUIRE(SoundRecorder::Available(), "a sound server with a null output, to hear the take");
        RecordDialog dialog(sine_);
        dialog.show();
        Record(dialog, 1.5);

        SoundRecorder heard;
        Click(dialog, "btnPlay");
        QCOMPARE(Child<QPushButton>(dialog, "btnPlay")->text(), QStringLiteral("Stop"));
        QVERIFY(SoundRecorder::Amplitude(heard.Collect(SoundRecorder::Rate), 440) > 2000);
        QTRY_COMPARE_WITH_TIMEOUT(Child<QPushButton>(dialog, "btnPlay")->text(), QStringLiteral("Play"),
                                  15000);

        Click(dialog, "btnUse");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("S03.wav"));
        PcmCardSound::Save(dialog.Samples(), Rate, 1, target);
        const QByteArray written = ReadCardSound(target);
        QCOMPARE(written, dialog.Samples());
        // The test source hands over up to two seconds at a time, ahead of the
        // clock: the take's own length is the measure, not the time it took.
        const double seconds = double(written.size() / 2) / Rate;
        QVERIFY2(seconds > 1.45 && std::abs(seconds - dialog.TakeSeconds()) < 0.05,
                 qPrintable(QStringLiteral("%1 s of a %2 s take").arg(seconds).arg(dialog.TakeSeconds())));
        QVERIFY(std::abs(RisingZeroCrossings(written) / seconds - 440) < 5);
    }

    // While recording, the meter's reading and its bar show one level: the
    // tone's peak, near -6 dBFS. Read at every update of the meter.
    void meterReadingMatchesBar()
    {
        RecordDialog dialog(sine_);
        dialog.show();
        auto* meter = Child<QProgressBar>(dialog, "barLevel");
        QStringList mismatches;
        QList<int> readings;
        connect(meter, &QProgressBar::valueChanged, &dialog, [&] {
            if (!dialog.IsRecording())
                return;
            const QString text = meter->text();
            bool number = false;
            const int dbfs = text.section(QLatin1Char(' '), 0, 0).toInt(&number);
            const double filled =
                double(meter->value() - meter->minimum()) / (meter->maximum() - meter->minimum());
            // The bar spans -60 dBFS to full scale.
            if (!number || !text.endsWith(QStringLiteral(" dBFS")) || std::abs(filled * 60 - 60 - dbfs) > 1)
                mismatches << QStringLiteral("%1 at %2 %").arg(text).arg(qRound(filled * 100));
            readings << dbfs;
        });
        Record(dialog, 1.0);
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QStringLiteral(", "))));
        QVERIFY(!readings.isEmpty());
        for (const int dbfs : readings)
            QVERIFY2(dbfs >= -8 && dbfs <= -4, qPrintable(QString::number(dbfs)));
        QCOMPARE(meter->text(), QString()); // nothing read once stopped
    }

    void trimmingCanTakeAllOrNothing()
    {
        RecordDialog dialog(sine_);
        dialog.show();
        Record(dialog, 0.5);
        // The tone peaks near -6 dBFS: a higher threshold leaves only "silence".
        Child<QSpinBox>(dialog, "spnThreshold")->setValue(-3);
        QVERIFY(dialog.Samples().isEmpty());
        QVERIFY(!Child<QPushButton>(dialog, "btnUse")->isEnabled());
        QVERIFY(Child<QLabel>(dialog, "lblStatus")->text().contains(QStringLiteral("nothing to use")));
        Child<QCheckBox>(dialog, "chkTrim")->setChecked(false);
        QVERIFY(std::abs(dialog.Samples().size() / 2 - dialog.TakeSeconds() * Rate) < Rate / 100);
        Click(dialog, "btnUse");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void stopsAtMaximumLength()
    {
        RecordDialog dialog(sine_, nullptr, 1);
        dialog.show();
        Click(dialog, "btnRecord");
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsRecording(), 30000);
        QCOMPARE(dialog.TakeSeconds(), 1.0);
        QCOMPARE(Child<QLabel>(dialog, "lblStatus")->text(),
                 QStringLiteral("Recording stopped at the 1-second limit."));
        QVERIFY(Child<QPushButton>(dialog, "btnUse")->isEnabled());
    }

    void cancelWritesNothing_data()
    {
        QTest::addColumn<bool>("whileRecording");
        QTest::newRow("after a take") << false;
        QTest::newRow("while recording") << true;
    }

    void cancelWritesNothing()
    {
        QFETCH(bool, whileRecording);
        QTemporaryDir dir;
        RecordDialog dialog(sine_);
        QTimer::singleShot(0, &dialog, [&] {
            [&] {
                QTRY_VERIFY(dialog.isVisible());
                if (whileRecording) {
                    Click(dialog, "btnRecord");
                    QTRY_VERIFY_WITH_TIMEOUT(dialog.TakeSeconds() > 0.2, 30000);
                } else {
                    Record(dialog, 0.5);
                }
                Click(dialog, "btnCancel");
            }();
            if (dialog.isVisible()) // a failed step above must not hang the test
                dialog.done(-1);
        });
        // What the editor does with the dialog: write only what "Use" hands over.
        if (dialog.exec() == QDialog::Accepted)
            PcmCardSound::Save(dialog.Samples(), Rate, 1, dir.filePath(QStringLiteral("S03.wav")));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.IsRecording());
        QVERIFY(dialog.Samples().isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // A microphone plugged in while the editor runs is noticed.
    void inputPluggedInIsNoticed()
    {
        TESSELLOR_REQUIRE(!sine_.isNull() && Requirements::haveProgram("pactl"), "the sound server");
        SoundInputWatch watch(nullptr, 100);
        QSignalSpy changed(&watch, &SoundInputWatch::changed);
        const QString name = "plugged_in_" + QString::number(QCoreApplication::applicationPid());
        const auto loaded =
            TestFiles::runProgram("pactl", {"load-module", "module-null-source", "source_name=" + name});
        QCOMPARE(loaded.exitCode, 0);
        auto unplug = qScopeGuard([&] {
            TestFiles::runProgram("pactl", {"unload-module", loaded.out.trimmed()});
        });
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 10000);
        unplug.dismiss();
        TestFiles::runProgram("pactl", {"unload-module", loaded.out.trimmed()});
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, 10000);
    }

    // Also run against a sound server that does not exist.
    void inputDeviceAvailability()
    {
        const bool serverGone = qgetenv("PULSE_SERVER") == "unix:/nonexistent";
        QCOMPARE(RecordDialog::HasInputDevice(), !serverGone);
        if (!serverGone)
            return;
        RecordDialog dialog;
        QVERIFY(!Child<QPushButton>(dialog, "btnRecord")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "btnUse")->isEnabled());
        QCOMPARE(Child<QLabel>(dialog, "lblStatus")->text(), QStringLiteral("No sound input device"));
    }
};

QTEST_MAIN(TestRecordDialog)
#include "test_recorddialog.moc"
