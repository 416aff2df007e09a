#include "images/ThumbnailCache.h"

// QCache counts cost in kilobytes here, so that its int budget holds any size.
ThumbnailCache::ThumbnailCache(qsizetype maxBytes) : cache_(maxBytes / 1024) {}

QString ThumbnailCache::keyOf(const QString& path, QSize box, const FileStamp& stamp)
{
    return QStringLiteral("%1|%2x%3|%4|%5|%6|%7")
        .arg(path)
        .arg(box.width())
        .arg(box.height())
        .arg(stamp.size)
        .arg(stamp.modifiedNs)
        .arg(stamp.changedNs)
        .arg(stamp.inode);
}

std::optional<Thumbnail> ThumbnailCache::find(const QString& path, QSize box, const FileStamp& stamp)
{
    if (!stamp.exists)
        return std::nullopt;
    const Thumbnail* found = cache_.object(keyOf(path, box, stamp));
    if (!found)
        return std::nullopt;
    return *found;
}

void ThumbnailCache::insert(const QString& path, QSize box, const Thumbnail& thumbnail)
{
    if (!thumbnail.stamp.exists)
        return;
    const qsizetype cost = thumbnail.image.sizeInBytes() / 1024 + 1;
    cache_.insert(keyOf(path, box, thumbnail.stamp), new Thumbnail(thumbnail), cost);
}
