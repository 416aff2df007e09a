#include "common/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString sharedFolder(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/tessellor"));
}

} // namespace

bool InstallLayout::IsSystemInstall(const QString& programFolder)
{
    const QString folder = QDir::cleanPath(programFolder);
    return QFileInfo(folder).fileName() == QLatin1String("bin") && QFileInfo(sharedFolder(folder)).isDir();
}

QString InstallLayout::DataFolder(const QString& programFolder)
{
    return IsSystemInstall(programFolder) ? sharedFolder(programFolder) : QDir::cleanPath(programFolder);
}

QString InstallLayout::SetsFolder(const QString& programFolder, const QString& home)
{
    const QString base = IsSystemInstall(programFolder) ? home + QStringLiteral("/Tessellor") : programFolder;
    return QDir::cleanPath(base + QStringLiteral("/Ed")) + QLatin1Char('/');
}
