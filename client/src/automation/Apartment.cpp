#include "automation/Apartment.h"

#include "automation/AutomationError.h"

namespace automation {

std::shared_ptr<Apartment> Apartment::Current() {
    thread_local std::shared_ptr<Apartment> apartment = std::make_shared<Apartment>(std::this_thread::get_id());
    return apartment;
}

void Apartment::Post(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
    }
    posted_.notify_all();
}

size_t Apartment::Pump() {
    if (!IsOwningThread())
        throw AutomationError(errors::kInvalidProcedureCall, "The apartment can only be pumped by its owning thread");
    size_t available = Pending();
    // One item at a time, so that an item that throws leaves the rest queued for the next pump.
    for (size_t ran = 0; ran < available; ++ran) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            work = std::move(queue_.front());
            queue_.pop_front();
        }
        work();
    }
    return available;
}

bool Apartment::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        Pump();
        if (done()) return true;
        std::unique_lock lock(mutex_);
        if (!posted_.wait_until(lock, deadline, [this] { return !queue_.empty(); })) return done();
    }
}

size_t Apartment::Pending() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

}  // namespace automation
