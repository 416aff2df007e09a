#include "common/ui/ExportFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("LastExportFolder");

} // namespace

QString ExportFiles::ProposedPath(const QString& fileName)
{
    const QString last = QSettings().value(SettingsKey).toString();
    const QString folder = !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
    return QDir(folder).filePath(fileName);
}

void ExportFiles::Remember(const QString& path)
{
    QSettings().setValue(SettingsKey, QFileInfo(path).absolutePath());
}

QString ExportFiles::WrittenText(const QString& what, const QString& path)
{
    return QCoreApplication::translate("ExportFiles", "The %1 %2 was written (%3).")
        .arg(what, QDir::toNativeSeparators(path), QLocale().formattedDataSize(QFileInfo(path).size()));
}

void ExportFiles::TellWritten(QWidget* parent, const QString& caption, const QString& what,
                              const QString& path)
{
    QMessageBox box(QMessageBox::NoIcon, caption, WrittenText(what, path), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ExportReport"));
    box.exec();
}
