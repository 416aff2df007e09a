#include "app/HelpWindow.h"

#include "common/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int HelpWidth = 560;
constexpr int HelpHeight = 480;

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Tessellor Help"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(HelpWidth, HelpHeight);
}

HelpWindow* HelpWindow::showContents(QWidget* owner, const QString& contentsFile)
{
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner);
    window->openContents(contentsFile);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::openContents(const QString& contentsFile)
{
    const QFileInfo info(contentsFile);
    if (!info.isFile() || !info.isReadable()) {
        browser_->clearHistory();
        browser_->setHtml(tr("<h2>Help not found</h2><p>The help file %1 is not there.</p>")
                              .arg(contentsFile.toHtmlEscaped()));
        return;
    }
    browser_->setSearchPaths({info.absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
}

QString HelpWindow::ContentsFile()
{
    return InstallLayout::DataFolder(QCoreApplication::applicationDirPath()) +
           QStringLiteral("/Help/index.html");
}

void HelpWindow::showAbout(QWidget* owner)
{
    const QString sets = InstallLayout::SetsFolder(QCoreApplication::applicationDirPath(), QDir::homePath());
    QMessageBox::about(
        owner, tr("About Tessellor"),
        tr("<p><b>Tessellor</b> %1</p>"
           "<p>The card set editor of the Varnolo memory game: make the cover and "
           "the forty cards of a set from pictures, texts and sounds.</p>"
           "<p>Sets are kept in the folder %2.</p>")
            .arg(QStringLiteral(TESSELLOR_VERSION), QDir::toNativeSeparators(sets).toHtmlEscaped()));
}
