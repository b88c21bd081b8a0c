#pragma once
// A receiver the host application installs for the whole process (none by default): the host
// objects and components that stand in for the desktop tell it what they were asked to do (a
// workspace to open, a report written, a request sent). Safe to install and call from any thread.
#include <functional>
#include <mutex>

namespace platform {

template <class... A>
class ProcessHook {
public:
    using Receiver = std::function<void(A...)>;

    void Install(Receiver receiver) {
        std::lock_guard lock(mutex_);
        receiver_ = std::move(receiver);
    }
    // Calls the receiver outside the lock, so that it may install another.
    void operator()(A... args) const {
        Receiver receiver;
        {
            std::lock_guard lock(mutex_);
            receiver = receiver_;
        }
        if (receiver) receiver(args...);
    }

private:
    mutable std::mutex mutex_;
    Receiver receiver_;
};

}  // namespace platform
