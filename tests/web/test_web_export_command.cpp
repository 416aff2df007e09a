#include "TestFiles.h"
#include "web/WebPage.h"
#include "web/ui/WebExportCommand.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A paired set of three pairs, the third without its picture.
QString writeSet(const QString& parent)
{
    const QString set = QDir(parent).filePath(QStringLiteral("Colours"));
    QDir().mkpath(set);
    for (int file = 1; file <= 2; ++file) {
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(file == 1 ? Qt::red : Qt::blue);
        picture.save(QDir(set).filePath(QStringLiteral("C0%1.bmp").arg(file)), "BMP");
    }
    return set;
}

// Presses OK on the report box once it shows, keeping its text.
void readReportWhenShown(QString* text)
{
    QTimer::singleShot(0, [text] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                *text = box->text();
                box->accept();
                return;
            }
        }
        readReportWhenShown(text);
    });
}

} // namespace

class TestWebExportCommand : public QObject {
    Q_OBJECT

  private slots:
    void writesThePageAndSaysWhatItHolds();
    void refusesASetItCannotPlayAndWritesNothing();

  private:
    QTemporaryDir dir_;
};

void TestWebExportCommand::writesThePageAndSaysWhatItHolds()
{
    const QString set = writeSet(dir_.path());
    const QString out = QDir(dir_.path()).filePath(QStringLiteral("Colours.html"));
    QString report;
    readReportWhenShown(&report);
    ExportSetAsWebPage(nullptr, set, out);
    QVERIFY(TestFiles::readBytes(out).startsWith("<!DOCTYPE html>"));
    QVERIFY2(report.contains(QStringLiteral("It plays 2 pairs.")), qPrintable(report));
    QVERIFY2(
        report.contains(QStringLiteral("Pairs left out (a picture is missing or cannot be read): 3, 4, 5")),
        qPrintable(report));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestWebExportCommand::refusesASetItCannotPlayAndWritesNothing()
{
    const QString set = writeSet(dir_.path());
    QVERIFY(QFile::remove(QDir(set).filePath(QStringLiteral("C02.bmp"))));
    const QString out = QDir(dir_.path()).filePath(QStringLiteral("Few.html"));
    QVERIFY_THROWS_EXCEPTION(EWebExportError, ExportSetAsWebPage(nullptr, set, out));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestWebExportCommand)
#include "test_web_export_command.moc"
