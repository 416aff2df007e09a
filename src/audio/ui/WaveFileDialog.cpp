#include "audio/ui/WaveFileDialog.h"

#include <QFileInfo>

WaveFileDialog::WaveFileDialog(QWidget* parent, Check check) : QFileDialog(parent), check_(std::move(check))
{
}

void WaveFileDialog::accept()
{
    const QStringList files = selectedFiles();
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (info.isDir() || !info.exists())
            return QFileDialog::accept();
    }
    for (const QString& path : files) {
        if (check_ && !check_(path))
            return;
    }
    QFileDialog::accept();
}
