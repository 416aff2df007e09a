#include "images/ThumbnailMaker.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

ThumbnailMaker::ThumbnailMaker(QObject* parent) : QObject(parent) {}

// Running jobs hold copies of what they read; they finish on the pool and
// their results are dropped with the watchers.
ThumbnailMaker::~ThumbnailMaker()
{
    for (auto* watcher : running_.keys())
        watcher->disconnect(this);
}

std::optional<Thumbnail> ThumbnailMaker::request(const QString& path, QSize box)
{
    const Job job{path, box, FileStamp::of(path)};
    if (auto cached = cache_.find(path, box, job.stamp))
        return cached;
    if (!known(job)) {
        queue_.append(job);
        startQueued();
    }
    return std::nullopt;
}

bool ThumbnailMaker::known(const Job& job) const
{
    if (queue_.contains(job))
        return true;
    for (const Job& running : running_)
        if (running == job)
            return true;
    return false;
}

void ThumbnailMaker::cancelPending()
{
    queue_.clear();
}

void ThumbnailMaker::startQueued()
{
    const int threads = std::max(1, QThreadPool::globalInstance()->maxThreadCount());
    while (!queue_.isEmpty() && running_.size() < threads) {
        const Job job = queue_.takeFirst();
        auto* watcher = new QFutureWatcher<Thumbnail>(this);
        connect(watcher, &QFutureWatcher<Thumbnail>::finished, this, [this, watcher] { finish(watcher); });
        running_.insert(watcher, job);
        const QString path = job.path;
        const QSize box = job.box;
        watcher->setFuture(QtConcurrent::run([path, box] { return MakeThumbnail(path, box); }));
    }
}

void ThumbnailMaker::finish(QFutureWatcher<Thumbnail>* watcher)
{
    const auto it = running_.constFind(watcher);
    if (it == running_.constEnd())
        return; // already finished by waitForAll()
    const Job job = it.value();
    running_.erase(it);
    watcher->disconnect(this);
    watcher->deleteLater();
    Thumbnail thumbnail = watcher->result();
    thumbnail.stamp = job.stamp;
    cache_.insert(job.path, job.box, thumbnail);
    startQueued();
    emit ready(job.path, job.box, thumbnail);
}

void ThumbnailMaker::waitForAll()
{
    while (!running_.isEmpty()) {
        auto* watcher = running_.constBegin().key();
        watcher->waitForFinished();
        finish(watcher);
    }
}
