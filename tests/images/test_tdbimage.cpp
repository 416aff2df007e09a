#include "images/ui/TDBImage.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QTest>

namespace {

// A picture of four coloured quadrants, drawn through the bitmap layer.
void fillQuadrants(TBitmap& bitmap, int width, int height)
{
    QByteArray bytes("BM");
    const qsizetype row = (qsizetype(width) * 24 + 31) / 32 * 4;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](uint16_t v) {
        bytes.append(char(v & 0xFF));
        bytes.append(char(v >> 8));
    };
    put32(uint32_t(54 + row * height));
    put32(0);
    put32(54);
    put32(40);
    put32(uint32_t(width));
    put32(uint32_t(height));
    put16(1);
    put16(24);
    for (int i = 0; i < 6; ++i)
        put32(0);
    bytes.append(QByteArray(row * height, '\0'));
    bitmap.LoadBitmapBytes(bytes);
    bitmap.Draw([&](QPainter& p) {
        p.fillRect(0, 0, width / 2, height / 2, Qt::red);
        p.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
        p.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
        p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    });
}

QImage shot(TDBImage& frame)
{
    return frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestTDBImage : public QObject {
    Q_OBJECT

  private:
    QWidget* window_ = nullptr;
    TDBImage* frame1_ = nullptr;
    TDBImage* frame2_ = nullptr;

  private Q_SLOTS:
    void init()
    {
        window_ = new QWidget;
        frame1_ = new TDBImage(window_);
        frame1_->setObjectName(QStringLiteral("DBImage1"));
        frame2_ = new TDBImage(window_);
        frame2_->setObjectName(QStringLiteral("DBImage2"));
        frame2_->move(100, 0);
        window_->resize(200, 100);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        // The frame under test is not the active control unless a test says so.
        frame2_->setFocus();
        QTRY_VERIFY(window_->focusWidget() == frame2_);
    }
    void cleanup() { delete window_; }

    void startsWithAnEmptyPicture()
    {
        QVERIFY(frame1_->Picture().Empty());
        QCOMPARE(frame1_->Tag(), 0);
        QCOMPARE(frame1_->size(), QSize(82, 82));
    }

    void showsItsNameUntilAPictureIsAssigned()
    {
        const QRgb background = frame1_->palette().color(QPalette::Base).rgb();
        const QImage named = shot(*frame1_);
        bool textDrawn = false;
        for (int x = 0; x < 82 && !textDrawn; ++x)
            textDrawn = named.pixel(x, 41) != background;
        QVERIFY(textDrawn);
        QCOMPARE(named.pixel(2, 2), background);

        // An empty picture assigned: only the background.
        frame1_->PictureChanged();
        const QImage empty = shot(*frame1_);
        for (int y = 0; y < 82; ++y)
            for (int x = 0; x < 82; ++x)
                QCOMPARE(empty.pixel(x, y), background);
    }

    void stretchesThePictureWithoutBlending_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("2 x 2") << 2 << 2;
        QTest::newRow("wide 400 x 10") << 400 << 10;
        QTest::newRow("tall 6 x 300") << 6 << 300;
        QTest::newRow("card size") << 82 << 82;
    }
    void stretchesThePictureWithoutBlending()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        fillQuadrants(frame1_->Picture(), width, height);
        frame1_->PictureChanged();
        const QImage image = shot(*frame1_);
        QCOMPARE(image.pixel(5, 5), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(76, 5), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(5, 76), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(76, 76), qRgb(255, 255, 0));
        // Every shown colour is one of the picture's: no blended edges.
        const QList<QRgb> colours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
        for (int i = 0; i < 82; ++i) {
            QVERIFY(colours.contains(image.pixel(i, 40)));
            QVERIFY(colours.contains(image.pixel(40, i)));
        }
    }

    void framesTheActiveControl()
    {
        fillQuadrants(frame1_->Picture(), 2, 2);
        frame1_->PictureChanged();
        fillQuadrants(frame2_->Picture(), 2, 2);
        frame2_->PictureChanged();
        frame1_->setFocus();
        QTRY_VERIFY(window_->focusWidget() == frame1_);
        const QRgb frameColour = frame1_->palette().color(QPalette::WindowText).rgb();
        QImage image = shot(*frame1_);
        for (int i = 0; i < 82; ++i) {
            QCOMPARE(image.pixel(i, 0), frameColour);
            QCOMPARE(image.pixel(i, 81), frameColour);
            QCOMPARE(image.pixel(0, i), frameColour);
            QCOMPARE(image.pixel(81, i), frameColour);
        }
        QCOMPARE(image.pixel(1, 1), qRgb(255, 0, 0));
        QCOMPARE(shot(*frame2_).pixel(0, 0), qRgb(255, 0, 0));

        frame2_->setFocus();
        QTRY_VERIFY(window_->focusWidget() == frame2_);
        QCOMPARE(shot(*frame1_).pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(shot(*frame2_).pixel(0, 0), frameColour);
    }

    void focusIsAnnounced()
    {
        int entered = 0;
        connect(frame2_, &TDBImage::Entered, this, [&] { ++entered; });
        frame1_->setFocus();
        QTRY_VERIFY(window_->focusWidget() == frame1_);
        QCOMPARE(entered, 0);
        frame2_->setFocus();
        QTRY_COMPARE(entered, 1);
    }

    void onlyALeftClickMakesTheFrameCurrent_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("takesFocus");
        QTest::newRow("left button") << int(Qt::LeftButton) << true;
        QTest::newRow("right button") << int(Qt::RightButton) << false;
        QTest::newRow("middle button") << int(Qt::MiddleButton) << false;
    }
    void onlyALeftClickMakesTheFrameCurrent()
    {
        QFETCH(int, button);
        QFETCH(bool, takesFocus);
        int entered = 0;
        connect(frame1_, &TDBImage::Entered, this, [&] { ++entered; });
        QTest::mouseClick(frame1_, Qt::MouseButton(button), Qt::NoModifier, QPoint(40, 40));
        QApplication::processEvents();
        QCOMPARE(window_->focusWidget() == frame1_, takesFocus);
        QCOMPARE(entered, takesFocus ? 1 : 0);
    }

    void copiesThePictureToTheClipboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C);
        QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert);
    }
    void copiesThePictureToTheClipboard()
    {
        QFETCH(int, key);
        QGuiApplication::clipboard()->clear();
        fillQuadrants(frame1_->Picture(), 6, 4);
        frame1_->PictureChanged();
        QTest::keyClick(frame1_, Qt::Key(key), Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied, frame1_->Picture().ToImage());
    }

    void otherKeysLeaveTheClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        fillQuadrants(frame1_->Picture(), 2, 2);
        frame1_->PictureChanged();
        QTest::keyClick(frame1_, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(frame1_, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(frame1_, Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(TestTDBImage)
#include "test_tdbimage.moc"
