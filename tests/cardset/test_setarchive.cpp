// Set archives: a set packed and unpacked comes back byte for byte; archives
// that could reach outside their folder or fill the disk are refused whole
// and leave nothing behind; the Import command asks for another name.

#include "TestFiles.h"
#include "cardset/SetArchive.h"
#include "cardset/ui/SetArchiveCommands.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using TestFiles::readBytes;
using TestFiles::writeBytes;

namespace {

// Makes the archive `out` by running `body` in python3 with `z` an open
// zipfile.ZipFile, `info(name, mode)` a ZipInfo made on Unix with that mode,
// and `bmp` some bytes of a card; "Animals/Set.cfg" comes first unless
// `withConfig` is false.
void makeZip(const QString& out, const QString& body, bool withConfig = true)
{
    const QString script =
        QStringLiteral("import sys, zipfile, os\n"
                       "def info(name, mode):\n"
                       "    i = zipfile.ZipInfo(name); i.create_system = 3\n"
                       "    i.external_attr = mode << 16; return i\n"
                       "bmp = b'BM' + bytes(range(200))\n"
                       "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n") +
        (withConfig ? QStringLiteral("    z.writestr('Animals/Set.cfg', bytes(202))\n") : QString()) +
        QStringLiteral("    ") + QString(body).replace(QLatin1Char('\n'), QStringLiteral("\n    ")) +
        QLatin1Char('\n');
    const auto run = TestFiles::runProgram(QStringLiteral("python3"), {QStringLiteral("-c"), script, out});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestSetArchive : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void packedSetUnpacksByteForByte()
    {
        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Animais João"));
        QVERIFY(QDir().mkpath(set + QStringLiteral("/sub")));
        const QHash<QString, QByteArray> setFiles{
            {QStringLiteral("Set.cfg"), QByteArray(201, '\0') + '\x01'},
            {QStringLiteral("C00.bmp"), randomBytes(5000)},
            {QStringLiteral("c01.BMP"), randomBytes(3000)},
            // A blank card: far more compressible than the reader allows, so stored as it is.
            {QStringLiteral("C02.bmp"), QByteArray(1 << 20, '\xFF')},
            {QStringLiteral("S01.wav"), randomBytes(7000)},
            {QStringLiteral("S40.wav"), QByteArray()},
            {QStringLiteral("Names.txt"), QByteArray("1\tcat\n# kept\n")},
        };
        for (auto it = setFiles.begin(); it != setFiles.end(); ++it)
            writeBytes(set + QLatin1Char('/') + it.key(), it.value());
        for (const char* other : {"notes.txt", "C41.bmp", "Thumbs.db", "sub/C03.bmp"})
            writeBytes(set + QLatin1Char('/') + QLatin1String(other), "not a set file");

        const QString zip = dir.filePath(SetArchive::ArchiveFileName(set));
        QCOMPARE(QFileInfo(zip).fileName(), QStringLiteral("Animais João.tessellor"));
        SetArchive::Pack(set, zip);
        const QString ed = dir.filePath(QStringLiteral("home/Ed"));
        const SetArchive::Unpacked unpacked = SetArchive::Unpack(zip, ed);
        QCOMPARE(unpacked.folder, ed + QStringLiteral("/Animais João"));
        QVERIFY(unpacked.contents.skipped.isEmpty());
        QStringList expected = setFiles.keys();
        expected.sort();
        QCOMPARE(entriesOf(unpacked.folder), expected);
        for (auto it = setFiles.begin(); it != setFiles.end(); ++it)
            QVERIFY2(readBytes(unpacked.folder + QLatin1Char('/') + it.key()) == it.value(),
                     qPrintable(it.key()));
        QCOMPARE(entriesOf(dir.filePath(QStringLiteral("home"))), QStringList{QStringLiteral("Ed")});
    }

    void toolPacksAndUnpacksUnderAFreeName()
    {
        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Farm"));
        QVERIFY(QDir().mkpath(set));
        const QByteArray card = randomBytes(2000);
        writeBytes(set + QStringLiteral("/C01.bmp"), card);
        const QString zip = dir.filePath(QStringLiteral("Farm.zip"));
        const QString ed = dir.filePath(QStringLiteral("Ed"));
        const QString tool = QStringLiteral(TESSELLOR_TOOL);
        QCOMPARE(TestFiles::runProgram(tool, {QStringLiteral("pack"), set, zip}).exitCode, 0);

        auto run = TestFiles::runProgram(tool, {QStringLiteral("unpack"), zip, ed});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outLines(), QStringList{QStringLiteral("set: %1/Farm").arg(ed)});
        run = TestFiles::runProgram(tool, {QStringLiteral("unpack"), zip, ed});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("A set named \"Farm\" already exists"));
        run = TestFiles::runProgram(
            tool, {QStringLiteral("unpack"), zip, ed, QStringLiteral("--name"), QStringLiteral("Farm 2")});
        QCOMPARE(run.outLines(), QStringList{QStringLiteral("set: %1/Farm 2").arg(ed)});
        QCOMPARE(readBytes(ed + QStringLiteral("/Farm 2/C01.bmp")), card);
    }

    void entriesThatAreNotSetFilesAreListedAndLeftOut_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("zipName");
        QTest::addColumn<QString>("setName");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("skipped");

        QTest::newRow("extras beside and below the set")
            << "z.writestr('Animals/C01.bmp', bmp)\nz.writestr('Animals/readme.txt', b'x')\n"
               "z.writestr('__MACOSX/Animals/._C01.bmp', b'x')\nz.writestr('Animals/sub/C02.bmp', bmp)\n"
               "z.writestr('Other/C02.bmp', bmp)\nz.writestr('Animals/', b'')"
            << "a.zip"
            << "Animals" << QStringList{"Set.cfg", "C01.bmp"}
            << QStringList{"Animals/readme.txt", "__MACOSX/Animals/._C01.bmp", "Animals/sub/C02.bmp",
                           "Other/C02.bmp"};
        QTest::newRow("folders separated by backslashes")
            << "z.writestr('Animals\\\\S05.WAV', b'RIFF')"
            << "a.zip"
            << "Animals" << QStringList{"Set.cfg", "S05.WAV"} << QStringList();
    }

    void entriesThatAreNotSetFilesAreListedAndLeftOut()
    {
        QFETCH(QString, body);
        QFETCH(QString, zipName);
        QFETCH(QString, setName);
        QFETCH(QStringList, files);
        QFETCH(QStringList, skipped);
        QTemporaryDir dir;
        const QString zip = dir.filePath(zipName);
        makeZip(zip, body);
        const SetArchive::Unpacked unpacked = SetArchive::Unpack(zip, dir.filePath(QStringLiteral("Ed")));
        QCOMPARE(unpacked.contents.setName, setName);
        QCOMPARE(unpacked.contents.files, files);
        QCOMPARE(unpacked.contents.skipped, skipped);
        files.sort();
        QCOMPARE(entriesOf(unpacked.folder), files);
    }

    void setFilesAtTheTopTakeTheArchivesName()
    {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("Meu jogo.zip"));
        const auto run = TestFiles::runProgram(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, zipfile\nwith zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                            "    z.writestr('Set.cfg', bytes(202)); z.writestr('C01.bmp', b'BM')"),
             zip});
        QCOMPARE(run.exitCode, 0);
        const SetArchive::Unpacked unpacked = SetArchive::Unpack(zip, dir.filePath(QStringLiteral("Ed")));
        QCOMPARE(QFileInfo(unpacked.folder).fileName(), QStringLiteral("Meu jogo"));
        QCOMPARE(readBytes(unpacked.folder + QStringLiteral("/C01.bmp")), QByteArray("BM"));
    }

    void hostileArchivesAreRefusedWhole_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<qint64>("maxUnpacked");
        QTest::addColumn<QString>("message");

        const qint64 gb = qint64(1) << 30;
        QTest::newRow("absolute path") << "z.writestr('/tmp/Animals/C01.bmp', bmp)" << gb
                                       << "The entry \"/tmp/Animals/C01.bmp\" has an absolute path";
        QTest::newRow("drive letter") << "z.writestr('C:/Animals/C01.bmp', bmp)" << gb
                                      << "The entry \"C:/Animals/C01.bmp\" has an absolute path";
        QTest::newRow("dot dot") << "z.writestr('Animals/../../C01.bmp', bmp)" << gb
                                 << "The entry \"Animals/../../C01.bmp\" leads out of its folder (\"..\")";
        QTest::newRow("dot dot, backslashes")
            << "z.writestr('Animals\\\\..\\\\..\\\\C01.bmp', bmp)" << gb << "leads out of its folder";
        QTest::newRow("symbolic link") << "z.writestr(info('Animals/C01.bmp', 0o120777), b'/etc/passwd')"
                                       << gb << "The entry \"Animals/C01.bmp\" is a symbolic link";
        QTest::newRow("symbolic link, not a set file")
            << "z.writestr(info('Animals/link', 0o120777), b'/etc')" << gb
            << "\"Animals/link\" is a symbolic link";
        QTest::newRow("character device")
            << "z.writestr(info('Animals/C01.bmp', 0o020644), b'')" << gb
            << "The entry \"Animals/C01.bmp\" is a device or another special file";
        QTest::newRow("block device") << "z.writestr(info('Animals/S01.wav', 0o060644), b'')" << gb
                                      << "\"Animals/S01.wav\" is a device or another special file";
        QTest::newRow("socket") << "z.writestr(info('Animals/S02.wav', 0o140644), b'')" << gb
                                << "\"Animals/S02.wav\" is a device or another special file";
        QTest::newRow("compression ratio")
            << "z.writestr('Animals/C01.bmp', bytes(30 << 20))" << gb
            << "The entry \"Animals/C01.bmp\" makes the archive unpack to more than 200 times its size";
        QTest::newRow("too large in all")
            << "z.writestr('Animals/C01.bmp', os.urandom(600 << 10))\n"
               "z.writestr('Animals/C02.bmp', os.urandom(600 << 10))"
            << qint64(1 << 20) << "The entry \"Animals/C02.bmp\" makes the archive unpack to more than 1 MB";
        QTest::newRow("too many entries")
            << "for i in range(12000): z.writestr('Animals/%d' % i, b'')" << gb
            << "The entry \"Animals/9999\" makes the archive hold more than 10000 entries";
        QTest::newRow("the same file twice")
            << "z.writestr('Animals/C01.bmp', bmp)\nz.writestr('Animals/c01.BMP', bmp)" << gb
            << "The entry \"Animals/c01.BMP\" appears twice";
        QTest::newRow("damaged data") << "z.writestr('Animals/C01.bmp', b'Z' * 4000, zipfile.ZIP_STORED)\n"
                                         "z.fp.seek(-3000, 1); z.fp.write(b'Y'); z.fp.seek(0, 2)"
                                      << gb << "The archive is damaged at the entry \"Animals/C01.bmp\"";
        QTest::newRow("no set in it")
            << "z.writestr('Animals/readme.txt', b'x')\nz.writestr('Animals/Names.txt', b'1\\tcat')" << gb
            << "The archive holds no card set";
    }

    void hostileArchivesAreRefusedWhole()
    {
        QFETCH(QString, body);
        QFETCH(qint64, maxUnpacked);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("hostile.zip"));
        makeZip(zip, body, !body.contains(QLatin1String("readme")));
        const QString home = dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/Ed")));
        SetArchive::Limits limits;
        limits.maxUnpackedBytes = maxUnpacked;
        try {
            SetArchive::Unpack(zip, home + QStringLiteral("/Ed"), QString(), limits);
            QFAIL("the archive was unpacked");
        } catch (const ESetArchiveError& e) {
            QVERIFY2(e.Message().contains(message), qPrintable(e.Message()));
        }
        QCOMPARE(entriesOf(home), QStringList{QStringLiteral("Ed")});
        QCOMPARE(entriesOf(home + QStringLiteral("/Ed")), QStringList());
    }

    void damagedArchivesAreRefused_data()
    {
        QTest::addColumn<int>("keep"); // bytes of a good archive kept; -1: not an archive at all
        QTest::newRow("cut in half") << 2;
        QTest::newRow("cut before its directory") << 10;
        QTest::newRow("text") << -1;
    }

    void damagedArchivesAreRefused()
    {
        QFETCH(int, keep);
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("damaged.zip"));
        makeZip(zip, QStringLiteral("z.writestr('Animals/C01.bmp', os.urandom(5000))"));
        const QByteArray good = readBytes(zip);
        writeBytes(zip,
                   keep < 0 ? QByteArray("just some text\n") : good.left(good.size() - good.size() / keep));
        const QString ed = dir.filePath(QStringLiteral("Ed"));
        QVERIFY_THROWS_EXCEPTION(ESetArchiveError, SetArchive::Unpack(zip, ed));
        QCOMPARE(entriesOf(dir.path()), QStringList{QStringLiteral("damaged.zip")});
    }

    void packLeavesOutLinksOutOfTheSet()
    {
        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Farm"));
        QVERIFY(QDir().mkpath(set));
        writeBytes(set + QStringLiteral("/C01.bmp"), "BM card");
        writeBytes(dir.filePath(QStringLiteral("secret")), "not to be sent");
        QVERIFY(QFile::link(QStringLiteral("C01.bmp"), set + QStringLiteral("/C02.bmp")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("secret")), set + QStringLiteral("/C03.bmp")));
        const QString zip = dir.filePath(QStringLiteral("Farm.zip"));
        const auto run =
            TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {QStringLiteral("pack"), set, zip});
        QCOMPARE(run.outLines(), QStringList{QStringLiteral("skipped: C03.bmp")});
        QCOMPARE(SetArchive::Inspect(zip).files, (QStringList{"C01.bmp", "C02.bmp"}));
    }

    void toolEscapesControlCharactersInNames()
    {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("a.zip"));
        makeZip(zip, QStringLiteral("z.writestr('Animals/C01.bmp', bmp)\n"
                                    "z.writestr('Hostile/\\x1b]0;owned\\x07\\n.txt', b'x')"));
        const auto run =
            TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL),
                                  {QStringLiteral("unpack"), zip, dir.filePath(QStringLiteral("Ed"))});
        QCOMPARE(run.outLines().last(), QStringLiteral("skipped: Hostile/\\x1b]0;owned\\x07\\n.txt"));
    }

    // Writers killed mid-write leave temporaries; the next write into that
    // folder removes those no live write holds, once they are old.
    void abandonedTemporariesAreSweptByTheNextWrite_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("age"); // seconds
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("unpack"); // the next write: else a pack
        QTest::addColumn<bool>("removed");
        QTest::newRow("replacing write's")
            << ".Farm.zip.0a1b2c3d.tmp" << false << 60 << false << false << true;
        QTest::newRow("unpack's staging folder")
            << ".Ed-import-Ab12Cd" << true << 60 << false << true << true;
        QTest::newRow("held by a live write")
            << ".Farm.zip.0a1b2c3d.tmp" << false << 60 << true << false << false;
        QTest::newRow("staging folder in use") << ".Ed-import-Ab12Cd" << true << 60 << true << true << false;
        QTest::newRow("just made") << ".C01.bmp.0a1b2c3d.tmp" << false << 2 << false << false << false;
        QTest::newRow("another name") << "notes.tmp" << false << 60 << false << false << false;
    }
    void abandonedTemporariesAreSweptByTheNextWrite()
    {
        QFETCH(QString, name);
        QFETCH(bool, folder);
        QFETCH(int, age);
        QFETCH(bool, held);
        QFETCH(bool, unpack);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString set = dir.filePath(QStringLiteral("Farm"));
        QVERIFY(QDir().mkpath(set));
        writeBytes(set + QStringLiteral("/C01.bmp"), "BM card");
        const QString zip = dir.filePath(QStringLiteral("Farm.zip"));
        SetArchive::Pack(set, zip);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Ed"))));
        const QString planted = dir.filePath(name);
        QVERIFY(!folder || QDir().mkpath(planted + QStringLiteral("/Farm")));
        writeBytes(folder ? planted + QStringLiteral("/Farm/C01.bmp") : planted, "half");
        const int fd = ::open(QFile::encodeName(planted).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        if (held)
            QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        const timespec when = {time(nullptr) - age, 0};
        const timespec times[2] = {when, when};
        QCOMPARE(::futimens(fd, times), 0);
        if (unpack)
            SetArchive::Unpack(zip, dir.filePath(QStringLiteral("Ed")), QStringLiteral("Farm 2"));
        else
            SetArchive::Pack(set, zip);
        ::close(fd);
        QCOMPARE(!QFileInfo::exists(planted), removed);
    }

    void importAsksForAnotherNameWhenTaken()
    {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("a.zip"));
        makeZip(zip, QStringLiteral("z.writestr('Animals/C01.bmp', bmp)"));
        const QString ed = dir.filePath(QStringLiteral("Ed"));
        QVERIFY(QDir().mkpath(ed + QStringLiteral("/animals")));
        QVERIFY(QDir().mkpath(ed + QStringLiteral("/ANIMALS 2")));

        QStringList asked;
        const auto cancel = [&](const QString& taken, const QString& proposed) -> std::optional<QString> {
            asked << taken + QStringLiteral(" > ") + proposed;
            return std::nullopt;
        };
        QCOMPARE(SetArchiveCommands::ImportArchive(nullptr, zip, ed, cancel), std::nullopt);
        QCOMPARE(entriesOf(ed), (QStringList{"ANIMALS 2", "animals"}));

        QStringList answers{QStringLiteral("animals"), QStringLiteral("animals 3")};
        const auto answer = [&](const QString& taken, const QString& proposed) -> std::optional<QString> {
            asked << taken + QStringLiteral(" > ") + proposed;
            return answers.takeFirst();
        };
        QCOMPARE(SetArchiveCommands::ImportArchive(nullptr, zip, ed, answer),
                 ed + QStringLiteral("/animals 3"));
        QCOMPARE(asked, (QStringList{"Animals > Animals 3", "Animals > Animals 3", "animals > animals 3"}));
        QCOMPARE(readBytes(ed + QStringLiteral("/animals 3/C01.bmp")).left(2), QByteArray("BM"));
    }
};

QTEST_MAIN(TestSetArchive)
#include "test_setarchive.moc"
