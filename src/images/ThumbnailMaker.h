#pragma once

#include "images/Thumbnail.h"
#include "images/ThumbnailCache.h"

#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <optional>

// Makes thumbnails off the window thread: each request runs on Qt's thread
// pool, at most as many at once as the pool has threads (one per core), and
// is reported by ready() on the thread that owns the maker as soon as it is
// done. Thumbnails made are cached, so asking again for an unchanged file
// answers at once.
class ThumbnailMaker : public QObject {
    Q_OBJECT

  public:
    explicit ThumbnailMaker(QObject* parent = nullptr);
    ~ThumbnailMaker() override;

    // The thumbnail of `path` in `box` when the cache holds it for the file
    // as it is now; otherwise nullopt, and ready() follows once it is made
    // (a request equal to one not yet done is not made twice).
    std::optional<Thumbnail> request(const QString& path, QSize box);
    // Drops the requests that have not started yet.
    void cancelPending();
    // True while requests are queued or running.
    bool busy() const { return !queue_.isEmpty() || !running_.isEmpty(); }
    // Blocks until every request is done, reporting each by ready(); for
    // callers without an event loop (the command-line tool).
    void waitForAll();

    ThumbnailCache& cache() { return cache_; }

  signals:
    void ready(const QString& path, QSize box, const Thumbnail& thumbnail);

  private:
    struct Job {
        QString path;
        QSize box;
        FileStamp stamp;
        friend bool operator==(const Job&, const Job&) = default;
    };

    bool known(const Job& job) const;
    void startQueued();
    void finish(QFutureWatcher<Thumbnail>* watcher);

    ThumbnailCache cache_;
    QList<Job> queue_;
    QHash<QFutureWatcher<Thumbnail>*, Job> running_;
};
