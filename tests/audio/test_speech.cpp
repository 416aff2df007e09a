// Spoken text from the speech library: its samples, the choice of voice, the
// refusals, and tessellor-tool speak writing a card sound.

#include "TestFiles.h"
#include "audio/TMMWave.h"
#include "audio/speech/Speech.h"
#include "audio/speech/VoiceChoice.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

// 20000 words: far more than 10 minutes even at the fastest rate.
QString LongText()
{
    return QStringList(20000, QStringLiteral("word")).join(QLatin1Char(' '));
}

double Rms(const QByteArray& samples)
{
    const auto* s = reinterpret_cast<const int16_t*>(samples.constData());
    const qsizetype count = samples.size() / 2;
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i)
        sum += double(s[i]) * s[i];
    return count ? std::sqrt(sum / double(count)) : 0;
}

QString Refusal(const QString& text, const QString& voice, int rate)
{
    try {
        Speech::Speak(text, voice, rate);
    } catch (const ESpeechError& e) {
        return e.Message();
    }
    return QStringLiteral("(spoken)");
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void spokenTextGrowsWithTheText_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("shortText");
        QTest::addColumn<QString>("longText");
        QTest::newRow("English") << "en"
                                 << "one"
                                 << "one two three four five";
        QTest::newRow("Portuguese") << "pt" << QString::fromUtf8("maçã") << QString::fromUtf8("maçã e pão");
        QTest::newRow("Brazil, by name") << "Portuguese (Brazil)" << QString::fromUtf8("maçã")
                                         << QString::fromUtf8("maçã, banana, laranja");
    }
    void spokenTextGrowsWithTheText()
    {
        QFETCH(QString, voice);
        QFETCH(QString, shortText);
        QFETCH(QString, longText);
        const QByteArray shortSound = Speech::Speak(shortText, voice, Speech::NormalRate);
        const QByteArray longSound = Speech::Speak(longText, voice, Speech::NormalRate);
        // Whole 16-bit samples, at least a fifth of a second, clearly audible.
        QCOMPARE(shortSound.size() % 2, 0);
        QVERIFY2(shortSound.size() > Speech::SampleRate * 2 / 5,
                 qPrintable(QString::number(shortSound.size())));
        QVERIFY2(Rms(shortSound) > 500, qPrintable(QString::number(Rms(shortSound))));
        QVERIFY2(longSound.size() > shortSound.size() * 3 / 2,
                 qPrintable(QStringLiteral("%1 / %2").arg(longSound.size()).arg(shortSound.size())));
    }

    void fasterRateIsShorter()
    {
        const QString text = QStringLiteral("one two three four five six");
        QVERIFY(Speech::Speak(text, QStringLiteral("en"), 300).size() <
                Speech::Speak(text, QStringLiteral("en"), 120).size());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "en" << 175 << "There is no text to speak";
        QTest::newRow("blanks") << " \n\t "
                                << "en" << 175 << "There is no text to speak";
        QTest::newRow("unknown voice") << "one"
                                       << "xx-nowhere" << 175 << "Unknown voice: xx-nowhere";
        QTest::newRow("no voice") << "one"
                                  << "" << 175 << "No voice was chosen";
        QTest::newRow("too slow") << "one"
                                  << "en" << 79 << "The rate must be from 80 to 450 words per minute";
        QTest::newRow("too fast") << "one"
                                  << "en" << 451 << "The rate must be from 80 to 450 words per minute";
        // About 44 minutes of speech: capped as an imported sound is.
        QTest::newRow("over 10 minutes")
            << LongText() << "en" << 450
            << "The spoken text would be longer than 10 minutes: shorten the text";
    }
    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(QString, voice);
        QFETCH(int, rate);
        QFETCH(QString, message);
        QCOMPARE(Refusal(text, voice, rate), message);
    }

    void voiceChoice_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("identifier, any case") << "ROA/PT-br"
                                              << "roa/pt-BR";
        QTest::newRow("name") << "portuguese (portugal)"
                              << "roa/pt";
        QTest::newRow("language, best priority") << "pt"
                                                 << "roa/pt";
        QTest::newRow("language with region") << "pt-BR"
                                              << "roa/pt-BR";
        QTest::newRow("unknown") << "xx"
                                 << "";
    }
    void voiceChoice()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, identifier);
        const auto voice = VoiceChoice::Find(Speech::Voices(), wanted);
        QCOMPARE(voice ? voice->identifier : QString(), identifier);
    }

    void voiceForLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("Brazil") << QLocale(QLocale::Portuguese, QLocale::Brazil) << "roa/pt-BR";
        QTest::newRow("Portugal") << QLocale(QLocale::Portuguese, QLocale::Portugal) << "roa/pt";
        QTest::newRow("Mozambique: the language")
            << QLocale(QLocale::Portuguese, QLocale::Mozambique) << "roa/pt";
        QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "gmw/en-US";
        QTest::newRow("no voice: English") << QLocale(QLocale::Yoruba, QLocale::Nigeria) << "gmw/en";
        QTest::newRow("C: English") << QLocale::c() << "gmw/en";
    }
    void voiceForLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, identifier);
        QCOMPARE(VoiceChoice::ForLocale(Speech::Voices(), locale), identifier);
        QVERIFY(VoiceChoice::ForLocale({}, locale).isEmpty());
    }

    void toolWritesCardSound()
    {
        const QString target = dir_.filePath(QStringLiteral("S04.wav"));
        const auto run =
            TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"speak", target, "--voice", "pt", "--rate",
                                                                   "150", QString::fromUtf8("maçã")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        TMMWave wave;
        wave.LoadWaveFile(target);
        QCOMPARE(wave.FormatTag(), uint16_t(1));
        QCOMPARE(int(wave.SampleRate()), Speech::SampleRate);
        QCOMPARE(wave.BitLength(), 16);
        QCOMPARE(int(wave.WaveFormat()->Channels()), 1);
        wave.SetTimeFormat(TMMTimeFormats::tfByte);
        QByteArray samples(qsizetype(wave.DataSize()), '\0');
        wave.OpenFile();
        QCOMPARE(wave.ReadData(samples.data(), int32_t(samples.size())), int32_t(samples.size()));
        wave.CloseFile();
        QVERIFY2(Rms(samples) > 500, qPrintable(QString::number(Rms(samples))));
        // The library's sound varies by a few milliseconds with what it spoke
        // before, so the in-process sound is only a measure of the length.
        const auto spoken =
            double(Speech::Speak(QString::fromUtf8("maçã"), QStringLiteral("pt"), 150).size());
        QVERIFY2(std::abs(double(samples.size()) - spoken) < spoken / 10,
                 qPrintable(QStringLiteral("%1 / %2").arg(samples.size()).arg(spoken)));
    }

    void toolFailsWithoutWriting_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("withoutData");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown voice")
            << QStringList{"--voice", "xx", "one"} << false << 1 << "Unknown voice: xx";
        QTest::newRow("empty text") << QStringList{""} << false << 1 << "There is no text to speak";
        QTest::newRow("bad rate") << QStringList{"--rate", "fast", "one"} << false << 2
                                  << "--rate needs a whole number of words per minute";
        QTest::newRow("over 10 minutes")
            << QStringList{"--rate", "450", LongText()} << false << 1
            << "The spoken text would be longer than 10 minutes: shorten the text";
        QTest::newRow("library without its data")
            << QStringList{"one"} << true << 1 << "The speech library could not start";
    }
    void toolFailsWithoutWriting()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, withoutData);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString target = dir_.filePath(QStringLiteral("S05.wav"));
        TestFiles::writeBytes(target, "old sound");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The library looks for ESPEAK_DATA_PATH/espeak-ng-data first.
        QTemporaryDir empty;
        if (withoutData) {
            QVERIFY(QDir(empty.path()).mkdir(QStringLiteral("espeak-ng-data")));
            environment.insert(QStringLiteral("ESPEAK_DATA_PATH"), empty.path());
        }
        const auto run = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL),
                                               QStringList{"speak", target} + options, environment);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(TestFiles::readBytes(target), QByteArray("old sound"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).filter(QStringLiteral(".tmp"), Qt::CaseInsensitive),
                 QStringList());
    }

    void toolListsVoices()
    {
        const auto run = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"voices"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.outLines().contains(QStringLiteral("roa/pt-BR\tpt-br,pt\tPortuguese (Brazil)")),
                 qPrintable(run.out.left(400)));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
