#include "cardset/ui/FolderBrowser.h"

#include <QDir>
#include <QUrl>

namespace {

// Absolute and without "." or ".." steps, so that "Ed/../x" counts as "x".
// Links are not resolved: a link the user put inside the root stays inside.
QString cleanAbsolute(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

FolderBrowser::FolderBrowser(QWidget* parent, const QString& title, const QString& root)
    : QFileDialog(parent, title), root_(cleanAbsolute(root))
{
    setObjectName(QStringLiteral("FolderBrowser"));
    setFileMode(QFileDialog::Directory);
    setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    // The side bar offers the root alone: its usual places lie outside.
    setSidebarUrls({QUrl::fromLocalFile(root_)});
    setDirectory(root_);
    setHistory({});
    // Every way of moving (parent button, path box, typed path, back) ends
    // here; a move above the root goes back to the root.
    connect(this, &QFileDialog::directoryEntered, this, &FolderBrowser::keepInside);
}

bool FolderBrowser::isInside(const QString& path) const
{
    const QString folder = cleanAbsolute(path);
    return folder == root_ ||
           folder.startsWith(root_ == QStringLiteral("/") ? root_ : root_ + QLatin1Char('/'));
}

void FolderBrowser::keepInside(const QString& folder)
{
    if (!isInside(folder))
        setDirectory(root_);
}

void FolderBrowser::accept()
{
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !isInside(chosen.first())) {
        setDirectory(root_);
        return;
    }
    QFileDialog::accept();
}
