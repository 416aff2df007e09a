#include "cardset/SetCaption.h"

#include <QDir>
#include <QFileInfo>

QString SetNameOf(const QString& setFolder)
{
    return QFileInfo(QDir::cleanPath(setFolder)).fileName();
}

QString CaptionNamingSet(const QString& setFolder, const QString& caption)
{
    const QString name = setFolder.isEmpty() ? QString() : SetNameOf(setFolder);
    if (name.isEmpty())
        return caption;
    return name + QStringLiteral(" \u2014 ") + caption;
}
