// The undo history's own rules (the commands are undone through the window in
// tests/app/test_undo.cpp): steps grouped and named by command, writes that
// change nothing left out, files changed from outside or damaged copies
// refused and dropped, the bounds, a write whose old file cannot be kept, the
// steps of ended runs offered while they fit, and editors running at once
// (one of them a process of its own) keeping to their own folders.

#include "TestFiles.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"
#include "cardset/CardUndoLog.h"
#include "common/Exception.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>
#include <memory>
#include <string>
#include <sys/stat.h>

using Part = TSetDocument::CardPart;
using TestFiles::readBytes;

namespace {

QByteArray content(int n, int size = 64)
{
    return QByteArray(size, static_cast<char>('a' + n % 26)) + QByteArray::number(n);
}

QString keptName(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()) + ".bmp";
}

// An editor run of this process told apart from the others by its start.
CardUndoRun runNumber(int start)
{
    return CardUndoRun{CardUndoRun::Current().pid, start};
}

// The other editor of editorsRunningAtOnce, a process of its own: it writes
// card 1's picture, then undoes it when told, and ends with its input.
int runOtherEditor(const QString& cacheRoot, const QString& setFolder)
{
    TSetDocument doc;
    doc.ChooseSet(setFolder + QLatin1Char('/'), QString(), 1);
    CardUndoHistory history(doc, cacheRoot);
    doc.ReplaceCardFile(1, Part::Picture,
                        [](const QString& path) { TestFiles::writeBytes(path, content(2)); });
    std::cout << "written" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        try {
            history.Undo();
            std::cout << "undone" << std::endl;
        } catch (const Exception& e) {
            std::cout << e.what() << std::endl;
        }
    }
    return 0;
}

} // namespace

class TestCardUndo : public QObject {
    Q_OBJECT

    QTemporaryDir set_;
    std::unique_ptr<QTemporaryDir> cache_;
    std::unique_ptr<TSetDocument> doc_;
    std::unique_ptr<CardUndoHistory> history_;

    void start(CardUndoHistory::Limits limits = {}, CardUndoRun run = CardUndoRun::Current())
    {
        history_.reset(); // the run's folder is free again
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->path(), limits, run);
    }
    std::unique_ptr<CardUndoHistory> editor(int start)
    {
        return std::make_unique<CardUndoHistory>(*doc_, cache_->path(), CardUndoHistory::Limits(),
                                                 runNumber(start));
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
        doc_->ChooseSet(set_.path() + QLatin1Char('/'), QString(), 1);
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
        write(4, Part::Picture, content(5)); // an older step, on another file
        if (fileBefore)
            TestFiles::writeBytes(path, content(1));
        write(3, Part::Picture, content(2));
        if (redo)
            history_->Undo();
        const QByteArray expected = outside == "kept" ? content(2) : outside;
        if (outside == "kept")
            TestFiles::writeBytes(history_->CacheFolder() + QLatin1Char('/') + keptName(content(1)),
                                  content(7));
        else if (outside.isEmpty())
            QVERIFY(QFile::remove(path));
        else
            TestFiles::writeBytes(path, outside);
        const QString shown = errorOf([&] { redo ? history_->Redo() : history_->Undo(); });
        QVERIFY2(shown.contains(error.arg(QDir::toNativeSeparators(path))), qPrintable(shown));
        QCOMPARE(readBytes(path), expected);
        // The refused step is gone; the one before it is still in reach.
        QCOMPARE(history_->RedoCount(), 0);
        QCOMPARE(history_->UndoCount(), 1);
        QCOMPARE(errorOf([&] { history_->Undo(); }), QString());
        QVERIFY(!QFileInfo::exists(doc_->CaminhoImagem(4)));
        QCOMPARE(readBytes(path), expected);
    }

    void oldestStepsAreDroppedAtTheBound_data()
    {
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("kept");
        QTest::newRow("201 steps") << qint64(500) * 1024 * 1024 << 201 << 200;
        // Each step keeps two copies of some 1000 bytes, one shared with the step before.
        QTest::newRow("size bound") << qint64(7000) << 10 << 5;
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
        QCOMPARE(QDir(history_->CacheFolder()).entryList({"*.bmp"}).size(), kept ? kept + 1 : 0);
        while (history_->CanUndo())
            history_->Undo();
        QCOMPARE(readBytes(path), content(writes - kept, 1000));
    }

    void writeWhoseOldFileCannotBeKeptGoesAheadWithoutAStep()
    {
        // A cache root that is a file: no folder can be made under it.
        TestFiles::writeBytes(cache_->filePath("blocked"), "x");
        history_.reset();
        history_ = std::make_unique<CardUndoHistory>(*doc_, cache_->filePath("blocked"));
        TestFiles::writeBytes(doc_->CaminhoImagem(2), content(1));
        QCOMPARE(errorOf([&] { write(2, Part::Picture, content(2)); }), QString());
        QCOMPARE(readBytes(doc_->CaminhoImagem(2)), content(2));
        QCOMPARE(doc_->RecordedPath(2, Part::Picture), doc_->CaminhoImagem(2));
        QVERIFY(!history_->CanUndo());
    }

    void writesThatChangeNothingMakeNoStep_data()
    {
        QTest::addColumn<bool>("fileBefore");   // content(1)
        QTest::addColumn<QList<int>>("writes"); // content(n) each, all in one command when inCommand
        QTest::addColumn<bool>("inCommand");
        QTest::addColumn<int>("steps");
        QTest::newRow("twenty clicks writing the same") << false << QList<int>(20, 2) << false << 1;
        QTest::newRow("the bytes the file holds") << true << QList<int>{1} << false << 0;
        QTest::newRow("a command that puts the file back") << true << QList<int>{2, 3, 1} << true << 0;
        QTest::newRow("a command that changes it") << true << QList<int>{1, 2} << true << 1;
    }
    void writesThatChangeNothingMakeNoStep()
    {
        QFETCH(bool, fileBefore);
        QFETCH(QList<int>, writes);
        QFETCH(bool, inCommand);
        QFETCH(int, steps);
        if (fileBefore) {
            TestFiles::writeBytes(doc_->CaminhoImagem(6), content(1));
            doc_->RecordCardPath(6, Part::Picture, doc_->CaminhoImagem(6));
        }
        write(5, Part::Picture, content(9)); // the step before, kept whatever follows
        {
            std::optional<CardCommand> command;
            if (inCommand)
                command.emplace(*doc_, QStringLiteral("Duplicate"));
            for (const int n : writes)
                write(6, Part::Picture, content(n));
        }
        QCOMPARE(history_->UndoCount(), 1 + steps);
        // No copy is kept for what was left out.
        QCOMPARE(QDir(history_->CacheFolder()).entryList({"*.bmp"}).size(), 1 + steps * (fileBefore ? 2 : 1));
        history_->Undo();
        QCOMPARE(readBytes(doc_->CaminhoImagem(6)), fileBefore ? content(1) : QByteArray());
    }

    void stepsOfEndedRunsAreOfferedWhileTheFilesFit_data()
    {
        QTest::addColumn<int>("changedSlot"); // changed outside between the runs, or -1
        QTest::addColumn<QString>("first");   // the first editor: ended, running, or running without its lock
        QTest::addColumn<int>("offered");
        QTest::newRow("unchanged") << -1 << "ended" << 2;
        QTest::newRow("the newest step's file changed") << 2 << "ended" << 0;
        QTest::newRow("the oldest step's file changed") << 1 << "ended" << 1;
        QTest::newRow("the first editor still running") << -1 << "running" << 0;
        QTest::newRow("a running editor's folder, its lock lost") << -1 << "unlocked" << 0;
    }
    void stepsOfEndedRunsAreOfferedWhileTheFilesFit()
    {
        QFETCH(int, changedSlot);
        QFETCH(QString, first);
        QFETCH(int, offered);
        TestFiles::writeBytes(doc_->CaminhoImagem(1), content(1));
        start({}, runNumber(1));
        write(1, Part::Picture, content(2));
        write(2, Part::Picture, content(3));
        std::unique_ptr<CardUndoHistory> running = std::move(history_);
        const QString folder = running->CacheFolder();
        // This process's own run stands for a live editor whose lock file is gone.
        const QString unlocked = QFileInfo(folder).path() + QLatin1Char('/') + CardUndoRun::Current().Name();
        if (first != QLatin1String("running"))
            running.reset();
        if (first == QLatin1String("unlocked"))
            QVERIFY(QDir().rename(folder, unlocked));
        if (changedSlot >= 0)
            TestFiles::writeBytes(doc_->CaminhoImagem(changedSlot), content(8));
        const QByteArrayList onDisk{readBytes(doc_->CaminhoImagem(1)), readBytes(doc_->CaminhoImagem(2))};
        start({}, runNumber(2));
        QCOMPARE(history_->UndoCount(), offered);
        for (int step = 0; step < offered; ++step)
            QCOMPARE(errorOf([&] { history_->Undo(); }), QString());
        // What the steps taken back left, and nothing else touched.
        const QByteArrayList expected{offered == 2 ? content(1) : onDisk[0],
                                      offered ? QByteArray() : onDisk[1]};
        QCOMPARE((QByteArrayList{readBytes(doc_->CaminhoImagem(1)), readBytes(doc_->CaminhoImagem(2))}),
                 expected);
        if (running) {
            // A running editor's steps stay its own.
            QCOMPARE(running->UndoCount(), 2);
            running->Undo();
            QVERIFY(!QFileInfo::exists(doc_->CaminhoImagem(2)));
        } else if (first == QLatin1String("unlocked")) {
            QVERIFY(QFileInfo::exists(CardUndoFiles::IndexPath(unlocked)));
        } else {
            // The ended run's folder went with the take-over; its steps keep its name.
            QCOMPARE(
                QDir(QFileInfo(history_->CacheFolder()).path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                QStringList{runNumber(2).Name()});
        }
    }

    void byteBoundHoldsOverAllSetsAndRuns()
    {
        // Each copy some 1000 bytes: four fit.
        QTemporaryDir other;
        const QString main = doc_->PastaConjunto();
        doc_->SetPastaConjunto(other.path() + QLatin1Char('/'));
        start({200, 4500}, runNumber(1));
        write(1, Part::Picture, content(1, 1000));
        write(2, Part::Picture, content(2, 1000));
        const QString endedFolder = history_->CacheFolder();
        doc_->SetPastaConjunto(main);
        start({200, 4500}, runNumber(2)); // with an ended run of the other set, two copies
        for (int n = 3; n <= 5; ++n)
            write(n, Part::Picture, content(n, 1000));
        QVERIFY(!QFileInfo::exists(endedFolder)); // it went first
        QCOMPARE(history_->UndoCount(), 3);
        doc_->SetPastaConjunto(other.path() + QLatin1Char('/'));
        write(6, Part::Picture, content(6, 1000));
        write(7, Part::Picture, content(7, 1000));
        QCOMPARE(history_->UndoCount(), 2);
        doc_->SetPastaConjunto(main);
        QCOMPARE(history_->UndoCount(), 2); // the oldest of all sets went
        history_->Undo();
        QVERIFY(!QFileInfo::exists(doc_->CaminhoImagem(5)));
    }

    // What is planted in the cache is neither followed, emptied nor waited
    // on, and is reported once.
    void plantedEntriesAreLeftAlone_data()
    {
        QTest::addColumn<QString>("planted"); // SET: this set's cache folder
        QTest::addColumn<QString>("kind");
        const QString ended = QStringLiteral("SET/9999999-1700000000000");
        QTest::newRow("a set's folder linked out") << QString("evil") << QString("folder link");
        QTest::newRow("this set's folder linked out") << QString("SET") << QString("folder link");
        QTest::newRow("ended run linked out") << ended << QString("folder link");
        QTest::newRow("index a pipe") << ended + "/history.log" << QString("pipe");
        QTest::newRow("index linked to a pipe") << ended + "/history.log" << QString("pipe link");
        QTest::newRow("lock a pipe") << ended + "/run.lock" << QString("pipe");
    }
    void plantedEntriesAreLeftAlone()
    {
        QFETCH(QString, planted);
        QFETCH(QString, kind);
        history_.reset();
        QTemporaryDir outside;
        TestFiles::writeBytes(outside.filePath("keep.bmp"), content(1));
        QVERIFY(::mkfifo(QFile::encodeName(outside.filePath("pipe")).constData(), 0600) == 0);
        const QString set = CardUndoFiles::SetCacheFolder(cache_->path(), set_.path());
        const QString path =
            planted.startsWith("SET") ? set + planted.mid(3) : cache_->path() + '/' + planted;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (kind == "pipe")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(QFile::link(kind == "pipe link" ? outside.filePath("pipe") : outside.path(), path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("undo cache holds .*left alone"));
        start();
        QTest::failOnWarning(QRegularExpression("undo cache holds"));
        start();
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files | QDir::System),
                 QStringList({"keep.bmp", "pipe"}));
        QCOMPARE(readBytes(outside.filePath("keep.bmp")), content(1));
        QVERIFY(QFileInfo(path).isSymLink() || QFileInfo::exists(path));
    }

    void ownIndexLinkedOutIsNotFollowed()
    {
        start({}, runNumber(1));
        QTemporaryDir outside;
        TestFiles::writeBytes(outside.filePath("keep.bmp"), content(1));
        const QString index = CardUndoFiles::IndexPath(
            CardUndoFiles::SetCacheFolder(cache_->path(), set_.path()) + '/' + runNumber(1).Name());
        QFile::remove(index);
        QVERIFY(QFile::link(outside.filePath("keep.bmp"), index));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("undo cache holds .*left alone"));
        write(2, Part::Picture, content(3));
        QCOMPARE(readBytes(outside.filePath("keep.bmp")), content(1));
        QVERIFY(QFileInfo(index).isSymLink());
    }

    void editorsRunningAtOnce()
    {
        // Another process edits the set, and this one as well.
        TestFiles::writeBytes(doc_->CaminhoImagem(1), content(1));
        TestFiles::writeBytes(doc_->CaminhoImagem(2), content(4));
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {"--editor", cache_->path(), set_.path()});
        QVERIFY(other.waitForReadyRead(30000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("written"));
        start({}, runNumber(1));
        write(2, Part::Picture, content(3));
        // A third editor starts and ends while both run: neither loses a step.
        editor(2).reset();
        other.write("undo\n");
        QVERIFY(other.waitForReadyRead(30000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("undone"));
        QCOMPARE(readBytes(doc_->CaminhoImagem(1)), content(1));
        // The other ends, and a fourth starts and ends.
        other.closeWriteChannel();
        QVERIFY(other.waitForFinished(30000));
        editor(3).reset();
        QCOMPARE(errorOf([&] { history_->Undo(); }), QString());
        QCOMPARE(readBytes(doc_->CaminhoImagem(2)), content(4));
        // Each kept its own index: this one has its step, undone.
        QCOMPARE(CardUndoLog::Read(CardUndoFiles::IndexPath(history_->CacheFolder())).undone.size(), 1u);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--editor")
        return runOtherEditor(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestCardUndo test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_cardundo.moc"
