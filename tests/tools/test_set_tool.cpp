// tessellor-tool scan and config, run as a script would run them.

#include "Requirements.h"
#include "TestFiles.h"
#include "cardset/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::readBytes;

namespace {

TestFiles::ProcessRun runTool(const QStringList& args)
{
    return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), args);
}

// The tool and the executable it hands commands on to, copied where an
// ordinary user may run them whatever folder the build is in.
QString toolForEverybody(const QTemporaryDir& dir)
{
    Unprivileged::makeWritable(dir.path(), true);
    const QFileInfo tool(QStringLiteral(TESSELLOR_TOOL));
    for (const QString& name : {tool.fileName(), tool.fileName() + QStringLiteral("-gui")}) {
        const QString copy = dir.filePath(name);
        if (!QFile::copy(tool.dir().filePath(name), copy))
            return QString();
        QFile::setPermissions(copy,
                              QFile::permissions(copy) | QFileDevice::ExeOther | QFileDevice::ReadOther);
    }
    return dir.filePath(tool.fileName());
}

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestSetTool : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // A Set.cfg the user may not read stops every command that reads it, and
    // the error names the file and the reason below the runtime's text.
    void unreadableSetCfgIsNamed_data()
    {
        QTest::addColumn<QStringList>("command"); // %1: the set's folder
        QTest::newRow("scan") << QStringList{"scan", "%1"};
        QTest::newRow("config") << QStringList{"config", "%1"};
        QTest::newRow("overview") << QStringList{"overview", "%1", "%1/overview.png"};
    }
    void unreadableSetCfgIsNamed()
    {
        QFETCH(QStringList, command);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Set.cfg"));
        TestFiles::writeBytes(file, QByteArray(202, '\0'));
        Unprivileged::makeWritable(dir.path(), true);
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0) == 0);
        command.replaceInStrings(QStringLiteral("%1"), dir.path());
        QString program = QStringLiteral(TESSELLOR_TOOL);
        QTemporaryDir tools;
        // The session's runtime folder is another user's: the tool makes its own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (::geteuid() == 0) {
            // The superuser reads any file, and Qt refuses to run under a
            // borrowed identity: the tool runs wholly as an ordinary user.
            TESSELLOR_REQUIRE(Requirements::haveProgram("setpriv"), "setpriv, to run as an ordinary user");
            const QString nobody = QString::number(Unprivileged::Nobody);
            program = toolForEverybody(tools);
            QVERIFY(!program.isEmpty());
            command =
                QStringList{"--reuid=" + nobody, "--regid=" + nobody, "--clear-groups", program} + command;
            program = QStringLiteral("setpriv");
        }
        const TestFiles::ProcessRun run = TestFiles::runProgram(program, command, environment);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), "File access denied\n" + file + "\nThe file may not be read.");
    }

    void configWritesAndReadsTheRecord()
    {
        QTemporaryDir dir;
        const TestFiles::ProcessRun write =
            runTool({QStringLiteral("config"), dir.path(), QStringLiteral("--author"), QStringLiteral("João"),
                     QStringLiteral("--double")});
        QCOMPARE(write.exitCode, 0);
        const QByteArray bytes = readBytes(dir.filePath(QStringLiteral("Set.cfg")));
        QCOMPARE(bytes.size(), 202);
        QCOMPARE(bytes.left(5), QByteArray("\x04Jo\xE3o")); // Windows-1252 on disk
        QCOMPARE(bytes.at(201), '\x01');

        const TestFiles::ProcessRun read = runTool({QStringLiteral("config"), dir.path()});
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(read.outLines(), QStringList({QStringLiteral("author: João"), QStringLiteral("duplo: 1")}));
    }

    void configOfAFolderWithoutSetCfgFails()
    {
        QTemporaryDir dir;
        const TestFiles::ProcessRun read = runTool({QStringLiteral("config"), dir.path()});
        QCOMPARE(read.exitCode, 1);
        QCOMPARE(read.err.trimmed(),
                 QStringLiteral("File not found\n") + dir.filePath(QStringLiteral("Set.cfg")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Set.cfg"))));
    }

    void scanListsMissingPicturesAndSlots()
    {
        QTemporaryDir dir;
        QCOMPARE(runTool({QStringLiteral("config"), dir.path(), QStringLiteral("--paired")}).exitCode, 0);
        for (int k = 0; k <= 20; ++k) {
            if (k != 7)
                touch(dir.filePath(QStringLiteral("c%1.BMP").arg(k, 2, 10, QLatin1Char('0'))));
        }
        touch(dir.filePath(QStringLiteral("S03.wav")));
        const QByteArray configBefore = readBytes(dir.filePath(QStringLiteral("Set.cfg")));

        const TestFiles::ProcessRun scan = runTool({QStringLiteral("scan"), dir.path()});
        QCOMPARE(scan.exitCode, 0);
        const QStringList out = scan.outLines();
        const QString folder = dir.path() + QLatin1Char('/');
        QCOMPARE(out.value(0),
                 QStringLiteral("O arquivo ") + folder + QStringLiteral("C07.bmp   não existe."));
        QCOMPARE(out.value(1), QStringLiteral("result: missing"));
        QCOMPARE(out.size(), 2 + 41);
        QCOMPARE(out.value(2 + 5), QStringLiteral("slot 5: %1C03.bmp | %1S03.wav").arg(folder));
        QCOMPARE(out.value(2 + 6), QStringLiteral("slot 6: %1C03.bmp | %1S03.wav").arg(folder));
        QCOMPARE(out.value(2 + 13), QStringLiteral("slot 13:  | "));
        QCOMPARE(out.value(2 + 40), QStringLiteral("slot 40: %1C20.bmp | ").arg(folder));
        // Scanning never writes the set's configuration.
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Set.cfg"))), configBefore);
    }

    // A folder named by mistake fails instead of scanning as a set whose
    // every picture is missing.
    void scanOfAMissingFolderFails_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("plainFile");
        QTest::newRow("double") << "--double" << false;
        QTest::newRow("paired") << "--paired" << false;
        QTest::newRow("a plain file") << "--paired" << true;
    }
    void scanOfAMissingFolderFails()
    {
        QFETCH(QString, flag);
        QFETCH(bool, plainFile);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("gone"));
        if (plainFile)
            touch(folder);
        const TestFiles::ProcessRun scan = runTool({QStringLiteral("scan"), folder, flag});
        QCOMPARE(scan.exitCode, 1);
        QCOMPARE(scan.out, QString());
        QCOMPARE(scan.err.trimmed(), QStringLiteral("Folder not found: ") + folder);
        QCOMPARE(QFileInfo(folder).isFile(), plainFile);
    }

    // A Set.cfg too short to hold a record is written afresh when a new
    // author is given; anything else still reports it.
    void configWithAnAuthorRepairsADamagedFile_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("author") << QStringList{"--author", "Ana"} << 0
                                << QStringList{"author: Ana", "duplo: 0"};
        QTest::newRow("author, double")
            << QStringList{"--author", "Ana", "--double"} << 0 << QStringList{"author: Ana", "duplo: 1"};
        QTest::newRow("kind only") << QStringList{"--double"} << 1 << QStringList();
        QTest::newRow("reading") << QStringList() << 1 << QStringList();
    }
    void configWithAnAuthorRepairsADamagedFile()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QStringList, shown);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Set.cfg"));
        const QByteArray damaged("\x05Maria", 6);
        TestFiles::writeBytes(file, damaged);
        const TestFiles::ProcessRun run =
            runTool(QStringList{QStringLiteral("config"), dir.path()} + options);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.outLines(), shown);
        if (exitCode != 0) {
            QCOMPARE(run.err.trimmed(), QStringLiteral("Read beyond end of file\n") + file);
            QCOMPARE(readBytes(file), damaged);
            return;
        }
        QCOMPARE(readBytes(file).size(), 202);
        QCOMPARE(runTool({QStringLiteral("config"), dir.path()}).outLines(), shown);
    }

    // Card names: listed in slot order; set as the editor sets them, shared by
    // a pair in a paired set, and never creating a Set.cfg.
    void namesListsAndSets_data()
    {
        QTest::addColumn<int>("duplo"); // -1: no Set.cfg
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("list") << 0 << QStringList() << 0 << QStringList{"slot 3: cat"};
        QTest::newRow("paired") << 0 << QStringList{"5", "fox"} << 0
                                << QStringList{"slot 3: cat", "slot 5: fox", "slot 6: fox"};
        QTest::newRow("double") << 1 << QStringList{"5", "fox"} << 0
                                << QStringList{"slot 3: cat", "slot 5: fox"};
        QTest::newRow("no Set.cfg") << -1 << QStringList{"4", "owl"} << 0
                                    << QStringList{"slot 3: owl", "slot 4: owl"};
        QTest::newRow("removed") << 0 << QStringList{"3", ""} << 0 << QStringList();
        QTest::newRow("no such card") << 0 << QStringList{"41", "x"} << 2 << QStringList();
    }
    void namesListsAndSets()
    {
        QFETCH(int, duplo);
        QFETCH(QStringList, set);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        if (duplo >= 0)
            QCOMPARE(runTool({"config", dir.path(), duplo ? "--double" : "--paired"}).exitCode, 0);
        TestFiles::writeBytes(dir.filePath("Names.txt"), "# note\n3\tcat\n");
        const TestFiles::ProcessRun run =
            runTool(QStringList{"names", dir.path()} + (set.isEmpty() ? set : QStringList{"--set"} + set));
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.outLines(), lines);
        QVERIFY(readBytes(dir.filePath("Names.txt")).startsWith("# note\n"));
        QCOMPARE(QFile::exists(dir.filePath("Set.cfg")), duplo >= 0);
    }

    void helpIsAnAnswerOnStandardOutput()
    {
        const TestFiles::ProcessRun help = runTool({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        const QStringList lines = help.outLines();
        QCOMPARE(lines.value(0), QStringLiteral("usage: tessellor-tool COMMAND [ARGS]"));
        // Both halves' commands are listed.
        QVERIFY(lines.contains(QStringLiteral("  tessellor-tool scan DIR [--double | --paired]")));
        QVERIFY(!lines.filter(QStringLiteral("tessellor-tool text-card ")).isEmpty());

        const TestFiles::ProcessRun wrong = runTool({QStringLiteral("scan")});
        QCOMPARE(wrong.exitCode, 2);
        QCOMPARE(wrong.out, QString());
        QVERIFY(wrong.err.startsWith(lines.value(0)));
    }

    void wrongUsageExitsTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("scan without folder") << QStringList{QStringLiteral("scan")};
        QTest::newRow("both kinds") << QStringList{QStringLiteral("scan"), QStringLiteral("x"),
                                                   QStringLiteral("--double"), QStringLiteral("--paired")};
        QTest::newRow("author without text")
            << QStringList{QStringLiteral("config"), QStringLiteral("x"), QStringLiteral("--author")};
        QTest::newRow("unknown command") << QStringList{QStringLiteral("no-such-command")};
    }
    void wrongUsageExitsTwo()
    {
        QFETCH(QStringList, args);
        QCOMPARE(runTool(args).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestSetTool)
#include "test_set_tool.moc"
