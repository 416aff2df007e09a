#include "TestFiles.h"
#include "web/WebPage.h"
#include "web/ui/WebExportCommand.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

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

// Runs `act` on the first visible top-level widget of type T once it shows.
template <typename T> void whenShown(const std::function<void(T*)>& act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* shown = qobject_cast<T*>(widget); shown && shown->isVisible()) {
                act(shown);
                return;
            }
        }
        whenShown<T>(act);
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

// The file choice offers "<set name>.html"; a name without a suffix gets
// ".html"; the report box says what the page holds.
void TestWebExportCommand::writesThePageAndSaysWhatItHolds()
{
    const QString set = writeSet(dir_.path());
    const QString chosen = QDir(dir_.path()).filePath(QStringLiteral("For the class"));
    QString proposed;
    QString report;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->selectFile(chosen);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, which checks the name
        whenShown<QMessageBox>([&](QMessageBox* box) {
            report = box->text();
            box->accept();
        });
    });
    ExportSetAsWebPage(nullptr, set);
    QCOMPARE(proposed, QStringLiteral("Colours.html"));
    QVERIFY(TestFiles::readBytes(chosen + QStringLiteral(".html")).startsWith("<!DOCTYPE html>"));
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
