// Copy and Paste in the editor window on real set folders: which files Paste
// writes and which slots record them, into another set, onto the card itself
// in a paired set, with a copied part missing, and when the picture fails.

#include "audio/WaveBytes.h"
#include "cardset/DialogDriver.h"
#include "cardset/Unprivileged.h"

#include "app/TfrmConfigurador.h"
#include "audio/TMMWave.h"
#include "cardset/CardTable.h"
#include "cardset/CopyBuffer.h"
#include "cardset/SetConfig.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"

#include <QAction>
#include <QPainter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace WaveBytes;

namespace {

QImage picture(const QColor& colour)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([&colour](QPainter& p) { p.fillRect(QRect(5, 5, 50, 30), colour); });
    return bitmap.ToImage();
}

void writePicture(const QString& path, const QColor& colour)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([&colour](QPainter& p) { p.fillRect(QRect(5, 5, 50, 30), colour); });
    bitmap.SaveBitmapFile(path);
}

// A card sound as the editor writes it (saved through the wave layer), so
// that rewriting it gives the same bytes.
void writeSound(const QString& path, int first)
{
    const QString raw = path + QStringLiteral(".raw");
    QVERIFY(WriteFile(raw, PcmWave(1, 8000, 16, Ramp(800, first))));
    {
        TMMWave wave;
        wave.LoadWaveFile(raw);
        wave.SaveWaveFile(path);
    }
    QFile::remove(raw);
}

} // namespace

class TestCopyPaste : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void pasteWrites_data();
    void pasteWrites();
    void failingPictureLeavesSoundUnpasted_data();
    void failingPictureLeavesSoundUnpasted();
    void pasteEnabledFromFirstCopy();

  private:
    void openSet(const QTemporaryDir& folder, bool duplo);
    void goToSlot(int slot);
    // Runs `command`; the text of the error box it showed, or empty.
    QString errorOf(void (TfrmConfigurador::*command)());

    QTemporaryDir setA;
    QTemporaryDir setB;
    std::unique_ptr<TfrmConfigurador> w;
};

void TestCopyPaste::init()
{
    ElementoCopiado = TElemento{};
    w = std::make_unique<TfrmConfigurador>();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
}

void TestCopyPaste::cleanup()
{
    w.reset();
    for (const QTemporaryDir* folder : {&setA, &setB})
        for (const QString& name : QDir(folder->path()).entryList(QDir::Files))
            QFile::remove(folder->filePath(name));
}

void TestCopyPaste::openSet(const QTemporaryDir& folder, bool duplo)
{
    PastaConjunto = folder.path() + QLatin1Char('/');
    ConfigConjunto = TConfigConjunto{};
    ConfigConjunto.Duplo = duplo ? 1 : 0;
    w->NovoConjunto();
    w->HabilitaControles();
}

void TestCopyPaste::goToSlot(int slot)
{
    const int left = slot == 0 ? -1 : (slot % 2 == 1 ? slot : slot - 1);
    for (int i = 0; i < 21 && w->DBImage1->Tag() != left; ++i)
        w->btnProximoClick();
    if (slot % 2 == 0)
        QTest::mouseClick(w->DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    QCOMPARE(w->ImagemAtual->Tag(), slot);
}

QString TestCopyPaste::errorOf(void (TfrmConfigurador::*command)())
{
    DialogDriver::Message shown;
    QPointer<QTimer> waiting = DialogDriver::acceptMessage(&shown);
    (w.get()->*command)();
    DialogDriver::withdraw(waiting);
    return shown.text;
}

void TestCopyPaste::pasteWrites_data()
{
    QTest::addColumn<bool>("fromDouble");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("intoOtherSet");
    QTest::addColumn<bool>("toDouble");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("withSound");
    QTest::addColumn<QString>("number"); // of the files written
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("double, card 3 onto card 10")
        << true << 3 << false << true << 10 << true << "10" << QList<int>{10};
    QTest::newRow("paired, card 5 onto card 6")
        << false << 5 << false << false << 6 << true << "03" << QList<int>{5, 6};
    QTest::newRow("paired, card 6 onto itself")
        << false << 6 << false << false << 6 << true << "03" << QList<int>{5, 6};
    QTest::newRow("cover into another set's cover")
        << true << 0 << true << false << 0 << true << "00" << QList<int>{0};
    QTest::newRow("paired card into another, double set")
        << false << 4 << true << true << 7 << true << "07" << QList<int>{7};
    QTest::newRow("copy without a sound")
        << true << 3 << true << false << 10 << false << "05" << QList<int>{9, 10};
}

void TestCopyPaste::pasteWrites()
{
    QFETCH(bool, fromDouble);
    QFETCH(int, from);
    QFETCH(bool, intoOtherSet);
    QFETCH(bool, toDouble);
    QFETCH(int, to);
    QFETCH(bool, withSound);
    QFETCH(QString, number);
    QFETCH(QList<int>, recorded);

    openSet(setA, fromDouble);
    goToSlot(from);
    writePicture(CaminhoImagem(from), Qt::red);
    if (withSound)
        writeSound(CaminhoSom(from), 7);
    const QByteArray copiedPicture = ReadFile(CaminhoImagem(from));
    const QByteArray copiedSound = ReadFile(CaminhoSom(from));
    w->btnCopiarClick();

    const QTemporaryDir& target = intoOtherSet ? setB : setA;
    openSet(target, toDouble);
    goToSlot(to);
    // A sound the target card had already: it stays when none was copied.
    const QString targetSound = target.filePath(QStringLiteral("S%1.wav").arg(number));
    if (!withSound)
        writeSound(targetSound, 99);
    const QByteArray soundBefore = ReadFile(targetSound);
    QCOMPARE(errorOf(&TfrmConfigurador::btnColarClick), QString());

    const QString targetPicture = target.filePath(QStringLiteral("C%1.bmp").arg(number));
    QCOMPARE(ReadFile(targetPicture), copiedPicture);
    QCOMPARE(ReadFile(targetSound), withSound ? copiedSound : soundBefore);
    QCOMPARE(w->ImagemAtual->Picture().ToImage(), picture(Qt::red));
    for (int slot = 0; slot < NumSlots; ++slot) {
        const bool wanted = recorded.contains(slot);
        QCOMPARE(Conjunto.Elementos[slot].Imagem, wanted ? targetPicture : QString());
        QCOMPARE(Conjunto.Elementos[slot].Som, wanted && withSound ? targetSound : QString());
    }
    if (intoOtherSet) // the copied set is left as it was
        QCOMPARE(QDir(setA.path()).entryList(QDir::Files).size(), withSound ? 2 : 1);
}

void TestCopyPaste::failingPictureLeavesSoundUnpasted_data()
{
    QTest::addColumn<bool>("unreadableCopy");
    QTest::addColumn<QString>("error");
    QTest::newRow("copied picture unreadable") << true << "Bitmap image is not valid";
    QTest::newRow("card picture unwritable") << false << "Cannot create file %1";
}

void TestCopyPaste::failingPictureLeavesSoundUnpasted()
{
    QFETCH(bool, unreadableCopy);
    QFETCH(QString, error);
    openSet(setA, true);
    if (unreadableCopy)
        QVERIFY(WriteFile(CaminhoImagem(3), "not a bitmap at all"));
    else
        writePicture(CaminhoImagem(3), Qt::red);
    writeSound(CaminhoSom(3), 7);
    goToSlot(3);
    w->btnCopiarClick();

    // The target card has a blue picture on disk, which its frame shows.
    const QString targetPicture = CaminhoImagem(10);
    writePicture(targetPicture, Qt::blue);
    const QByteArray pictureBefore = ReadFile(targetPicture);
    Conjunto.Elementos[10].Imagem = targetPicture;
    goToSlot(10);
    QCOMPARE(w->DBImage2->Picture().ToImage(), picture(Qt::blue));
    Conjunto.Elementos[10].Imagem.clear();

    QString shown;
    if (unreadableCopy) {
        shown = errorOf(&TfrmConfigurador::btnColarClick);
    } else {
        Unprivileged::makeWritable(setA.path(), true);
        Unprivileged::makeReadOnly(targetPicture, false);
        Unprivileged user;
        if (::geteuid() == 0)
            QSKIP("no ordinary user to run as");
        shown = errorOf(&TfrmConfigurador::btnColarClick);
    }
    QCOMPARE(shown, QString(error).replace(QStringLiteral("%1"), targetPicture) + QLatin1Char('.'));
    QCOMPARE(ReadFile(targetPicture), pictureBefore);
    QVERIFY(!QFileInfo::exists(CaminhoSom(10)));
    QVERIFY(Conjunto.Elementos[10].Imagem.isEmpty());
    QVERIFY(Conjunto.Elementos[10].Som.isEmpty());
    // The frame shows the card's picture as it is on disk, not the one never written.
    QCOMPARE(w->DBImage2->Picture().ToImage(), picture(Qt::blue));
}

void TestCopyPaste::pasteEnabledFromFirstCopy()
{
    QVERIFY(!w->btnColar->isEnabled());
    QVERIFY(!w->mnColar->isEnabled());
    openSet(setA, false);
    QVERIFY(!w->btnColar->isEnabled());
    // Copy reads no file: a card without files is copied all the same.
    w->btnCopiarClick();
    QVERIFY(w->btnColar->isEnabled());
    QVERIFY(w->mnColar->isEnabled());
    // Neither closing the set nor another set takes it back.
    w->InibeControles();
    QVERIFY(w->btnColar->isEnabled());
    openSet(setB, true);
    QVERIFY(w->btnColar->isEnabled() && w->mnColar->isEnabled());
    QCOMPARE(ElementoCopiado.Imagem, setA.filePath(QStringLiteral("C00.bmp")));
    QCOMPARE(ElementoCopiado.Som, setA.filePath(QStringLiteral("S00.wav")));
    // Nothing to paste: nothing written, nothing recorded.
    QCOMPARE(errorOf(&TfrmConfigurador::btnColarClick), QString());
    QVERIFY(QDir(setB.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(Conjunto.Elementos[0].Imagem.isEmpty() && Conjunto.Elementos[0].Som.isEmpty());
}

QTEST_MAIN(TestCopyPaste)
#include "test_copy_paste.moc"
