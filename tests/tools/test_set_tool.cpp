// tessellor-tool scan and config, run as a script would run them.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode;
    QStringList out;
    QString err;
};

Run runTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TESSELLOR_TOOL), args);
    process.waitForFinished(30000);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QStringList lines = out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, lines,
            QString::fromUtf8(process.readAllStandardError())};
}

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSetTool : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void configWritesAndReadsTheRecord()
    {
        QTemporaryDir dir;
        const Run write = runTool({QStringLiteral("config"), dir.path(), QStringLiteral("--author"),
                                   QStringLiteral("João"), QStringLiteral("--double")});
        QCOMPARE(write.exitCode, 0);
        const QByteArray bytes = readAll(dir.filePath(QStringLiteral("Set.cfg")));
        QCOMPARE(bytes.size(), 202);
        QCOMPARE(bytes.left(5), QByteArray("\x04Jo\xE3o")); // Windows-1252 on disk
        QCOMPARE(bytes.at(201), '\x01');

        const Run read = runTool({QStringLiteral("config"), dir.path()});
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(read.out, QStringList({QStringLiteral("author: João"), QStringLiteral("duplo: 1")}));
    }

    void configOfAFolderWithoutSetCfgFails()
    {
        QTemporaryDir dir;
        const Run read = runTool({QStringLiteral("config"), dir.path()});
        QCOMPARE(read.exitCode, 1);
        QCOMPARE(read.err.trimmed(), QStringLiteral("File not found"));
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
        const QByteArray configBefore = readAll(dir.filePath(QStringLiteral("Set.cfg")));

        const Run scan = runTool({QStringLiteral("scan"), dir.path()});
        QCOMPARE(scan.exitCode, 0);
        const QString folder = dir.path() + QLatin1Char('/');
        QCOMPARE(scan.out.value(0),
                 QStringLiteral("O arquivo ") + folder + QStringLiteral("C07.bmp   não existe."));
        QCOMPARE(scan.out.value(1), QStringLiteral("result: missing"));
        QCOMPARE(scan.out.size(), 2 + 41);
        QCOMPARE(scan.out.value(2 + 5), QStringLiteral("slot 5: %1C03.bmp | %1S03.wav").arg(folder));
        QCOMPARE(scan.out.value(2 + 6), QStringLiteral("slot 6: %1C03.bmp | %1S03.wav").arg(folder));
        QCOMPARE(scan.out.value(2 + 13), QStringLiteral("slot 13:  | "));
        QCOMPARE(scan.out.value(2 + 40), QStringLiteral("slot 40: %1C20.bmp | ").arg(folder));
        // Scanning never writes the set's configuration.
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Set.cfg"))), configBefore);
    }

    void scanOfAMissingFolderCountsEveryPicture_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("errorLines");
        QTest::newRow("double") << "--double" << 41;
        QTest::newRow("paired") << "--paired" << 21;
    }
    void scanOfAMissingFolderCountsEveryPicture()
    {
        QFETCH(QString, flag);
        QFETCH(int, errorLines);
        QTemporaryDir dir;
        const Run scan = runTool({QStringLiteral("scan"), dir.filePath(QStringLiteral("gone")), flag});
        QCOMPARE(scan.exitCode, 0);
        QCOMPARE(scan.out.size(), errorLines + 1 + 41);
        QCOMPARE(scan.out.value(errorLines), QStringLiteral("result: missing"));
        QVERIFY(!QDir(dir.filePath(QStringLiteral("gone"))).exists());
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
