// Undo and Redo through the editor window: each card command taken back byte
// for byte with its recorded paths and done again, the card shown, the
// entries' texts and keys, the text box's own Ctrl+Z, a set switch, and a
// file changed from outside refused.

#include "EditorDriver.h"
#include "TestFiles.h"
#include "audio/WaveBytes.h"

#include "cardset/CardUndoHistory.h"
#include "cardset/CopyBuffer.h"
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

TBitmap picture(const QColor& colour)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([&colour](QPainter& p) { p.fillRect(QRect(5, 5, 50, 30), colour); });
    return bitmap;
}

QByteArray wave(int first)
{
    return WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(400, first));
}

QImage shownFor(const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    if (QFileInfo::exists(path))
        bitmap.LoadBitmapFile(path);
    return bitmap.ToImage();
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

struct Snapshot {
    QByteArray picture;
    QByteArray sound;
    QStringList recorded;
};

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        ElementoCopiado = TElemento{};
        set = std::make_unique<QTemporaryDir>();
        source = std::make_unique<QTemporaryDir>();
        w = std::make_unique<TfrmConfigurador>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup()
    {
        DialogDriver::withdraw(waiting);
        w.reset();
    }

    void eachCommandUndoneAndRedone_data();
    void eachCommandUndoneAndRedone();
    void entriesAndKeys();
    void historyFollowsTheSet();
    void outsideChangeIsRefused();

  private:
    Snapshot snapshot(int slot) const
    {
        Snapshot s{readBytes(CaminhoImagem(slot)), readBytes(CaminhoSom(slot)), {}};
        for (const TElemento& e : Conjunto.Elementos)
            s.recorded << e.Imagem << e.Som;
        return s;
    }
    void choose(const QString& path)
    {
        waiting = DialogDriver::onModal<QFileDialog>([path](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    }
    void compare(const Snapshot& a, const Snapshot& b)
    {
        QCOMPARE(a.picture, b.picture);
        QCOMPARE(a.sound, b.sound);
        QCOMPARE(a.recorded, b.recorded);
    }

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<QTemporaryDir> source;
    std::unique_ptr<TfrmConfigurador> w;
    QPointer<QTimer> waiting;
};

void TestUndo::eachCommandUndoneAndRedone_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("duplo");
    QTest::addColumn<int>("slot"); // the card the command writes
    QTest::addColumn<bool>("filesBefore");
    QTest::addColumn<QString>("label");
    QTest::newRow("Insert image over a picture") << "image" << true << 3 << true << "Insert image on card 3";
    QTest::newRow("Insert image, paired, none before")
        << "image" << false << 6 << false << "Insert image on card 6";
    QTest::newRow("Insert Text") << "text" << false << 0 << true << "Insert Text on the cover";
    QTest::newRow("Duplicate") << "duplicate" << true << 6 << false << "Duplicate Imagem on card 6";
    QTest::newRow("Insert Sound over a sound") << "sound" << false << 9 << true << "Insert Sound on card 9";
    QTest::newRow("Insert Sound on the cover")
        << "sound" << true << 0 << false << "Insert Sound on the cover";
    QTest::newRow("Paste over both") << "paste" << true << 10 << true << "Paste on card 10";
    QTest::newRow("Paste, paired, none before") << "paste" << false << 10 << false << "Paste on card 10";
}

void TestUndo::eachCommandUndoneAndRedone()
{
    QFETCH(QString, command);
    QFETCH(bool, duplo);
    QFETCH(int, slot);
    QFETCH(bool, filesBefore);
    QFETCH(QString, label);
    openSet(*w, set->path(), duplo);
    if (filesBefore) {
        picture(Qt::red).SaveBitmapFile(CaminhoImagem(slot));
        TestFiles::writeBytes(CaminhoSom(slot), wave(3));
        Conjunto.Elementos[slot].Imagem = CaminhoImagem(slot);
        Conjunto.Elementos[slot].Som = CaminhoSom(slot);
    }
    const QString sourcePicture = source->filePath(QStringLiteral("blue.bmp"));
    picture(Qt::blue).SaveBitmapFile(sourcePicture);
    const QString sourceSound = source->filePath(QStringLiteral("tone.wav"));
    TestFiles::writeBytes(sourceSound, wave(40));
    if (command == QLatin1String("paste")) {
        goToSlot(*w, 1);
        picture(Qt::green).SaveBitmapFile(CaminhoImagem(1));
        TestFiles::writeBytes(CaminhoSom(1), wave(80));
        w->btnCopiarClick();
    }
    if (command == QLatin1String("duplicate")) {
        picture(Qt::green).SaveBitmapFile(CaminhoImagem(5));
        Conjunto.Elementos[5].Imagem = CaminhoImagem(5);
        goToSlot(*w, 5);
        w->InicImages();
    } else {
        goToSlot(*w, slot);
    }
    const Snapshot before = snapshot(slot);

    QAbstractButton* button = w->btnImagem;
    if (command == QLatin1String("image"))
        choose(sourcePicture);
    if (command == QLatin1String("sound")) {
        choose(sourceSound);
        button = w->btnSom;
    }
    if (command == QLatin1String("text")) {
        w->memTexto->setPlainText(QStringLiteral("apple"));
        button = w->btnTexto;
    }
    if (command == QLatin1String("duplicate"))
        button = w->btnDuplicar;
    if (command == QLatin1String("paste"))
        button = w->btnColar;
    QCOMPARE(errorOf(button), QString());
    const Snapshot after = snapshot(slot);
    QVERIFY(after.picture != before.picture || after.sound != before.sound);
    QCOMPARE(w->mnDesfazer->text(), QStringLiteral("&Undo ") + label);
    QVERIFY(w->mnDesfazer->isEnabled() && !w->mnRefazer->isEnabled());

    // Undone from another page: the card is shown again, as it was.
    w->btnAnteriorClick();
    QCOMPARE(errorOf(w->mnDesfazer), QString());
    compare(snapshot(slot), before);
    QCOMPARE(QFileInfo::exists(CaminhoImagem(slot)), !before.picture.isEmpty());
    QCOMPARE(QFileInfo::exists(CaminhoSom(slot)), !before.sound.isEmpty());
    QCOMPARE(w->CurrentSlot(), slot);
    QCOMPARE(w->ImagemAtual->Picture().ToImage(), shownFor(CaminhoImagem(slot)));
    QCOMPARE(w->mnRefazer->text(), QStringLiteral("R&edo ") + label);
    QVERIFY(!w->mnDesfazer->isEnabled() && w->mnRefazer->isEnabled());

    w->btnProximoClick();
    QCOMPARE(errorOf(w->mnRefazer), QString());
    compare(snapshot(slot), after);
    QCOMPARE(w->CurrentSlot(), slot);
    QCOMPARE(w->ImagemAtual->Picture().ToImage(), shownFor(CaminhoImagem(slot)));
    QCOMPARE(w->mnDesfazer->text(), QStringLiteral("&Undo ") + label);
}

void TestUndo::entriesAndKeys()
{
    QCOMPARE(w->mnDesfazer->text(), QStringLiteral("&Undo"));
    QCOMPARE(w->mnRefazer->text(), QStringLiteral("R&edo"));
    QCOMPARE(w->mnDesfazer->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QCOMPARE(w->mnRefazer->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    QVERIFY(!w->mnDesfazer->isEnabled() && !w->mnRefazer->isEnabled());

    openSet(*w, set->path(), true);
    QVERIFY(!w->mnDesfazer->isEnabled());
    goToSlot(*w, 4);
    w->memTexto->setPlainText(QStringLiteral("Cat"));
    w->btnTexto->click();
    const QByteArray written = readBytes(CaminhoImagem(4));

    // In the text box Ctrl+Z undoes the typing, not the card.
    w->memTexto->setFocus();
    w->memTexto->moveCursor(QTextCursor::End);
    QTest::keyClicks(w->memTexto, QStringLiteral("s"));
    QCOMPARE(w->memTexto->toPlainText(), QStringLiteral("Cats"));
    QTest::keyClick(w->memTexto, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->memTexto->toPlainText(), QStringLiteral("Cat"));
    QCOMPARE(readBytes(CaminhoImagem(4)), written);
    QCOMPARE(w->UndoHistory().UndoCount(), 1);

    // On a card frame the keys are the window's.
    w->DBImage2->setFocus();
    QTest::keyClick(w->DBImage2, Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(!QFileInfo::exists(CaminhoImagem(4)));
    // The text box keeps its redo keys too.
    w->memTexto->setFocus();
    QTest::keyClick(w->memTexto, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(w->memTexto, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->UndoHistory().RedoCount(), 1);
    w->DBImage2->setFocus();
    QTest::keyClick(w->DBImage2, Qt::Key_Y, Qt::ControlModifier);
    QTRY_COMPARE(readBytes(CaminhoImagem(4)), written);
    QTest::keyClick(w->DBImage2, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w->DBImage2, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(readBytes(CaminhoImagem(4)), written);

    // Without a set open nothing is undone, by menu or key.
    w->InibeControles();
    QVERIFY(!w->mnDesfazer->isEnabled());
}

void TestUndo::historyFollowsTheSet()
{
    QTemporaryDir other;
    openSet(*w, set->path(), true);
    goToSlot(*w, 3);
    w->btnTexto->click();
    openSet(*w, other.path(), false);
    QCOMPARE(w->mnDesfazer->text(), QStringLiteral("&Undo"));
    QVERIFY(!w->mnDesfazer->isEnabled());
    openSet(*w, set->path(), true);
    QCOMPARE(w->mnDesfazer->text(), QStringLiteral("&Undo Insert Text on card 3"));
    QCOMPARE(errorOf(w->mnDesfazer), QString());
    QVERIFY(!QFileInfo::exists(CaminhoImagem(3)));
    QCOMPARE(w->CurrentSlot(), 3);
}

void TestUndo::outsideChangeIsRefused()
{
    openSet(*w, set->path(), true);
    goToSlot(*w, 7);
    w->btnTexto->click();
    const QByteArray outside = picture(Qt::yellow).SaveBitmapBytes();
    TestFiles::writeBytes(CaminhoImagem(7), outside);
    QCOMPARE(errorOf(w->mnDesfazer),
             QStringLiteral("The file %1 was changed outside the editor since; this step "
                            "can no longer be undone.")
                 .arg(QDir::toNativeSeparators(CaminhoImagem(7))));
    QCOMPARE(readBytes(CaminhoImagem(7)), outside);
    QVERIFY(w->mnDesfazer->isEnabled());
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
