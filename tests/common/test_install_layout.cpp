#include "common/InstallLayout.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Where the sets and the help are, read from where the program lies.
class TestInstallLayout : public QObject {
    Q_OBJECT

  private slots:
    void foldersFollowTheLayout_data()
    {
        QTest::addColumn<QString>("program"); // the program's folder under the root
        QTest::addColumn<QString>("made");    // another folder that exists
        QTest::addColumn<QString>("sets");    // "~" the home folder
        QTest::addColumn<QString>("data");
        QTest::newRow("system prefix") << "usr/bin"
                                       << "usr/share/tessellor"
                                       << "~/Tessellor/Ed/"
                                       << "usr/share/tessellor";
        QTest::newRow("program folder") << "Tessellor"
                                        << "Tessellor/Help"
                                        << "Tessellor/Ed/"
                                        << "Tessellor";
        QTest::newRow("a bin folder without the shared files") << "opt/bin"
                                                               << "opt/share"
                                                               << "opt/bin/Ed/"
                                                               << "opt/bin";
    }
    void foldersFollowTheLayout()
    {
        QFETCH(QString, program);
        QFETCH(QString, made);
        QFETCH(QString, sets);
        QFETCH(QString, data);
        QTemporaryDir root;
        const QString home = root.filePath(QStringLiteral("home"));
        QVERIFY(QDir(root.path()).mkpath(program) && QDir(root.path()).mkpath(made));
        const auto path = [&](QString p) { return p.startsWith(u'~') ? home + p.mid(1) : root.filePath(p); };
        QCOMPARE(InstallLayout::SetsFolder(root.filePath(program), home), path(sets));
        QCOMPARE(InstallLayout::DataFolder(root.filePath(program)), path(data));
    }
};

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "test_install_layout.moc"
