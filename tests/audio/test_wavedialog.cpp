// The wave open dialog driven offscreen through Qt's own file dialog, with
// the real sound server.

#include "WaveBytes.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "audio/ui/WaveformView.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMediaDevices>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

using namespace WaveBytes;

namespace {

// A 16-bit tone of `frames` frames.
QByteArray Tone(int frames, int channels, int amplitude = 20000)
{
    QByteArray bytes;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            bytes += U16(uint16_t(int16_t(amplitude * std::sin(i * 0.05))));
    return bytes;
}

// Runs `inside` once the file dialog is up; whatever it leaves open is then
// cancelled so that a failing test cannot hang.
void WhenModal(const std::function<void(QFileDialog*)>& inside)
{
    QTimer::singleShot(0, [inside] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()), 5000);
        inside(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        while (auto* still = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            still->reject();
    });
}

// What a click on `name` in the file list does.
bool Select(QFileDialog* dialog, const QString& name)
{
    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    if (list == nullptr)
        return false;
    QModelIndex index;
    const auto find = [&] {
        const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
        index = list->model()->match(first, Qt::DisplayRole, name, 1, Qt::MatchExactly).value(0);
        return index.isValid();
    };
    if (!QTest::qWaitFor(find, 5000))
        return false;
    list->setCurrentIndex(index);
    return true;
}

template <typename T> T* Find(QFileDialog* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

int CountColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class TestWaveDialog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QWidget* owner_ = nullptr;
    TMMWaveOpenDialog* dialog_ = nullptr;

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  private Q_SLOTS:
    void initTestCase()
    {
        WriteFile(Path("mono8.wav"), PcmWave(1, 11025, 8, QByteArray(3000, '\x90')));
        WriteFile(Path("mono16.wav"), PcmWave(1, 22050, 16, Tone(21500, 1)));
        WriteFile(Path("stereo16.wav"), PcmWave(2, 44100, 16, Tone(4410, 2)));
        WriteFile(Path("stereo8.wav"), PcmWave(2, 8000, 8, QByteArray(2000, '\x70')));
        WriteFile(Path("noise.wav"), QByteArray("RIFF but nothing else of a wave"));
        WriteFile(Path("short.wav"), PcmWave(1, 8000, 8, QByteArray("\x00\xff", 2)));
        // sox writes Microsoft ADPCM in its published form.
        QProcess sox;
        sox.start(QStringLiteral("sox"),
                  {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("8000"), QStringLiteral("-c"),
                   QStringLiteral("1"), QStringLiteral("-e"), QStringLiteral("ms-adpcm"), Path("adpcm.wav"),
                   QStringLiteral("synth"), QStringLiteral("0.5"), QStringLiteral("sine"),
                   QStringLiteral("440")});
        QVERIFY(sox.waitForFinished(30000) && sox.exitCode() == 0);
    }

    void init()
    {
        owner_ = new QWidget;
        dialog_ = new TMMWaveOpenDialog(owner_);
    }
    void cleanup() { delete owner_; }

    void describesTheSelection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("preview");
        QTest::newRow("8-bit mono") << "mono8.wav"
                                    << "PCM; 11.025 kHz, 8 Bit, Mono; 2 KB" << true;
        QTest::newRow("16-bit mono") << "mono16.wav"
                                     << "PCM; 22.050 kHz, 16 Bit, Mono; 42 KB" << true;
        QTest::newRow("16-bit stereo") << "stereo16.wav"
                                       << "PCM; 44.100 kHz, 16 Bit, Stereo; 17 KB" << true;
        QTest::newRow("8-bit stereo") << "stereo8.wav"
                                      << "PCM; 8.000 kHz, 8 Bit, Stereo; 1 KB" << true;
        QTest::newRow("Microsoft ADPCM: no waveform")
            << "adpcm.wav"
            << "Microsoft ADPCM; 8.000 kHz, 4 Bit, Mono; 2 KB" << false;
        QTest::newRow("not a wave") << "noise.wav"
                                    << "Unknown" << false;
    }
    void describesTheSelection()
    {
        QFETCH(QString, name);
        QFETCH(QString, line);
        QFETCH(bool, preview);
        dialog_->SetPreview(true);
        QString shown;
        bool previewEnabled = false;
        int traced = 0;
        WhenModal([&](QFileDialog* modal) {
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, name));
            QTRY_COMPARE(refreshed.count(), 1);
            shown = Find<QLabel>(modal, "InfoLine")->text();
            previewEnabled = Find<QCheckBox>(modal, "PreviewBox")->isEnabled();
            traced = CountColour(Find<QWidget>(modal, "Waveform")->grab().toImage(), qRgb(0, 255, 0));
        });
        dialog_->SetFileName(Path("short.wav"));
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(shown, line);
        QCOMPARE(previewEnabled, preview);
        QCOMPARE(traced > 0, preview);
    }

    void quickMovesRefreshOnce()
    {
        dialog_->SetFileName(Path("short.wav"));
        QStringList lines;
        int refreshes = -1;
        WhenModal([&](QFileDialog* modal) {
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            for (const char* name : {"mono8.wav", "stereo8.wav", "mono16.wav"})
                QVERIFY(Select(modal, QString::fromLatin1(name)));
            lines << Find<QLabel>(modal, "InfoLine")->text(); // not yet refreshed
            QTRY_COMPARE(refreshed.count(), 1);
            lines << Find<QLabel>(modal, "InfoLine")->text();
            // The next change is the next refresh: none came in between.
            QVERIFY(Select(modal, QStringLiteral("stereo16.wav")));
            QTRY_COMPARE(refreshed.count(), 2);
            lines << Find<QLabel>(modal, "InfoLine")->text();
            refreshes = int(refreshed.count());
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(lines, QStringList({"Unknown", "PCM; 22.050 kHz, 16 Bit, Mono; 42 KB",
                                     "PCM; 44.100 kHz, 16 Bit, Stereo; 17 KB"}));
        QCOMPARE(refreshes, 2);
    }

    // Preview draws the trace; without it a grey line; a 2-byte wave draws one
    // column and then the zero line across the area.
    void previewOnAndOff()
    {
        dialog_->SetFileName(Path("short.wav"));
        QImage off, on, shortWave;
        WhenModal([&](QFileDialog* modal) {
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("mono16.wav")));
            QTRY_COMPARE(refreshed.count(), 1);
            auto* view = Find<QWidget>(modal, "Waveform");
            off = view->grab().toImage();
            QTest::mouseClick(Find<QCheckBox>(modal, "PreviewBox"), Qt::LeftButton);
            on = view->grab().toImage();
            QVERIFY(Select(modal, QStringLiteral("short.wav")));
            QTRY_COMPARE(refreshed.count(), 2);
            shortWave = view->grab().toImage();
        });
        QVERIFY(!dialog_->RunDialog());
        QVERIFY(dialog_->Preview()); // kept for the next run
        QVERIFY(CountColour(off, qRgb(128, 128, 128)) > 10);
        QCOMPARE(CountColour(off, qRgb(0, 255, 0)), 0);
        QVERIFY(CountColour(on, qRgb(0, 255, 0)) > off.width());
        // The zero line runs at the row of value 0 to the area's right edge.
        const int area = shortWave.height() - 4;
        const int zeroRow = 2 + area - int((32767LL * area) / 65535) - 1;
        QCOMPARE(shortWave.pixel(shortWave.width() - 4, zeroRow), qRgb(0, 255, 0));
    }

    void refusesWhatIsNoWave()
    {
        dialog_->SetFileName(Path("short.wav"));
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption, text;
        bool stayed = false;
        WhenModal([&](QFileDialog* modal) {
            QTimer::singleShot(0, [&] {
                QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                icon = box->icon();
                caption = box->windowTitle();
                text = box->text();
                QTest::keyClick(box, Qt::Key_Return);
            });
            auto* edit = Find<QLineEdit>(modal, "fileNameEdit");
            edit->setFocus();
            edit->setText(QStringLiteral("noise.wav"));
            QTest::keyClick(edit, Qt::Key_Return);
            stayed = modal->isVisible();
        });
        QVERIFY(!dialog_->RunDialog());
        QVERIFY(stayed);
        QCOMPARE(caption, QStringLiteral("Error"));
        QCOMPARE(text, QStringLiteral("Invalid WaveFile..."));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    // Keyboard alone: Tab reaches Preview, Space ticks it, Enter in the name
    // box opens a typed name without extension ("wav" added).
    void keyboardAlone()
    {
        dialog_->SetFileName(Path("short.wav"));
        bool ticked = false;
        WhenModal([&](QFileDialog* modal) {
            auto* box = Find<QCheckBox>(modal, "PreviewBox");
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("mono16.wav")));
            QTRY_COMPARE(refreshed.count(), 1);
            for (int i = 0; i < 30 && QApplication::focusWidget() != box; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), box);
            QTest::keyClick(box, Qt::Key_Space);
            ticked = box->isChecked();
            auto* edit = Find<QLineEdit>(modal, "fileNameEdit");
            edit->setFocus();
            edit->setText(QStringLiteral("stereo8"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QVERIFY(dialog_->RunDialog());
        QVERIFY(ticked);
        QCOMPARE(dialog_->FileName(), Path("stereo8.wav"));

        WhenModal([&](QFileDialog* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(dialog_->FileName(), Path("stereo8.wav"));
    }

    // Played on the sound server: the button says "Stop" while playing, and
    // "Play" again when stopped by the user or by the end of the audio. The
    // play position line moves over the waveform and is erased at the stop.
    void playAndStop()
    {
        dialog_->SetFileName(Path("short.wav"));
        dialog_->SetPreview(true);
        QStringList texts;
        int movedTo = -1;
        bool erased = false;
        // Without any output (the test run against a sound server that does
        // not exist) everything else works, but nothing can play.
        const bool noDevice = QMediaDevices::audioOutputs().isEmpty();
        bool playEnabled = true, autoPlayEnabled = true;
        WhenModal([&](QFileDialog* modal) {
            auto* play = Find<QPushButton>(modal, "PlayButton");
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("mono16.wav")));
            QTRY_COMPARE(refreshed.count(), 1);
            if (noDevice) {
                playEnabled = play->isEnabled();
                autoPlayEnabled = Find<QCheckBox>(modal, "AutoPlayBox")->isEnabled();
                QTest::mouseClick(play, Qt::LeftButton);
                texts << play->text() << Find<QLabel>(modal, "InfoLine")->text();
                return;
            }
            texts << play->text();
            auto* view = modal->findChild<WaveformView*>(QStringLiteral("Waveform"));
            const QImage drawn = view->Canvas();
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_COMPARE(play->text(), QStringLiteral("Stop"));
            texts << play->text();
            QTRY_VERIFY(view->Locator() > 0);
            movedTo = view->Locator();
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_COMPARE(play->text(), QStringLiteral("Play"));
            texts << play->text();
            erased = view->Locator() == -1 && view->Canvas() == drawn;
            // ADPCM plays through the converter; a short file ends by itself.
            QVERIFY(Select(modal, QStringLiteral("adpcm.wav")));
            QTRY_COMPARE(refreshed.count(), 2);
            QVERIFY(play->isEnabled());
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_COMPARE(play->text(), QStringLiteral("Stop"));
            QTRY_COMPARE_WITH_TIMEOUT(play->text(), QStringLiteral("Play"), 10000);
            texts << play->text();
        });
        QVERIFY(!dialog_->RunDialog());
        if (noDevice) {
            QVERIFY(!playEnabled);
            QVERIFY(!autoPlayEnabled);
            QCOMPARE(texts, QStringList({"Play", "PCM; 22.050 kHz, 16 Bit, Mono; 42 KB"}));
            return;
        }
        QCOMPARE(texts, QStringList({"Play", "Stop", "Play", "Play"}));
        QVERIFY(movedTo > 0);
        QVERIFY(erased);
    }
};

QTEST_MAIN(TestWaveDialog)
#include "test_wavedialog.moc"
