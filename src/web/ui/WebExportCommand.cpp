#include "web/ui/WebExportCommand.h"

#include "web/WebPage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString caption()
{
    return QCoreApplication::translate("WebExportCommand", "Export as web page");
}

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
    QString chosen = QFileDialog::getSaveFileName(
        parent, caption(), proposed,
        //: A file dialog's filter: the part in brackets stays as it is.
        QCoreApplication::translate("WebExportCommand", "Web pages (*.html *.htm)"));
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
    lines << QCoreApplication::translate("WebExportCommand", "The web page %1 was written (%2).")
                 .arg(QDir::toNativeSeparators(outFile), QLocale().formattedDataSize(page.html.size()));
    lines << QCoreApplication::translate("WebExportCommand", "It plays %1 pairs.").arg(page.playable.size());
    if (!page.leftOut.empty())
        lines << QCoreApplication::translate("WebExportCommand",
                                             "Pairs left out (a picture is missing or cannot be read): %1.")
                     .arg(numberList(page.leftOut));
    if (!page.problems.isEmpty())
        lines << QCoreApplication::translate("WebExportCommand", "Sounds left out:") << page.problems;
    return lines.join(QLatin1Char('\n'));
}

void ExportSetAsWebPage(QWidget* parent, const QString& setFolder, const QString& outFile,
                        const QString& language)
{
    const QString target = outFile.isEmpty() ? chooseFile(parent, setFolder) : outFile;
    if (target.isEmpty())
        return;
    WebPage::Page page;
    {
        const WaitCursor wait;
        WebPage::Options options;
        options.language = language;
        page = WebPage::Export(setFolder, target, options);
    }
    QMessageBox box(QMessageBox::NoIcon, caption(), WebExportReport(page, target), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("WebExportReport"));
    box.exec();
}
