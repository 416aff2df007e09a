// tessellor-tool's text-card and sample-set commands, run as a user runs them.

#include "TestFiles.h"
#include "images/TBitmap.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString errors;
};

Run runTool(const QStringList& args,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    const TestFiles::ProcessRun run =
        TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), args, environment);
    return {run.exitCode, run.err};
}

bool hasInk(const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(path);
    const QImage image = bitmap.ToImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return true;
    return false;
}

} // namespace

class TestToolCommands : public QObject {
    Q_OBJECT

  private slots:
    void textCard_data();
    void textCard();
    void textCardUnwritable();
    void sampleSet();
    void wordSet();
};

void TestToolCommands::textCard_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("ink");
    QTest::newRow("short text") << QStringList() << "Cat" << 0 << true;
    QTest::newRow("two lines, font and size")
        << QStringList{"--font", "DejaVu Serif", "--size", "12"} << "Black\ncat" << 0 << true;
    QTest::newRow("narrow wrap") << QStringList{"--width", "20"} << "a long text" << 0 << true;
    QTest::newRow("empty text: white card") << QStringList() << "" << 0 << false;
    QTest::newRow("text after --") << QStringList{"--"} << "--x" << 0 << true;
    QTest::newRow("size 0") << QStringList{"--size", "0"} << "Cat" << 2 << false;
    QTest::newRow("size not a number") << QStringList{"--size", "big"} << "Cat" << 2 << false;
    QTest::newRow("size beyond reason") << QStringList{"--size", "100000"} << "Cat" << 2 << false;
    QTest::newRow("negative width") << QStringList{"--width", "-5"} << "Cat" << 2 << false;
    QTest::newRow("unknown option") << QStringList{"--bold", "yes"} << "Cat" << 2 << false;
}

void TestToolCommands::textCard()
{
    QFETCH(QStringList, options);
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(bool, ink);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("card.bmp"));
    const Run run = runTool(QStringList{QStringLiteral("text-card"), out} + options + QStringList{text});
    QCOMPARE(run.status, status);
    if (status != 0) {
        QVERIFY(run.errors.contains(QLatin1String("usage")));
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    QCOMPARE(QFileInfo(out).size(), qint64(7966));
    QCOMPARE(hasInk(out), ink);
}

void TestToolCommands::textCardUnwritable()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("no/such/folder/card.bmp"));
    // Run as from a bare script: Qt starts its GUI part without a session's
    // runtime folder, and the tool's message must stand alone.
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const Run run = runTool({QStringLiteral("text-card"), out, QStringLiteral("Cat")}, bare);
    QCOMPARE(run.status, 1);
    const QStringList lines = run.errors.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.first().startsWith(QLatin1String("Cannot create file")), qPrintable(run.errors));
    QCOMPARE(lines.last(), QStringLiteral("The folder does not exist."));
}

void TestToolCommands::sampleSet()
{
    QTemporaryDir dir;
    const QString set = dir.filePath(QStringLiteral("Ed/Sample"));
    QCOMPARE(runTool({QStringLiteral("sample-set"), set}).status, 0);
    const QStringList files = QDir(set).entryList(QDir::Files, QDir::Name);
    QStringList expected{QStringLiteral("C00.bmp")};
    for (int k = 1; k <= 20; ++k)
        expected << QStringLiteral("C%1.bmp").arg(k, 2, 10, QLatin1Char('0'));
    expected << QStringLiteral("Set.cfg");
    QCOMPARE(files, expected);
    QCOMPARE(QFileInfo(set + QStringLiteral("/Set.cfg")).size(), qint64(202));
    QVERIFY(hasInk(set + QStringLiteral("/C07.bmp")));
    // Its Set.cfg calls for the card files written: it opens whole.
    const TestFiles::ProcessRun scan =
        TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {QStringLiteral("scan"), set});
    QVERIFY2(scan.outLines().contains(QStringLiteral("result: complete")), qPrintable(scan.out));
    // A folder that already holds files is never written into.
    const Run again = runTool({QStringLiteral("sample-set"), set});
    QCOMPARE(again.status, 1);
    QVERIFY(again.errors.contains(QLatin1String("not empty")));
}

// Needs espeak-ng's voices, which the test command's machine has.
void TestToolCommands::wordSet()
{
    QTemporaryDir dir;
    const QString list = TestFiles::saveIn(dir, QStringLiteral("words.txt"), "Sun\n\n  Moon\n");
    const QString set = dir.filePath(QStringLiteral("Ed/Sky"));
    const QStringList args{QStringLiteral("word-set"), list, set};
    const TestFiles::ProcessRun run = TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), args);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.outLines(), QStringList({"card 1: Sun", "card 2: Sun", "card 3: Moon", "card 4: Moon"}));
    QCOMPARE(QDir(set).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({"C00.bmp", "C01.bmp", "C02.bmp", "Names.txt", "S01.wav", "S02.wav", "Set.cfg"}));
    // The set is never made again over itself.
    const Run again = runTool(args);
    QCOMPARE(again.status, 1);
    QVERIFY2(again.errors.contains(QLatin1String("already exists")), qPrintable(again.errors));
}

QTEST_GUILESS_MAIN(TestToolCommands)
#include "test_tool_commands.moc"
