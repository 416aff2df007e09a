// Sounds of other formats made by ffmpeg and turned into card sounds: by the
// function, by tessellor-tool import-sound, and chosen in the wave dialog.

#include "TestFiles.h"
#include "WaveBytes.h"
#include "audio/ESoundImportError.h"
#include "audio/SoundImport.h"
#include "audio/TMMWave.h"
#include "audio/ui/TMMWaveOpenDialog.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>

namespace {

constexpr int ToneHz = 440;

// The card sound as the wave object reads it.
struct CardPcm {
    int tag = 0, rate = 0, channels = 0, bits = 0;
    std::vector<int16_t> samples; // interleaved
};

CardPcm ReadCard(const QString& path)
{
    TMMWave wave;
    wave.LoadWaveFile(path);
    CardPcm pcm{
        wave.FormatTag(), int(wave.SampleRate()), wave.WaveFormat()->Channels(), wave.BitLength(), {}};
    wave.SetTimeFormat(TMMTimeFormats::tfByte);
    QByteArray bytes(wave.DataSize() + 4, '\0');
    wave.OpenFile();
    const int32_t got = wave.ReadData(bytes.data(), wave.DataSize());
    wave.CloseFile();
    pcm.samples.resize(size_t(std::max(got, 0)) / 2);
    memcpy(pcm.samples.data(), bytes.constData(), pcm.samples.size() * 2);
    return pcm;
}

// Frequency of one channel by its rising zero crossings.
double Frequency(const CardPcm& pcm, int channel)
{
    int rising = 0;
    const size_t frames = pcm.samples.size() / size_t(pcm.channels);
    for (size_t f = 1; f < frames; ++f)
        rising +=
            pcm.samples[(f - 1) * pcm.channels + channel] < 0 && pcm.samples[f * pcm.channels + channel] >= 0;
    return rising * double(pcm.rate) / double(frames);
}

bool Ffmpeg(const QString& args, const QString& out)
{
    QStringList list = QStringList{"-loglevel", "error", "-y"} + args.split(QLatin1Char(' '));
    return TestFiles::runProgram(QStringLiteral("ffmpeg"), list << out).exitCode == 0;
}

// A FLAC of `bits` bits per sample: ffmpeg writes only 16 or 24, so the flac
// program encodes an AIFF whose header declares fewer bits (those below them zero).
bool FlacOfBits(const QString& tone, int bits, const QString& out)
{
    const QString aiff = out + ".aiff";
    if (!Ffmpeg(tone + "44100 -af aformat=sample_fmts=u8,aformat=sample_fmts=s16 -c:a pcm_s" +
                    QString::number(bits > 16 ? 24 : 16) + "be",
                aiff))
        return false;
    QByteArray bytes = TestFiles::readBytes(aiff);
    qToBigEndian<int16_t>(int16_t(bits), bytes.data() + bytes.indexOf("COMM") + 14); // sampleSize
    TestFiles::writeBytes(aiff, bytes);
    return TestFiles::runProgram("flac", {"-s", "-f", "-o", out, aiff}).exitCode == 0;
}

} // namespace

class TestSoundImport : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString tone = QStringLiteral("-f lavfi -i sine=f=%1:d=1:r=").arg(ToneHz);
        QVERIFY(Ffmpeg(tone + "44100 -ac 2", Path("tone.mp3")));
        QVERIFY(Ffmpeg(tone + "22050 -c:a libvorbis", Path("tone.ogg")));
        QVERIFY(Ffmpeg(tone + "44100 -ac 2 -c:a libopus", Path("tone.opus")));
        QVERIFY(Ffmpeg(tone + "32000", Path("tone.flac")));
        QVERIFY(Ffmpeg(tone + "96000 -ac 2", Path("tone96.flac")));
        // The tone in the centre channel only: both sides must carry it,
        // whatever order the container lays its channels out in.
        QVERIFY(Ffmpeg(tone + "48000 -af pan=5.1|FC=c0", Path("centre6.flac")));
        QVERIFY(Ffmpeg(tone + "48000 -af pan=5.1|FC=c0 -c:a libvorbis", Path("centre6.ogg")));
        QVERIFY(Ffmpeg("-f lavfi -i anullsrc=r=8000:cl=mono -t 601", Path("long.flac")));
        // What phones record, and what libsndfile does not read.
        QVERIFY(Ffmpeg(tone + "44100", Path("tone.m4a")));
        QVERIFY(Ffmpeg(tone + "44100 -f adts", Path("tone.aac")));
        QVERIFY(Ffmpeg(tone + "16000 -ac 2 -c:a aac", Path("tone.3gp")));
        QVERIFY(Ffmpeg(tone + "44100 -c:a flac", Path("tone.oga")));
        QVERIFY(FlacOfBits(tone, 12, Path("tone12.flac")));
        QVERIFY(FlacOfBits(tone, 20, Path("tone20.flac")));
        TestFiles::writeBytes(Path("junk.mp3"),
                              QByteArray(3000, '\x37') + TestFiles::readBytes(Path("tone.mp3")));
        // A loud start, then 2.8 s of silence, with no length header: a reader
        // that trusts the first frame's bitrate stops early.
        QVERIFY(Ffmpeg("-f lavfi -i anoisesrc=d=0.2,apad=whole_dur=3 -c:a libmp3lame -q:a 4 -write_xing 0",
                       Path("vbr.mp3")));
        // A length header that claims hours for one second.
        QByteArray claims = TestFiles::readBytes(Path("tone.mp3"));
        const qsizetype xing = std::max(claims.indexOf("Xing"), claims.indexOf("Info"));
        QVERIFY(xing > 0 && (claims.at(xing + 7) & 1) != 0); // it holds a frame count
        qToBigEndian<uint32_t>(0x7fffffff, claims.data() + xing + 8);
        TestFiles::writeBytes(Path("claims.mp3"), claims);
        TestFiles::writeBytes(Path("broken.mp3"), QByteArray(3000, '\x5a'));
        TestFiles::writeBytes(Path("cut.flac"), TestFiles::readBytes(Path("tone.flac")).left(2000));
        TestFiles::writeBytes(Path("empty.ogg"), {});
        // A list that names a sound beside it, relative to the folder the
        // program runs in: nothing a file names is opened.
        TestFiles::writeBytes(Path("list.ffconcat"), "ffconcat version 1.0\nfile tone.mp3\n");
        QVERIFY(QDir::setCurrent(dir_.path()));
        QVERIFY(
            WaveBytes::WriteFile(Path("plain.wav"), WaveBytes::PcmWave(1, 8000, 8, QByteArray(800, 'x'))));
        QCOMPARE(mkfifo(QFile::encodeName(Path("pipe.mp3")).constData(), 0600), 0);
    }

    void convertsEachFormat_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("MP3 stereo") << "tone.mp3" << 44100 << 2;
        QTest::newRow("AAC in M4A") << "tone.m4a" << 44100 << 1;
        QTest::newRow("AAC in ADTS") << "tone.aac" << 44100 << 1;
        QTest::newRow("AAC in 3GP") << "tone.3gp" << 16000 << 2;
        QTest::newRow("FLAC in Ogg") << "tone.oga" << 44100 << 1;
        QTest::newRow("FLAC 12 bits") << "tone12.flac" << 44100 << 1;
        QTest::newRow("FLAC 20 bits") << "tone20.flac" << 44100 << 1;
        QTest::newRow("Ogg Vorbis mono") << "tone.ogg" << 22050 << 1;
        QTest::newRow("Opus decodes at 48000") << "tone.opus" << 48000 << 2;
        QTest::newRow("FLAC at its own rate") << "tone.flac" << 32000 << 1;
        QTest::newRow("FLAC 96000 to 48000") << "tone96.flac" << 48000 << 2;
        QTest::newRow("FLAC 5.1 to stereo") << "centre6.flac" << 48000 << 2;
        QTest::newRow("Vorbis 5.1 to stereo") << "centre6.ogg" << 48000 << 2;
    }
    void convertsEachFormat()
    {
        QFETCH(QString, source);
        QFETCH(int, rate);
        QFETCH(int, channels);
        const QString target = Path("S01.wav");
        SoundImport::ToCardSound(Path(source), target);
        const CardPcm pcm = ReadCard(target);
        QCOMPARE(pcm.tag, 1);
        QCOMPARE(pcm.bits, 16);
        QCOMPARE(pcm.rate, rate);
        QCOMPARE(pcm.channels, channels);
        const double seconds = double(pcm.samples.size()) / channels / rate;
        QVERIFY2(seconds > 0.95 && seconds < 1.1, qPrintable(QString::number(seconds)));
        for (int c = 0; c < channels; ++c) {
            const double hz = Frequency(pcm, c);
            QVERIFY2(qAbs(hz - ToneHz) < 10, qPrintable(QStringLiteral("channel %1: %2 Hz").arg(c).arg(hz)));
        }
    }

    // The length is what decodes, whatever the header says.
    void keepsTheLengthThatDecodes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("seconds");
        QTest::newRow("VBR MP3 without length header") << "vbr.mp3" << 3.0;
        QTest::newRow("MP3 whose header claims hours") << "claims.mp3" << 1.0;
        // Found after the junk, the length header is not used: the
        // encoder's delay stays in front of the sound, as with ffmpeg.
        QTest::newRow("MP3 after junk") << "junk.mp3" << 1.045;
    }
    void keepsTheLengthThatDecodes()
    {
        QFETCH(QString, source);
        QFETCH(double, seconds);
        SoundImport::ToCardSound(Path(source), Path("S03.wav"));
        const CardPcm pcm = ReadCard(Path("S03.wav"));
        const double got = double(pcm.samples.size()) / pcm.channels / pcm.rate;
        QVERIFY2(qAbs(got - seconds) < 0.1, qPrintable(QString::number(got)));
    }

    void refusesWhatItCannotRead_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("lead");
        // A sound too long to convert is still one the dialog lets through,
        // so that converting it names the problem.
        QTest::addColumn<bool>("importable");
        QTest::newRow("damaged") << "broken.mp3" << SoundImportText::CannotRead << false;
        QTest::newRow("cut short") << "cut.flac" << SoundImportText::CannotRead << false;
        QTest::newRow("empty") << "empty.ogg" << SoundImportText::CannotRead << false;
        QTest::newRow("list naming a sound") << "list.ffconcat" << SoundImportText::CannotRead << false;
        QTest::newRow("missing") << "none.mp3" << SoundImportText::CannotRead << false;
        QTest::newRow("over 10 minutes") << "long.flac" << SoundImportText::TooLong << true;
        QTest::newRow("pipe") << "pipe.mp3" << SoundImportText::NotPlainFile << false;
        QTest::newRow("folder") << "." << SoundImportText::NotPlainFile << false;
    }
    void refusesWhatItCannotRead()
    {
        QFETCH(QString, source);
        QFETCH(QString, lead);
        QFETCH(bool, importable);
        QString message;
        try {
            SoundImport::ToCardSound(Path(source), Path("S02.wav"));
        } catch (const ESoundImportError& e) {
            message = e.Message();
        }
        QCOMPARE(message.section(QLatin1Char('\n'), 0, 0), lead);
        QVERIFY(!QFile::exists(Path("S02.wav")));
        QCOMPARE(SoundImport::CanImport(Path(source)), importable);
        // The tool says the same and fails.
        const auto run =
            TestFiles::runProgram(TESSELLOR_TOOL, {"import-sound", Path(source), Path("S02.wav")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(lead), qPrintable(run.err));
    }

    void waveKeepsTheWavePath()
    {
        QVERIFY(SoundImport::CanImport(Path("tone.mp3")));
        QVERIFY(!SoundImport::CanImport(Path("plain.wav")));
    }

    // The wave layer's "Unable to save wave file" names no place: the tool's
    // sound commands name the folder on the line below.
    void toolNamesTheFolder_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("folder");
        QTest::newRow("import-sound, folder gone") << QStringList{"import-sound", "tone.ogg"} << "gone";
        QTest::newRow("wave-copy, folder gone") << QStringList{"wave-copy", "plain.wav"} << "gone";
        QTest::newRow("speak, target a folder") << QStringList{"speak"} << "dir";
    }
    void toolNamesTheFolder()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, folder);
        QDir(dir_.path()).mkpath(QStringLiteral("dir/S09.wav"));
        const QString target = Path(folder + "/S09.wav");
        QStringList args{command.first()};
        if (command.size() > 1)
            args << Path(command.at(1));
        args << target;
        if (command.first() == "speak")
            args << "one";
        const auto run = TestFiles::runProgram(TESSELLOR_TOOL, args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("Unable to save wave file\n" + Path(folder) + "\n"), qPrintable(run.err));
    }

    void toolWritesWhatTheFunctionWrites()
    {
        SoundImport::ToCardSound(Path("tone.ogg"), Path("function.wav"));
        const auto run =
            TestFiles::runProgram(TESSELLOR_TOOL, {"import-sound", Path("tone.ogg"), Path("tool.wav")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(TestFiles::readBytes(Path("tool.wav")), TestFiles::readBytes(Path("function.wav")));
    }

    // The dialog offers the wave entry first and these sounds second; an MP3
    // is described and confirmed, a broken one refused as every non-wave is.
    void dialogTakesOtherSounds()
    {
        QWidget owner;
        TMMWaveOpenDialog dialog(&owner);
        dialog.SetFileName(Path("plain.wav"));
        QStringList filters;
        QString line, refusal;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* modal = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            Drive(modal, dialog, filters, line, refusal);
            // Whatever a failed step left open is closed so the test ends.
            while (auto* still = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                still->reject();
        });
        QVERIFY(dialog.RunDialog());
        QCOMPARE(dialog.FileName(), Path("tone.mp3"));
        QCOMPARE(filters, QStringList({"Wave-Files(*.wav)",
                                       "Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)"}));
        QVERIFY2(line.startsWith("MPEG Layer-3; 44.100 kHz, Stereo; "), qPrintable(line));
        QCOMPARE(refusal, QStringLiteral("Invalid WaveFile..."));
    }

    // A sound of the second entry is described, drawn and played as a wave
    // is: decoded as an import would be.
    void dialogPreviewsOtherSounds_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("line");
        QTest::newRow("MP3") << "tone.mp3"
                             << "MPEG Layer-3; 44.100 kHz, Stereo; ";
        QTest::newRow("Ogg Vorbis") << "tone.ogg"
                                    << "Ogg Vorbis; 22.050 kHz, Mono; ";
        QTest::newRow("Opus") << "tone.opus"
                              << "Opus; 48.000 kHz, Stereo; ";
        QTest::newRow("FLAC") << "tone.flac"
                              << "FLAC; 32.000 kHz, Mono; ";
        QTest::newRow("AAC in M4A") << "tone.m4a"
                                    << "AAC; 44.100 kHz, Mono; ";
    }
    void dialogPreviewsOtherSounds()
    {
        QFETCH(QString, source);
        QFETCH(QString, line);
        const bool output = !QMediaDevices::audioOutputs().isEmpty();
        QWidget owner;
        TMMWaveOpenDialog dialog(&owner);
        dialog.SetFileName(Path("plain.wav"));
        dialog.SetPreview(true);
        QString shown, played;
        int traced = 0, width = 0;
        bool previewOn = false, playOn = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* modal = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            modal->selectNameFilter(modal->nameFilters().value(1));
            QSignalSpy refreshed(&dialog, &TMMWaveOpenDialog::Refreshed);
            auto* list = modal->findChild<QListView*>(QStringLiteral("listView"));
            QModelIndex index;
            QTRY_VERIFY((index = list->model()
                                     ->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                             source, 1, Qt::MatchExactly)
                                     .value(0))
                            .isValid());
            list->setCurrentIndex(index);
            QTRY_VERIFY(refreshed.count() > 0);
            shown = modal->findChild<QLabel*>(QStringLiteral("InfoLine"))->text();
            previewOn = modal->findChild<QCheckBox*>(QStringLiteral("PreviewBox"))->isEnabled();
            auto* view = modal->findChild<QWidget*>(QStringLiteral("Waveform"));
            const QImage image = view->grab().toImage();
            width = image.width();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    traced += image.pixel(x, y) == qRgb(0, 255, 0);
            auto* play = modal->findChild<QPushButton*>(QStringLiteral("PlayButton"));
            playOn = play->isEnabled();
            if (output) {
                QTest::mouseClick(play, Qt::LeftButton);
                QTRY_COMPARE(play->text(), QStringLiteral("Stop"));
                played = play->text();
            }
            while (auto* still = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                still->reject();
        });
        QVERIFY(!dialog.RunDialog());
        QVERIFY2(shown.startsWith(line), qPrintable(shown));
        QVERIFY(previewOn);
        QVERIFY2(traced > width, qPrintable(QString::number(traced)));
        QCOMPARE(playOn, output);
        QCOMPARE(played, output ? QStringLiteral("Stop") : QString());
    }

  private:
    void Drive(QFileDialog* modal, TMMWaveOpenDialog& dialog, QStringList& filters, QString& line,
               QString& refusal)
    {
        filters = modal->nameFilters();
        modal->selectNameFilter(filters.value(1));
        QSignalSpy refreshed(&dialog, &TMMWaveOpenDialog::Refreshed);
        auto* list = modal->findChild<QListView*>(QStringLiteral("listView"));
        QModelIndex mp3;
        QTRY_VERIFY((mp3 = list->model()
                               ->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                       "tone.mp3", 1, Qt::MatchExactly)
                               .value(0))
                        .isValid());
        list->setCurrentIndex(mp3);
        QTRY_VERIFY(refreshed.count() > 0);
        line = modal->findChild<QLabel*>(QStringLiteral("InfoLine"))->text();
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            refusal = box->text();
            box->accept();
        });
        edit->setText(QStringLiteral("broken.mp3"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(modal->isVisible());
        // Typing adds to what the list still selects.
        list->clearSelection();
        edit->setText(QStringLiteral("tone.mp3"));
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

QTEST_MAIN(TestSoundImport)
#include "test_sound_import.moc"
