#pragma once

#include <deque>
#include <functional>

// One command of the editor at a time. A command that runs a nested event
// loop (a modal dialog, the progress of a long save) lets other inputs
// arrive; none of them may start inside it, where its card writes would mix
// with the running command's and Undo would take back the wrong files. An
// input that arrives meanwhile is queued to run after the running command
// and whatever was queued before it, or ignored when that is what it asks.
class CommandGuard {
  public:
    enum class WhenBusy { Queue, Ignore };

    // Runs `command` now when no command runs; otherwise queues or drops it.
    // True when it ran or was queued.
    bool run(std::function<void()> command, WhenBusy whenBusy = WhenBusy::Queue);
    bool busy() const { return running_; }
    // Commands waiting for the running one to end.
    std::size_t queued() const { return queue_.size(); }

  private:
    bool running_ = false;
    std::deque<std::function<void()>> queue_;
};
