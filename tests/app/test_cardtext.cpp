// "Insert Text" on the blank card: the wrapped lines, where each line goes,
// and the card file it makes.

#include "images/CardText.h"
#include "images/TBitmap.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Card = 82;
constexpr qint64 TextCardFileSize = 7966;

QFont pointFont(int points)
{
    QFont font = CardText::DefaultCanvasFont().font;
    font.setPointSize(points);
    return font;
}

int lineHeight(const QFont& font)
{
    return QFontMetrics(CardText::PixelFont(font)).height();
}

// Rows of the picture holding any pixel that is not white.
QPair<int, int> inkRows(const TBitmap& bitmap)
{
    const QImage image = bitmap.ToImage();
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                if (first < 0)
                    first = y;
                last = y;
            }
    return {first, last};
}

} // namespace

class TestCardText : public QObject {
    Q_OBJECT

  private slots:
    void lineCount_data();
    void lineCount();
    void pointsToPixels_data();
    void pointsToPixels();
    void threeLinesSpacedByTwicePointSize_data();
    void threeLinesSpacedByTwicePointSize();
    void topTruncatesTowardZero();
    void longLineGetsNegativeX();
    void emptyTextGivesWhiteCard();
    void textCardFile();
    void fontColourIsTableColour();
};

void TestCardText::lineCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("one line") << "abc" << QStringList{"abc"};
    QTest::newRow("last empty line not counted") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("only a line break") << "\n" << QStringList{""};
    QTest::newRow("empty line inside counted") << "a\n\nb" << QStringList{"a", "", "b"};
    QTest::newRow("two empty lines at the end") << "a\n\n" << QStringList{"a", ""};
    QTest::newRow("CR LF breaks") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("wrapped at a blank") << "aaaa bbbb" << QStringList{"aaaa ", "bbbb"};
}

void TestCardText::lineCount()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    // "aaaa bbbb" does not fit: wrap at the width of "aaaa " plus a little.
    const QFont font = CardText::PixelFont(pointFont(8));
    const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("aaaa ")) + 2;
    QCOMPARE(CardText::WrapLines(text, font, width), lines);
}

void TestCardText::pointsToPixels_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("8 pt") << 8 << 11;
    QTest::newRow("10 pt") << 10 << 13;
    QTest::newRow("12 pt") << 12 << 16;
    QTest::newRow("72 pt") << 72 << 96;
}

void TestCardText::pointsToPixels()
{
    QFETCH(int, points);
    QFETCH(int, pixels);
    const QFont font = CardText::PixelFont(pointFont(points));
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(CardText::PointSize(pointFont(points)), points);
}

void TestCardText::threeLinesSpacedByTwicePointSize_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("8 pt") << 8;
    QTest::newRow("12 pt") << 12;
}

void TestCardText::threeLinesSpacedByTwicePointSize()
{
    QFETCH(int, points);
    const QFont font = pointFont(points);
    const QStringList lines{"one", "two", "three"};
    const QVector<QPoint> origins = CardText::LineOrigins(lines, font, Card, Card);
    QCOMPARE(origins.size(), 3);
    const int h = lineHeight(font);
    // The start comes from the measured height, the spacing from the point size.
    QCOMPARE(origins[0].y(), (Card - 3 * h) / 2);
    QCOMPARE(origins[1].y() - origins[0].y(), 2 * points);
    QCOMPARE(origins[2].y() - origins[1].y(), 2 * points);
    const QFontMetrics metrics(CardText::PixelFont(font));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(origins[i].x(), (Card - metrics.horizontalAdvance(lines[i])) / 2);
}

void TestCardText::topTruncatesTowardZero()
{
    const QFont font = pointFont(8);
    const int h = lineHeight(font);
    // Enough lines to overflow the card by an odd number of pixels.
    int count = Card / h + 1;
    while ((count * h - Card) % 2 == 0)
        ++count;
    const QStringList lines(count, QStringLiteral("x"));
    const int overflow = count * h - Card;
    QVERIFY(overflow > 0 && overflow % 2 == 1);
    QCOMPARE(CardText::LineOrigins(lines, font, Card, Card).first().y(), -(overflow / 2));
}

void TestCardText::longLineGetsNegativeX()
{
    const QFont font = pointFont(8);
    const QString line(40, QLatin1Char('W'));
    const int width = QFontMetrics(CardText::PixelFont(font)).horizontalAdvance(line);
    QVERIFY(width > Card);
    const int x = CardText::LineOrigins({line}, font, Card, Card).first().x();
    QVERIFY(x < 0);
    QCOMPARE(x, -((width - Card) / 2));
    // Cut off on both sides: ink in the first and the last column.
    TBitmap bitmap;
    CardText::InsertText(bitmap, {line}, CardText::DefaultCanvasFont());
    const QImage image = bitmap.ToImage();
    bool leftInk = false;
    bool rightInk = false;
    for (int y = 0; y < Card; ++y) {
        leftInk = leftInk || image.pixelColor(0, y) != QColor(Qt::white);
        rightInk = rightInk || image.pixelColor(Card - 1, y) != QColor(Qt::white);
    }
    QVERIFY(leftInk);
    QVERIFY(rightInk);
}

void TestCardText::emptyTextGivesWhiteCard()
{
    TBitmap blank;
    blank.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    TBitmap card;
    CardText::InsertText(card, CardText::WrapLines(QString(), pointFont(8), 160),
                         CardText::DefaultCanvasFont());
    QCOMPARE(inkRows(card).first, -1);
    QCOMPARE(card.ToImage(), blank.ToImage());
}

void TestCardText::textCardFile()
{
    QTemporaryDir dir;
    TBitmap card;
    const QStringList lines{"Hello", "world", "again"};
    CardText::InsertText(card, lines, CardText::DefaultCanvasFont());
    const auto [first, last] = inkRows(card);
    const QVector<QPoint> origins =
        CardText::LineOrigins(lines, CardText::DefaultCanvasFont().font, Card, Card);
    const int h = lineHeight(CardText::DefaultCanvasFont().font);
    QVERIFY(first >= origins.first().y());
    QVERIFY(last < origins.last().y() + h);

    const QString path = dir.filePath(QStringLiteral("C05.bmp"));
    card.SaveBitmapFile(path);
    QCOMPARE(QFileInfo(path).size(), TextCardFileSize);
    TBitmap reread;
    reread.LoadBitmapFile(path);
    QCOMPARE(reread.BitsPerPixel(), 8);
    QCOMPARE(reread.ColorCount(), 256);
    QCOMPARE(reread.ToImage(), card.ToImage());
}

void TestCardText::fontColourIsTableColour()
{
    CardText::CanvasFont red = CardText::DefaultCanvasFont();
    red.color = QColor(255, 0, 0);
    red.font.setPointSize(20);
    red.font.setBold(true);
    TBitmap card;
    CardText::InsertText(card, {"M"}, red);
    const QImage image = card.ToImage();
    QSet<QRgb> colours;
    for (int y = 0; y < Card; ++y)
        for (int x = 0; x < Card; ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    // Crisp text: the white card and the red of the colour table, nothing between.
    QCOMPARE(colours, (QSet<QRgb>{0xFFFFFF, 0xFF0000}));
}

QTEST_MAIN(TestCardText)
#include "test_cardtext.moc"
