#include "session/CommandGuard.h"

namespace {

// Clears the running mark however the command ends.
class Running {
  public:
    explicit Running(bool& flag) : flag_(flag) { flag_ = true; }
    ~Running() { flag_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    bool& flag_;
};

} // namespace

bool CommandGuard::run(std::function<void()> command, WhenBusy whenBusy)
{
    if (running_) {
        if (whenBusy == WhenBusy::Ignore)
            return false;
        queue_.push_back(std::move(command));
        return true;
    }
    {
        const Running running(running_);
        command();
    }
    // What arrived meanwhile runs now, in its order, each one whole.
    while (!queue_.empty() && !running_) {
        std::function<void()> next = std::move(queue_.front());
        queue_.pop_front();
        const Running running(running_);
        next();
    }
    return true;
}
