#include "BmpBuilder.h"
#include "TestFiles.h"
#include "images/BitmapErrors.h"
#include "images/JpegDecoder.h"
#include "images/PictureKinds.h"
#include "images/PreviewGeometry.h"
#include "images/TBitmap.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using TestFiles::writeBytes;

namespace {

// A 24-bit BMP of one colour, written through our own bitmap layer.
void writeBmp(const QString& path, int width, int height, QColor colour)
{
    BmpBuilder b;
    b.width = width;
    b.height = height;
    b.pixels = QByteArray((qsizetype(width) * 24 + 31) / 32 * 4 * height, '\0');
    TBitmap bitmap;
    bitmap.LoadBitmapBytes(b.file());
    bitmap.Draw([&](QPainter& p) { p.fillRect(0, 0, width, height, colour); });
    bitmap.SaveBitmapFile(path);
}

QByteArray pictureBytes(int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray jpegBytes(int width, int height)
{
    return pictureBytes(width, height, "JPG");
}

// Runs `inside` once the modal dialog is up, then whatever it leaves open
// is cancelled so a failing test cannot hang.
void whenModal(const std::function<void(QWidget*)>& inside)
{
    QTimer::singleShot(0, [inside] {
        QWidget* modal = nullptr;
        for (int i = 0; i < 200 && modal == nullptr; ++i) {
            QTest::qWait(10);
            modal = QApplication::activeModalWidget();
        }
        if (modal != nullptr)
            inside(modal);
        if (auto* still = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            still->reject();
    });
}

} // namespace

class TestPictureDialog : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QWidget* owner_ = nullptr;
    TOpenPictureDialog* dialog_ = nullptr;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QLabel* label() const { return dialog_->Dialog()->findChild<QLabel*>(QStringLiteral("PictureLabel")); }
    QToolButton* button() const
    {
        return dialog_->Dialog()->findChild<QToolButton*>(QStringLiteral("PreviewButton"));
    }
    QWidget* paintBox() const { return dialog_->Dialog()->findChild<QWidget*>(QStringLiteral("PaintBox")); }

  private Q_SLOTS:
    void initTestCase()
    {
        writeBmp(path("card.bmp"), 82, 82, Qt::red);
        writeBmp(path("wide.bmp"), 400, 300, Qt::green);
        writeBmp(path("tall.bmp"), 300, 400, Qt::green);
        writeBmp(path("almost.bmp"), 150, 145, Qt::green);
        writeBytes(path("photo.jpg"), jpegBytes(40, 30));
        writeBytes(path("PHOTO2.JPEG"), jpegBytes(8, 6));
        writeBytes(path("cut.jpg"), jpegBytes(40, 30).left(200));
        writeBytes(path("noise.jpg"), QByteArray(300, 'x'));
        writeBytes(path("bitmap-named.jpg"), BmpBuilder().file());
        writeBytes(path("notbmp.bmp"), QByteArray("GIF89a and more bytes than a header"));
        writeBytes(path("empty.bmp"), QByteArray());
        writeBytes(path("drawing.wmf"), QByteArray(100, '\x01'));
        writeBytes(path("notes.txt"), QByteArray("text"));
        writeBytes(path("wide.png"), pictureBytes(400, 300, "PNG"));
        writeBytes(path("photo.webp"), pictureBytes(40, 30, "WEBP"));
        writeBytes(path("scan.tif"), pictureBytes(40, 30, "TIFF"));
        writeBytes(path("jpeg-named.png"), jpegBytes(40, 30));
        writeBytes(path("noise.png"), QByteArray(300, 'x'));
        writeBytes(path("drawing.svg"),
                   QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" "
                              "height=\"60\"><rect width=\"120\" height=\"60\"/></svg>"));
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::yellow);
        QVERIFY(icon.save(path("app.ico"), "ICO"));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    }

    void init()
    {
        owner_ = new QWidget;
        dialog_ = new TOpenPictureDialog(owner_);
    }
    void cleanup() { delete owner_; }

    void placesThePreview_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("card, unscaled in the middle") << QSize(82, 82) << QRect(35, 29, 82, 82);
        QTest::newRow("400 x 300") << QSize(400, 300) << QRect(0, 0, 153, 115);
        QTest::newRow("300 x 400") << QSize(300, 400) << QRect(0, 0, 106, 141);
        QTest::newRow("150 x 145, taller than the area") << QSize(150, 145) << QRect(0, 0, 153, 148);
        QTest::newRow("exactly the area") << QSize(153, 141) << QRect(0, 0, 153, 141);
        QTest::newRow("square, too big") << QSize(500, 500) << QRect(0, 0, 141, 141);
        QTest::newRow("one pixel high line") << QSize(1000, 1) << QRect(0, 0, 153, 0);
        QTest::newRow("huge") << QSize(2000000000, 1500000000) << QRect(0, 0, 153, 115);
    }
    void placesThePreview()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, drawn);
        QCOMPARE(PreviewGeometry::pictureRect(picture, QSize(153, 141)), drawn);
    }

    void previewsWhatCanBeShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("card bitmap") << "card.bmp"
                                     << " (82x82)";
        QTest::newRow("jpeg") << "photo.jpg"
                              << " (40x30)";
        QTest::newRow("upper-case .JPEG") << "PHOTO2.JPEG"
                                          << " (8x6)";
        QTest::newRow("icon") << "app.ico"
                              << " (16x16)";
        QTest::newRow("folder") << "folder.bmp"
                                << "Picture:";
        QTest::newRow("nothing selected") << ""
                                          << "Picture:";
        QTest::newRow("missing file") << "missing.bmp"
                                      << "Picture:";
        QTest::newRow("unknown extension") << "notes.txt"
                                           << "Picture:";
        QTest::newRow("damaged bitmap") << "notbmp.bmp"
                                        << "Picture:";
        QTest::newRow("jpeg cut short") << "cut.jpg"
                                        << "Picture:";
        QTest::newRow("noise named .jpg") << "noise.jpg"
                                          << "Picture:";
        QTest::newRow("bitmap named .jpg") << "bitmap-named.jpg"
                                           << "Picture:";
        QTest::newRow("metafile") << "drawing.wmf"
                                  << "Picture:";
        QTest::newRow("png") << "wide.png"
                             << " (400x300)";
        QTest::newRow("webp") << "photo.webp"
                              << " (40x30)";
        QTest::newRow("tiff") << "scan.tif"
                              << " (40x30)";
        QTest::newRow("svg at its own size") << "drawing.svg"
                                             << " (120x60)";
        QTest::newRow("jpeg named .png") << "jpeg-named.png"
                                         << " (40x30)";
        QTest::newRow("noise named .png") << "noise.png"
                                          << "Picture:";
    }
    void previewsWhatCanBeShown()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        dialog_->UpdatePreview(path("card.bmp"));
        dialog_->UpdatePreview(name.isEmpty() ? QString() : dir_.filePath(name));
        QCOMPARE(label()->text(), text);
        const bool shown = text != QLatin1String("Picture:");
        QCOMPARE(button()->isEnabled(), shown);
        QCOMPARE(dialog_->PreviewPicture().Width() > 0, shown);
    }

    void kindsAreLookedUpLastRegisteredFirst()
    {
        QStringList order;
        for (const PictureKinds::Kind& kind : PictureKinds::standard().kinds())
            order << kind.extension + QLatin1Char('=') + kind.description;
        // The kinds Qt reads come first, so the standard ones win every lookup.
        QCOMPARE(order,
                 QStringList({"gif=GIF Image", "png=Portable Network Graphics",
                              "svg=Scalable Vector Graphics", "tif=TIFF Image", "tiff=TIFF Image",
                              "webp=WebP Image", "wmf=Metafiles", "emf=Enhanced Metafiles", "ico=Icons",
                              "bmp=Bitmaps", "jpeg=JPEG Image File", "jpg=JPEG Image File"}));
        PictureKinds kinds = PictureKinds::standard();
        kinds.add(QStringLiteral("BMP"), QStringLiteral("Other"), [](const QString&) { return QImage(); });
        QCOMPARE(kinds.find(QStringLiteral("bmp"))->description, QStringLiteral("Other"));
        QCOMPARE(kinds.find(QStringLiteral("Jpg"))->description, QStringLiteral("JPEG Image File"));
        QVERIFY(kinds.find(QStringLiteral("txt")) == nullptr);

        TPicture picture;
        QString message;
        try {
            picture.LoadFromFile(path("notes.txt"));
        } catch (const Exception& e) {
            message = e.Message();
        }
        QCOMPARE(message, QStringLiteral("Unknown picture file extension (.txt)"));
    }

    void jpegErrorsCarryTheirNumber()
    {
        QString message;
        try {
            JpegDecoder::decode(QByteArray(300, 'x'));
        } catch (const EJPEG& e) {
            message = e.Message();
            QVERIFY(e.code() > 0);
        }
        QVERIFY2(QRegularExpression(QStringLiteral("^JPEG error #\\d+$")).match(message).hasMatch(),
                 qPrintable(message));
    }

    void paintsThePreview_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("card in the middle") << "card.bmp" << QPoint(35, 29) << QPoint(34, 28);
        QTest::newRow("card's far corner") << "card.bmp" << QPoint(116, 110) << QPoint(117, 111);
        QTest::newRow("400 x 300") << "wide.bmp" << QPoint(152, 114) << QPoint(152, 115);
        QTest::newRow("400 x 300 png") << "wide.png" << QPoint(152, 114) << QPoint(152, 115);
        QTest::newRow("300 x 400") << "tall.bmp" << QPoint(105, 140) << QPoint(106, 140);
        QTest::newRow("150 x 145, clipped") << "almost.bmp" << QPoint(152, 140) << QPoint(-1, -1);
    }
    void paintsThePreview()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        dialog_->UpdatePreview(dir_.filePath(name));
        QCOMPARE(paintBox()->size(), QSize(153, 141));
        const QImage shot = paintBox()->grab().toImage();
        const QRgb background = paintBox()->palette().color(QPalette::Window).rgb();
        QVERIFY(shot.pixel(inside) != background);
        if (outside.x() >= 0)
            QCOMPARE(shot.pixel(outside), background);
    }

    void showsNoneWithoutAPicture()
    {
        dialog_->UpdatePreview(path("notes.txt"));
        const QImage shot = paintBox()->grab().toImage();
        const QRgb background = paintBox()->palette().color(QPalette::Window).rgb();
        int marked = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) != background) {
                    ++marked;
                    // The text sits around the middle.
                    QVERIFY(qAbs(y - 70) < 15 && qAbs(x - 76) < 40);
                }
        QVERIFY(marked > 10);
    }

    void fullSizePreviewClosesWithEscape()
    {
        dialog_->UpdatePreview(path("card.bmp"));
        QPointer<QWidget> form;
        QSize imageSize;
        QString title;
        whenModal([&](QWidget* modal) {
            form = modal;
            title = modal->windowTitle();
            if (auto* image = modal->findChild<QWidget*>(QStringLiteral("Image")))
                imageSize = image->size();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Preview"));
        QCOMPARE(imageSize, QSize(82, 82));
        QTRY_VERIFY(form.isNull()); // destroyed once closed
    }

    void typedPathIsPreviewedAndReturned()
    {
        const QString jpeg = path("photo.jpg");
        QString shownLabel;
        whenModal([&](QWidget* modal) {
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->setFocus();
            QTest::keyClicks(edit, jpeg);
            shownLabel = label()->text();
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QVERIFY(dialog_->RunDialog());
        QCOMPARE(shownLabel, QStringLiteral(" (40x30)"));
        QCOMPARE(dialog_->FileName(), jpeg);
        QCOMPARE(dialog_->FilterIndex(), 1);
        // A JPEG is no card picture: the bitmap layer refuses it.
        TBitmap bitmap;
        QCOMPARE(([&] {
                     try {
                         bitmap.LoadBitmapFile(dialog_->FileName());
                     } catch (const EInvalidGraphic& e) {
                         return e.Message();
                     }
                     return QString();
                 }()),
                 QStringLiteral("Bitmap image is not valid"));
    }

    void offersBitmapsThenAllPicturesAndTakesTypedMasks()
    {
        QStringList filters;
        QStringList maskFilters;
        whenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(fileDialog);
            QVERIFY(fileDialog->testOption(QFileDialog::DontUseNativeDialog));
            filters = fileDialog->nameFilters();
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("*.jpg"));
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(modal->isVisible()); // a mask filters, it does not confirm
            maskFilters = fileDialog->nameFilters();
        });
        dialog_->SetFileName(path("card.bmp"));
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(filters,
                 QStringList({"Bitmaps (*.bmp)",
                              "All pictures (*.bmp *.gif *.jpeg *.jpg *.png *.svg *.tif *.tiff *.webp)"}));
        QCOMPARE(maskFilters, QStringList{QStringLiteral("*.jpg")});
    }

    // The second entry lists every picture kind; a file chosen under it
    // reports that entry.
    void allPicturesListsEveryKind()
    {
        QStringList listed;
        whenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            auto* list = modal->findChild<QListView*>(QStringLiteral("listView"));
            QVERIFY(fileDialog && list);
            fileDialog->selectNameFilter(fileDialog->nameFilters().value(1));
            const auto names = [list] {
                QStringList shown;
                for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                    shown << list->model()->index(row, 0, list->rootIndex()).data().toString();
                return shown;
            };
            QTRY_VERIFY(names().contains(QStringLiteral("drawing.svg")));
            listed = names();
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("photo.webp"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        dialog_->SetFileName(path("card.bmp"));
        QVERIFY(dialog_->RunDialog());
        QCOMPARE(dialog_->FilterIndex(), 2);
        QCOMPARE(dialog_->FileName(), path("photo.webp"));
        QCOMPARE(dialog_->InitialDir(), dir_.path());
        for (const char* name :
             {"card.bmp", "photo.jpg", "wide.png", "photo.webp", "scan.tif", "drawing.svg"})
            QVERIFY2(listed.contains(QString::fromLatin1(name)), name);
        QVERIFY(!listed.contains(QStringLiteral("notes.txt")));
    }

    // The name box's completion list is a window of its own: it must not
    // outlive the dialog, or it stays on screen and eats the next click.
    void completionListClosesWithTheDialog_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed with Enter") << true;
        QTest::newRow("cancelled") << false;
    }
    void completionListClosesWithTheDialog()
    {
        QFETCH(bool, confirm);
        dialog_->SetFileName(path("tall.bmp"));
        QPointer<QWidget> popup;
        whenModal([&](QWidget* modal) {
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit && edit->completer());
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("card.bmp"));
            popup = edit->completer()->popup();
            QTRY_VERIFY(popup->isVisible());
            if (confirm)
                QTest::keyClick(edit, Qt::Key_Return);
            else
                qobject_cast<QDialog*>(modal)->reject();
        });
        QCOMPARE(dialog_->RunDialog(), confirm);
        QVERIFY(popup);
        QVERIFY(!popup->isVisible());
        if (confirm)
            QCOMPARE(dialog_->FileName(), path("card.bmp"));
    }

    // Where a run starts: the last chosen file's folder, else the folder last
    // used, else the user's pictures or home, never the working folder; with
    // the filter entry last confirmed. A cancelled run changes none of them.
    void startsInTheFolderLastUsed_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("initialDir");
        QTest::addColumn<QString>("expected"); // "" for the user's pictures or home
        QTest::addColumn<int>("filterIndex");
        const QString sub = path("sub");
        QTest::newRow("nothing yet") << QString() << QString() << QString() << 1;
        QTest::newRow("folder last used") << QString() << sub << sub << 2;
        QTest::newRow("last file's folder first") << path("card.bmp") << sub << dir_.path() << 2;
        QTest::newRow("last file's folder gone") << path("gone/card.bmp") << sub << sub << 1;
        QTest::newRow("folder last used gone") << QString() << path("gone") << QString() << 2;
    }
    void startsInTheFolderLastUsed()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, initialDir);
        QFETCH(QString, expected);
        QFETCH(int, filterIndex);
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("sub")));
        const QString working = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        dialog_->SetFileName(fileName);
        dialog_->SetInitialDir(initialDir);
        dialog_->SetFilterIndex(filterIndex);
        QString started;
        QString filter;
        whenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            started = fileDialog->directory().path();
            filter = fileDialog->selectedNameFilter();
            fileDialog->setDirectory(QDir::homePath()); // elsewhere, then cancelled
        });
        QVERIFY(!dialog_->RunDialog());
        QDir::setCurrent(working);
        if (expected.isEmpty()) {
            const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
            QVERIFY2(started == pictures || started == QDir::homePath(), qPrintable(started));
        } else {
            QCOMPARE(started, expected);
        }
        QCOMPARE(filter, dialog_->Dialog()->nameFilters().value(filterIndex - 1));
        QCOMPARE(dialog_->FileName(), fileName);
        QCOMPARE(dialog_->InitialDir(), initialDir);
        QCOMPARE(dialog_->FilterIndex(), filterIndex);
    }

    // Clearing the selection leaves the pane with nothing chosen.
    void selectionUpdatesThePreviewAndCancelKeepsTheName()
    {
        const QString previous = path("card.bmp");
        dialog_->SetFileName(previous);
        QString shown;
        struct {
            QString label;
            bool buttonEnabled = true;
            int width = -1;
        } cleared;
        whenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(fileDialog);
            // What a click on the file in the list does.
            auto* list = modal->findChild<QListView*>(QStringLiteral("listView"));
            QVERIFY(list);
            QModelIndex wide;
            QTRY_VERIFY((wide = list->model()
                                    ->match(list->rootIndex().isValid()
                                                ? list->model()->index(0, 0, list->rootIndex())
                                                : QModelIndex(),
                                            Qt::DisplayRole, QStringLiteral("wide.bmp"), 1, Qt::MatchExactly)
                                    .value(0))
                            .isValid());
            list->setCurrentIndex(wide);
            QTRY_COMPARE(label()->text(), QStringLiteral(" (400x300)"));
            shown = label()->text();
            // Ctrl+click on the chosen file empties the selection.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualRect(wide).center());
            QTRY_VERIFY(!list->selectionModel()->hasSelection());
            cleared = {label()->text(), button()->isEnabled(), dialog_->PreviewPicture().Width()};
            fileDialog->reject();
        });
        QVERIFY(!dialog_->RunDialog());
        QCOMPARE(shown, QStringLiteral(" (400x300)"));
        QCOMPARE(cleared.label, QStringLiteral("Picture:"));
        QVERIFY(!cleared.buttonEnabled);
        QCOMPARE(cleared.width, 0);
        QCOMPARE(dialog_->FileName(), previous);
    }
};

QTEST_MAIN(TestPictureDialog)
#include "test_picturedialog.moc"
