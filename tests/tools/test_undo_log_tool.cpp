// tessellor-tool undo-log lists a set's kept steps newest first, from the
// cache folders the editors' histories write, each with the run that made it.

#include "TestFiles.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

class TestUndoLogTool : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void listsKeptStepsNewestFirst()
    {
        QTemporaryDir cache;
        QTemporaryDir set;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        const auto list = [&] {
            return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"undo-log", set.path()}, env)
                .outLines();
        };
        QCOMPARE(list(), QStringList{QStringLiteral("No undo steps are kept for %1.").arg(set.path())});

        TSetDocument doc;
        doc.SetPastaConjunto(set.path() + QLatin1Char('/'));
        const auto write = [&doc](int slot, TSetDocument::CardPart part, const QByteArray& bytes) {
            doc.ReplaceCardFile(slot, part,
                                [&bytes](const QString& path) { TestFiles::writeBytes(path, bytes); });
        };
        const QString root = cache.path() + QStringLiteral("/Tessellor/undo");
        // An earlier run, ended: this one takes its step over.
        const QDateTime earlier(QDate(2026, 1, 2), QTime(3, 4, 5));
        {
            CardUndoHistory endedRun(
                doc, root, CardUndoLimits(),
                CardUndoRun{QCoreApplication::applicationPid(), earlier.toMSecsSinceEpoch()});
            write(7, TSetDocument::CardPart::Picture, "earlier");
        }
        CardUndoHistory history(doc, root);
        {
            const CardCommand paste(doc, QStringLiteral("Paste"));
            write(10, TSetDocument::CardPart::Picture, "bytes");
            write(10, TSetDocument::CardPart::Sound, "bytes");
        }
        write(10, TSetDocument::CardPart::Sound, "other bytes");
        write(0, TSetDocument::CardPart::Picture, "bytes");
        history.Undo();
        const QStringList lines = list();
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("(undone) Change picture on the cover\tslot 0\tpicture\t"));
        QVERIFY(lines[1].startsWith("Change sound on card 10\tslot 10\tsound\t"));
        // No file was there before the paste: only the two new ones are kept.
        QVERIFY(lines[2].startsWith("Paste on card 10\tslot 10\tpicture,sound\t"));
        QCOMPARE(lines[2].section(QLatin1Char('\t'), 3, 3).split(QLatin1Char(' ')).size(), 2);
        const QString thisRun = CardUndoRun::Current().Describe();
        for (int line = 0; line < 3; ++line)
            QCOMPARE(lines[line].section(QLatin1Char('\t'), 4), thisRun);
        QCOMPARE(lines[3],
                 QStringLiteral("Change picture on card 7\tslot 7\tpicture\t%1\tprocess %2, started "
                                "2026-01-02 03:04:05")
                     .arg(lines[3].section(QLatin1Char('\t'), 3, 3))
                     .arg(QCoreApplication::applicationPid()));
    }
};

QTEST_GUILESS_MAIN(TestUndoLogTool)
#include "test_undo_log_tool.moc"
