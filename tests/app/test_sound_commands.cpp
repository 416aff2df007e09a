// The sound commands of the editor window on real set folders: which file
// Insert Sound writes through the wave dialog and which slots record it, its
// failures, and what Hear Sound plays on the sound server.

#include "EditorDriver.h"
#include "Requirements.h"
#include "TestFiles.h"
#include "WindowControls.h"
#include "audio/SoundRecorder.h"
#include "audio/WaveBytes.h"
#include "cardset/Unprivileged.h"

#include "audio/TMMWave.h"
#include "audio/player/SimpleSoundPlayer.h"
#include "audio/ui/TMMWaveOpenDialog.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <optional>

using namespace EditorDriver;
using TestFiles::readBytes;
using TestFiles::writeBytes;

namespace {

// A tone at half scale, 16-bit mono at 8000 Hz, at a frequency that other
// programs' test sounds on the same server are unlikely to use.
constexpr double ToneFrequency = 1234;

QByteArray toneWave(double seconds)
{
    const int count = int(seconds * 8000);
    QByteArray samples;
    for (int i = 0; i < count; ++i)
        samples += WaveBytes::U16(uint16_t(int16_t(16000 * std::sin(2 * M_PI * ToneFrequency * i / 8000.0))));
    return WaveBytes::PcmWave(1, 8000, 16, samples);
}

// What the wave layer writes for `source`: the bytes a card's sound file must hold.
QByteArray savedBytes(const QString& source)
{
    QTemporaryDir dir;
    TMMWave wave;
    wave.LoadWaveFile(source);
    wave.SaveWaveFile(dir.filePath(QStringLiteral("saved.wav")));
    return readBytes(dir.filePath(QStringLiteral("saved.wav")));
}

} // namespace

class TestSoundCommands : public QObject {
    Q_OBJECT

  private slots:
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        source = std::make_unique<QTemporaryDir>();
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup()
    {
        DialogDriver::withdraw(waitingDialog);
        SimpleSoundPlayer::instance().stop();
        w.reset();
    }

    void insertSound_data();
    void insertSound();
    void insertSoundFails_data();
    void insertSoundFails();
    void hearSound_data();
    void hearSound();

  private:
    // Confirms `path` in the wave dialog once it shows; an empty path cancels.
    void chooseInWaveDialog(const QString& path);

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<QTemporaryDir> source;
    std::unique_ptr<TfrmConfigurador> w;
    QPointer<QTimer> waitingDialog;
};

void TestSoundCommands::chooseInWaveDialog(const QString& path)
{
    waitingDialog = DialogDriver::onModal<QFileDialog>(
        [path](QFileDialog* dialog) {
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        QStringLiteral("dlOpenWave"));
}

void TestSoundCommands::insertSound_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("ownFile"); // the card's own sound file chosen
    QTest::addColumn<QString>("written");
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("paired, cover") << false << 0 << false << "S00.wav" << QList<int>{0};
    QTest::newRow("double, cover") << true << 0 << false << "S00.wav" << QList<int>{0};
    QTest::newRow("paired, left of 5-6") << false << 5 << false << "S03.wav" << QList<int>{5, 6};
    QTest::newRow("paired, right of 5-6") << false << 6 << false << "S03.wav" << QList<int>{5, 6};
    QTest::newRow("double, right of 5-6") << true << 6 << false << "S06.wav" << QList<int>{6};
    QTest::newRow("paired, own file") << false << 6 << true << "S03.wav" << QList<int>{5, 6};
}

void TestSoundCommands::insertSound()
{
    QFETCH(bool, duplo);
    QFETCH(int, slot);
    QFETCH(bool, ownFile);
    QFETCH(QString, written);
    QFETCH(QList<int>, recorded);
    QCOMPARE(waveDialog(*w)->Title(), QStringLiteral("Open Wave File"));
    openSet(*w, set->path(), duplo);
    goToSlot(*w, slot);
    const QString target = set->filePath(written);
    QString chosen = source->filePath(QStringLiteral("bird.wav"));
    writeBytes(chosen, toneWave(0.2));
    const QByteArray expected = savedBytes(chosen);
    if (ownFile) {
        writeBytes(target, expected);
        chosen = target;
    }
    const QImage shown = w->CurrentFrame()->Picture().ToImage();

    chooseInWaveDialog(chosen);
    QCOMPARE(errorOf(ui(*w).btnSom), QString());

    QCOMPARE(QDir(set->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(readBytes(target), expected);
    for (int other = 0; other < NumSlots; ++other)
        QCOMPARE(Conjunto().Elementos[other].Som, recorded.contains(other) ? target : QString());
    QCOMPARE(w->CurrentFrame()->Picture().ToImage(), shown);
}

void TestSoundCommands::insertSoundFails_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("error");
    QTest::newRow("cancelled") << "cancel" << QString();
    QTest::newRow("no longer a wave when loaded") << "changed"
                                                  << "Invalid wave file...\n<chosen>";
    QTest::newRow("sound file read-only") << "read-only"
                                          << "Unable to save wave file.\n<target>";
}

void TestSoundCommands::insertSoundFails()
{
    QFETCH(QString, failure);
    QFETCH(QString, error);
    openSet(*w, set->path(), false);
    const QString chosen = source->filePath(QStringLiteral("bird.wav"));
    writeBytes(chosen, toneWave(0.2));
    // The cover has a sound already, which stays as it is.
    const QString target = CaminhoSom(0);
    writeBytes(target, toneWave(0.1));
    const QByteArray before = readBytes(target);
    RestoreSom(0, QStringLiteral("as before"));

    if (failure == QLatin1String("changed"))
        waveDialog(*w)->OnFileOK = [](TMMWaveOpenDialog*, const QString& path, bool&) {
            // The file changes after the dialog found it a wave.
            writeBytes(path, "RIFF, but no wave any more");
        };
    chooseInWaveDialog(failure == QLatin1String("cancel") ? QString() : chosen);
    std::optional<Unprivileged> user;
    if (failure == QLatin1String("read-only")) {
        for (const QString& folder : {set->path(), source->path()})
            Unprivileged::makeWritable(folder, true);
        Unprivileged::makeReadOnly(target, false);
        user.emplace();
        TESSELLOR_REQUIRE(::geteuid() != 0, "an ordinary user to run as");
    }
    const QString shown = errorOf(ui(*w).btnSom);
    user.reset();
    QCOMPARE(shown, QString(error)
                        .replace(QStringLiteral("<chosen>"), chosen)
                        .replace(QStringLiteral("<target>"), target));
    QCOMPARE(readBytes(target), before);
    QCOMPARE(QDir(set->path()).entryList(QDir::Files), QStringList{QStringLiteral("S00.wav")});
    QCOMPARE(Conjunto().Elementos[0].Som, QStringLiteral("as before"));
}

void TestSoundCommands::hearSound_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("file"); // in the paired set; empty: none
    QTest::newRow("right of 5-6 plays the pair's sound") << 6 << "S03.wav";
    QTest::newRow("cover") << 0 << "S00.wav";
    QTest::newRow("name in other letter case") << 5 << "s03.WAV";
    QTest::newRow("no sound file is silent") << 5 << "";
}

void TestSoundCommands::hearSound()
{
    QFETCH(int, slot);
    QFETCH(QString, file);
    TESSELLOR_REQUIRE(SoundRecorder::Available(),
                      "a sound server with a null output (scripts/test.sh starts one)");
    openSet(*w, set->path(), false);
    goToSlot(*w, slot);
    // Never recorded in the slot: the file on disk is what counts.
    if (!file.isEmpty())
        writeBytes(set->filePath(file), toneWave(3));
    QVERIFY(Conjunto().Elementos[slot].Som.isEmpty());
    SoundRecorder recorder;
    QCOMPARE(errorOf(ui(*w).btnTocarSom), QString());
    QCOMPARE(SimpleSoundPlayer::instance().isPlaying(), !file.isEmpty());
    if (file.isEmpty()) {
        recorder.Collect(SoundRecorder::Rate / 10); // what an earlier test left in the output
        const double heard =
            SoundRecorder::Amplitude(recorder.Collect(SoundRecorder::Rate / 2), ToneFrequency);
        QVERIFY2(heard < 200, qPrintable(QString::number(heard)));
    } else { // heard once the output has started: a tenth of a second of the tone
        QTRY_VERIFY_WITH_TIMEOUT(
            SoundRecorder::Amplitude(recorder.Collect(SoundRecorder::Rate / 10), ToneFrequency) > 4000,
            10000);
    }
}

QTEST_MAIN(TestSoundCommands)
#include "test_sound_commands.moc"
