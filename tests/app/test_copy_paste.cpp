// Copy and Paste on real set folders: the files Paste writes and the slots
// that record them, into another set, onto the card itself in a paired set,
// with the sound missing, and when the picture fails.

#include "CardFixtures.h"
#include "EditorDriver.h"
#include "Requirements.h"
#include "TestFiles.h"
#include "WindowControls.h"
#include "audio/WaveBytes.h"
#include "cardset/Unprivileged.h"

#include "audio/TMMWave.h"
#include "images/TBitmap.h"

#include <QAction>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <optional>

using namespace EditorDriver;
using TestFiles::readBytes;

namespace {

// A card sound as the editor writes it, so that rewriting it gives the same bytes.
void writeSound(const QString& path, int first)
{
    TestFiles::writeBytes(path + QStringLiteral(".raw"),
                          WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(800, first)));
    TMMWave wave;
    wave.LoadWaveFile(path + QStringLiteral(".raw"));
    wave.SaveWaveFile(path);
    QFile::remove(path + QStringLiteral(".raw"));
}

} // namespace

class TestCopyPaste : public QObject {
    Q_OBJECT

  private slots:
    void init()
    {
        setA = std::make_unique<QTemporaryDir>();
        setB = std::make_unique<QTemporaryDir>();
        w = TestSession::newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void pasteWrites_data();
    void pasteWrites();
    void failingPictureLeavesSoundUnpasted_data();
    void failingPictureLeavesSoundUnpasted();
    void pasteEnabledFromFirstCopy();

  private:
    std::unique_ptr<QTemporaryDir> setA;
    std::unique_ptr<QTemporaryDir> setB;
    std::unique_ptr<TfrmConfigurador> w;
};

void TestCopyPaste::pasteWrites_data()
{
    QTest::addColumn<bool>("fromDouble");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("otherSet");
    QTest::addColumn<bool>("toDouble");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("withSound");
    QTest::addColumn<QString>("number"); // of the files written
    QTest::addColumn<QList<int>>("recorded");
    QTest::newRow("double, 3 onto 10") << true << 3 << false << true << 10 << true << "10" << QList<int>{10};
    QTest::newRow("paired, 5 onto 6")
        << false << 5 << false << false << 6 << true << "03" << QList<int>{5, 6};
    QTest::newRow("paired, 6 onto itself")
        << false << 6 << false << false << 6 << true << "03" << QList<int>{5, 6};
    QTest::newRow("cover into another set")
        << true << 0 << true << false << 0 << true << "00" << QList<int>{0};
    QTest::newRow("paired into double set")
        << false << 4 << true << true << 7 << true << "07" << QList<int>{7};
    QTest::newRow("no sound copied") << true << 3 << true << false << 10 << false << "05"
                                     << QList<int>{9, 10};
}

void TestCopyPaste::pasteWrites()
{
    QFETCH(bool, fromDouble);
    QFETCH(int, from);
    QFETCH(bool, otherSet);
    QFETCH(bool, toDouble);
    QFETCH(int, to);
    QFETCH(bool, withSound);
    QFETCH(QString, number);
    QFETCH(QList<int>, recorded);
    openSet(*w, setA->path(), fromDouble);
    goToSlot(*w, from);
    picture(Qt::red).SaveBitmapFile(CaminhoImagem(from));
    if (withSound)
        writeSound(CaminhoSom(from), 7);
    const QByteArray copiedPicture = readBytes(CaminhoImagem(from));
    const QByteArray copiedSound = readBytes(CaminhoSom(from));
    handle(*w, "copy");

    const QDir target((otherSet ? setB : setA)->path());
    openSet(*w, target.path(), toDouble);
    goToSlot(*w, to);
    const QString targetPicture = target.filePath(QStringLiteral("C%1.bmp").arg(number));
    const QString targetSound = target.filePath(QStringLiteral("S%1.wav").arg(number));
    if (!withSound) // the card's own sound stays
        writeSound(targetSound, 99);
    const QByteArray soundBefore = readBytes(targetSound);
    QCOMPARE(errorOf(ui(*w).btnColar), QString());

    QCOMPARE(readBytes(targetPicture), copiedPicture);
    QCOMPARE(readBytes(targetSound), withSound ? copiedSound : soundBefore);
    QCOMPARE(w->CurrentFrame()->Picture().ToImage(), picture(Qt::red).ToImage());
    for (int slot = 0; slot < NumSlots; ++slot) {
        QCOMPARE(Conjunto().Elementos[slot].Imagem, recorded.contains(slot) ? targetPicture : QString());
        QCOMPARE(Conjunto().Elementos[slot].Som,
                 recorded.contains(slot) && withSound ? targetSound : QString());
    }
}

void TestCopyPaste::failingPictureLeavesSoundUnpasted_data()
{
    QTest::addColumn<bool>("unreadableCopy");
    QTest::addColumn<QString>("error");
    QTest::newRow("copied picture unreadable") << true << "Bitmap image is not valid.\n%1";
    QTest::newRow("card picture read-only") << false << "Cannot create file.\n%1\nThe file is read-only.";
}

void TestCopyPaste::failingPictureLeavesSoundUnpasted()
{
    QFETCH(bool, unreadableCopy);
    QFETCH(QString, error);
    openSet(*w, setA->path(), true);
    if (unreadableCopy)
        TestFiles::writeBytes(CaminhoImagem(3), "not a bitmap at all");
    else
        picture(Qt::red).SaveBitmapFile(CaminhoImagem(3));
    writeSound(CaminhoSom(3), 7);
    goToSlot(*w, 3);
    handle(*w, "copy");
    // The target card's blue picture is on disk and shown.
    const QString target = CaminhoImagem(10);
    picture(Qt::blue).SaveBitmapFile(target);
    const QByteArray before = readBytes(target);
    RestoreImagem(10, target);
    goToSlot(*w, 10);

    std::optional<Unprivileged> user;
    if (!unreadableCopy) {
        Unprivileged::makeWritable(setA->path(), true);
        Unprivileged::makeReadOnly(target, false);
        user.emplace();
        TESSELLOR_REQUIRE(::geteuid() != 0, "an ordinary user to run as");
    }
    const QString shown = errorOf(ui(*w).btnColar);
    user.reset();
    QCOMPARE(shown, error.arg(unreadableCopy ? setA->filePath(QStringLiteral("C03.bmp")) : target));
    QCOMPARE(readBytes(target), before);
    QVERIFY(!QFileInfo::exists(CaminhoSom(10)));
    QCOMPARE(Conjunto().Elementos[10].Imagem, target);
    QVERIFY(Conjunto().Elementos[10].Som.isEmpty());
    // The frame shows the card's picture on disk, not the one never written.
    QCOMPARE(ui(*w).DBImage2->Picture().ToImage(), picture(Qt::blue).ToImage());
}

void TestCopyPaste::pasteEnabledFromFirstCopy()
{
    openSet(*w, setA->path(), false);
    QVERIFY(!ui(*w).btnColar->isEnabled() && !ui(*w).mnColar->isEnabled());
    handle(*w, "copy"); // a card without files
    QVERIFY(ui(*w).btnColar->isEnabled() && ui(*w).mnColar->isEnabled());
    w->InibeControles();
    openSet(*w, setB->path(), true);
    QVERIFY(ui(*w).btnColar->isEnabled() && ui(*w).mnColar->isEnabled());
    QCOMPARE(errorOf(ui(*w).btnColar), QString());
    QVERIFY(QDir(setB->path()).isEmpty());
    QVERIFY(Conjunto().Elementos[0].Imagem.isEmpty() && Conjunto().Elementos[0].Som.isEmpty());
}

QTEST_MAIN(TestCopyPaste)
#include "test_copy_paste.moc"
