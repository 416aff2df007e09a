// Card sounds recorded, spoken and converted through the editor window on real
// set folders: the file each command writes, the slots that record it, what a
// cancelled or refused command leaves, and Undo of a written sound. Recording
// hears the private sound server's sine source, made the default input.

#include "EditorDriver.h"
#include "Requirements.h"
#include "TestFiles.h"
#include "WindowControls.h"
#include "audio/WaveBytes.h"

#include "audio/TMMWave.h"
#include "audio/record/RecordDialog.h"
#include "audio/speech/ui/SpeakDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

using namespace EditorDriver;
using TestFiles::readBytes;
using TestFiles::runProgram;
using TestFiles::writeBytes;

namespace {

const QString SineInput = QStringLiteral("sine_input");

// The written card sound as "format tag, channels, rate, bits", and whether
// it is loud (peak over 1000) rather than silent.
QString describe(const QString& path)
{
    TMMWave wave;
    wave.LoadWaveFile(path);
    wave.SetTimeFormat(TMMTimeFormats::tfByte);
    QByteArray data(wave.DataSize(), '\0');
    wave.OpenFile();
    data.truncate(wave.ReadData(data.data(), wave.DataSize()));
    wave.CloseFile();
    int peak = 0;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(uint8_t(data[i]) | uint8_t(data[i + 1]) << 8))));
    return QStringLiteral("%1, %2, %3, %4, %5")
        .arg(wave.FormatTag())
        .arg(wave.WaveFormat()->Channels())
        .arg(wave.SampleRate())
        .arg(wave.BitLength())
        .arg(peak > 1000 ? "loud" : "silent");
}

QString defaultSource()
{
    return runProgram(QStringLiteral("pactl"), {QStringLiteral("get-default-source")}).out.trimmed();
}

} // namespace

class TestSoundExtras : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup()
    {
        DialogDriver::withdraw(waitingDialog);
        DialogDriver::withdraw(waitingMessage);
        w.reset();
    }

    void record_data();
    void record();
    void speak_data();
    void speak();
    void insertConvertedSound();
    void recordEntryFollowsTheInput();

  private:
    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<TfrmConfigurador> w;
    QPointer<QTimer> waitingDialog;
    QPointer<QTimer> waitingMessage;
    QString previousSource_;
};

void TestSoundExtras::initTestCase()
{
    // The undo history's cache and the voice dialog's choice stay private.
    QStandardPaths::setTestModeEnabled(true);
    previousSource_ = defaultSource();
    if (previousSource_ != SineInput)
        runProgram(QStringLiteral("pactl"), {QStringLiteral("set-default-source"), SineInput});
}

void TestSoundExtras::cleanupTestCase()
{
    if (!previousSource_.isEmpty() && previousSource_ != SineInput)
        runProgram(QStringLiteral("pactl"), {QStringLiteral("set-default-source"), previousSource_});
}

void TestSoundExtras::record_data()
{
    QTest::addColumn<bool>("use");
    QTest::newRow("Use") << true;
    QTest::newRow("Cancel") << false;
}

void TestSoundExtras::record()
{
    QFETCH(bool, use);
    QTRY_COMPARE_WITH_TIMEOUT(QMediaDevices::defaultAudioInput().id(), SineInput.toUtf8(), 10000);
    // Off with the Edit menu while no set is open.
    QVERIFY(!ui(*w).mnGravarSom->isEnabled() && !ui(*w).mnFalarTexto->isEnabled());
    openSet(*w, set->path(), false);
    goToSlot(*w, 5);
    QVERIFY(ui(*w).mnGravarSom->isEnabled() && ui(*w).mnFalarTexto->isEnabled());

    bool recorded = false;
    waitingDialog = DialogDriver::onModal<RecordDialog>(
        [use, &recorded](RecordDialog* dialog) {
            auto* record = dialog->findChild<QPushButton*>(QStringLiteral("btnRecord"));
            record->click();
            recorded = QTest::qWaitFor([dialog] { return dialog->TakeSeconds() >= 0.5; }, 30000);
            record->click();
            if (use && recorded)
                dialog->findChild<QPushButton*>(QStringLiteral("btnUse"))->click();
            else
                dialog->reject();
        },
        QStringLiteral("dlGravarSom"));
    ui(*w).mnGravarSom->trigger();
    QVERIFY(recorded);

    const QString target = set->filePath(QStringLiteral("S03.wav"));
    QCOMPARE(QFileInfo::exists(target), use);
    QCOMPARE(Conjunto().Elementos[5].Som, use ? target : QString());
    QCOMPARE(Conjunto().Elementos[6].Som, use ? target : QString());
    if (!use)
        return;
    QCOMPARE(describe(target), QStringLiteral("1, 1, 22050, 16, loud"));
    QCOMPARE(ui(*w).mnDesfazer->text(), QStringLiteral("&Undo Record on card 5"));
}

void TestSoundExtras::speak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("confirm"); // OK in the voice dialog, else Cancel
    QTest::addColumn<QString>("message");
    QTest::newRow("Portuguese") << QString::fromUtf8("maçã") << true << QString();
    QTest::newRow("voice dialog cancelled") << QString::fromUtf8("maçã") << false << QString();
    QTest::newRow("empty text box") << " \n " << true << "There is no text to speak.";
}

void TestSoundExtras::speak()
{
    QFETCH(QString, text);
    QFETCH(bool, confirm);
    QFETCH(QString, message);
    openSet(*w, set->path(), true);
    goToSlot(*w, 4);
    // Card 4 has a sound already, which Undo puts back.
    const QString target = set->filePath(QStringLiteral("S04.wav"));
    const QByteArray old = WaveBytes::PcmWave(1, 8000, 16, QByteArray(800, '\x10'));
    writeBytes(target, old);
    ui(*w).memTexto->setPlainText(text);

    bool voiceAsked = false;
    waitingDialog = DialogDriver::onModal<SpeakDialog>([confirm, &voiceAsked](SpeakDialog* dialog) {
        voiceAsked = true;
        auto* voices = dialog->findChild<QComboBox*>(QStringLiteral("cmbVoice"));
        voices->setCurrentIndex(voices->findData(QStringLiteral("roa/pt")));
        confirm ? dialog->accept() : dialog->reject();
    });
    DialogDriver::Message shown;
    waitingMessage = DialogDriver::acceptMessage(&shown);
    ui(*w).mnFalarTexto->trigger();

    QCOMPARE(shown.text, message);
    QCOMPARE(voiceAsked, message.isEmpty());
    if (!message.isEmpty() || !confirm) {
        QCOMPARE(readBytes(target), old);
        QCOMPARE(Conjunto().Elementos[4].Som, QString());
        return;
    }
    QCOMPARE(describe(target), QStringLiteral("1, 1, 22050, 16, loud"));
    QCOMPARE(Conjunto().Elementos[4].Som, target);

    QCOMPARE(ui(*w).mnDesfazer->text(), QStringLiteral("&Undo Speak text on card 4"));
    ui(*w).mnDesfazer->trigger();
    QCOMPARE(readBytes(target), old);
}

void TestSoundExtras::insertConvertedSound()
{
    const QTemporaryDir source;
    const QString mp3 = source.filePath(QStringLiteral("bird.mp3"));
    const TestFiles::ProcessRun made = runProgram(
        QStringLiteral("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=0.5",
                                   "-ac", "2", "-ar", "44100", mp3});
    TESSELLOR_REQUIRE(made.exitCode == 0, "ffmpeg with an MP3 encoder");
    openSet(*w, set->path(), false);
    goToSlot(*w, 6);

    waitingDialog = DialogDriver::onModal<QFileDialog>(
        [mp3](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(mp3);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        QStringLiteral("dlOpenWave"));
    QCOMPARE(errorOf(ui(*w).btnSom), QString());

    const QString target = set->filePath(QStringLiteral("S03.wav"));
    QCOMPARE(describe(target), QStringLiteral("1, 2, 44100, 16, loud"));
    QCOMPARE(Conjunto().Elementos[5].Som, target);
    QCOMPARE(Conjunto().Elementos[6].Som, target);
}

// Run twice by ctest: with the private sound server and its sine source, and
// with a server that does not exist (no input at all).
void TestSoundExtras::recordEntryFollowsTheInput()
{
    const bool noServer = qEnvironmentVariable("PULSE_SERVER") == QLatin1String("unix:/nonexistent");
    openSet(*w, set->path(), false);
    QCOMPARE(ui(*w).mnGravarSom->isEnabled(), !noServer);
    QCOMPARE(ui(*w).mnGravarSom->text(),
             noServer ? QStringLiteral("&Record... (no sound input device)") : QStringLiteral("&Record..."));
    QVERIFY(ui(*w).mnFalarTexto->isEnabled());
}

QTEST_MAIN(TestSoundExtras)
#include "test_sound_extras.moc"
