// Drawings from a user's disk: what they draw reaches the card, and nothing
// in them reads another file or decodes more pixels than a picture may have.
#include "Raised.h"
#include "TestFiles.h"
#include "images/CardPicture.h"
#include "images/PictureReader.h"
#include "images/TBitmap.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <zlib.h>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

QByteArray filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

QString embedded(const QByteArray& bytes, const QString& type = QStringLiteral("image/png"))
{
    return QStringLiteral("data:%1;base64,%2").arg(type, QString::fromLatin1(bytes.toBase64()));
}

// A 200 x 100 drawing: a blue background, then `body`.
QByteArray drawing(const QString& body, const QString& prologue = QString())
{
    return (prologue +
            QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"200\" "
                           "height=\"100\"><rect width=\"200\" height=\"100\" fill=\"#0000ff\"/>%1</svg>")
                .arg(body))
        .toUtf8();
}

QString image(const QString& reference, const QString& attribute = QStringLiteral("xlink:href"))
{
    return QStringLiteral("<image x=\"0\" y=\"0\" width=\"100\" height=\"100\" %1=\"%2\"/>")
        .arg(attribute, reference);
}

// `bytes` as a gzip file, as a compressed drawing (.svgz) is stored.
QByteArray gzipped(const QByteArray& bytes)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

} // namespace

class TestSvgDrawings : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        TestFiles::saveIn(dir_, "red.png", filled(QSize(40, 40), Red));
        QVERIFY(::mkfifo(QFile::encodeName(dir_.filePath("pipe.png")).constData(), 0600) == 0);
        QVERIFY(::mkfifo(QFile::encodeName(dir_.filePath("pipe.css")).constData(), 0600) == 0);
    }

    // Each of these crashed, hung, read a file outside the drawing or took
    // gigabytes; now each is refused with its reason before any rendering.
    void refusesHostileDrawings_data()
    {
        QTest::addColumn<QByteArray>("svg");
        QTest::addColumn<QString>("reason");
        const QString outside = QStringLiteral("it refers to %1, outside the drawing");
        QTest::newRow("itself") << drawing(image("hostile.svg")) << outside.arg("hostile.svg");
        QTest::newRow("itself, SVG 2 href")
            << drawing(image("hostile.svg", "href")) << outside.arg("hostile.svg");
        QTest::newRow("pipe beside it") << drawing(image("pipe.png")) << outside.arg("pipe.png");
        QTest::newRow("/etc/passwd") << drawing(image("/etc/passwd")) << outside.arg("/etc/passwd");
        QTest::newRow("/dev/zero") << drawing(image("file:///dev/zero")) << outside.arg("file:///dev/zero");
        QTest::newRow("http") << drawing(image("http://example.com/a.png"))
                              << outside.arg("http://example.com/a.png");
        QString twelve;
        for (int i = 0; i < 12; ++i)
            twelve += image("red.png");
        QTest::newRow("one local PNG twelve times") << drawing(twelve) << outside.arg("red.png");
        const QString big = embedded(filled(QSize(8000, 8000), 0, QImage::Format_Mono));
        QString inlined;
        for (int i = 0; i < 12; ++i)
            inlined += image(big);
        QTest::newRow("twelve inline 8000x8000 PNGs")
            << drawing(inlined)
            << QStringLiteral("its embedded pictures have more than 67108864 pixels in all");
        const QByteArray inner = drawing(image("/etc/passwd"));
        QTest::newRow("a drawing embedded") << drawing(image(embedded(inner, "image/svg+xml")))
                                            << QStringLiteral("it embeds another drawing");
        QTest::newRow("embedded noise")
            << drawing(image(embedded(QByteArray(300, 'x'))))
            << QStringLiteral("an embedded picture is of no kind that can be read");
        QTest::newRow("embedded, not base64")
            << drawing(image("data:image/png,abc"))
            << QStringLiteral("an embedded picture is not stored in base64");
        QTest::newRow("embedded, damaged base64") << drawing(image("data:image/png;base64,@@@@"))
                                                  << QStringLiteral("an embedded picture is damaged");
        QString deep;
        for (int i = 0; i < 300; ++i)
            deep = QStringLiteral("<g>%1</g>").arg(deep);
        QTest::newRow("300 nested groups")
            << drawing(deep) << QStringLiteral("its elements are nested more than 256 deep");
        QTest::newRow("not well-formed")
            << drawing("<g>") << QStringLiteral("it is not well-formed XML (line 1: ");
        QTest::newRow("compressed, /etc/passwd")
            << gzipped(drawing(image("/etc/passwd"))) << outside.arg("/etc/passwd");
        QTest::newRow("compressed, 65 MB of spaces") << gzipped(drawing(QString(65 << 20, QLatin1Char(' '))))
                                                     << QStringLiteral("it holds more than 67108864 bytes");
    }
    void refusesHostileDrawings()
    {
        QFETCH(QByteArray, svg);
        QFETCH(QString, reason);
        const QString path = TestFiles::saveIn(dir_, "hostile.svg", svg);
        const QString expected = EDrawingRefused(path, reason).Message();
        const QString card = errorOf([&] { LoadCardPicture(path); });
        QVERIFY2(card.startsWith(expected), qPrintable(card));
        const QString preview = errorOf([&] { PictureReader::read(path, QSize(1024, 1024)); });
        QVERIFY2(preview.startsWith(expected), qPrintable(preview));
    }

    // What a drawing holds of its own is drawn; what it names elsewhere is
    // not read, and the rest of the drawing still shows.
    void drawsWhatItHolds_data()
    {
        QTest::addColumn<QByteArray>("svg");
        QTest::addColumn<QRgb>("left");  // the card at (60, 128)
        QTest::addColumn<QRgb>("right"); // the card at (200, 128)
        QTest::newRow("embedded PNG") << drawing(image(embedded(filled(QSize(40, 40), Red)))) << Red << Blue;
        QTest::newRow("embedded, type and line breaks as editors write them")
            << drawing(image(embedded(filled(QSize(4, 4), Red), "image/whatever").insert(40, "\n  "))) << Red
            << Blue;
        QTest::newRow("a link elsewhere, dropped")
            << drawing(
                   "<a xlink:href=\"/etc/passwd\"><rect width=\"100\" height=\"100\" fill=\"#ff0000\"/></a>")
            << Red << Blue;
        QTest::newRow("a use of an element inside")
            << drawing("<defs><rect id=\"r\" width=\"100\" height=\"100\" fill=\"#ff0000\"/></defs>"
                       "<use xlink:href=\"#r\"/>")
            << Red << Blue;
        QTest::newRow("a use of an element inside, blanks before its name")
            << drawing("<defs><rect id=\"r\" width=\"100\" height=\"100\" fill=\"#ff0000\"/></defs>"
                       "<use xlink:href=\" #r\"/>")
            << Red << Blue;
        QTest::newRow("style sheet on a pipe, dropped")
            << drawing("<rect width=\"100\" height=\"100\" fill=\"#ff0000\"/>",
                       "<?xml version=\"1.0\"?><?xml-stylesheet type=\"text/css\" href=\"pipe.css\"?>")
            << Red << Blue;
        QTest::newRow("document type, entity and CDATA style")
            << drawing("<style><![CDATA[ .r { fill: #ff0000; } ]]></style>"
                       "<rect class=\"r\" width=\"100\" height=\"&h;\"/>",
                       "<!DOCTYPE svg [<!ENTITY h \"100\">]>")
            << Red << Blue;
        QTest::newRow("compressed") << gzipped(
                                           drawing("<rect width=\"100\" height=\"100\" fill=\"#ff0000\"/>"))
                                    << Red << Blue;
    }
    void drawsWhatItHolds()
    {
        QFETCH(QByteArray, svg);
        QFETCH(QRgb, left);
        QFETCH(QRgb, right);
        const QImage card = LoadCardPicture(TestFiles::saveIn(dir_, "drawing.svg", svg)).ToImage();
        QCOMPARE(card.size(), QSize(256, 256));
        QCOMPARE(card.pixel(60, 128), left);
        QCOMPARE(card.pixel(200, 128), right);
    }
};

QTEST_MAIN(TestSvgDrawings)
#include "test_svgdrawings.moc"
