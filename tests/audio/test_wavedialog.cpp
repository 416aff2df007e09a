// The wave open dialog driven offscreen through Qt's own file dialog, with
// the real sound server.

#include "Requirements.h"
#include "WaveBytes.h"
#include "audio/output/TMMWaveOut.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "audio/ui/WaveformView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QDir>
#include <QFile>
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

// A 16-bit mono wave whose every sample is `value`.
QByteArray Constant(int frames, int16_t value)
{
    QByteArray bytes;
    for (int i = 0; i < frames; ++i)
        bytes += U16(uint16_t(value));
    return bytes;
}

// The rows of column `x` that hold `colour`.
QList<int> RowsOf(const QImage& image, int x, QRgb colour)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) == colour)
            rows << y;
    return rows;
}

// Calls `seen` whenever `widget` is about to paint.
struct PaintWatcher : QObject {
    PaintWatcher(QWidget* widget, std::function<void()> seen) : widget_(widget), seen_(std::move(seen))
    {
        widget_->installEventFilter(this);
    }
    ~PaintWatcher() override { widget_->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget_ && event->type() == QEvent::Paint) {
            ++paints;
            seen_();
        }
        return false;
    }
    int paints = 0;

  private:
    QWidget* widget_;
    std::function<void()> seen_;
};

bool NoOutput()
{
    return QMediaDevices::audioOutputs().isEmpty();
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
        WriteFile(Path("hi96.wav"), PcmWave(1, 96000, 16, Tone(96000, 1)));
        WriteFile(Path("long.wav"), PcmWave(1, 22050, 16, Tone(22050 * 20, 1)));
        for (const int value : {32767, -32767, 16384, -20000})
            WriteFile(Path(qPrintable(QStringLiteral("const%1.wav").arg(value))),
                      PcmWave(1, 22050, 16, Constant(20000, int16_t(value))));
        for (const int bytes : {2200000, 2097152})
            WriteFile(Path(qPrintable(QStringLiteral("big%1.wav").arg(bytes))),
                      PcmWave(1, 22050, 16, Tone(bytes / 2, 1)));
        // sox writes Microsoft ADPCM in its published form.
        QProcess sox;
        sox.start(QStringLiteral("sox"),
                  {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("8000"), QStringLiteral("-c"),
                   QStringLiteral("1"), QStringLiteral("-e"), QStringLiteral("ms-adpcm"), Path("adpcm.wav"),
                   QStringLiteral("synth"), QStringLiteral("0.5"), QStringLiteral("sine"),
                   QStringLiteral("440")});
        QVERIFY(sox.waitForFinished(30000) && sox.exitCode() == 0);
        // ffmpeg writes 32-bit samples in an extensible record.
        for (const char* coding : {"pcm_f32le", "pcm_s32le"}) {
            QProcess ffmpeg;
            ffmpeg.start("ffmpeg",
                         {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "sine=f=440:d=0.1:r=44100", "-c:a",
                          coding, Path(coding) + QStringLiteral(".wav")});
            QVERIFY(ffmpeg.waitForFinished(30000) && ffmpeg.exitCode() == 0);
        }
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
        QTest::newRow("32-bit float, extensible") << "pcm_f32le.wav"
                                                  << "Unknown; 44.100 kHz, 32 Bit, Mono; 17 KB" << true;
        QTest::newRow("32-bit integer, extensible") << "pcm_s32le.wav"
                                                    << "Unknown; 44.100 kHz, 32 Bit, Mono; 17 KB" << true;
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

    // The trace of a constant wave lies on the row of its value, both as
    // computed and when redrawn from the stored peaks:
    // row = area bottom - ((v + 32767) x H div 65535) - 1.
    void traceRows_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("full scale up") << 32767;
        QTest::newRow("full scale down") << -32767;
        QTest::newRow("half up") << 16384;
        QTest::newRow("down") << -20000;
    }
    void traceRows()
    {
        QFETCH(int, value);
        dialog_->SetPreview(true);
        dialog_->SetFileName(Path("short.wav"));
        QImage traced, redrawn;
        QRect area;
        WhenModal([&](QFileDialog* modal) {
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("const%1.wav").arg(value)));
            QTRY_COMPARE(refreshed.count(), 1);
            auto* view = modal->findChild<WaveformView*>(QStringLiteral("Waveform"));
            area = view->Area();
            traced = view->Canvas();
            view->Redraw(true);
            redrawn = view->Canvas();
        });
        QVERIFY(!dialog_->RunDialog());
        const int height = area.height();
        const int row = area.top() + height - int((int64_t(value) + 32767) * height / 65535) - 1;
        QVERIFY(row >= area.top() && row <= area.bottom());
        for (const int x : {area.left() + 3, area.center().x(), area.right() - 3}) {
            QCOMPARE(RowsOf(traced, x, qRgb(0, 255, 0)), QList<int>{row});
            QCOMPARE(RowsOf(redrawn, x, qRgb(0, 255, 0)), QList<int>{row});
        }
    }

    // Above 2097152 bytes of data the trace marks its progress with a red
    // column after the one drawn (seen as the trace is painted, column by
    // column); at that size or below it does not.
    void progressMark_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("marked");
        QTest::newRow("2200000 bytes") << 2200000 << true;
        QTest::newRow("2097152 bytes") << 2097152 << false;
    }
    void progressMark()
    {
        QFETCH(int, bytes);
        QFETCH(bool, marked);
        dialog_->SetFileName(Path("short.wav"));
        int red = -1;
        int height = 0;
        WhenModal([&](QFileDialog* modal) {
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("big%1.wav").arg(bytes)));
            QTRY_COMPARE(refreshed.count(), 1);
            auto* view = modal->findChild<WaveformView*>(QStringLiteral("Waveform"));
            height = view->Area().height();
            PaintWatcher watcher(view,
                                 [&] { red = std::max(red, CountColour(view->Canvas(), qRgb(255, 0, 0))); });
            QTest::mouseClick(Find<QCheckBox>(modal, "PreviewBox"), Qt::LeftButton);
            QVERIFY(watcher.paints > 100);
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(red, marked ? height : 0);
    }

    // The play buffer comes from the format and the size the dialog started
    // with: ticking Preview again and again on a 96 kHz 16-bit wave keeps it.
    void bufferSizeKeepsOverToggles()
    {
        TESSELLOR_REQUIRE(!NoOutput(), QStringLiteral("a sound output"));
        dialog_->SetFileName(Path("short.wav"));
        QList<int> sizes;
        WhenModal([&](QFileDialog* modal) {
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("hi96.wav")));
            QTRY_COMPARE(refreshed.count(), 1);
            sizes << dialog_->Output()->BufferSize();
            for (int i = 0; i < 17; ++i) {
                QTest::mouseClick(Find<QCheckBox>(modal, "PreviewBox"), Qt::LeftButton);
                sizes << dialog_->Output()->BufferSize();
            }
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(sizes, QList<int>(18, 65536));
    }

    // Auto Play plays each selection as it is described; ticking it plays the
    // selection, unticking it and ticking Preview stop what plays.
    void autoPlayAndStops_data()
    {
        QTest::addColumn<bool>("autoPlay");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("texts"); // after the selection, then after each click
        QTest::newRow("Auto Play on: plays at once") << true << QStringList{} << QStringList{"Stop"};
        QTest::newRow("Auto Play off: waits") << false << QStringList{} << QStringList{"Play"};
        QTest::newRow("ticking Auto Play plays")
            << false << QStringList{"AutoPlayBox"} << QStringList{"Play", "Stop"};
        QTest::newRow("unticking Auto Play stops")
            << true << QStringList{"AutoPlayBox"} << QStringList{"Stop", "Play"};
        QTest::newRow("ticking Preview stops")
            << false << QStringList{"PlayButton", "PreviewBox"} << QStringList{"Play", "Stop", "Play"};
    }
    void autoPlayAndStops()
    {
        TESSELLOR_REQUIRE(!NoOutput(), QStringLiteral("a sound output"));
        QFETCH(bool, autoPlay);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, texts);
        dialog_->SetAutoPlay(autoPlay);
        dialog_->SetFileName(Path("short.wav"));
        QStringList seen;
        WhenModal([&](QFileDialog* modal) {
            auto* play = Find<QPushButton>(modal, "PlayButton");
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("long.wav")));
            QTRY_COMPARE(refreshed.count(), 1);
            // A start is reported once the server has the stream.
            QTRY_COMPARE(play->text(), texts.first());
            seen << play->text();
            for (int i = 0; i < clicks.size(); ++i) {
                QTest::mouseClick(modal->findChild<QAbstractButton*>(clicks[i]), Qt::LeftButton);
                QTRY_COMPARE(play->text(), texts[i + 1]);
                seen << play->text();
            }
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(seen, texts);
        QCOMPARE(dialog_->AutoPlay(), autoPlay != clicks.contains("AutoPlayBox"));
    }

    // What the output reports while it plays (a buffer that cannot be
    // refilled, a lost server: the engine's side is tested with the engine)
    // reaches the error box once the output has closed; the dialog goes on.
    void errorWhilePlayingIsShown()
    {
        TESSELLOR_REQUIRE(!NoOutput(), QStringLiteral("a sound output"));
        dialog_->SetFileName(Path("short.wav"));
        QString shown, button;
        WhenModal([&](QFileDialog* modal) {
            auto* play = Find<QPushButton>(modal, "PlayButton");
            QSignalSpy refreshed(dialog_, &TMMWaveOpenDialog::Refreshed);
            QVERIFY(Select(modal, QStringLiteral("long.wav")));
            QTRY_COMPARE(refreshed.count(), 1);
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_COMPARE(play->text(), QStringLiteral("Stop"));
            TMMWaveOut* output = dialog_->Output();
            QVERIFY(output->OnError);
            // The box runs its own loop: it is read and closed from there,
            // by a check that waits without running events itself.
            bool closed = false;
            std::function<void()> closeBox = [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr)
                    return QTimer::singleShot(20, closeBox);
                shown = box->objectName() + QLatin1Char(':') + box->text();
                box->accept();
                closed = true;
            };
            QTimer::singleShot(0, closeBox);
            // As the engine does on a failed refill: report, then close.
            output->OnError(output, QStringLiteral("Error filling wave buffer"));
            output->Close();
            QCOMPARE(play->text(), QStringLiteral("Play"));
            QTRY_VERIFY(closed);
            // The dialog plays again.
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_COMPARE(play->text(), QStringLiteral("Stop"));
            button = play->text();
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(shown, QStringLiteral("ErrorBox:Error filling wave buffer."));
        QCOMPARE(button, QStringLiteral("Stop"));
    }

    // The next run offers the filter entry and the folder the last one ended
    // in, unless the caller names a file since: its folder then.
    void remembersFilterAndFolder_data()
    {
        QTest::addColumn<bool>("fileGiven");
        QTest::newRow("cancelled in a subfolder") << false;
        QTest::newRow("a file named since") << true;
    }
    void remembersFilterAndFolder()
    {
        QFETCH(bool, fileGiven);
        QDir(dir_.path()).mkpath(QStringLiteral("sub"));
        const QString sub = Path("sub");
        QString filter, folder;
        dialog_->SetFileName(Path("short.wav"));
        WhenModal([&](QFileDialog* modal) {
            modal->selectNameFilter(modal->nameFilters().value(1));
            modal->setDirectory(sub);
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(dialog_->FilterIndex(), 2);
        QCOMPARE(dialog_->InitialDir(), sub);
        if (fileGiven)
            dialog_->SetFileName(Path("mono8.wav"));
        WhenModal([&](QFileDialog* modal) {
            filter = modal->selectedNameFilter();
            folder = modal->directory().absolutePath();
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(filter, QStringLiteral("Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)"));
        QCOMPARE(folder, fileGiven ? dir_.path() : sub);
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
