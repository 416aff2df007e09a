// tessellor-tool undo-log lists a set's kept steps newest first, from the
// cache folder the editor's history writes.

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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        const auto list = [&] {
            return TestFiles::runProgram(QStringLiteral(TESSELLOR_TOOL), {"undo-log", set.path()}, env)
                .outLines();
        };
        QCOMPARE(list(), QStringList{QStringLiteral("No undo steps are kept for %1.").arg(set.path())});

        TSetDocument doc;
        doc.PastaConjunto = set.path() + QLatin1Char('/');
        CardUndoHistory history(doc, cache.path() + QStringLiteral("/Tessellor/undo"));
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
        const QStringList lines = list();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("(undone) Change picture on the cover\tslot 0\tpicture\t"));
        QVERIFY(lines[1].startsWith("Change sound on card 10\tslot 10\tsound\t"));
        // No file was there before the paste: only the two new ones are kept.
        QVERIFY(lines[2].startsWith("Paste on card 10\tslot 10\tpicture,sound\t"));
        QCOMPARE(lines[2].section(QLatin1Char('\t'), 3).split(QLatin1Char(' ')).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestUndoLogTool)
#include "test_undo_log_tool.moc"
