// The session's card pictures without a window: they follow the disk, and the
// overview and the card frames read a change once.

#include "CardFixtures.h"
#include "TestFiles.h"
#include "app/overview/SetOverview.h"
#include "images/TBitmap.h"
#include "images/Thumbnail.h"
#include "session/EditorSession.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestSessionPictures : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> set;
    std::unique_ptr<EditorSession> session;

    TSetDocument& document() { return session->Document(); }

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
        session = std::make_unique<EditorSession>();
    }
    void cleanup() { session.reset(); }

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
        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 5000);
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
    // Beside a folder that never rests (a downloads folder), a change is
    // still told: the wait for quiet has an end.
    void picturesFollowTheDiskBesideABusyFolder()
    {
        CardPictureModel& pictures = session->Pictures();
        const QString path = redCardThree();
        QSignalSpy changed(&pictures, &CardPictureModel::picturesChanged);
        pictures.Follow({3});
        const QString busy = QFileInfo(set->path()).absolutePath() + QStringLiteral("/tessellor-busy-") +
                             QString::number(QCoreApplication::applicationPid());
        QTimer churn;
        QObject::connect(&churn, &QTimer::timeout, [&busy] {
            QFile file(busy);
            if (!file.remove())
                (void)file.open(QIODevice::WriteOnly);
        });
        churn.start(20);
        QTest::qWait(300);
        changed.clear();
        replacePicture(Qt::blue, path);
        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 5000);
        QCOMPARE(pictures.Picture(3).ToImage(), picture(Qt::blue).ToImage());
        churn.stop();
        QFile::remove(busy);
    }

    void overviewAndFramesReadAChangeOnce()
    {
        CardPictureModel& pictures = session->Pictures();
        const QString path = redCardThree();
        SetOverview overview(nullptr, &pictures);
        overview.setSet(SetView{set->path(), QString(), true});
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
        QTRY_VERIFY_WITH_TIMEOUT(shows(OverviewCell::Picture::Shown, red), 5000);
        QCOMPARE(overview.cell(3).thumbnail, MakeThumbnail(path, box).image);
        read.LoadBitmapFile(path);
        QCOMPARE(pictures.Picture(3).ToImage(), read.ToImage());
        QCOMPARE(pictures.ReadCount(), reads + 1);

        // Damaged in place: the frame asks first, the overview finds it read.
        TestFiles::writeBytes(path, "damaged");
        QVERIFY(pictures.Error(3).has_value());
        QCOMPARE(pictures.ReadCount(), reads + 2);
        QTRY_VERIFY_WITH_TIMEOUT(shows(OverviewCell::Picture::Damaged), 5000);
        QCOMPARE(overview.cell(3).error, MakeThumbnail(path, box).error);
        QCOMPARE(pictures.ReadCount(), reads + 2);
    }
};

QTEST_MAIN(TestSessionPictures)
#include "test_card_edits.moc"
