// The commands added around the specified window: Play set, Print cards, the
// set as a file and as a web page, Recent sets, the question of Insert Text,
// and Paste after the copied card changed.

#include "EditorDriver.h"
#include "TestFiles.h"
#include "WindowControls.h"

#include "app/SetFileArgument.h"
#include "cardset/CardUndoHistory.h"
#include "cardset/SetArchive.h"
#include "cardset/ui/TfrmCadastro.h"
#include "cardset/ui/TfrmPalavras.h"
#include "game/ui/GameWindow.h"
#include "images/TBitmap.h"
#include "session/RecentSets.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

using namespace EditorDriver;
using TestFiles::readBytes;

namespace {

void savePicture(const QColor& colour, const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([&colour](QPainter& p) { p.fillRect(QRect(0, 0, 82, 82), colour); });
    bitmap.SaveBitmapFile(path);
}

// Answers the next dialog of `type` (named `name`, when given) with `answer`.
template <typename Dialog>
std::shared_ptr<QPointer<QTimer>> onNext(std::function<void(Dialog*)> answer, const QString& name = {})
{
    return std::shared_ptr<QPointer<QTimer>>(
        new QPointer<QTimer>(DialogDriver::onModal<Dialog>(answer, name)),
        [](QPointer<QTimer>* t) { DialogDriver::withdraw(*t), delete t; });
}

// The list of missing pictures that opening a set of few cards shows, closed.
auto closeMissingList()
{
    return onNext<QDialog>([](QDialog* list) { list->accept(); }, QStringLiteral("frmErroImporta"));
}

auto chooseFile(const QString& path)
{
    return onNext<QFileDialog>([path](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

class TestAddedCommands : public QObject {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<TfrmConfigurador> w;

    QAction* entry(const QString& id) const { return w->Commands().find(id)->entry; }
    QString folder(const QString& name) const { return root->path() + QLatin1Char('/') + name; }
    void newWindow()
    {
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    // A double set of two pairs (cards 1 to 4) on disk, made current.
    void makeSet(const QString& name)
    {
        QDir().mkpath(folder(name));
        openSet(*w, folder(name), true);
        TestDocument().SalvaConfig();
        for (int slot = 1; slot <= 4; ++slot)
            savePicture(QColor::fromHsv(slot * 60, 255, 255), TestDocument().CaminhoImagem(slot));
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }
    void init()
    {
        QSettings().remove(QStringLiteral("RecentSets"));
        root = std::make_unique<QTemporaryDir>();
        newWindow();
    }

    void entriesFollowTheSet()
    {
        const QStringList ids{"play", "print", "export-file", "export-web", "import-file"};
        const auto enabled = [&] {
            QStringList on;
            for (const QString& id : ids)
                if (entry(id)->isEnabled())
                    on << id;
            return on;
        };
        QCOMPARE(enabled(), QStringList{"import-file"});
        makeSet(QStringLiteral("Animals"));
        // Editing off (pictures missing) leaves the set open.
        w->InibeControles();
        QCOMPARE(enabled(), ids);
    }

    void playSetOpensTheGame_data()
    {
        QTest::addColumn<bool>("overviewShown");
        QTest::newRow("own pictures") << false;
        QTest::newRow("the overview's pictures") << true;
    }
    void playSetOpensTheGame()
    {
        QFETCH(bool, overviewShown);
        makeSet(QStringLiteral("Fruit"));
        QFile::remove(TestDocument().CaminhoImagem(4)); // pair 2 incomplete
        savePicture(Qt::cyan, TestDocument().CaminhoImagem(5));
        savePicture(Qt::magenta, TestDocument().CaminhoImagem(6));
        const auto closing = closeMissingList();
        w->openSetFolder(folder(QStringLiteral("Fruit")));
        if (overviewShown)
            entry("overview")->trigger();
        entry("play")->trigger();
        QPointer<GameWindow> game = w->findChild<GameWindow*>();
        QVERIFY(game && game->isVisible());
        QTRY_VERIFY(game->rules() != nullptr);
        QCOMPARE(game->cards().playable, (std::vector<int>{1, 3}));
        // Another set made current ends the game of the last one.
        makeSet(QStringLiteral("Other"));
        QTRY_VERIFY(!game);
    }

    void importFromFileOpensTheSet_data()
    {
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("Import set from file") << false;
        QTest::newRow("tessellor FILE.tessellor") << true;
    }
    void importFromFileOpensTheSet()
    {
        QFETCH(bool, fromCommandLine);
        makeSet(QStringLiteral("Birds"));
        const QString setFile = folder(SetArchive::ArchiveFileName(folder(QStringLiteral("Birds"))));
        SetArchive::Pack(folder(QStringLiteral("Birds")), setFile);
        QDir().mkpath(folder(QStringLiteral("Ed")));
        TestDocument().SetPastaBase(folder(QStringLiteral("Ed/")));
        w->InibeControles();
        const auto choosing = chooseFile(setFile);
        const auto closing = closeMissingList();
        if (fromCommandLine)
            QVERIFY(OpenSetFile(*w, SetFileArgument({QStringLiteral("tessellor"), setFile}).value()));
        else
            entry("import-file")->trigger();
        const QString unpacked = folder(QStringLiteral("Ed/Birds"));
        QCOMPARE(QDir::cleanPath(TestDocument().PastaConjunto()), unpacked);
        QVERIFY(w->EditingEnabled());
        QCOMPARE(readBytes(TestDocument().CaminhoImagem(3)),
                 readBytes(folder(QStringLiteral("Birds/C03.bmp"))));
        QCOMPARE(w->Session().Recent().folders().value(0), unpacked);
    }

    void newSetJoinsRecentSetsAtOnce()
    {
        TestDocument().SetPastaBase(root->path() + QLatin1Char('/'));
        const auto making = onNext<TfrmCadastro>([](TfrmCadastro* d) {
            d->txtNome->setText(QStringLiteral("Shapes"));
            d->cmdOK->click();
        });
        entry("new")->trigger();
        QCOMPARE(w->Session().Recent().folders(), QStringList{folder(QStringLiteral("Shapes"))});
    }

    // New set from word list makes the set among the others and opens it.
    void wordSetIsMadeAndOpened()
    {
        TestDocument().SetPastaBase(root->path() + QLatin1Char('/'));
        const auto making = onNext<TfrmPalavras>([](TfrmPalavras* d) {
            d->txtNome->setText(QStringLiteral("Colours"));
            d->memPalavras->setPlainText(QStringLiteral("red\nblue\n"));
            d->cmdOK->click();
        });
        // Pairs 3 to 20 are left empty on purpose: no list of missing cards.
        bool listed = false;
        const auto missing = onNext<QDialog>(
            [&listed](QDialog* list) {
                listed = true;
                list->accept();
            },
            QStringLiteral("frmErroImporta"));
        entry("word-set")->trigger();
        QVERIFY(!listed);
        QCOMPARE(w->Session().Recent().folders(), QStringList{folder(QStringLiteral("Colours"))});
        QCOMPARE(TestDocument().Conjunto().Elementos[4].Imagem, TestDocument().CaminhoImagem(4));
        QVERIFY(QFileInfo(TestDocument().CaminhoImagem(4)).isFile());
    }

    void exportTellsItsFileAndStartsWhereTheLastWent()
    {
        makeSet(QStringLiteral("Birds"));
        QDir().mkpath(folder(QStringLiteral("out")));
        const QString zip = folder(QStringLiteral("out/Birds.zip"));
        DialogDriver::Message told;
        QPointer<QTimer> telling = DialogDriver::acceptMessage(&told);
        auto choosing = chooseFile(zip);
        entry("export-file")->trigger();
        DialogDriver::withdraw(telling);
        QVERIFY2(told.text.contains(zip), qPrintable(told.text));
        QString startedIn;
        choosing = onNext<QFileDialog>([&startedIn](QFileDialog* d) {
            startedIn = d->directory().absolutePath();
            d->reject();
        });
        entry("export-file")->trigger();
        QCOMPARE(startedIn, folder(QStringLiteral("out")));
    }

    void recentSets_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("listed"); // newest first, the last one's folder then deleted
        QTest::newRow("reopened moves first") << "abca"
                                              << "acb";
        QTest::newRow("ten keep the last eight") << "abcdefghij"
                                                 << "jihgfedc";
    }
    void recentSets()
    {
        QFETCH(QString, opened);
        QFETCH(QString, listed);
        for (const QChar name : opened) {
            if (!QFileInfo::exists(folder(name)))
                makeSet(name);
            const auto closing = closeMissingList();
            w->openSetFolder(folder(name));
        }
        newWindow(); // the list outlives the run
        QStringList expected;
        for (const QChar name : listed)
            expected << folder(name);
        QCOMPARE(w->Session().Recent().folders(), expected);
        QVERIFY(QDir(expected.last()).removeRecursively());
        // Looked at when the list opens, not only at start.
        emit ui(*w).mnRecent->aboutToShow();
        for (int i = 0; i < RecentSets::Capacity; ++i) {
            QAction* action = entry(QStringLiteral("recent-%1").arg(i + 1));
            QCOMPARE(action->isVisible(), i < expected.size());
            QCOMPARE(action->isEnabled(), i < expected.size() - 1); // gone: greyed
        }
        const auto closing = closeMissingList();
        entry(QStringLiteral("recent-2"))->trigger();
        QCOMPARE(QDir::cleanPath(TestDocument().PastaConjunto()), expected[1]);
        QCOMPARE(w->Session().Recent().folders().first(), expected[1]);
        // The set written into is the one marked.
        for (int i = 0; i < RecentSets::Capacity; ++i)
            QCOMPARE(entry(QStringLiteral("recent-%1").arg(i + 1))->isChecked(), i == 0);
    }

    void textQuestion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer"); // 0: not asked
        const QString tooLong = QStringLiteral("Hippopotomonstrosesquippedaliophobia\n").repeated(8);
        QTest::newRow("fits") << "Cat" << 0;
        QTest::newRow("empty, Yes") << "" << int(QMessageBox::Yes);
        QTest::newRow("blanks, No") << "   " << int(QMessageBox::No);
        QTest::newRow("cut, Yes") << tooLong << int(QMessageBox::Yes);
        QTest::newRow("cut, No") << tooLong << int(QMessageBox::No);
    }
    void textQuestion()
    {
        QFETCH(QString, text);
        QFETCH(int, answer);
        makeSet(QStringLiteral("Words"));
        goToSlot(*w, 2);
        const QByteArray before = readBytes(TestDocument().CaminhoImagem(2));
        ui(*w).memTexto->setPlainText(text);
        int asked = 0;
        const auto answering = onNext<QMessageBox>([&](QMessageBox* box) {
            asked = answer ? answer : -1; // a box for text that fits is a fault too
            box->button(answer ? QMessageBox::StandardButton(answer) : QMessageBox::No)->click();
        });
        ui(*w).btnTexto->click();
        QCOMPARE(asked, answer);
        const bool written = answer != QMessageBox::No;
        QCOMPARE(readBytes(TestDocument().CaminhoImagem(2)) != before, written);
        QCOMPARE(w->Session().UndoHistory().UndoCount(), written ? 1 : 0);
    }

    void pasteAfterInsertImageOnTheCopiedCard()
    {
        makeSet(QStringLiteral("Shapes"));
        goToSlot(*w, 1);
        const QByteArray copied = readBytes(TestDocument().CaminhoImagem(1));
        ui(*w).btnCopiar->click();
        savePicture(Qt::black, folder(QStringLiteral("new.bmp")));
        const auto choosing = chooseFile(folder(QStringLiteral("new.bmp")));
        ui(*w).btnImagem->click();
        const QByteArray inserted = readBytes(TestDocument().CaminhoImagem(1));
        QVERIFY(inserted != copied);
        w->activateWindow(); // the offscreen platform does not give it back
        QTRY_VERIFY(w->isActiveWindow());
        goToSlot(*w, 2);
        ui(*w).btnColar->click();
        QCOMPARE(readBytes(TestDocument().CaminhoImagem(2)), inserted);
    }
};

QTEST_MAIN(TestAddedCommands)
#include "test_added_commands.moc"
