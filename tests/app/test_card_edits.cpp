// Card writes without a window: each operation writes the card's files
// through the session's document, records them in the slots that share them,
// and is one step of Undo under its command's name.

#include "CardFixtures.h"
#include "TestFiles.h"
#include "app/overview/SetOverview.h"
#include "audio/WaveBytes.h"
#include "cardset/CardCommand.h"
#include "cardset/CardUndoHistory.h"
#include "common/ui/ErrorMessage.h"
#include "images/TBitmap.h"
#include "images/Thumbnail.h"
#include "session/CardDrops.h"
#include "session/EditorSession.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

void saveSound(const QString& path, int first)
{
    TestFiles::writeBytes(path, WaveBytes::PcmWave(1, 8000, 16, WaveBytes::Ramp(800, first)));
}

} // namespace

class TestCardEdits : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<QTemporaryDir> source;
    std::unique_ptr<EditorSession> session;

    TSetDocument& document() { return session->Document(); }
    QStringList files() const { return QDir(set->path()).entryList(QDir::Files, QDir::Name); }

    // A new double set whose card 3 is red; the path of its picture.
    QString redCardThree()
    {
        document().ChooseSet(set->path() + QLatin1Char('/'), QString(), 1);
        document().StartEmptySet();
        const QString path = document().CaminhoImagem(3);
        savePicture(Qt::red, path);
        document().RecordCardPath(3, TSetDocument::CardPart::Picture, path);
        return path;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        set = std::make_unique<QTemporaryDir>();
        source = std::make_unique<QTemporaryDir>();
        session = std::make_unique<EditorSession>();
        savePicture(Qt::red, source->filePath(QStringLiteral("a.bmp")));
        savePicture(Qt::blue, source->filePath(QStringLiteral("b.bmp")));
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
            << "Drop" << false << QStringList{"C02.bmp", "C03.bmp"} << QList<int>{3, 4};
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

    // The picture model reads a card's file again only when it changed on
    // disk, shows the blank card with the reason for a damaged one, and tells
    // of a followed file changed by another program within a second.
    void picturesFollowTheDisk()
    {
        CardPictureModel& pictures = session->Pictures();
        const QString path = redCardThree();
        const QImage red = pictures.Picture(3).ToImage();
        QVERIFY(!pictures.Error(3));
        QSignalSpy changed(&pictures, &CardPictureModel::picturesChanged);
        pictures.Follow({3});

        replacePicture(Qt::blue, path);
        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 1000);
        QVERIFY(pictures.Picture(3).ToImage() != red);

        // Read ahead off the thread, the same picture as read at once.
        const QString other = document().CaminhoImagem(5);
        savePicture(Qt::green, other);
        document().RecordCardPath(5, TSetDocument::CardPart::Picture, other);
        QVERIFY(!pictures.IsReady(5));
        pictures.Prefetch({5});
        QTRY_VERIFY(pictures.IsReady(5));
        TBitmap green;
        green.LoadBitmapFile(other);
        QCOMPARE(pictures.Picture(5).ToImage(), green.ToImage());

        TestFiles::writeBytes(path, "damaged");
        QVERIFY(pictures.Error(3).has_value());
        QCOMPARE(pictures.Error(3)->FileName(), path);
        TBitmap blank;
        blank.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        QCOMPARE(pictures.Picture(3).ToImage(), blank.ToImage());
    }

    // The overview given the session's pictures shows what the card frames
    // show, from one read of the file per change on disk, whichever of the
    // two asks first; its thumbnails are those of the overview alone.
    void overviewAndFramesReadAChangeOnce()
    {
        CardPictureModel& pictures = session->Pictures();
        const QString path = redCardThree();
        SetOverview overview(nullptr, &pictures);
        overview.setSet(OverviewSet{set->path(), QString(), true});
        pictures.Follow({3});
        const auto shows = [&](OverviewCell::Picture picture, const QImage& other = QImage()) {
            return overview.cell(3).picture == picture &&
                   (other.isNull() || overview.cell(3).thumbnail != other);
        };
        QTRY_VERIFY(shows(OverviewCell::Picture::Shown));
        const QImage red = overview.cell(3).thumbnail;
        const QSize box = overview.model().thumbnailBox();
        QCOMPARE(red, MakeThumbnail(path, box).image);
        const int reads = pictures.ReadCount();
        TBitmap read;
        read.LoadBitmapFile(path);
        QCOMPARE(pictures.Picture(3).ToImage(), read.ToImage());
        QCOMPARE(pictures.ReadCount(), reads);

        // Replaced by another program: the overview reads it, the frame finds it read.
        replacePicture(Qt::blue, path);
        QTRY_VERIFY_WITH_TIMEOUT(shows(OverviewCell::Picture::Shown, red), 1000);
        QCOMPARE(overview.cell(3).thumbnail, MakeThumbnail(path, box).image);
        read.LoadBitmapFile(path);
        QCOMPARE(pictures.Picture(3).ToImage(), read.ToImage());
        QCOMPARE(pictures.ReadCount(), reads + 1);

        // Damaged in place: the frame asks first, the overview finds it read.
        TestFiles::writeBytes(path, "damaged");
        QVERIFY(pictures.Error(3).has_value());
        QCOMPARE(pictures.ReadCount(), reads + 2);
        QTRY_VERIFY_WITH_TIMEOUT(shows(OverviewCell::Picture::Damaged), 1000);
        QCOMPARE(overview.cell(3).error, MakeThumbnail(path, box).error);
        QCOMPARE(pictures.ReadCount(), reads + 2);
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
        QCOMPARE(files(), QStringList{"C01.bmp"});
        QCOMPARE(document().Conjunto().Elementos[1].Imagem, set->filePath(QStringLiteral("C01.bmp")));
        QVERIFY(document().Conjunto().Elementos[2].Imagem.isEmpty());
    }
};

QTEST_MAIN(TestCardEdits)
#include "test_card_edits.moc"
