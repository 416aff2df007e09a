#include "Requirements.h"
#include "common/ReplacingFile.h"

#include "TestFiles.h"
#include "cardset/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

class TestReplacingFile : public QObject {
    Q_OBJECT

  private:
    static int modeOf(const QString& path)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
    }
    static QStringList filesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

  private Q_SLOTS:
    void replacesOrCreatesTheTarget_data()
    {
        QTest::addColumn<int>("before"); // -1: no file yet
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("sync");
        QTest::newRow("new file") << -1 << 0644 << false;
        QTest::newRow("new file, synced") << -1 << 0644 << true;
        QTest::newRow("private file") << 0600 << 0600 << false;
        QTest::newRow("read-only for others, synced") << 0640 << 0640 << true;
        QTest::newRow("executable") << 0755 << 0755 << false;
    }
    void replacesOrCreatesTheTarget()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(bool, sync);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Set.cfg"));
        if (before >= 0) {
            TestFiles::writeBytes(path, QByteArray("a longer previous content"));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(before)), 0);
        }
        const mode_t savedMask = ::umask(022);
        bool done = false;
        {
            ReplacingFile file(path, sync ? ReplacingFile::SyncBeforeRename : ReplacingFile::NoOptions);
            done = file.open() && file.write("new ", 4) && file.write("bytes", 5) && file.commit();
        }
        ::umask(savedMask);
        QVERIFY(done);
        QCOMPARE(TestFiles::readBytes(path), QByteArray("new bytes"));
        QCOMPARE(modeOf(path), after);
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("Set.cfg")});
    }

    void uncommittedFileLeavesThePreviousOne()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        TestFiles::writeBytes(path, QByteArray("previous"));
        {
            ReplacingFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("half", 4));
            QCOMPARE(filesIn(dir.path()).size(), 2);
        }
        QCOMPARE(TestFiles::readBytes(path), QByteArray("previous"));
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("C01.bmp")});
    }

    void linkKeepsPointingAtTheReplacedFile()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real.bmp"));
        const QString link = dir.filePath(QStringLiteral("C01.bmp"));
        TestFiles::writeBytes(real, QByteArray("old"));
        QVERIFY(QFile::link(real, link));
        ReplacingFile file(link);
        QVERIFY(file.open() && file.write("new", 3) && file.commit());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(TestFiles::readBytes(real), QByteArray("new"));
    }

    void openFailureGivesItsErrorNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << "no/C01.bmp" << ENOENT;
        QTest::newRow("a folder of that name") << "folder" << EISDIR;
    }
    void openFailureGivesItsErrorNumber()
    {
        QFETCH(QString, name);
        QFETCH(int, error);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        ReplacingFile file(dir.filePath(name));
        QVERIFY(!file.open());
        QCOMPARE(file.error(), error);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
        QCOMPARE(filesIn(dir.path()), QStringList());
    }

    // A rename would replace a read-only file regardless of its permissions;
    // a file the user protected is refused instead, as creating over it would be.
    void readOnlyTargetIsRefused()
    {
        QTemporaryDir dir;
        Unprivileged::makeWritable(dir.path(), true);
        const QString target = dir.filePath(QStringLiteral("C01.bmp"));
        TestFiles::writeBytes(target, "kept");
        Unprivileged::makeReadOnly(target, false);
        {
            Unprivileged user;
            TESSELLOR_REQUIRE(::geteuid() != 0, "an ordinary user to run as");
            ReplacingFile file(target);
            QVERIFY(!file.open());
            QCOMPARE(file.error(), EACCES);
        }
        QCOMPARE(filesIn(dir.path()), QStringList({QStringLiteral("C01.bmp")}));
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
    }

    void failedWriteKeepsThePreviousFileAndItsError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("C01.bmp"));
        TestFiles::writeBytes(path, QByteArray("previous"));
        const QByteArray big(64 * 1024, 'x');
        // A file size limit makes the write fail part-way, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        ReplacingFile file(path, ReplacingFile::SyncBeforeRename);
        const bool opened = file.open();
        const bool written = opened && file.write(big.constData(), big.size());
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(opened);
        QVERIFY(!written);
        QCOMPARE(file.error(), EFBIG);
        QVERIFY(!file.commit());
        QCOMPARE(TestFiles::readBytes(path), QByteArray("previous"));
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("C01.bmp")});
    }
};

QTEST_GUILESS_MAIN(TestReplacingFile)
#include "test_replacingfile.moc"
