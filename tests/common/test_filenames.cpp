#include "common/FileNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestFileNames : public QObject {
    Q_OBJECT

  private:
    static void touch(const QString& path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

  private Q_SLOTS:
    void findsFilesWhateverTheirCase_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("asked");
        QTest::newRow("same spelling") << "C05.bmp"
                                       << "C05.bmp";
        QTest::newRow("lower case on disk") << "c05.bmp"
                                            << "C05.bmp";
        QTest::newRow("mixed extension") << "c05.BMP"
                                         << "C05.bmp";
        QTest::newRow("config file") << "SET.CFG"
                                     << "Set.Cfg";
    }
    void findsFilesWhateverTheirCase()
    {
        QFETCH(QString, stored);
        QFETCH(QString, asked);
        QTemporaryDir dir;
        touch(dir.filePath(stored));
        const QString askedPath = dir.path() + QLatin1Char('/') + asked;
        QVERIFY(FileNames::fileExists(askedPath));
        QCOMPARE(FileNames::findExisting(askedPath).value(), dir.path() + QLatin1Char('/') + stored);
        QCOMPARE(FileNames::targetForWrite(askedPath), dir.path() + QLatin1Char('/') + stored);
        FileNames::FolderIndex index(dir.path());
        QCOMPARE(index.findFile(asked).value(), dir.path() + QLatin1Char('/') + stored);
    }

    void foldersAreNotFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("c05.bmp")));
        const QString path = dir.path() + QStringLiteral("/C05.bmp");
        QVERIFY(!FileNames::fileExists(path));
        QVERIFY(FileNames::folderExists(path));
        QVERIFY(FileNames::findExisting(path).has_value());
        QCOMPARE(FileNames::targetForWrite(path), path);
        QVERIFY(!FileNames::FolderIndex(dir.path()).findFile(QStringLiteral("C05.bmp")).has_value());
    }

    // A pipe under a card's name would block the reader forever; a link to
    // nothing cannot be read. Neither counts as the card's file.
    void specialEntriesAreNotFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("stored");
        QTest::newRow("pipe, same spelling") << "pipe"
                                             << "C05.bmp";
        QTest::newRow("pipe, other case") << "pipe"
                                          << "c05.BMP";
        QTest::newRow("dangling link, same spelling") << "link"
                                                      << "C05.bmp";
        QTest::newRow("dangling link, other case") << "link"
                                                   << "c05.BMP";
    }
    void specialEntriesAreNotFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        const QString storedPath = dir.filePath(stored);
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(storedPath).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.bmp")), storedPath));
        const QString path = dir.path() + QStringLiteral("/C05.bmp");
        QVERIFY(!FileNames::fileExists(path));
        QVERIFY(!FileNames::FolderIndex(dir.path()).findFile(QStringLiteral("C05.bmp")).has_value());
    }

    void doubledSeparatorStillNamesTheFile()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("c01.bmp")));
        QVERIFY(FileNames::fileExists(dir.path() + QStringLiteral("//C01.bmp")));
    }

    void missingFolderFindsNothing()
    {
        QTemporaryDir dir;
        const QString gone = dir.path() + QStringLiteral("/nothing/");
        QVERIFY(!FileNames::fileExists(gone + QStringLiteral("C00.bmp")));
        FileNames::FolderIndex index(gone);
        QVERIFY(!index.folderListed());
        QVERIFY(!index.findFile(QStringLiteral("C00.bmp")).has_value());
    }
};

QTEST_GUILESS_MAIN(TestFileNames)
#include "test_filenames.moc"
