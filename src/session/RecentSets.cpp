#include "session/RecentSets.h"

#include "cardset/CardTable.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("RecentSets");

QString sameForm(const QString& folder)
{
    return SetFolderForm(folder);
}

} // namespace

RecentSets::RecentSets()
{
    const QStringList stored = QSettings().value(SettingsKey).toStringList();
    for (const QString& folder : stored)
        if (!folder.isEmpty() && !folders_.contains(sameForm(folder)) && folders_.size() < Capacity)
            folders_.append(sameForm(folder));
}

void RecentSets::add(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QString entry = sameForm(folder);
    folders_.removeAll(entry);
    folders_.prepend(entry);
    while (folders_.size() > Capacity)
        folders_.removeLast();
    QSettings settings;
    settings.setValue(SettingsKey, folders_);
    settings.sync();
}

int RecentSets::indexOf(const QString& folder) const
{
    return folder.isEmpty() ? -1 : int(folders_.indexOf(sameForm(folder)));
}

bool RecentSets::available(const QString& folder)
{
    return QFileInfo(folder).isDir();
}
