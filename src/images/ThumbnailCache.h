#pragma once

#include "images/Thumbnail.h"

#include <QCache>
#include <QString>
#include <optional>

// Thumbnails already made, by file path, box and the file's stamp: a file
// changed on disk has a new stamp and so misses. The least recently used are
// dropped beyond a memory budget.
class ThumbnailCache {
  public:
    explicit ThumbnailCache(qsizetype maxBytes = qsizetype(64) << 20);

    std::optional<Thumbnail> find(const QString& path, QSize box, const FileStamp& stamp);
    void insert(const QString& path, QSize box, const Thumbnail& thumbnail);
    int count() const { return int(cache_.count()); }

  private:
    static QString keyOf(const QString& path, QSize box, const FileStamp& stamp);

    QCache<QString, Thumbnail> cache_;
};
