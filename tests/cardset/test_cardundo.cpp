// The undo history of card file writes: bytes and recorded paths put back and
// redone, a file that was not there removed, paired sets, the set switch,
// files changed from outside refused, and the bounds.

#include "TestFiles.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"
#include "cardset/CardUndoLog.h"
#include "common/Exception.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Part = TSetDocument::CardPart;
using TestFiles::readBytes;

namespace {

QByteArray content(int n, int size = 64)
{
    return QByteArray(size, static_cast<char>('a' + n % 26)) + QByteArray::number(n);
}

int keptFileCount(const QString& folder)
{
    return static_cast<int>(
        QDir(folder).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.wav")}).size());
}

} // namespace

class TestCardUndo : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> setA_;
    std::unique_ptr<QTemporaryDir> setB_;
    std::unique_ptr<QTemporaryDir> cache_;
    std::unique_ptr<TSetDocument> doc_;
    std::unique_ptr<CardUndoHistory> history_;

    void open(const QTemporaryDir& set, bool duplo)
    {
        doc_->PastaConjunto = set.path() + QLatin1Char('/');
        doc_->ConfigConjunto.Duplo = duplo ? 1 : 0;
        doc_->LimpaConjunto();
    }
    void write(int slot, Part part, const QByteArray& bytes)
    {
        doc_->ReplaceCardFile(slot, part,
                              [&bytes](const QString& path) { TestFiles::writeBytes(path, bytes); });
    }
    QString refusal()
    {
        try {
            history_->Undo();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString();
    }

  private Q_SLOTS:
    void init()
    {
        setA_ = std::make_unique<QTemporaryDir>();
        setB_ = std::make_unique<QTemporaryDir>();
        cache_ = std::make_unique<QTemporaryDir>();
        doc_ = std::make_unique<TSetDocument>();
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->path());
    }
    void cleanup()
    {
        history_.reset();
        doc_.reset();
    }

    void undoAndRedoPutBackBytesAndPaths_data()
    {
        QTest::addColumn<bool>("duplo");
        QTest::addColumn<int>("slot");
        QTest::addColumn<Part>("part");
        QTest::addColumn<bool>("fileBefore");
        QTest::addColumn<QList<int>>("recording");
        QTest::newRow("double picture over one") << true << 10 << Part::Picture << true << QList<int>{10};
        QTest::newRow("double sound, none before") << true << 3 << Part::Sound << false << QList<int>{3};
        QTest::newRow("paired picture, both cards")
            << false << 6 << Part::Picture << true << QList<int>{6, 5};
        QTest::newRow("paired sound, none before") << false << 5 << Part::Sound << false << QList<int>{5, 6};
        QTest::newRow("cover") << false << 0 << Part::Picture << true << QList<int>{0};
    }
    void undoAndRedoPutBackBytesAndPaths()
    {
        QFETCH(bool, duplo);
        QFETCH(int, slot);
        QFETCH(Part, part);
        QFETCH(bool, fileBefore);
        QFETCH(QList<int>, recording);
        open(*setA_, duplo);
        const QString path = doc_->CaminhoArquivo(slot, part);
        if (fileBefore)
            TestFiles::writeBytes(path, content(1, 5000));
        for (const int s : recording)
            doc_->RecordCardPath(s, part, fileBefore ? QStringLiteral("recorded %1").arg(s) : QString());
        const TConjunto tableBefore = doc_->Conjunto;
        QSignalSpy written(doc_.get(), &TSetDocument::cardFileWritten);

        write(slot, part, content(2, 7000));
        QCOMPARE(history_->Undo(), slot);
        QCOMPARE(QFileInfo::exists(path), fileBefore);
        if (fileBefore)
            QCOMPARE(readBytes(path), content(1, 5000));
        for (const int s : recording) {
            QCOMPARE(doc_->RecordedPath(s, part), (part == Part::Picture ? tableBefore.Elementos[s].Imagem
                                                                         : tableBefore.Elementos[s].Som));
        }
        QCOMPARE(written.count(), 2 * recording.size()); // the write, then the undo

        QCOMPARE(history_->Redo(), slot);
        QCOMPARE(readBytes(path), content(2, 7000));
        for (const int s : recording)
            QCOMPARE(doc_->RecordedPath(s, part), path);
        QVERIFY(!history_->CanRedo());
        // Nothing of the history lands in the set folder.
        QCOMPARE(QDir(setA_->path()).entryList(QDir::Files), QStringList{path.section(QLatin1Char('/'), -1)});
    }

    void stepsAreNamedAndGroupedByCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("steps");
        QTest::newRow("Paste writes picture and sound") << "Paste" << 10 << "Paste on card 10" << 1;
        QTest::newRow("on the cover") << "Insert Sound" << 0 << "Insert Sound on the cover" << 1;
        QTest::newRow("outside any command") << "" << 3 << "Change picture on card 3" << 3;
    }
    void stepsAreNamedAndGroupedByCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, slot);
        QFETCH(QString, label);
        QFETCH(int, steps);
        open(*setA_, true);
        TestFiles::writeBytes(doc_->CaminhoImagem(slot), content(1));
        {
            std::optional<CardCommand> named;
            if (!command.isEmpty())
                named.emplace(*doc_, command);
            write(slot, Part::Picture, content(2));
            write(slot, Part::Sound, content(3));
            // The same file twice in one command: one change, from the first bytes.
            write(slot, Part::Picture, content(4));
        }
        QCOMPARE(history_->UndoCount(), steps);
        QCOMPARE(history_->UndoLabel(), label);
        while (history_->CanUndo())
            history_->Undo();
        QCOMPARE(readBytes(doc_->CaminhoImagem(slot)), content(1));
        QVERIFY(!QFileInfo::exists(doc_->CaminhoSom(slot)));
    }

    void historyIsPerSetAndSurvivesSwitching()
    {
        open(*setA_, true);
        write(4, Part::Picture, content(1));
        open(*setB_, false);
        QVERIFY(!history_->CanUndo());
        write(7, Part::Sound, content(2));
        QCOMPARE(history_->UndoLabel(), QStringLiteral("Change sound on card 7"));
        open(*setA_, true);
        QCOMPARE(history_->UndoLabel(), QStringLiteral("Change picture on card 4"));
        QCOMPARE(history_->Undo(), 4);
        QVERIFY(!QFileInfo::exists(doc_->CaminhoImagem(4)));
        QCOMPARE(readBytes(setB_->filePath(QStringLiteral("S04.wav"))), content(2));
        QVERIFY(history_->CacheFolder().startsWith(cache_->path()));
    }

    void outsideChangeIsRefused_data()
    {
        QTest::addColumn<bool>("redo");
        QTest::addColumn<bool>("fileBefore");
        QTest::addColumn<QByteArray>("outside"); // empty: the file is deleted
        QTest::newRow("undo, bytes changed") << false << true << content(9, 7000);
        QTest::newRow("undo, same size changed") << false << false << content(8);
        QTest::newRow("undo, file deleted") << false << true << QByteArray();
        QTest::newRow("redo, bytes changed") << true << true << content(9);
        QTest::newRow("redo, file made where none was") << true << false << content(9);
    }
    void outsideChangeIsRefused()
    {
        QFETCH(bool, redo);
        QFETCH(bool, fileBefore);
        QFETCH(QByteArray, outside);
        open(*setA_, true);
        const QString path = doc_->CaminhoImagem(3);
        if (fileBefore)
            TestFiles::writeBytes(path, content(1));
        write(3, Part::Picture, content(2));
        if (redo)
            history_->Undo();
        if (outside.isEmpty())
            QVERIFY(QFile::remove(path));
        else
            TestFiles::writeBytes(path, outside);

        QString message;
        try {
            redo ? history_->Redo() : history_->Undo();
        } catch (const Exception& e) {
            message = e.Message();
        }
        QCOMPARE(message, QStringLiteral("The file %1 was changed outside the editor since; this step can no "
                                         "longer be %2.")
                              .arg(QDir::toNativeSeparators(path), redo ? "redone" : "undone"));
        QCOMPARE(QFileInfo::exists(path), !outside.isEmpty());
        QCOMPARE(readBytes(path), outside);
        QCOMPARE(history_->UndoCount(), redo ? 0 : 1);
        QCOMPARE(history_->RedoCount(), redo ? 1 : 0);
    }

    void damagedKeptCopyIsNeverPutBack()
    {
        open(*setA_, true);
        TestFiles::writeBytes(doc_->CaminhoImagem(3), content(1));
        write(3, Part::Picture, content(2));
        for (const QString& name : QDir(history_->CacheFolder()).entryList({QStringLiteral("*before*")}))
            TestFiles::writeBytes(history_->CacheFolder() + QLatin1Char('/') + name, content(7));
        QVERIFY(refusal().contains(QStringLiteral("is damaged")));
        QCOMPARE(readBytes(doc_->CaminhoImagem(3)), content(2));
        QCOMPARE(history_->UndoCount(), 1);
    }

    void oldestStepsAreDroppedAtTheBound_data()
    {
        QTest::addColumn<int>("maxSteps");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("kept");
        QTest::newRow("201 steps") << 200 << qint64(500) * 1024 * 1024 << 201 << 200;
        // Each step keeps two copies of 1000 bytes or so.
        QTest::newRow("size bound") << 200 << qint64(7000) << 10 << 3;
        QTest::newRow("one step past the size bound") << 200 << qint64(1000) << 3 << 0;
    }
    void oldestStepsAreDroppedAtTheBound()
    {
        QFETCH(int, maxSteps);
        QFETCH(qint64, maxBytes);
        QFETCH(int, writes);
        QFETCH(int, kept);
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->path(),
                                                     CardUndoHistory::Limits{maxSteps, maxBytes});
        open(*setA_, true);
        const QString path = doc_->CaminhoImagem(1);
        TestFiles::writeBytes(path, content(0, 1000));
        for (int n = 1; n <= writes; ++n)
            write(1, Part::Picture, content(n, 1000));
        QCOMPARE(history_->UndoCount(), kept);
        QCOMPARE(keptFileCount(history_->CacheFolder()), 2 * kept);
        while (history_->CanUndo())
            history_->Undo();
        // Back to the oldest step still kept, and no further.
        QCOMPARE(readBytes(path), content(writes - kept, 1000));
    }

    void writeWhoseOldFileCannotBeKeptIsStopped()
    {
        // A cache root that is a file: no folder can be made under it.
        const QString blocked = cache_->filePath(QStringLiteral("blocked"));
        TestFiles::writeBytes(blocked, "x");
        history_ = std::make_unique<CardUndoHistory>(*doc_, blocked);
        open(*setA_, true);
        TestFiles::writeBytes(doc_->CaminhoImagem(2), content(1));
        QVERIFY_THROWS_EXCEPTION(Exception, write(2, Part::Picture, content(2)));
        QCOMPARE(readBytes(doc_->CaminhoImagem(2)), content(1));
        QVERIFY(doc_->RecordedPath(2, Part::Picture).isEmpty());
    }

    void indexListsStepsAndNextRunRemovesThem()
    {
        open(*setA_, false);
        TestFiles::writeBytes(doc_->CaminhoSom(5), content(1));
        {
            CardCommand paste(*doc_, QStringLiteral("Paste"));
            write(5, Part::Picture, content(2));
            write(5, Part::Sound, content(3));
        }
        write(0, Part::Picture, content(4));
        history_->Undo();
        const QString folder = history_->CacheFolder();
        const std::vector<CardUndoLogEntry> log = CardUndoLog::Read(CardUndoFiles::IndexPath(folder));
        QCOMPARE(log.size(), std::size_t(2));
        QCOMPARE(log[0].label, QStringLiteral("Paste on card 5"));
        QCOMPARE(log[0].parts, (QStringList{"picture", "sound"}));
        QCOMPARE(log[0].kept.size(), 3); // no picture before, the sound before, both after
        QVERIFY(!log[0].undone && log[1].undone);
        for (const QString& name : log[0].kept)
            QVERIFY(QFileInfo::exists(folder + QLatin1Char('/') + name));

        // A run still going keeps its copies; once it ended, the next run removes them.
        CardUndoHistory::RemoveEarlierRuns(cache_->path());
        QVERIFY(QFileInfo::exists(CardUndoFiles::IndexPath(folder)));
        history_.reset();
        QVERIFY(QFileInfo::exists(CardUndoFiles::IndexPath(folder)));
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->path());
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!history_->CanUndo());
    }
};

QTEST_GUILESS_MAIN(TestCardUndo)
#include "test_cardundo.moc"
