// An error on a file names the file below the layer's own text, with the
// reason the system gave: saving the set's settings or writing a card picture
// into a read-only folder, a folder that is gone, and onto a full disk.

#include "Requirements.h"
#include "cardset/CardTable.h"
#include "cardset/SetArchive.h"
#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"
#include "cardset/Unprivileged.h"
#include "common/ui/ErrorMessage.h"
#include "images/TBitmap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <optional>
#include <sys/mount.h>
#include <unistd.h>

namespace {

enum class Place { ReadOnlyFolder, GoneFolder, FullDisk };
enum class Writer { Settings, CardPicture, Archive };

// A file system of a few pages, filled to its last byte. Mounting needs the
// superuser; mounted() is false where that is not allowed.
class FullDisk {
  public:
    FullDisk()
    {
        const QByteArray path = QFile::encodeName(dir_.path());
        if (::geteuid() != 0 || ::mount("tessellor-test", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                                        "size=64k,mode=0777") != 0)
            return;
        mounted_ = true;
        const int fd = ::open(QFile::encodeName(dir_.filePath(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        const QByteArray block(4096, 'x');
        for (qsizetype size = block.size(); fd >= 0 && size > 0;) {
            if (::write(fd, block.constData(), size_t(size)) < 0)
                size /= 2; // the last pages are filled with smaller writes, to the byte
        }
        if (fd >= 0)
            ::close(fd);
    }
    ~FullDisk()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

QString shownError(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Exception& e) {
        return FormatErrorMessage(e);
    }
    return QStringLiteral("(no error)");
}

TBitmap blankCard()
{
    TBitmap picture;
    picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    return picture;
}

} // namespace

class TestFileErrors : public QObject {
    Q_OBJECT

  private slots:
    void errorNamesTheFileAndTheReason_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("expected"); // %1: the file's path
        QTest::newRow("Salve set, read-only folder") << Writer::Settings << Place::ReadOnlyFolder
                                                     << "File access denied.\n%1\nThe folder is read-only.";
        QTest::newRow("Salve set, folder gone")
            << Writer::Settings << Place::GoneFolder << "File not found.\n%1\nThe folder does not exist.";
        QTest::newRow("Salve set, full disk")
            << Writer::Settings << Place::FullDisk << "Disk full.\n%1\nThe disk is full.";
        QTest::newRow("card picture, read-only folder")
            << Writer::CardPicture << Place::ReadOnlyFolder
            << "Cannot create file.\n%1\nThe folder is read-only.";
        QTest::newRow("card picture, folder gone") << Writer::CardPicture << Place::GoneFolder
                                                   << "Cannot create file.\n%1\nThe folder does not exist.";
        QTest::newRow("card picture, full disk")
            << Writer::CardPicture << Place::FullDisk << "Stream write error.\n%1\nThe disk is full.";
        QTest::newRow("archive, read-only folder") << Writer::Archive << Place::ReadOnlyFolder
                                                   << "Cannot create file.\n%1\nThe folder is read-only.";
        QTest::newRow("archive, folder gone")
            << Writer::Archive << Place::GoneFolder << "Cannot create file.\n%1\nThe folder does not exist.";
        QTest::newRow("archive, full disk")
            << Writer::Archive << Place::FullDisk << "Cannot write the archive.\n%1\nThe disk is full.";
    }
    void errorNamesTheFileAndTheReason()
    {
        QFETCH(Writer, writer);
        QFETCH(Place, place);
        QFETCH(QString, expected);
        QTemporaryDir root;
        std::optional<FullDisk> disk;
        QString folder = root.filePath(QStringLiteral("Set1"));
        if (place == Place::FullDisk) {
            disk.emplace();
            TESSELLOR_REQUIRE(disk->mounted(), "a small file system to fill (the superuser mounts it)");
            folder = disk->path();
        } else if (place == Place::ReadOnlyFolder) {
            QVERIFY(QDir().mkpath(folder));
            Unprivileged::makeWritable(root.path(), true);
            Unprivileged::makeReadOnly(folder, true);
        }
        const QString file = folder + (writer == Writer::Settings  ? QStringLiteral("/Set.cfg")
                                       : writer == Writer::Archive ? QStringLiteral("/Farm.zip")
                                                                   : QStringLiteral("/C01.bmp"));
        const TBitmap picture = blankCard();
        const QString set = root.filePath(QStringLiteral("Farm"));
        QVERIFY(QDir().mkpath(set));
        picture.SaveBitmapFile(set + QStringLiteral("/C01.bmp"));
        Unprivileged::makeReadOnly(set, true);
        const auto write = [&] {
            if (writer == Writer::Archive)
                return (void)SetArchive::Pack(set, file);
            if (writer == Writer::CardPicture)
                return picture.SaveBitmapFile(file);
            TSetDocument document;
            document.SetPastaConjunto(folder + QLatin1Char('/')); // as the window keeps it
            document.SalvaConfig();
        };
        QString shown;
        {
            // The superuser writes into read-only folders.
            std::optional<Unprivileged> user;
            if (place == Place::ReadOnlyFolder) {
                user.emplace();
                TESSELLOR_REQUIRE(::geteuid() != 0, "an ordinary user to run as");
            }
            shown = shownError(write);
        }
        if (place == Place::ReadOnlyFolder)
            Unprivileged::makeWritable(folder, true);
        QCOMPARE(shown, expected.arg(file));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestFileErrors)
#include "test_file_errors.moc"
