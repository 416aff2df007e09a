// The set document: a card file write is recorded and announced only after it
// succeeded, once for each slot that records the file; observers hear of it
// before and after.

#include "TestFiles.h"
#include "cardset/CardFileObserver.h"
#include "cardset/EInOutError.h"
#include "cardset/SetDocument.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using Part = TSetDocument::CardPart;

namespace {

// Logs what it hears, optionally refusing a write before it happens.
class LoggingObserver : public CardFileObserver {
  public:
    LoggingObserver(QStringList& log, QString name, bool refuse = false)
        : log_(log), name_(std::move(name)), refuse_(refuse)
    {
    }
    void aboutToReplace(const CardFileChange& change) override
    {
        log_ << name_ + QStringLiteral(" about ") + QString::number(change.slot);
        before = change;
        if (refuse_)
            throw std::runtime_error("cannot keep the old file");
    }
    void replaced(const CardFileChange& change) override
    {
        log_ << name_ + QStringLiteral(" replaced ") + change.path.section(QLatin1Char('/'), -1);
        after = change;
    }
    void replaceFailed(const CardFileChange&) override { log_ << name_ + QStringLiteral(" failed"); }

    CardFileChange before;
    CardFileChange after;

  private:
    QStringList& log_;
    QString name_;
    bool refuse_;
};

} // namespace

class TestSetDocument : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    void prepare(TSetDocument& doc, int duplo)
    {
        doc.ChooseSet(dir_.path() + QLatin1Char('/'), QString(), static_cast<uint8_t>(duplo));
        std::vector<std::pair<int, QString>> pictures;
        std::vector<std::pair<int, QString>> sounds;
        for (int slot = 0; slot < NumSlots; ++slot) {
            pictures.emplace_back(slot, QStringLiteral("old.bmp"));
            sounds.emplace_back(slot, QStringLiteral("old.wav"));
        }
        doc.RestoreCardPaths(Part::Picture, pictures);
        doc.RestoreCardPaths(Part::Sound, sounds);
    }

  private Q_SLOTS:
    void writeIsRecordedAndAnnouncedAfterwards_data()
    {
        QTest::addColumn<int>("duplo");
        QTest::addColumn<Part>("part");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QList<int>>("recording");
        QTest::addColumn<QString>("name");
        QTest::newRow("paired picture, odd card") << 0 << Part::Picture << 5 << QList<int>{5, 6} << "C03.bmp";
        QTest::newRow("paired sound, even card") << 0 << Part::Sound << 40 << QList<int>{40, 39} << "S20.wav";
        QTest::newRow("paired cover") << 0 << Part::Picture << 0 << QList<int>{0} << "C00.bmp";
        QTest::newRow("double picture") << 1 << Part::Picture << 5 << QList<int>{5} << "C05.bmp";
        QTest::newRow("Duplo 2 is double") << 2 << Part::Sound << 6 << QList<int>{6} << "S06.wav";
    }
    void writeIsRecordedAndAnnouncedAfterwards()
    {
        QFETCH(int, duplo);
        QFETCH(Part, part);
        QFETCH(int, slot);
        QFETCH(QList<int>, recording);
        QFETCH(QString, name);
        TSetDocument doc;
        prepare(doc, duplo);
        QStringList log;
        LoggingObserver observer(log, QStringLiteral("undo"));
        doc.AddObserver(&observer);
        QSignalSpy written(&doc, &TSetDocument::cardFileWritten);
        const QString path = dir_.filePath(name);

        doc.ReplaceCardFile(slot, part, [&](const QString& target) {
            // Nothing is recorded or announced while the file is being written.
            QCOMPARE(doc.RecordedPath(slot, part),
                     part == Part::Picture ? QStringLiteral("old.bmp") : QStringLiteral("old.wav"));
            QCOMPARE(written.count(), 0);
            log << QStringLiteral("write");
            TestFiles::writeBytes(target, "new");
        });

        QCOMPARE(log, (QStringList{QStringLiteral("undo about %1").arg(slot), QStringLiteral("write"),
                                   QStringLiteral("undo replaced ") + name}));
        QCOMPARE(TestFiles::readBytes(path), QByteArray("new"));
        QCOMPARE(QList<int>(observer.before.cardSlots.begin(), observer.before.cardSlots.end()), recording);
        QCOMPARE(observer.before.pathsBefore.size(), std::size_t(recording.size()));
        QCOMPARE(observer.after.path, path);
        QCOMPARE(written.count(), recording.size());
        for (int i = 0; i < recording.size(); ++i)
            QCOMPARE(written.at(i), (QVariantList{recording.at(i), QVariant::fromValue(part), path}));
        for (int other = 0; other < NumSlots; ++other)
            QCOMPARE(doc.RecordedPath(other, part) == path, recording.contains(other));
    }

    void failedWriteRecordsAndAnnouncesNothing_data()
    {
        QTest::addColumn<bool>("writeFails");
        QTest::addColumn<QStringList>("expectedLog");
        QTest::newRow("the write raises")
            << true
            << QStringList{"first about 3", "second about 3", "write", "first failed", "second failed"};
        QTest::newRow("an observer refuses")
            << false << QStringList{"first about 3", "second about 3", "first failed"};
    }
    void failedWriteRecordsAndAnnouncesNothing()
    {
        QFETCH(bool, writeFails);
        QFETCH(QStringList, expectedLog);
        TSetDocument doc;
        prepare(doc, 0);
        QStringList log;
        LoggingObserver first(log, QStringLiteral("first"));
        LoggingObserver second(log, QStringLiteral("second"), !writeFails);
        doc.AddObserver(&first);
        doc.AddObserver(&second);
        QSignalSpy written(&doc, &TSetDocument::cardFileWritten);

        QVERIFY_THROWS_EXCEPTION(std::exception, doc.ReplaceCardFile(3, Part::Picture, [&](const QString&) {
            log << QStringLiteral("write");
            throw EInOutError(EInOutError::DiskFull);
        }));

        QCOMPARE(log, expectedLog);
        QCOMPARE(written.count(), 0);
        QCOMPARE(doc.RecordedPath(3, Part::Picture), QStringLiteral("old.bmp"));
        QCOMPARE(doc.RecordedPath(4, Part::Picture), QStringLiteral("old.bmp"));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("C02.bmp"))));
    }

    // The undo history and the overview follow the current set's folder and
    // record; the folder of all sets is shown by nobody.
    void settersTellOfWhatListenersShow_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("told");
        QTest::addColumn<QString>("folderAfter");
        QTest::addColumn<bool>("doubleAfter");
        QTest::newRow("another set folder") << "folder /b/" << 1 << "/b/" << false;
        QTest::newRow("the same set folder") << "folder /a/" << 0 << "/a/" << false;
        QTest::newRow("no set") << "folder " << 1 << "" << false;
        QTest::newRow("a double set's record") << "record" << 1 << "/a/" << true;
        QTest::newRow("the folder of all sets") << "base /ed/" << 0 << "/a/" << false;
    }
    void settersTellOfWhatListenersShow()
    {
        QFETCH(QString, change);
        QFETCH(int, told);
        QFETCH(QString, folderAfter);
        QFETCH(bool, doubleAfter);
        TSetDocument doc;
        doc.ChooseSet(QStringLiteral("/a/"), QStringLiteral("Ana"), 0);
        QSignalSpy changed(&doc, &TSetDocument::configChanged);
        const QString value = change.section(QLatin1Char(' '), 1);
        if (change.startsWith(QLatin1String("folder")))
            doc.SetPastaConjunto(value);
        else if (change.startsWith(QLatin1String("base")))
            doc.SetPastaBase(value);
        else
            doc.SetConfigConjunto(TConfigConjunto{{}, 1});
        QCOMPARE(changed.count(), told);
        QCOMPARE(doc.PastaConjunto(), folderAfter);
        QCOMPARE(doc.HasSet(), !folderAfter.isEmpty());
        QCOMPARE(doc.IsDoubleSet(), doubleAfter);
        QCOMPARE(doc.PastaBase(), change.startsWith(QLatin1String("base")) ? value : QString());
    }
};

QTEST_GUILESS_MAIN(TestSetDocument)
#include "test_setdocument.moc"
