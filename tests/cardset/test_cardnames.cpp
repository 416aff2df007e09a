// The card names file: what is read as a name, what is kept untouched, and
// which files are refused whole.

#include "TestFiles.h"
#include "cardset/CardNames.h"
#include "common/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString summary(const CardNames& names)
{
    QStringList named;
    for (const auto& [slot, name] : names.Named())
        named << QStringLiteral("%1=%2").arg(slot).arg(name);
    return named.join(QLatin1Char('|'));
}

} // namespace

class TestCardNames : public QObject {
    Q_OBJECT

  private slots:
    void parseSetAndWrite_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("slot"); // -1: nothing is set
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QByteArray>("written");
        const QByteArray longName(CardNames::MaxNameLength + 1, 'a');
        const QByteArray broken =
            QByteArray("1\t\xff\xfe\n2\ta") + '\0' + "b\n3\ta\x1b\n4\t" + longName + "\n5\t \n";
        QTest::newRow("name replaced in place") << QByteArray("3\tcat\n7\tdog\n") << 7 << "bird"
                                                << "3=cat|7=bird" << QByteArray("3\tcat\n7\tbird\n");
        QTest::newRow("unknown lines kept where they are")
            << QByteArray("# mine\n3\tcat\nno tab\n9\tb\n") << 5 << "fox"
            << "3=cat|5=fox|9=b" << QByteArray("# mine\n3\tcat\nno tab\n5\tfox\n9\tb\n");
        QTest::newRow("slots out of range are no names")
            << QByteArray("41\tx\n-1\ty\n100\tz\n 4\tw\n40\tok\n") << -1 << ""
            << "40=ok" << QByteArray("41\tx\n-1\ty\n100\tz\n 4\tw\n40\tok\n");
        QTest::newRow("broken UTF-8, NUL, control, over-long, empty") << broken << -1 << ""
                                                                      << "" << broken;
        QTest::newRow("the first line of a slot names it") << QByteArray("2\tone\n2\ttwo\n") << 2 << "three"
                                                           << "2=three" << QByteArray("2\tthree\n");
        QTest::newRow("mark, CRLF and a last line without end kept")
            << QByteArray("\xEF\xBB\xBF"
                          "1\tcat\r\n2\tdog")
            << 3 << "eel"
            << "1=cat|2=dog|3=eel"
            << QByteArray("\xEF\xBB\xBF"
                          "1\tcat\r\n2\tdog\r\n3\teel\r\n");
        QTest::newRow("empty name removes the line") << QByteArray("1\tcat\n2\tdog\n") << 1 << "  "
                                                     << "2=dog" << QByteArray("2\tdog\n");
        QTest::newRow("name tidied and cut")
            << QByteArray() << 4 << QString(" a\tb\n" + QString(300, QLatin1Char('c'))) << QString()
            << QByteArray("4\ta b " + QByteArray(CardNames::MaxNameLength - 4, 'c') + "\n");
    }
    void parseSetAndWrite()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, slot);
        QFETCH(QString, name);
        QFETCH(QString, named);
        QFETCH(QByteArray, written);
        CardNames names = CardNames::Parse(bytes);
        if (slot >= 0)
            names.SetName(slot, name);
        if (!named.isNull())
            QCOMPARE(summary(names), named);
        QCOMPARE(names.ToBytes(), written);
        QCOMPARE(CardNames::Parse(written).Named(), names.Named());
    }

    void badFilesAreRefusedNamingThem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("larger than 1 MB") << "big";
        QTest::newRow("a link") << "link";
        QTest::newRow("a folder") << "folder";
    }
    void badFilesAreRefusedNamingThem()
    {
        QFETCH(QString, kind);
        QTemporaryDir set;
        const QString path = CardNames::PathIn(set.path());
        QVERIFY(CardNames::Load(set.path()).IsEmpty()); // missing: no names
        if (kind == QLatin1String("big"))
            TestFiles::writeBytes(path, "1\tcat\n" + QByteArray(CardNames::MaxFileBytes, '#'));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else
            QVERIFY(QDir(set.path()).mkdir(CardNames::FileName));
        try {
            CardNames::Load(set.path());
            QFAIL("a bad names file was read");
        } catch (const EFileError& e) {
            QCOMPARE(e.FileName(), QDir::toNativeSeparators(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestCardNames)
#include "test_cardnames.moc"
