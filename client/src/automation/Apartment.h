#pragma once
// The single-threaded apartment: one thread owns the objects. Work that finishes on another thread
// is posted to the owner's queue and runs when the owner pumps, so completion events arrive on the
// owning thread.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace automation {

class Apartment {
public:
    // The apartment of the calling thread, created on first use.
    static std::shared_ptr<Apartment> Current();

    // Any thread may post.
    void Post(std::function<void()> work);
    // Runs everything queued so far; must be called on the owning thread. Returns how many ran.
    size_t Pump();
    // Pumps until done() holds or the time is up; waits for posts in between. True when done.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    size_t Pending() const;
    bool IsOwningThread() const { return std::this_thread::get_id() == owner_; }

    explicit Apartment(std::thread::id owner) : owner_(owner) {}

private:
    std::thread::id owner_;
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace automation
