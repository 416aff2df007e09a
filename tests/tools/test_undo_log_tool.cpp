// tessellor-tool undo-log: the steps the editor's history keeps for a set,
// newest first, read from the cache folder the editor writes.

#include "TestFiles.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"

#include <QTemporaryDir>
#include <QTest>

class TestUndoLogTool : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void listsKeptStepsNewestFirst()
    {
        QTemporaryDir cache;
        QTemporaryDir set;
        TSetDocument doc;
        CardUndoHistory history(doc, cache.path() + QStringLiteral("/Tessellor/undo"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        const auto run = [&] {
            return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"undo-log", set.path()}, env);
        };
        QCOMPARE(run().outLines(),
                 QStringList{QStringLiteral("No undo steps are kept for %1.").arg(set.path())});

        doc.PastaConjunto = set.path() + QLatin1Char('/');
        const auto write = [&doc](int slot, TSetDocument::CardPart part) {
            doc.ReplaceCardFile(slot, part,
                                [](const QString& path) { TestFiles::writeBytes(path, "bytes"); });
        };
        {
            const CardCommand paste(doc, QStringLiteral("Paste"));
            write(10, TSetDocument::CardPart::Picture);
            write(10, TSetDocument::CardPart::Sound);
        }
        write(10, TSetDocument::CardPart::Sound);
        write(0, TSetDocument::CardPart::Picture);
        history.Undo();

        const TestFiles::ProcessRun listed = run();
        QCOMPARE(listed.exitCode, 0);
        const QStringList lines = listed.outLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(
            lines[0].startsWith(QStringLiteral("(undone) Change picture on the cover\tslot 0\tpicture\t")),
            qPrintable(lines[0]));
        QVERIFY(lines[1].startsWith(QStringLiteral("Change sound on card 10\tslot 10\tsound\t")));
        QVERIFY(lines[2].startsWith(QStringLiteral("Paste on card 10\tslot 10\tpicture,sound\t")));
        // No file was there before the paste: only the two new ones are kept.
        QCOMPARE(lines[2].section(QLatin1Char('\t'), 3).split(QLatin1Char(' ')).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestUndoLogTool)
#include "test_undo_log_tool.moc"
