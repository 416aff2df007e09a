// The undo history's own rules (the commands are undone through the window in
// tests/app/test_undo.cpp): steps grouped and named by command, files changed
// from outside or damaged copies refused, the bounds, a write whose old file
// cannot be kept, and the next run removing an ended run's copies.

#include "TestFiles.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"
#include "common/Exception.h"

#include <QDir>
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

} // namespace

class TestCardUndo : public QObject {
    Q_OBJECT

    QTemporaryDir set_;
    std::unique_ptr<QTemporaryDir> cache_;
    std::unique_ptr<TSetDocument> doc_;
    std::unique_ptr<CardUndoHistory> history_;

    void start(CardUndoHistory::Limits limits = {})
    {
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->path(), limits);
    }
    void write(int slot, Part part, const QByteArray& bytes)
    {
        doc_->ReplaceCardFile(slot, part,
                              [&bytes](const QString& path) { TestFiles::writeBytes(path, bytes); });
    }
    QString errorOf(const std::function<void()>& step)
    {
        try {
            step();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString();
    }

  private Q_SLOTS:
    void init()
    {
        for (const QString& name : QDir(set_.path()).entryList(QDir::Files))
            QFile::remove(set_.filePath(name));
        cache_ = std::make_unique<QTemporaryDir>();
        doc_ = std::make_unique<TSetDocument>();
        doc_->PastaConjunto = set_.path() + QLatin1Char('/');
        doc_->ConfigConjunto.Duplo = 1;
        start();
    }
    void cleanup() { history_.reset(); }

    void stepsAreGroupedAndNamedByCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("steps");
        QTest::newRow("Paste: picture, sound, picture again") << "Paste" << 10 << "Paste on card 10" << 1;
        QTest::newRow("on the cover") << "Insert Sound" << 0 << "Insert Sound on the cover" << 1;
        QTest::newRow("outside any command") << "" << 3 << "Change picture on card 3" << 3;
    }
    void stepsAreGroupedAndNamedByCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, slot);
        QFETCH(QString, label);
        QFETCH(int, steps);
        TestFiles::writeBytes(doc_->CaminhoImagem(slot), content(1));
        {
            std::optional<CardCommand> named;
            if (!command.isEmpty())
                named.emplace(*doc_, command);
            write(slot, Part::Picture, content(2));
            write(slot, Part::Sound, content(3));
            write(slot, Part::Picture, content(4));
        }
        QCOMPARE(history_->UndoCount(), steps);
        QCOMPARE(history_->UndoLabel(), label);
        while (history_->CanUndo())
            history_->Undo();
        QCOMPARE(readBytes(doc_->CaminhoImagem(slot)), content(1));
        QVERIFY(!QFileInfo::exists(doc_->CaminhoSom(slot)));
    }

    void changedFilesAreNeverOverwritten_data()
    {
        QTest::addColumn<bool>("redo");
        QTest::addColumn<bool>("fileBefore");
        QTest::addColumn<QByteArray>("outside"); // empty: the file deleted; "kept": the kept copy damaged
        QTest::addColumn<QString>("error");
        const QString changed =
            "The file %1 was changed outside the editor since; this step can no longer be %2.";
        QTest::newRow("undo, same size") << false << false << content(8) << changed.arg("%1", "undone");
        QTest::newRow("undo, deleted") << false << true << QByteArray() << changed.arg("%1", "undone");
        QTest::newRow("redo, changed") << true << true << content(9, 99) << changed.arg("%1", "redone");
        QTest::newRow("redo, made where none was")
            << true << false << content(9) << changed.arg("%1", "redone");
        QTest::newRow("undo, kept copy damaged")
            << false << true << QByteArray("kept") << "is damaged; %1 was left as it is.";
    }
    void changedFilesAreNeverOverwritten()
    {
        QFETCH(bool, redo);
        QFETCH(bool, fileBefore);
        QFETCH(QByteArray, outside);
        QFETCH(QString, error);
        const QString path = doc_->CaminhoImagem(3);
        if (fileBefore)
            TestFiles::writeBytes(path, content(1));
        write(3, Part::Picture, content(2));
        if (redo)
            history_->Undo();
        const QByteArray expected = outside == "kept" ? content(2) : outside;
        if (outside == "kept") {
            for (const QString& name : QDir(history_->CacheFolder()).entryList({"*before*"}))
                TestFiles::writeBytes(history_->CacheFolder() + QLatin1Char('/') + name, content(7));
        } else if (outside.isEmpty()) {
            QVERIFY(QFile::remove(path));
        } else {
            TestFiles::writeBytes(path, outside);
        }
        const QString shown = errorOf([&] { redo ? history_->Redo() : history_->Undo(); });
        QVERIFY2(shown.contains(error.arg(QDir::toNativeSeparators(path))), qPrintable(shown));
        QCOMPARE(readBytes(path), expected);
        QCOMPARE(history_->UndoCount() + history_->RedoCount(), 1);
    }

    void oldestStepsAreDroppedAtTheBound_data()
    {
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("kept");
        QTest::newRow("201 steps") << qint64(500) * 1024 * 1024 << 201 << 200;
        // Each step keeps two copies of some 1000 bytes.
        QTest::newRow("size bound") << qint64(7000) << 10 << 3;
        QTest::newRow("one step past the size bound") << qint64(1000) << 3 << 0;
    }
    void oldestStepsAreDroppedAtTheBound()
    {
        QFETCH(qint64, maxBytes);
        QFETCH(int, writes);
        QFETCH(int, kept);
        start({200, maxBytes});
        const QString path = doc_->CaminhoImagem(1);
        TestFiles::writeBytes(path, content(0, 1000));
        for (int n = 1; n <= writes; ++n)
            write(1, Part::Picture, content(n, 1000));
        QCOMPARE(history_->UndoCount(), kept);
        QCOMPARE(QDir(history_->CacheFolder()).entryList({"*.bmp"}).size(), 2 * kept);
        while (history_->CanUndo())
            history_->Undo();
        QCOMPARE(readBytes(path), content(writes - kept, 1000));
    }

    void writeWhoseOldFileCannotBeKeptGoesAheadWithoutAStep()
    {
        // A cache root that is a file: no folder can be made under it.
        TestFiles::writeBytes(cache_->filePath("blocked"), "x");
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->filePath("blocked"));
        TestFiles::writeBytes(doc_->CaminhoImagem(2), content(1));
        QCOMPARE(errorOf([&] { write(2, Part::Picture, content(2)); }), QString());
        QCOMPARE(readBytes(doc_->CaminhoImagem(2)), content(2));
        QCOMPARE(doc_->RecordedPath(2, Part::Picture), doc_->CaminhoImagem(2));
        QVERIFY(!history_->CanUndo());
    }

    void nextRunRemovesAnEndedRunsCopies()
    {
        write(5, Part::Sound, content(1));
        const QString folder = history_->CacheFolder();
        CardUndoHistory::RemoveEarlierRuns(cache_->path()); // this run still going
        QVERIFY(QFileInfo::exists(CardUndoFiles::IndexPath(folder)));
        history_.reset(); // the listing outlives the run
        QVERIFY(QFileInfo::exists(CardUndoFiles::IndexPath(folder)));
        start();
        QVERIFY(!QFileInfo::exists(folder));
    }
};

QTEST_GUILESS_MAIN(TestCardUndo)
#include "test_cardundo.moc"
