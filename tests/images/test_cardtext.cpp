// The check the window makes before "Insert Text" writes a card: empty text,
// text that fits, text that the card's edges would cut.
#include "images/CardText.h"
#include "images/TBitmap.h"

#include <QPainter>
#include <QTest>

namespace {

// Pixels of another colour than the white card.
int inkIn(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

// The lines drawn where InsertText draws them, on a canvas reaching far past
// the card on every side, so nothing is cut.
int inkUncut(const QStringList& lines, const QFont& font)
{
    constexpr int Margin = 400;
    QImage canvas(82 + 2 * Margin, 82 + 2 * Margin, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    const QFont pixels = CardText::PixelFont(font);
    painter.setFont(pixels);
    const QVector<QPoint> origins = CardText::LineOrigins(lines, font, 82, 82);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(origins[i] + QPoint(Margin, Margin + QFontMetrics(pixels).ascent()), lines[i]);
    painter.end();
    return inkIn(canvas);
}

} // namespace

class TestCardText : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void tellsWhetherTheTextFits_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("points");
        QTest::addColumn<CardText::TextFit>("fit");
        using F = CardText::TextFit;
        const QString spaces(24, QLatin1Char(' '));
        QTest::newRow("no line") << QStringList() << 8 << F::Empty;
        QTest::newRow("blank lines") << QStringList{"   ", "", "\t"} << 8 << F::Empty;
        QTest::newRow("one word") << QStringList{"Cat"} << 8 << F::Fits;
        QTest::newRow("three lines, descenders") << QStringList{"dog", "quay", "jig"} << 8 << F::Fits;
        QTest::newRow("a blank line among words") << QStringList{"dog", "", "jig"} << 8 << F::Fits;
        QTest::newRow("wider than the card") << QStringList{"WWWWWWWWWWWWWWWWWW"} << 8 << F::Cut;
        QTest::newRow("wide only by blanks") << QStringList{spaces + "Cat" + spaces} << 8 << F::Fits;
        QTest::newRow("seven lines: the last below the card")
            << QStringList{"a", "b", "c", "d", "e", "f", "g"} << 8 << F::Cut;
        QTest::newRow("one letter too tall") << QStringList{"H"} << 100 << F::Cut;
        QTest::newRow("a 72-point letter that still fits") << QStringList{"H"} << 72 << F::Fits;
        QTest::newRow("one letter, large") << QStringList{"o"} << 28 << F::Fits;
    }
    void tellsWhetherTheTextFits()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, points);
        QFETCH(CardText::TextFit, fit);
        CardText::CanvasFont canvas = CardText::DefaultCanvasFont();
        canvas.font.setPointSize(points);
        QCOMPARE(CardText::CheckFit(lines, canvas.font), fit);
        QCOMPARE(CardText::FitQuestion(fit).isEmpty(), fit == CardText::TextFit::Fits);

        // The card InsertText draws agrees: what fits loses no pixel, what is
        // cut lost some, what is empty is a white card.
        TBitmap card;
        CardText::InsertText(card, lines, canvas);
        const int onCard = inkIn(card.ToImage());
        const int whole = inkUncut(lines, canvas.font);
        QCOMPARE(onCard < whole, fit == CardText::TextFit::Cut);
        QCOMPARE(onCard == 0, fit == CardText::TextFit::Empty);
    }
};

QTEST_MAIN(TestCardText)
#include "test_cardtext.moc"
