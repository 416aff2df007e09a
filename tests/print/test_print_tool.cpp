// tessellor-tool print, its PDF read back as a person would see it: pages and
// paper through pdfinfo, and each card's colour where the tool says it lies
// through pdftoppm.

#include "TestFiles.h"
#include "print/PrintOptions.h"

#include <QColor>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double RenderDpi = 30;
constexpr int ColourTolerance = 12;

// The colour of picture file `number` (C00..C40): far apart for every pair.
QColor fileColour(int number)
{
    return QColor::fromHsv((number * 7 * 360 / 41) % 360, 255, 200 + (number % 2) * 55);
}

void writePicture(const QString& path, QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

// A set whose files `numbers` hold pictures of their own colour; slot 1 a wide
// picture, to see it kept in proportion.
void makeSet(const QString& folder, bool duplo, const QList<int>& numbers)
{
    QVERIFY(QDir().mkpath(folder));
    QByteArray config(202, '\0');
    config[201] = duplo ? 1 : 0;
    TestFiles::writeBytes(folder + QStringLiteral("/Set.cfg"), config);
    for (int n : numbers)
        writePicture(QStringLiteral("%1/C%2.bmp").arg(folder).arg(n, 2, 10, QLatin1Char('0')),
                     n == 1 ? QSize(300, 100) : QSize(64, 64), fileColour(n));
}

// A small RLE8 file claiming 16384 x 16384 pixels: each row nine runs of
// index 1, then the end of the line (the rest of the row is index 0). Both
// entries are `colour`.
QByteArray hugeRunLengthPicture(const QColor& colour)
{
    const auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    QByteArray rows;
    for (int row = 0; row < 16384; ++row)
        rows += QByteArray("\xFF\x01", 2).repeated(9) + QByteArray(2, '\0');
    rows += QByteArray("\0\1", 2);
    const QByteArray entry = u32(colour.rgb() & 0xFFFFFF);
    const QByteArray info = u32(40) + u32(16384) + u32(16384) + u16(1) + u16(8) + u32(1) +
                            u32(quint32(rows.size())) + u32(2835) + u32(2835) + u32(2) + u32(0);
    const quint32 offset = 14 + 40 + 8;
    return "BM" + u32(offset + quint32(rows.size())) + u32(0) + u32(offset) + info + entry + entry + rows;
}

bool near(QColor seen, QColor wanted)
{
    return qAbs(seen.red() - wanted.red()) <= ColourTolerance &&
           qAbs(seen.green() - wanted.green()) <= ColourTolerance &&
           qAbs(seen.blue() - wanted.blue()) <= ColourTolerance;
}

struct Place {
    int page;
    double x;
    double y;
};

class RenderedPdf {
  public:
    RenderedPdf(const QString& pdf, const QString& work) : pdf_(pdf), work_(work) {}

    QColor colourAt(int page, double xMm, double yMm)
    {
        if (!pages_.contains(page)) {
            const QString prefix = QStringLiteral("%1/page%2").arg(work_).arg(page);
            const auto run =
                TestFiles::runProgram(QStringLiteral("pdftoppm"),
                                      {QStringLiteral("-r"), QString::number(RenderDpi), QStringLiteral("-f"),
                                       QString::number(page), QStringLiteral("-l"), QString::number(page),
                                       QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf_, prefix});
            pages_.insert(page, run.exitCode == 0 ? QImage(prefix + QStringLiteral(".png")) : QImage());
        }
        const QImage& image = pages_[page];
        const QPoint pixel(int(xMm / 25.4 * RenderDpi), int(yMm / 25.4 * RenderDpi));
        return image.valid(pixel) ? image.pixelColor(pixel) : QColor();
    }

  private:
    QString pdf_;
    QString work_;
    QHash<int, QImage> pages_;
};

QString pdfInfo(const QString& pdf, const QString& field)
{
    const auto run = TestFiles::runProgram(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(run.out).captured(1).trimmed();
}

} // namespace

class TestPrintTool : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void printsEveryCardWhereItSays_data()
    {
        QTest::addColumn<bool>("duplo");
        QTest::addColumn<QList<int>>("files");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("paperSize");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<QList<int>>("printed");

        QList<int> allPaired, allDouble, cardSlots;
        for (int n = 0; n <= 20; ++n)
            allPaired << n;
        for (int n = 0; n <= 40; ++n)
            allDouble << n;
        for (int s = 1; s <= 40; ++s)
            cardSlots << s;
        QList<int> doubleWithout7 = allDouble;
        doubleWithout7.removeAll(7);
        QList<int> cardsWithout7 = cardSlots;
        cardsWithout7.removeAll(7);
        QList<int> cardsWithout7And8 = cardsWithout7;
        cardsWithout7And8.removeAll(8);
        QList<int> pairedWithout3AndCover = allPaired;
        pairedWithout3AndCover.removeAll(3);
        pairedWithout3AndCover.removeAll(0);
        QList<int> cardsWithout5And6 = cardSlots;
        cardsWithout5And6.removeAll(5);
        cardsWithout5And6.removeAll(6);

        QTest::newRow("paired, A4, 60 mm")
            << false << allPaired << QStringList() << "595 x 842" << 12 << cardSlots;
        QTest::newRow("double, Letter, 40 mm, no lines")
            << true << allDouble << QStringList{"--paper", "Letter", "--card-mm", "40", "--no-lines"}
            << "612 x 792" << 24 << cardSlots;
        QTest::newRow("double, A4, 90 mm, backs")
            << true << allDouble << QStringList{"--card-mm", "90", "--backs"} << "595 x 842" << 6
            << cardSlots;
        QTest::newRow("missing picture skipped")
            << true << doubleWithout7 << QStringList() << "595 x 842" << 12 << cardsWithout7;
        QTest::newRow("playable pairs only") << true << doubleWithout7 << QStringList{"--playable", "--backs"}
                                             << "595 x 842" << 12 << cardsWithout7And8;
        QTest::newRow("paired, no cover: no backs")
            << false << pairedWithout3AndCover << QStringList{"--backs"} << "595 x 842" << 12
            << cardsWithout5And6;
        QTest::newRow("paired, A4, 60 mm, names") // rows make room for the names
            << false << allPaired << QStringList{"--names"} << "595 x 842" << 9 << cardSlots;
    }

    void printsEveryCardWhereItSays()
    {
        QFETCH(bool, duplo);
        QFETCH(QList<int>, files);
        QFETCH(QStringList, options);
        QFETCH(QString, paperSize);
        QFETCH(int, perPage);
        QFETCH(QList<int>, printed);

        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Cards"));
        makeSet(set, duplo, files);
        const bool names = options.contains(QStringLiteral("--names"));
        if (names)
            TestFiles::writeBytes(set + QStringLiteral("/Names.txt"), "1\tMMMMMMMM\n3\tMMMM\n");
        const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
        const auto run = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL),
                                               QStringList{QStringLiteral("print"), set, pdf} + options);
        QCOMPARE(run.exitCode, 0);

        const QStringList lines = run.outLines();
        const bool backs = options.contains(QStringLiteral("--backs")) && files.contains(0);
        const int facePages = (int(printed.size()) + perPage - 1) / perPage;
        const int pages = facePages * (backs ? 2 : 1);
        QCOMPARE(lines.value(0), QStringLiteral("pages: %1").arg(pages));
        QCOMPARE(lines.value(1), QStringLiteral("cards per page: %1").arg(perPage));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QString::number(pages));
        QVERIFY2(pdfInfo(pdf, QStringLiteral("Page size")).startsWith(paperSize + QStringLiteral(" pts")),
                 qPrintable(pdfInfo(pdf, QStringLiteral("Page size"))));

        const double card = options.contains(QStringLiteral("--card-mm"))
                                ? options[options.indexOf(QStringLiteral("--card-mm")) + 1].toDouble()
                                : 60;
        const double pageWidth = paperSize.startsWith(QStringLiteral("612")) ? 215.9 : 210;
        const QRegularExpression cardLine(
            QStringLiteral("^card (\\d+): page (\\d+) x (\\d+\\.\\d) y (\\d+\\.\\d)$"));
        RenderedPdf rendered(pdf, dir.path());
        QList<int> slotsSeen;
        for (const QString& line : lines.mid(2)) {
            const QRegularExpressionMatch m = cardLine.match(line);
            if (!m.hasMatch()) {
                QVERIFY2(line.startsWith(QStringLiteral("skipped ")), qPrintable(line));
                continue;
            }
            const int slot = m.captured(1).toInt();
            slotsSeen << slot;
            const Place place{m.captured(2).toInt(), m.captured(3).toDouble(), m.captured(4).toDouble()};
            const QColor wanted = fileColour(duplo ? slot : (slot + 1) / 2);
            const QColor seen = rendered.colourAt(place.page, place.x + card / 2, place.y + card / 2);
            QVERIFY2(near(seen, wanted), qPrintable(line + QStringLiteral(": ") + seen.name()));
            if (slot == 1) // the wide picture is centred with white above and below
                QCOMPARE(rendered.colourAt(place.page, place.x + card / 2, place.y + card / 8),
                         QColor(Qt::white));
            if (names && slot <= 4) { // a dark stroke of the name across its strip
                int darkest = 255;
                for (double x = place.x + 1; x < place.x + card - 1; x += 0.1)
                    darkest = std::min(darkest,
                                       rendered.colourAt(place.page, x, place.y + card * 1.075).lightness());
                QVERIFY2(darkest < 200, qPrintable(line));
            }
            if (backs) {
                const QColor back =
                    rendered.colourAt(place.page + 1, pageWidth - place.x - card / 2, place.y + card / 2);
                QVERIFY2(near(back, fileColour(0)),
                         qPrintable(line + QStringLiteral(" back: ") + back.name()));
            }
        }
        QCOMPARE(slotsSeen, printed);
        QCOMPARE(int(lines.filter(QStringLiteral("skipped card")).size()), 40 - int(printed.size()));
    }

    // A tiny file claiming a huge picture, on every card, prints as any other.
    void hugeClaimedPicturesPrint()
    {
        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Cards"));
        makeSet(set, true, {});
        const QByteArray picture = hugeRunLengthPicture(fileColour(5));
        for (int n = 0; n <= 40; ++n)
            TestFiles::writeBytes(QStringLiteral("%1/C%2.bmp").arg(set).arg(n, 2, 10, QLatin1Char('0')),
                                  picture);
        const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
        const auto run = TestFiles::runProgram(
            QStringLiteral(TESSELLOR_TOOL), {QStringLiteral("print"), set, pdf, QStringLiteral("--backs")});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.outLines();
        QCOMPARE(lines.value(0), QStringLiteral("pages: 8"));
        QCOMPARE(lines.filter(QStringLiteral("skipped")), QStringList());
        const QRegularExpressionMatch first =
            QRegularExpression(QStringLiteral("^card 1: page 1 x (\\S+) y (\\S+)$")).match(lines.value(2));
        QVERIFY2(first.hasMatch(), qPrintable(lines.value(2)));
        RenderedPdf rendered(pdf, dir.path());
        const QColor seen =
            rendered.colourAt(1, first.captured(1).toDouble() + 30, first.captured(2).toDouble() + 30);
        QVERIFY2(near(seen, fileColour(5)), qPrintable(seen.name()));
    }

    void refusesWhatCannotBePrinted_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");

        QTest::newRow("card too small") << QStringList{"--card-mm", "39"} << true << 2 << QString();
        QTest::newRow("card too large") << QStringList{"--card-mm", "90.5"} << true << 2 << QString();
        QTest::newRow("unknown paper") << QStringList{"--paper", "A5"} << true << 2 << QString();
        QTest::newRow("no picture at all")
            << QStringList() << false << 1 << QStringLiteral("No card of the set has a picture to print");
    }

    void refusesWhatCannotBePrinted()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, pictures);
        QFETCH(int, exitCode);
        QFETCH(QString, error);

        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Cards"));
        makeSet(set, true, pictures ? QList<int>{0, 1, 2} : QList<int>());
        const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
        const auto run = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL),
                                               QStringList{QStringLiteral("print"), set, pdf} + options);
        QCOMPARE(run.exitCode, exitCode);
        if (!error.isEmpty())
            QCOMPARE(run.err.trimmed(), error);
        QVERIFY(!QFile::exists(pdf));
    }

    void paperFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("letter");
        QTest::newRow("United States") << "en_US" << true;
        QTest::newRow("Canada, French") << "fr_CA" << true;
        QTest::newRow("Brazil") << "pt_BR" << false;
        QTest::newRow("United Kingdom") << "en_GB" << false;
    }

    void paperFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(bool, letter);
        QCOMPARE(DefaultPaper(QLocale(locale)) == PrintOptions::Paper::Letter, letter);
    }
};

QTEST_GUILESS_MAIN(TestPrintTool)
#include "test_print_tool.moc"
