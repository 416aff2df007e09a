// Card writes without a window: each operation writes the card's files
// through the session's document, records them in the slots that share them,
// and is one step of Undo under its command's name.

#include "TestFiles.h"
#include "audio/WaveBytes.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"
#include "common/ui/ErrorMessage.h"
#include "images/TBitmap.h"
#include "session/CardDrops.h"
#include "session/EditorSession.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

void saveSound(const QString& path, int first)
{
    TestFiles::writeBytes(path, WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(800, first)));
}

void savePicture(const QString& path)
{
    TBitmap blank;
    blank.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    blank.SaveBitmapFile(path);
}

} // namespace

class TestCardEdits : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<QTemporaryDir> source;
    std::unique_ptr<EditorSession> session;

    TSetDocument& document() { return session->Document(); }
    QStringList files() const { return QDir(set->path()).entryList(QDir::Files, QDir::Name); }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        source = std::make_unique<QTemporaryDir>();
        session = std::make_unique<EditorSession>();
        savePicture(source->filePath(QStringLiteral("a.bmp")));
        savePicture(source->filePath(QStringLiteral("b.bmp")));
        saveSound(source->filePath(QStringLiteral("a.wav")), 3);
        saveSound(source->filePath(QStringLiteral("b.wav")), 9);
    }
    void cleanup() { session.reset(); }

    void eachOperationWritesRecordsAndUndoes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("duplo");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QList<int>>("recorded"); // slots naming the first file written
        QTest::newRow("Paste, paired")
            << "Paste" << false << QStringList{"C03.bmp", "S03.wav"} << QList<int>{5, 6};
        QTest::newRow("Drag card, double")
            << "Drag card" << true << QStringList{"C10.bmp", "S10.wav"} << QList<int>{10};
        QTest::newRow("Drop pictures, paired")
            << "Drop" << false << QStringList{"C02.bmp", "C03.bmp", "Names.txt"} << QList<int>{3, 4};
        QTest::newRow("Insert Sound, double")
            << "Insert Sound" << true << QStringList{"S07.wav"} << QList<int>{7};
        QTest::newRow("Record, paired") << "Record" << false << QStringList{"S04.wav"} << QList<int>{7, 8};
    }
    void eachOperationWritesRecordsAndUndoes()
    {
        QFETCH(QString, operation);
        QFETCH(bool, duplo);
        QFETCH(QStringList, written);
        QFETCH(QList<int>, recorded);
        document().ChooseSet(set->path() + QLatin1Char('/'), QString(), duplo ? 1 : 0);
        document().StartEmptySet();
        if (operation == QLatin1String("Drag card")) {
            QFile::copy(source->filePath(QStringLiteral("a.bmp")), document().CaminhoImagem(3));
            QFile::copy(source->filePath(QStringLiteral("a.wav")), document().CaminhoSom(3));
        }
        const QStringList before = files();
        {
            const CardCommand named(document(), operation);
            CardEdits& edits = session->Edits();
            TElemento copied;
            copied.Imagem = source->filePath(QStringLiteral("a.bmp"));
            copied.Som = source->filePath(QStringLiteral("a.wav"));
            if (operation == QLatin1String("Paste"))
                edits.Paste(6, copied);
            else if (operation == QLatin1String("Drag card"))
                edits.CopyCard(3, 10);
            else if (operation == QLatin1String("Drop"))
                edits.DropFiles(
                    CardDrops::FollowingSlots(document(), 3, 2), true,
                    {source->filePath(QStringLiteral("a.bmp")), source->filePath(QStringLiteral("b.bmp"))});
            else if (operation == QLatin1String("Insert Sound"))
                edits.InsertSound(7, source->filePath(QStringLiteral("b.wav")));
            else
                edits.WriteSamples(8, QByteArray(1600, '\x10'), 8000);
        }
        QStringList expected = before + written;
        expected.sort();
        QCOMPARE(files(), expected);
        const QString first = set->filePath(written.first());
        for (int slot = 0; slot < NumSlots; ++slot)
            QCOMPARE(document().RecordedPath(slot, first.endsWith(QLatin1String(".wav"))
                                                       ? TSetDocument::CardPart::Sound
                                                       : TSetDocument::CardPart::Picture) == first,
                     recorded.contains(slot));
        QVERIFY(session->UndoHistory().UndoLabel().startsWith(operation + QStringLiteral(" on ")));

        QVERIFY(session->UndoHistory().Undo());
        QCOMPARE(files(), before);
    }

    // A drop stops at the file that cannot be read: the cards before it keep
    // their new pictures, the ones after it are not touched.
    void dropStopsAtTheFailingFile()
    {
        document().ChooseSet(set->path() + QLatin1Char('/'), QString(), 1);
        document().StartEmptySet();
        const QString bad = source->filePath(QStringLiteral("bad.bmp"));
        TestFiles::writeBytes(bad, "not a bitmap");
        const QStringList dropped{source->filePath(QStringLiteral("a.bmp")), bad,
                                  source->filePath(QStringLiteral("b.bmp"))};
        try {
            session->Edits().DropFiles({1, 2, 3}, true, dropped);
            QFAIL("the drop went through a damaged picture");
        } catch (const EFileError& e) {
            QCOMPARE(e.FileName(), bad);
        }
        QCOMPARE(files(), (QStringList{"C01.bmp", "Names.txt"}));
        QCOMPARE(session->Edits().CardName(1), QStringLiteral("a")); // named after its file
        QCOMPARE(document().Conjunto().Elementos[1].Imagem, set->filePath(QStringLiteral("C01.bmp")));
        QVERIFY(document().Conjunto().Elementos[2].Imagem.isEmpty());
    }

    // A name is one step of Undo; in a paired set the partner shares it.
    void cardNameSharedAndUndone_data()
    {
        QTest::addColumn<bool>("duplo");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("paired") << false << 6 << QByteArray("# mine\n")
                                << QByteArray("# mine\n5\tcat\n6\tcat\n");
        QTest::newRow("double, no file before") << true << 6 << QByteArray() << QByteArray("6\tcat\n");
        QTest::newRow("cover") << false << 0 << QByteArray("# mine\n") << QByteArray("# mine\n0\tcat\n");
    }
    void cardNameSharedAndUndone()
    {
        QFETCH(bool, duplo);
        QFETCH(int, slot);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, written);
        document().ChooseSet(set->path() + QLatin1Char('/'), QString(), duplo ? 1 : 0);
        document().StartEmptySet();
        const QString path = set->filePath(QStringLiteral("Names.txt"));
        if (!start.isEmpty())
            TestFiles::writeBytes(path, start);
        session->SetCardName(slot, QStringLiteral("cat"));
        QCOMPARE(TestFiles::readBytes(path), written);
        QCOMPARE(session->Edits().CardName(PartnerOf(slot).value_or(slot)), duplo ? QString() : "cat");
        QCOMPARE(session->UndoHistory().UndoLabel(), slot ? QStringLiteral("Card name on card %1").arg(slot)
                                                          : QStringLiteral("Card name on the cover"));
        QVERIFY(session->UndoHistory().Undo());
        QCOMPARE(QFile::exists(path), !start.isEmpty());
        QCOMPARE(TestFiles::readBytes(path), start);
        QVERIFY(session->UndoHistory().Redo());
        QCOMPARE(TestFiles::readBytes(path), written);
        session->SetCardName(slot, QString()); // the last name gone, nothing else: the file goes
        QCOMPARE(QFile::exists(path), !start.isEmpty());
        QVERIFY(session->UndoHistory().Undo());
        QCOMPARE(TestFiles::readBytes(path), written);
    }
};

QTEST_MAIN(TestCardEdits)
#include "test_card_edits.moc"
