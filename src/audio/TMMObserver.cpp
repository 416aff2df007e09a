#include "audio/TMMObserver.h"

#include <algorithm>

TMMObserver::TMMObserver(Notify onNotify) : onNotify_(std::move(onNotify)) {}

TMMObserver::~TMMObserver()
{
    if (observable_)
        observable_->RemoveObserver(this);
}

void TMMObserver::Update(void* sender)
{
    if (onNotify_)
        onNotify_(sender);
}

TMMObservable::~TMMObservable()
{
    for (TMMObserver* observer : observers_)
        observer->observable_ = nullptr;
}

void TMMObservable::AddObserver(TMMObserver* observer)
{
    if (!observer)
        return;
    if (observer->observable_)
        observer->observable_->RemoveObserver(observer);
    observers_.push_back(observer);
    observer->observable_ = this;
}

void TMMObservable::RemoveObserver(TMMObserver* observer)
{
    const auto found = std::find(observers_.begin(), observers_.end(), observer);
    if (found == observers_.end())
        return;
    observers_.erase(found);
    observer->observable_ = nullptr;
}

int TMMObservable::Count() const
{
    return int(observers_.size());
}

void TMMObservable::NotifyObservers(void* sender)
{
    // A copy: an observer may leave while it is told.
    const std::vector<TMMObserver*> snapshot = observers_;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (std::find(observers_.begin(), observers_.end(), *it) != observers_.end())
            (*it)->Update(sender);
}
