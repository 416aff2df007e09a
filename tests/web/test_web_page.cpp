#include "TestFiles.h"
#include "audio/SoundDecoder.h"
#include "game/GameCards.h"
#include "game/GameRules.h"
#include "web/WebCardImage.h"
#include "web/WebPage.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <sndfile.h>

namespace {

QImage noisePicture(QSize size, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

// A 16-bit WAV file: a 440 Hz tone, or noise where `noise` is set.
void writeWave(const QString& path, int rate, int channels, double seconds, bool noise = false)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    QVERIFY2(file != nullptr, sf_strerror(nullptr));
    QRandomGenerator random(7);
    const auto frames = sf_count_t(rate * seconds);
    std::vector<float> samples(size_t(frames * channels));
    for (sf_count_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[size_t(i * channels + c)] =
                noise ? float(random.generateDouble() - 0.5)
                      : 0.5f * float(std::sin(2 * M_PI * 440.0 * double(i) / rate));
    QCOMPARE(sf_writef_float(file, samples.data(), frames), frames);
    sf_close(file);
}

// Cards of `pairs` playable pairs with noise faces, each pair's first card
// with a two-second noise sound; a double set has a face for every card.
GameCards noisyCards(const QString& folder, bool duplo, int pairs)
{
    GameCards cards;
    cards.duplo = duplo;
    cards.back = noisePicture(QSize(256, 256), 99);
    for (int pair = 1; pair <= pairs; ++pair) {
        cards.playable.push_back(pair);
        const QString sound =
            QDir(folder).filePath(QStringLiteral("S%1.wav").arg(pair, 2, 10, QLatin1Char('0')));
        writeWave(sound, 44100, 2, 2.0, true);
        for (const int slot : {2 * pair - 1, 2 * pair})
            cards.faces[size_t(slot)] = noisePicture(QSize(300, 300), quint32(duplo ? slot : pair));
        cards.sounds[size_t(2 * pair - 1)] = sound;
    }
    return cards;
}

QJsonObject pageData(const QByteArray& html)
{
    static const QRegularExpression data(
        QStringLiteral("<script type=\"application/json\" id=\"set-data\">(.*?)</script>"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = data.match(QString::fromUtf8(html));
    if (!match.hasMatch())
        return {};
    return QJsonDocument::fromJson(match.captured(1).toUtf8()).object();
}

struct DataAddress {
    QString mimeType;
    QByteArray bytes;
};

DataAddress decode(const QJsonValue& address)
{
    const QString text = address.toString();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (!text.startsWith(QLatin1String("data:")) || !text.left(comma).endsWith(QLatin1String(";base64")))
        return {};
    return {text.mid(5, comma - 5 - 7), QByteArray::fromBase64(text.mid(comma + 1).toLatin1())};
}

QImage pngImage(const QByteArray& bytes)
{
    return QImage::fromData(bytes, "PNG");
}

// The encoded sound decoded again: its rate, channels, length in seconds and
// zero crossings a second.
struct Heard {
    int rate = 0;
    int channels = 0;
    double seconds = 0;
    double crossingsPerSecond = 0;
};

Heard hear(const QString& folder, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath(QStringLiteral("heard.snd"));
    TestFiles::writeBytes(path, bytes);
    SoundDecoder decoder(path);
    std::vector<float> all;
    std::vector<float> block;
    while (decoder.Read(block, 4096) > 0)
        all.insert(all.end(), block.begin(), block.end());
    int crossings = 0;
    for (size_t i = 1; i < all.size(); ++i)
        crossings += (all[i - 1] < 0) != (all[i] < 0) ? 1 : 0;
    const double seconds = double(all.size()) / decoder.Channels() / decoder.SampleRate();
    return {decoder.SampleRate(), decoder.Channels(), seconds, crossings / seconds};
}

GameCards toneCards(const QString& folder, int rate, int channels)
{
    GameCards cards;
    for (int pair = 1; pair <= 2; ++pair) {
        cards.playable.push_back(pair);
        cards.faces[size_t(2 * pair - 1)] = cards.faces[size_t(2 * pair)] =
            noisePicture(QSize(8, 8), quint32(pair));
    }
    const QString sound = QDir(folder).filePath(QStringLiteral("S01.wav"));
    writeWave(sound, rate, channels, 1.0);
    cards.sounds[1] = cards.sounds[2] = sound;
    return cards;
}

} // namespace

class TestWebPage : public QObject {
    Q_OBJECT

  private slots:
    void pageFitsItsBudget_data();
    void pageFitsItsBudget();
    void pageIsSelfContained();
    void soundsComeBackAsTheyWere_data();
    void soundsComeBackAsTheyWere();
    void pngKeepsToSizeAndBudget_data();
    void pngKeepsToSizeAndBudget();
    void folderIsReadAsTheGameReadsIt();

  private:
    QTemporaryDir dir_;
};

void TestWebPage::pageFitsItsBudget_data()
{
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("pictures");
    QTest::newRow("paired set: 20 pictures and the cover") << false << 21;
    QTest::newRow("double set: 40 pictures and the cover") << true << 41;
}

// Noise is the worst a picture or a sound can be for its encoder: a page of
// 40 cards and 20 two-second sounds of it still fits in 3 MB.
void TestWebPage::pageFitsItsBudget()
{
    QFETCH(bool, duplo);
    QFETCH(int, pictures);
    const WebPage::Page page =
        WebPage::Build(noisyCards(dir_.path(), duplo, 20), QStringLiteral("Noise"), {});
    QVERIFY2(page.html.size() <= WebPage::PageBudget, qPrintable(QString::number(page.html.size())));
    QCOMPARE(page.sounds, 20);

    const QJsonObject data = pageData(page.html);
    const QJsonObject pictureData = data[QStringLiteral("pictures")].toObject();
    QCOMPARE(pictureData.size(), pictures);
    for (const QJsonValue& address : pictureData) {
        const DataAddress png = decode(address);
        QCOMPARE(png.mimeType, QStringLiteral("image/png"));
        const QImage image = pngImage(png.bytes);
        QVERIFY(image.width() >= 64 && image.width() <= 256 && image.height() <= 256);
    }
    for (const QJsonValue& address : data[QStringLiteral("sounds")].toObject()) {
        const DataAddress sound = decode(address);
        QCOMPARE(sound.mimeType, QStringLiteral("audio/ogg"));
        QVERIFY(sound.bytes.startsWith("OggS") && sound.bytes.contains("OpusHead"));
    }
}

// Nothing in the page names another file or address, no text of the set can
// end the script that holds its data, and a sound that cannot be read is
// left out and said.
void TestWebPage::pageIsSelfContained()
{
    GameCards cards = toneCards(dir_.path(), 16000, 1);
    cards.back = noisePicture(QSize(40, 40), 5);
    const QString broken = QDir(dir_.path()).filePath(QStringLiteral("S02.wav"));
    TestFiles::writeBytes(broken, QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
    cards.sounds[3] = cards.sounds[4] = broken;
    cards.names[1] = cards.names[2] = QStringLiteral("</script>cat");
    const QString name =
        QStringLiteral("</script><script src=\"http://example.invalid/x.js\"></script> & Co");
    const WebPage::Page page = WebPage::Build(cards, name, QStringLiteral("<b>me</b>"));
    const QString html = QString::fromUtf8(page.html);

    QCOMPARE(html.count(QStringLiteral("</script>")), 2);
    // The page's own markup, style and script, without the set's texts and data.
    QString code = html;
    code.remove(QRegularExpression(QStringLiteral("<title>.*</title>")));
    code.remove(
        QRegularExpression(QStringLiteral("<script type=\"application/json\" id=\"set-data\">.*?</script>"),
                           QRegularExpression::DotMatchesEverythingOption));
    QVERIFY(!code.contains(QStringLiteral("example.invalid")));
    static const QRegularExpression reference(
        QStringLiteral(
            "://|\\b(?:src|href|action|poster|srcset)\\s*=\\s*[\"']|url\\(\\s*[\"']?(?!data:)|@import"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = reference.match(code);
    QVERIFY2(!found.hasMatch(), qPrintable(found.captured(0)));

    const QJsonObject data = pageData(page.html);
    QCOMPARE(data[QStringLiteral("name")].toString(), name);
    QCOMPARE(data[QStringLiteral("cover")].toString(), QStringLiteral("C00"));
    QCOMPARE(data[QStringLiteral("playable")].toArray(), QJsonArray({1, 2}));
    QCOMPARE(data[QStringLiteral("rules")][QStringLiteral("maxPlayers")].toInt(), GameRules::MaxPlayers);
    const QJsonArray entries = data[QStringLiteral("cards")].toArray();
    QCOMPARE(entries.size(), 41);
    // A paired set's two cards share one picture and one sound.
    QCOMPARE(entries[1].toObject()[QStringLiteral("picture")].toString(), QStringLiteral("C01"));
    QCOMPARE(entries[2].toObject()[QStringLiteral("picture")].toString(), QStringLiteral("C01"));
    QCOMPARE(entries[2].toObject()[QStringLiteral("sound")].toString(), QStringLiteral("S01"));
    QVERIFY(entries[3].toObject()[QStringLiteral("sound")].isNull());
    QCOMPARE(entries[2].toObject()[QStringLiteral("name")].toString(), cards.names[2]);
    QVERIFY(!entries[3].toObject().contains(QStringLiteral("name")));
    QCOMPARE(page.problems.size(), 1);
    QVERIFY2(page.problems[0].startsWith(QStringLiteral("S02.wav: ")), qPrintable(page.problems[0]));
}

void TestWebPage::soundsComeBackAsTheyWere_data()
{
    QTest::addColumn<WebSound::Codec>("codec");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("encodedRate");
    QTest::newRow("Opus: 8 kHz mono") << WebSound::Codec::Opus << 8000 << 1 << 8000;
    QTest::newRow("Opus: 11 kHz mono") << WebSound::Codec::Opus << 11025 << 1 << 12000;
    QTest::newRow("Opus: 22 kHz stereo") << WebSound::Codec::Opus << 22050 << 2 << 24000;
    QTest::newRow("Opus: 44.1 kHz stereo") << WebSound::Codec::Opus << 44100 << 2 << 48000;
    QTest::newRow("Opus: 96 kHz mono") << WebSound::Codec::Opus << 96000 << 1 << 48000;
    QTest::newRow("WAV: 44.1 kHz stereo") << WebSound::Codec::Wav << 44100 << 2 << WebSound::MaxWavRate;
    QTest::newRow("WAV: 16 kHz mono") << WebSound::Codec::Wav << 16000 << 1 << 16000;
}

// The tone comes back as the same tone and length, in one channel, at the
// lowest rate Opus codes that keeps it (or at most 22050 Hz as WAV).
void TestWebPage::soundsComeBackAsTheyWere()
{
    QFETCH(WebSound::Codec, codec);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, encodedRate);
    WebPage::Options options;
    options.codec = codec;
    const WebPage::Page page =
        WebPage::Build(toneCards(dir_.path(), rate, channels), QStringLiteral("Tone"), {}, options);
    const QString mimeType =
        codec == WebSound::Codec::Opus ? QStringLiteral("audio/ogg") : QStringLiteral("audio/wav");
    QCOMPARE(page.soundFormat, mimeType);
    const DataAddress sound =
        decode(pageData(page.html)[QStringLiteral("sounds")].toObject()[QStringLiteral("S01")]);
    QCOMPARE(sound.mimeType, mimeType);
    const Heard heard = hear(dir_.path(), sound.bytes);
    if (codec == WebSound::Codec::Opus)
        QCOMPARE(WebSound::OpusRate(rate), encodedRate);
    else
        QCOMPARE(heard.rate, encodedRate);
    QCOMPARE(heard.channels, 1);
    QVERIFY2(std::abs(heard.seconds - 1.0) < 0.05, qPrintable(QString::number(heard.seconds)));
    QVERIFY2(std::abs(heard.crossingsPerSecond - 880) < 20,
             qPrintable(QString::number(heard.crossingsPerSecond)));
}

void TestWebPage::pngKeepsToSizeAndBudget_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("budget");
    QTest::addColumn<int>("maxSide");
    QTest::addColumn<bool>("withinBudget");
    QImage stripes(200, 100, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, QColor::fromHsv((x / 10) * 18, 255, 200).rgb());
    const QImage noise = noisePicture(QSize(256, 256), 3);
    QTest::newRow("few colours: a palette, nothing lost") << stripes << (1 << 20) << 200 << true;
    QTest::newRow("large budget: true colour at 256") << noise << (1 << 20) << 256 << true;
    QTest::newRow("a wide picture fits 256 x 256")
        << noisePicture(QSize(1000, 500), 4) << (1 << 22) << 256 << true;
    QTest::newRow("small budget: fewer colours, smaller") << noise << 40000 << 192 << true;
    QTest::newRow("no budget: the smallest step") << noise << 100 << 64 << false;
}

void TestWebPage::pngKeepsToSizeAndBudget()
{
    QFETCH(QImage, picture);
    QFETCH(int, budget);
    QFETCH(int, maxSide);
    QFETCH(bool, withinBudget);
    const QByteArray png = WebCardImage::Png(picture, budget);
    QCOMPARE(png.size() <= budget, withinBudget);
    const QImage image = pngImage(png);
    QCOMPARE(qMax(image.width(), image.height()), maxSide);
    QCOMPARE(double(image.width()) / image.height(), double(picture.width()) / picture.height());
    if (maxSide == qMax(picture.width(), picture.height()) && png[25] == '\3') // colour type 3: a palette
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32), picture);
}

// A set folder: pairs with both pictures readable are played, the others left
// out; the page is written whole or not at all, and a set that cannot be
// played is refused.
void TestWebPage::folderIsReadAsTheGameReadsIt()
{
    const QString set = QDir(dir_.path()).filePath(QStringLiteral("Animals"));
    QVERIFY(QDir().mkpath(set));
    QByteArray config(202, '\0');
    config.replace(0, 3, "\2Me");
    TestFiles::writeBytes(QDir(set).filePath(QStringLiteral("Set.cfg")), config);
    for (int file = 0; file <= 3; ++file)
        QVERIFY(noisePicture(QSize(600, 400), quint32(file))
                    .save(QDir(set).filePath(QStringLiteral("C%1.bmp").arg(file, 2, 10, QLatin1Char('0'))),
                          "BMP"));
    TestFiles::writeBytes(QDir(set).filePath(QStringLiteral("c04.BMP")), "BM broken");

    const QString out = QDir(dir_.path()).filePath(QStringLiteral("Animals.html"));
    const WebPage::Page page = WebPage::Export(set, out);
    QCOMPARE(page.playable, std::vector<int>({1, 2, 3}));
    QCOMPARE(page.leftOut.size(), size_t(17));
    QCOMPARE(TestFiles::readBytes(out), page.html);
    const QJsonObject data = pageData(page.html);
    QCOMPARE(data[QStringLiteral("name")].toString(), QStringLiteral("Animals"));
    QCOMPARE(data[QStringLiteral("author")].toString(), QStringLiteral("Me"));
    QCOMPARE(data[QStringLiteral("pictures")].toObject().size(), 4);
    const QImage face =
        pngImage(decode(data[QStringLiteral("pictures")].toObject()[QStringLiteral("C02")]).bytes);
    QCOMPARE(face.size(), QSize(256, 171));

    const QString unwritable = QDir(dir_.path()).filePath(QStringLiteral("no/such/folder/page.html"));
    QVERIFY_THROWS_EXCEPTION(EWebExportError, WebPage::Export(set, unwritable));
    QVERIFY(!QFile::exists(unwritable));
    QVERIFY(QFile::remove(QDir(set).filePath(QStringLiteral("C02.bmp"))) &&
            QFile::remove(QDir(set).filePath(QStringLiteral("C03.bmp"))));
    try {
        WebPage::Export(set, out);
        QFAIL("a set of one playable pair made a page");
    } catch (const EWebExportError& e) {
        QCOMPARE(
            e.Message(),
            QStringLiteral("Not enough cards to play: Animals has 1 playable pairs, at least 2 are needed"));
    }
    QCOMPARE(TestFiles::readBytes(out), page.html);
    QVERIFY_THROWS_EXCEPTION(EWebExportError,
                             WebPage::BuildFromFolder(QDir(set).filePath(QStringLiteral("none"))));
}

QTEST_GUILESS_MAIN(TestWebPage)
#include "test_web_page.moc"
