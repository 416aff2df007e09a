#pragma once

#include <functional>
#include <vector>

class TMMObservable;

// Told of every change of the object whose observable it was added to.
class TMMObserver {
  public:
    using Notify = std::function<void(void* sender)>;

    explicit TMMObserver(Notify onNotify = {});
    virtual ~TMMObserver(); // leaves its observable
    TMMObserver(const TMMObserver&) = delete;
    TMMObserver& operator=(const TMMObserver&) = delete;

    virtual void Update(void* sender);
    TMMObservable* Observable() const { return observable_; }

  private:
    friend class TMMObservable;
    Notify onNotify_;
    TMMObservable* observable_ = nullptr;
};

// A list of observers. Adding an observer first removes it from any other
// observable; notification calls them from the last added to the first.
class TMMObservable {
  public:
    TMMObservable() = default;
    ~TMMObservable(); // detaches the observers it still holds
    TMMObservable(const TMMObservable&) = delete;
    TMMObservable& operator=(const TMMObservable&) = delete;

    void AddObserver(TMMObserver* observer);
    void RemoveObserver(TMMObserver* observer);
    int Count() const;
    void NotifyObservers(void* sender);

  private:
    std::vector<TMMObserver*> observers_;
};
