#include "web/ui/WebExportCommand.h"

#include "web/WebPage.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>

namespace {

const QString Caption = QStringLiteral("Export as web page");

// The wait cursor for as long as the page is made, whatever the outcome.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString chooseFile(QWidget* parent, const QString& setFolder)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed =
        QDir(documents.isEmpty() ? QDir::homePath() : documents)
            .filePath(QFileInfo(QDir::cleanPath(setFolder)).fileName() + QStringLiteral(".html"));
    QString chosen =
        QFileDialog::getSaveFileName(parent, Caption, proposed, QStringLiteral("Web pages (*.html *.htm)"));
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".html");
    return chosen;
}

QString numberList(const std::vector<int>& numbers)
{
    QStringList list;
    for (const int number : numbers)
        list << QString::number(number);
    return list.join(QStringLiteral(", "));
}

} // namespace

QString WebExportReport(const WebPage::Page& page, const QString& outFile)
{
    QStringList lines;
    lines << QStringLiteral("The web page %1 was written (%2).")
                 .arg(QDir::toNativeSeparators(outFile), QLocale().formattedDataSize(page.html.size()));
    lines << QStringLiteral("It plays %1 pairs.").arg(page.playable.size());
    if (!page.leftOut.empty())
        lines << QStringLiteral("Pairs left out (a picture is missing or cannot be read): %1.")
                     .arg(numberList(page.leftOut));
    if (!page.problems.isEmpty())
        lines << QStringLiteral("Sounds left out:") << page.problems;
    return lines.join(QLatin1Char('\n'));
}

void ExportSetAsWebPage(QWidget* parent, const QString& setFolder, const QString& outFile)
{
    const QString target = outFile.isEmpty() ? chooseFile(parent, setFolder) : outFile;
    if (target.isEmpty())
        return;
    WebPage::Page page;
    {
        const WaitCursor wait;
        page = WebPage::Export(setFolder, target);
    }
    QMessageBox box(QMessageBox::NoIcon, Caption, WebExportReport(page, target), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("WebExportReport"));
    box.exec();
}
