// Undo and Redo through the editor window: each card command taken back byte
// for byte with its recorded paths and done again, its card shown; the
// entries' texts and keys beside the text box's own Ctrl+Z; clicks that
// rewrite the same bytes adding no step; a set switch; a file changed from
// outside refused in the error box.

#include "CardFixtures.h"
#include "EditorDriver.h"
#include "TestFiles.h"
#include "WindowControls.h"
#include "audio/WaveBytes.h"

#include "cardset/CardUndoHistory.h"
#include "images/TBitmap.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

using namespace EditorDriver;
using TestFiles::readBytes;

namespace {

void saveSound(int first, const QString& path)
{
    TestFiles::writeBytes(path, WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(400, first)));
}

// The error box a menu entry showed, or empty.
QString errorOf(QAction* entry)
{
    DialogDriver::Message shown;
    QPointer<QTimer> waiting = DialogDriver::acceptMessage(&shown);
    entry->trigger();
    DialogDriver::withdraw(waiting);
    return shown.text;
}

// A card's two files and every slot's recorded paths.
QByteArrayList cardState(int slot)
{
    QByteArrayList state{readBytes(CaminhoImagem(slot)), readBytes(CaminhoSom(slot))};
    for (const TElemento& e : Conjunto().Elementos)
        state << e.Imagem.toUtf8() << e.Som.toUtf8();
    return state;
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

    // A set folder of its own for each test: the sessions of earlier tests
    // stay alive and keep their runs' Undo folders of their sets locked.
    struct FreshDir {
        std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
        QString path() const { return dir->path(); }
        QString filePath(const QString& name) const { return dir->filePath(name); }
    } set;
    QTemporaryDir source;
    std::unique_ptr<TfrmConfigurador> w;
    QPointer<QTimer> waiting;

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        set.dir = std::make_unique<QTemporaryDir>();
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup()
    {
        DialogDriver::withdraw(waiting);
        w.reset();
    }

    void eachCommandUndoneAndRedone_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("duplo");
        QTest::addColumn<int>("slot"); // the card the command writes
        QTest::addColumn<bool>("filesBefore");
        QTest::addColumn<QString>("label");
        QTest::newRow("Insert image") << "image" << true << 3 << true << "Insert image on card 3";
        QTest::newRow("Insert image, paired, none before")
            << "image" << false << 6 << false << "Insert image on card 6";
        QTest::newRow("Insert Text") << "text" << false << 0 << true << "Insert Text on the cover";
        QTest::newRow("Duplicate") << "duplicate" << true << 6 << false << "Duplicate Imagem on card 6";
        QTest::newRow("Insert Sound") << "sound" << false << 9 << true << "Insert Sound on card 9";
        QTest::newRow("Paste over both") << "paste" << true << 10 << true << "Paste on card 10";
        QTest::newRow("Paste, paired, none before") << "paste" << false << 10 << false << "Paste on card 10";
    }
    void eachCommandUndoneAndRedone()
    {
        QFETCH(QString, command);
        QFETCH(bool, duplo);
        QFETCH(int, slot);
        QFETCH(bool, filesBefore);
        QFETCH(QString, label);
        openSet(*w, set.path(), duplo);
        if (filesBefore) {
            savePicture(Qt::red, CaminhoImagem(slot));
            RestoreImagem(slot, CaminhoImagem(slot));
            saveSound(3, CaminhoSom(slot));
            RestoreSom(slot, CaminhoSom(slot));
        }
        // The card copied, or duplicated on its page.
        const int other = command == QLatin1String("duplicate") ? 5 : 1;
        savePicture(Qt::green, CaminhoImagem(other));
        RestoreImagem(other, CaminhoImagem(other));
        saveSound(80, CaminhoSom(other));
        goToSlot(*w, other);
        handle(*w, "copy");
        if (command != QLatin1String("duplicate"))
            goToSlot(*w, slot);
        const QByteArrayList before = cardState(slot);

        const QString chosen = source.filePath(command == QLatin1String("sound") ? "tone.wav" : "blue.bmp");
        command == QLatin1String("sound") ? saveSound(40, chosen) : savePicture(Qt::blue, chosen);
        waiting = DialogDriver::onModal<QFileDialog>([chosen](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        ui(*w).memTexto->setPlainText(QStringLiteral("apple"));
        const QHash<QString, QAbstractButton*> buttons{{"image", ui(*w).btnImagem},
                                                       {"sound", ui(*w).btnSom},
                                                       {"text", ui(*w).btnTexto},
                                                       {"duplicate", ui(*w).btnDuplicar},
                                                       {"paste", ui(*w).btnColar}};
        buttons[command]->click();
        const QByteArrayList after = cardState(slot);
        QVERIFY(after != before);
        QCOMPARE(ui(*w).mnDesfazer->text(), QStringLiteral("&Undo ") + label);

        // Each undone and redone from another page: the card is shown again.
        for (const bool undo : {true, false}) {
            w->btnAnteriorClick();
            QCOMPARE(errorOf(undo ? ui(*w).mnDesfazer : ui(*w).mnRefazer), QString());
            QCOMPARE(cardState(slot), undo ? before : after);
            QCOMPARE(QFileInfo::exists(CaminhoImagem(slot)), !(undo ? before : after)[0].isEmpty());
            QCOMPARE(w->CurrentSlot(), slot);
            TBitmap shown;
            shown.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
            if (QFileInfo::exists(CaminhoImagem(slot)))
                shown.LoadBitmapFile(CaminhoImagem(slot));
            QCOMPARE(w->CurrentFrame()->Picture().ToImage(), shown.ToImage());
            QCOMPARE(ui(*w).mnDesfazer->isEnabled(), !undo);
            QCOMPARE(ui(*w).mnRefazer->text(),
                     undo ? QStringLiteral("R&edo ") + label : QStringLiteral("R&edo"));
        }
    }

    void entriesAndKeys()
    {
        QCOMPARE(ui(*w).mnDesfazer->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z)});
        QCOMPARE(ui(*w).mnRefazer->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        openSet(*w, set.path(), true);
        QVERIFY(!ui(*w).mnDesfazer->isEnabled() && !ui(*w).mnRefazer->isEnabled());
        goToSlot(*w, 4);
        ui(*w).memTexto->setPlainText(QStringLiteral("Cat"));
        ui(*w).btnTexto->click();
        const QByteArray written = readBytes(CaminhoImagem(4));

        // In the text box the keys undo and redo the typing, not the card.
        ui(*w).memTexto->setFocus();
        ui(*w).memTexto->moveCursor(QTextCursor::End);
        QTest::keyClicks(ui(*w).memTexto, QStringLiteral("s"));
        QTest::keyClick(ui(*w).memTexto, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui(*w).memTexto->toPlainText(), QStringLiteral("Cat"));
        QCOMPARE(readBytes(CaminhoImagem(4)), written);
        ui(*w).DBImage2->setFocus();
        QTest::keyClick(ui(*w).DBImage2, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!QFileInfo::exists(CaminhoImagem(4)));
        ui(*w).memTexto->setFocus();
        QTest::keyClick(ui(*w).memTexto, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(ui(*w).memTexto, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w->Session().UndoHistory().RedoCount(), 1);
        // On a card frame they are the window's.
        ui(*w).DBImage2->setFocus();
        QTest::keyClick(ui(*w).DBImage2, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(readBytes(CaminhoImagem(4)), written);
        QTest::keyClick(ui(*w).DBImage2, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(ui(*w).DBImage2, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(readBytes(CaminhoImagem(4)), written);
        w->InibeControles();
        QVERIFY(!ui(*w).mnDesfazer->isEnabled());
    }

    void clicksThatChangeNothingAddNoStep()
    {
        // A paired set: card 7's frames both show the pair's one file.
        openSet(*w, set.path(), false);
        goToSlot(*w, 7);
        ui(*w).memTexto->setPlainText(QStringLiteral("Owl"));
        for (int click = 0; click < 20; ++click)
            ui(*w).btnTexto->click();
        const QByteArray written = readBytes(CaminhoImagem(7));
        ui(*w).btnDuplicar->click();
        QCOMPARE(readBytes(CaminhoImagem(7)), written);
        QCOMPARE(w->Session().UndoHistory().UndoCount(), 1);
        QCOMPARE(errorOf(ui(*w).mnDesfazer), QString());
        QVERIFY(!QFileInfo::exists(CaminhoImagem(7)));
    }

    void historyFollowsTheSetAndRefusesOutsideChanges()
    {
        QTemporaryDir other;
        openSet(*w, set.path(), true);
        goToSlot(*w, 3);
        ui(*w).memTexto->setPlainText(QStringLiteral("Owl"));
        ui(*w).btnTexto->click();
        openSet(*w, other.path(), false);
        QCOMPARE(ui(*w).mnDesfazer->text(), QStringLiteral("&Undo"));
        openSet(*w, set.path(), true);
        QCOMPARE(ui(*w).mnDesfazer->text(), QStringLiteral("&Undo Insert Text on card 3"));
        TestFiles::writeBytes(CaminhoImagem(3), "changed");
        QCOMPARE(
            errorOf(ui(*w).mnDesfazer),
            QStringLiteral("The file %1 was changed outside the editor since; this step can no longer be "
                           "undone.")
                .arg(QDir::toNativeSeparators(CaminhoImagem(3))));
        QCOMPARE(readBytes(CaminhoImagem(3)), QByteArray("changed"));
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
