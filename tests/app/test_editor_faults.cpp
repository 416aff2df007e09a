// Where the window and the disk drifted apart: Paste after an import that
// switched editing off, a kind switch in Properties, files changed or gone
// on disk, and inputs arriving while a long sound save runs.

#include "CardFixtures.h"
#include "EditorDriver.h"
#include "TestFiles.h"
#include "WindowControls.h"
#include "audio/WaveBytes.h"

#include "cardset/CardFileObserver.h"
#include "cardset/CardUndoHistory.h"
#include "cardset/ui/SetDialogs.h"
#include "images/TBitmap.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDirIterator>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

using namespace EditorDriver;
using DialogDriver::onModal;
using TestFiles::readBytes;

namespace {

QImage shown(TDBImage* frame)
{
    return frame->Picture().ToImage();
}

// Presses OK on every message box while it lives; counts them.
class MessageCounter {
  public:
    MessageCounter()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start();
    }
    QStringList texts;

  private:
    QTimer timer_;
};

} // namespace

class TestEditorFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<TfrmConfigurador> w;

    // The set in `set` opened as the scan opens it, on its cover page.
    void scanSet(bool duplo)
    {
        TestDocument().SetConfigConjunto(TConfigConjunto{});
        TestDocument().ChooseSet(set->path(), QString(), duplo ? 1 : 0);
        w->Document().SalvaConfig();
        w->Document().LoadSet(w->scanView());
        w->HabilitaControles();
        goToSlot(*w, 0);
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    // The state of a run has one owner, handed down from main(): no source
    // file but main.cpp names a document, copy buffer, set dialog or session
    // that lives at namespace scope or in a static.
    void noGlobalEditorState()
    {
        const QRegularExpression global(
            QStringLiteral(
                R"(^(extern\s+|static\s+)?(const\s+)?(TSetDocument|TConjunto|TConfigConjunto|TElemento|)"
                R"(EditorSession|CardUndoHistory|CommandGuard|QPointer<\w+>)\s*&?\s*\w+\s*(=|;|\{))"),
            QRegularExpression::MultilineOption);
        const QRegularExpression staticLocal(QStringLiteral(
            R"(\bstatic\s+(TSetDocument|TElemento|EditorSession|CardUndoHistory|CommandGuard)\b)"));
        const QRegularExpression current(QStringLiteral(R"(TSetDocument\s*::\s*Current\b)"));
        QStringList offenders;
        int files = 0;
        for (const char* folder : {"src", "tools"}) {
            QDirIterator it(QStringLiteral(TESSELLOR_SOURCE_DIR "/") + QLatin1String(folder),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (path.endsWith(QLatin1String("/src/app/main.cpp")))
                    continue;
                ++files;
                const QString text = QString::fromUtf8(readBytes(path));
                if (text.contains(global) || text.contains(staticLocal) || text.contains(current))
                    offenders << path;
            }
        }
        QVERIFY(files > 100);
        QCOMPARE(offenders, QStringList());
    }

    // Every menu entry and button of the window is one row of the command
    // table, and with editing off only the set, help and view commands stay on.
    void everyEntryAndButtonIsACommand()
    {
        QList<QObject*> controls;
        const std::function<void(QMenu*)> collect = [&](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (action->menu())
                    collect(action->menu());
                else if (!action->isSeparator())
                    controls << action;
            }
        };
        for (QAction* top : w->menuBar()->actions())
            collect(top->menu());
        for (QToolButton* button : ui(*w).Panel1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            controls << button;
        QStringList notCommands;
        for (QObject* control : controls) {
            int rows = 0;
            for (const CommandTable::Command& command : w->Commands().commands())
                rows += (command.entry == control) + (command.button == control);
            if (rows != 1)
                notCommands << control->objectName();
        }
        QCOMPARE(notCommands, QStringList());

        w->InibeControles();
        QStringList on;
        for (const CommandTable::Command& command : w->Commands().commands())
            // The recent sets follow the user's settings and disk, not the editing state.
            if (((command.entry && command.entry->isEnabled()) ||
                 (command.button && command.button->isEnabled())) &&
                !command.id.startsWith(QLatin1String("recent")))
                on << command.id;
        on.sort();
        QCOMPARE(on,
                 QStringList({"about", "contents", "exit", "import", "import-file", "language-de",
                              "language-en", "language-es", "language-fr", "language-none", "language-pt_BR",
                              "new", "open", "overview", "properties", "save", "word-set"}));
    }

    // An import with pictures missing switches editing off: Paste with it,
    // so that the copied card cannot land on the unseen cover.
    void pasteFollowsTheEditingState()
    {
        openSet(*w, set->path(), true);
        replacePicture(Qt::red, CaminhoImagem(1));
        RestoreImagem(1, CaminhoImagem(1));
        goToSlot(*w, 1);
        ui(*w).btnCopiar->click();
        QVERIFY(ui(*w).btnColar->isEnabled() && ui(*w).mnColar->isEnabled());

        QTemporaryDir imported;
        replacePicture(Qt::blue, imported.filePath(QStringLiteral("C00.bmp")));
        const QByteArray cover = readBytes(imported.filePath(QStringLiteral("C00.bmp")));
        DialogDriver::Watchdog watchdog;
        onModal<TfrmImportaArqs>([&](TfrmImportaArqs* d) {
            d->txtPath->setText(imported.path());
            d->btnImportar->click();
        });
        onModal<TfrmErroImporta>([](TfrmErroImporta* d) { d->btnOK->click(); });
        ui(*w).mnImportar->trigger();
        QVERIFY(!watchdog.fired());
        QVERIFY(!w->EditingEnabled());
        QVERIFY(!ui(*w).btnColar->isEnabled() && !ui(*w).mnColar->isEnabled());
        handle(*w, "paste");
        QCOMPARE(readBytes(imported.filePath(QStringLiteral("C00.bmp"))), cover);
    }

    // Properties switching a paired set to double: one question with the
    // number of cards whose picture changes; Yes reads the set again, No
    // changes nothing.
    void kindSwitchAsksAndReadsTheSetAgain_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void kindSwitchAsksAndReadsTheSetAgain()
    {
        QFETCH(bool, yes);
        for (int file = 0; file <= 20; ++file)
            replacePicture(QColor::fromHsv(file * 15, 255, 255),
                           set->filePath(QStringLiteral("C%1.bmp").arg(file, 2, 10, QLatin1Char('0'))));
        scanSet(false);
        const QByteArray config = readBytes(set->filePath(QStringLiteral("Set.cfg")));
        goToSlot(*w, 7);
        QCOMPARE(shown(ui(*w).DBImage1), picture(QColor::fromHsv(4 * 15, 255, 255)).ToImage());

        DialogDriver::Watchdog watchdog;
        QString question;
        onModal<TfPropriedades>([&](TfPropriedades* d) {
            d->CheckBox1->setChecked(true);
            onModal<QMessageBox>([&](QMessageBox* box) {
                question = box->text();
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            d->BitBtn1->click();
        });
        ui(*w).Propriedades1->trigger();
        QVERIFY(!watchdog.fired());
        QVERIFY(question.contains(QStringLiteral("changes the picture of 39 cards")));
        QCOMPARE(w->Document().IsDoubleSet(), yes);
        if (!yes) {
            QCOMPARE(readBytes(set->filePath(QStringLiteral("Set.cfg"))), config);
            QCOMPARE(Conjunto().Elementos[7].Imagem, set->filePath(QStringLiteral("C04.bmp")));
            return;
        }
        // The frames show what the overview and the disk say; a write goes
        // to the file the user sees.
        QCOMPARE(Conjunto().Elementos[7].Imagem, set->filePath(QStringLiteral("C07.bmp")));
        QVERIFY(Conjunto().Elementos[30].Imagem.isEmpty());
        goToSlot(*w, 7);
        QCOMPARE(shown(ui(*w).DBImage1), picture(QColor::fromHsv(7 * 15, 255, 255)).ToImage());
        QCOMPARE(shown(ui(*w).DBImage2), picture(QColor::fromHsv(8 * 15, 255, 255)).ToImage());
    }

    // A card file written or deleted by another program is shown again
    // within a second; the set folder gone (deleted or moved away) is said
    // once, editing goes off.
    void framesFollowTheDisk_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::newRow("deleted") << false;
        QTest::newRow("moved away") << true;
    }

    void framesFollowTheDisk()
    {
        QFETCH(bool, moved);
        replacePicture(Qt::red, set->filePath(QStringLiteral("C03.bmp")));
        replacePicture(Qt::green, set->filePath(QStringLiteral("C04.bmp")));
        scanSet(true);
        goToSlot(*w, 3);
        QCOMPARE(shown(ui(*w).DBImage1), picture(Qt::red).ToImage());

        replacePicture(Qt::blue, set->filePath(QStringLiteral("C03.bmp")));
        QTRY_COMPARE_WITH_TIMEOUT(shown(ui(*w).DBImage1), picture(Qt::blue).ToImage(), 5000);
        QFile::remove(set->filePath(QStringLiteral("C04.bmp")));
        TBitmap blank;
        blank.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        QTRY_COMPARE_WITH_TIMEOUT(shown(ui(*w).DBImage2), blank.ToImage(), 5000);
        // What Copy takes is what the frame shows.
        ui(*w).btnCopiar->click();
        QCOMPARE(ElementoCopiado().Imagem, set->filePath(QStringLiteral("C03.bmp")));

        MessageCounter boxes;
        QTemporaryDir elsewhere;
        QVERIFY(moved ? QDir().rename(set->path(), elsewhere.filePath(QStringLiteral("moved")))
                      : set->remove());
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 5000);
        QVERIFY(boxes.texts.first().startsWith(QStringLiteral("The set's folder is no longer there")));
        QVERIFY(!w->EditingEnabled());
        QTest::qWait(500);
        QCOMPARE(boxes.texts.size(), 1);
    }

    // A long sound save shows its progress and lets the window paint; a
    // Paste picture and a drop that arrive meanwhile run after it, each one
    // step of Undo, never inside it. Every write shows the wait cursor.
    void inputsDuringASaveWaitForIt()
    {
        struct CursorDuringWrites : CardFileObserver {
            QList<bool> waiting;
            void aboutToReplace(const CardFileChange&) override {}
            void replaced(const CardFileChange&) override
            {
                const QCursor* cursor = QGuiApplication::overrideCursor();
                waiting << (cursor && cursor->shape() == Qt::WaitCursor);
            }
            void replaceFailed(const CardFileChange&) override {}
        } cursors;
        QTemporaryDir source;
        openSet(*w, set->path(), true);
        replacePicture(Qt::red, CaminhoImagem(1));
        RestoreImagem(1, CaminhoImagem(1));
        replacePicture(Qt::green, CaminhoImagem(2));
        RestoreImagem(2, CaminhoImagem(2));
        const QByteArray red = readBytes(CaminhoImagem(1));
        const QByteArray green = readBytes(CaminhoImagem(2));
        goToSlot(*w, 1);
        // Three seconds of sound: three blocks, each reported to the dialog.
        const QString sound = source.filePath(QStringLiteral("long.wav"));
        TestFiles::writeBytes(sound, WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(3 * 8000 * 2, 7)));
        const QString dropped = source.filePath(QStringLiteral("blue.bmp"));
        replacePicture(Qt::blue, dropped);
        QGuiApplication::clipboard()->setImage(picture(Qt::yellow).ToImage());
        w->SetLongSaveDelay(0);

        bool progressShown = false;
        TestDocument().AddObserver(&cursors);
        dropOn(ui(*w).DBImage1, QPoint(41, 41), filesData({sound}));
        QTimer::singleShot(0, w.get(), [&] {
            // The save's progress dialog is up and the save has not ended.
            progressShown = QApplication::activeModalWidget() != nullptr && w->CommandRunning();
            ui(*w).mnPastePicture->trigger();
            dropOn(ui(*w).DBImage2, QPoint(41, 41), filesData({dropped}));
        });
        QTRY_VERIFY(readBytes(CaminhoImagem(2)) != green);
        QTRY_VERIFY(!w->CommandRunning());
        QVERIFY(progressShown);
        TestDocument().RemoveObserver(&cursors);
        // The dropped picture names its card too: four writes.
        QCOMPARE(cursors.waiting, QList<bool>({true, true, true, true}));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        const QByteArray saved = readBytes(CaminhoSom(1));
        QVERIFY(saved.contains(readBytes(sound).mid(44)));
        QCOMPARE(w->Session().UndoHistory().UndoCount(), 3);

        ui(*w).mnDesfazer->trigger();
        ui(*w).mnDesfazer->trigger();
        QCOMPARE(readBytes(CaminhoImagem(1)), red);
        QCOMPARE(readBytes(CaminhoImagem(2)), green);
        QCOMPARE(readBytes(CaminhoSom(1)), saved);
        QCOMPARE(ui(*w).mnDesfazer->text(), QStringLiteral("&Undo Drop on card 1"));
    }
};

QTEST_MAIN(TestEditorFaults)
#include "test_editor_faults.moc"
