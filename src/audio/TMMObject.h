#pragma once

#include <functional>

// Base of the multimedia objects: an update counter and two change events.
// OnChanging fires when a change begins, OnChange when it ends, each only
// while no BeginUpdate is pending.
class TMMObject {
  public:
    using Event = std::function<void(TMMObject* sender)>;

    TMMObject() = default;
    virtual ~TMMObject() = default;
    TMMObject(const TMMObject&) = delete;
    TMMObject& operator=(const TMMObject&) = delete;

    void BeginUpdate();
    void EndUpdate(); // fires OnChange when the counter comes back to 0
    int UpdateCount() const { return updateCount_; }

    Event OnChanging;
    Event OnChange;

  protected:
    // The change-state hook: `starting` true when a change begins.
    virtual void DoChangeState(bool starting);
    void Changing();
    virtual void Changed();

  private:
    int updateCount_ = 0;
};
