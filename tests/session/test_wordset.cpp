// A set made from a word list: the list's rules, the cards of a double set
// with pictures, and nothing left behind by a failure.

#include "Requirements.h"
#include "TestFiles.h"
#include "audio/speech/Speech.h"
#include "cardset/CardNames.h"
#include "cardset/WordList.h"
#include "images/TBitmap.h"
#include "session/WordSet.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using TestFiles::readBytes;

namespace {

bool speechWorks()
{
    try {
        return !Speech::Voices().isEmpty();
    } catch (const Exception&) {
        return false;
    }
}

QStringList cardNames(const WordSet::Made& made)
{
    QStringList names;
    for (const WordSet::Card& card : made.cards)
        names << QStringLiteral("%1 %2").arg(card.slot).arg(card.name);
    return names;
}

void savePicture(const QString& path, Qt::GlobalColor colour, const char* format)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, format));
}

QColor centre(const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(path);
    const QImage image = bitmap.ToImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestWordSet : public QObject {
    Q_OBJECT

  private slots:
    // Each list through the parser and the builder: the words it makes or the
    // message it is refused with, and then nothing is written.
    void wordListRules_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("outcome"); // the card names, or a piece of the message
        QByteArray twentyOne;
        for (int i = 1; i <= 21; ++i)
            twentyOne += "w" + QByteArray::number(i) + "\n";
        QTest::newRow("blanks dropped")
            << QByteArray("\n  cat \r\n\n\t red \t apple\n") << "1 cat,2 cat,3 red apple,4 red apple";
        QTest::newRow("21 words name the 21st") << twentyOne << "\"w21\" is word 21";
        QTest::newRow("one word") << QByteArray("cat\n \n") << "at least 2 words";
        QTest::newRow("line too long for a card")
            << QByteArray("cat\nsupercalifragilistic\n") << "\"supercalifragilistic\" does not fit";
        QTest::newRow("bad bytes") << QByteArray("cat\n\xff\xfe dog\n") << "is not UTF-8 text";
        QTest::newRow("larger than 64 KB") << QByteArray(70000, '\n') << "larger than 64 KB";
    }
    void wordListRules()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, outcome);
        TESSELLOR_REQUIRE(speechWorks(), "espeak-ng and its voices");
        QTemporaryDir dir;
        try {
            WordSetOptions options;
            options.words = WordList::Parse(list, QStringLiteral("words.txt"));
            const WordSet::Made made = WordSet::Build(dir.filePath(QStringLiteral("Ed/Words")), options);
            QCOMPARE(cardNames(made).join(QLatin1Char(',')), outcome);
        } catch (const Exception& e) {
            QVERIFY2(e.Message().contains(outcome), qPrintable(e.Message()));
            QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        }
    }

    // Card 2k is the word's picture, found whatever its name's letter case and
    // kind, fitted as Insert image fits it; without one it is the text card.
    void doubleSetWithPictures()
    {
        TESSELLOR_REQUIRE(speechWorks(), "espeak-ng and its voices");
        QTemporaryDir dir;
        const QString pictures = dir.filePath(QStringLiteral("pictures"));
        QVERIFY(QDir().mkdir(pictures));
        savePicture(pictures + QStringLiteral("/Cat.PNG"), Qt::red, "PNG");
        savePicture(pictures + QStringLiteral("/dog.bmp"), Qt::blue, "BMP");
        TestFiles::writeBytes(pictures + QStringLiteral("/bird.txt"), "no picture");
        WordSetOptions options;
        options.words = QStringList{QStringLiteral("cat"), QStringLiteral("DOG"), QStringLiteral("bird")};
        options.duplo = true;
        options.picturesFolder = pictures;
        const WordSet::Made made = WordSet::Build(dir.filePath(QStringLiteral("Ed/Animals")), options);

        const QString set = dir.filePath(QStringLiteral("Ed/Animals/"));
        QCOMPARE(made.folder + QLatin1Char('/'), set);
        QCOMPARE(cardNames(made).join(QLatin1Char(',')), "1 cat,2 cat,3 DOG,4 DOG,5 bird,6 bird");
        const CardNames names = CardNames::Load(set);
        for (const WordSet::Card& card : made.cards)
            QCOMPARE(names.Name(card.slot), card.name);
        const QByteArray config = readBytes(set + QStringLiteral("Set.cfg"));
        QCOMPARE(config.size(), 202);
        QCOMPARE(int(config.at(201)), 1);
        QVERIFY(readBytes(set + QStringLiteral("C00.bmp")) != readBytes(set + QStringLiteral("C01.bmp")));
        QCOMPARE(centre(set + QStringLiteral("C02.bmp")), QColor(Qt::red));
        QCOMPARE(readBytes(set + QStringLiteral("C04.bmp")),
                 readBytes(pictures + QStringLiteral("/dog.bmp")));
        QCOMPARE(readBytes(set + QStringLiteral("C06.bmp")), readBytes(set + QStringLiteral("C05.bmp")));
        QVERIFY(readBytes(set + QStringLiteral("C01.bmp")) != readBytes(set + QStringLiteral("C03.bmp")));
        for (int slot = 1; slot <= 6; slot += 2) {
            const QByteArray sound =
                readBytes(set + QStringLiteral("S%1.wav").arg(slot, 2, 10, QLatin1Char('0')));
            QVERIFY(sound.size() > 1000);
            QCOMPARE(readBytes(set + QStringLiteral("S%1.wav").arg(slot + 1, 2, 10, QLatin1Char('0'))),
                     sound);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Ed"), QStringLiteral("pictures")}));
        QCOMPARE(QDir(set).entryList(QDir::Hidden | QDir::Files).size(), 7 + 6 + 2); // no temporaries
    }

    // A picture that cannot be read stops the set once its hidden folder
    // exists: the folder goes, and so does the sets' folder made for it.
    void failureLeavesNothing()
    {
        TESSELLOR_REQUIRE(speechWorks(), "espeak-ng and its voices");
        QTemporaryDir dir;
        const QString cover = dir.filePath(QStringLiteral("cover.png"));
        TestFiles::writeBytes(cover, "not a picture");
        WordSetOptions options;
        options.words = QStringList{QStringLiteral("sun"), QStringLiteral("moon")};
        options.coverPicture = cover;
        try {
            WordSet::Build(dir.filePath(QStringLiteral("Ed/Sky")), options);
            QFAIL("a cover that is no picture was taken");
        } catch (const Exception& e) {
            QCOMPARE(e.FileName(), cover);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("cover.png")});
    }
};

QTEST_MAIN(TestWordSet)
#include "test_wordset.moc"
