#include "ConnectionPool.h"

namespace server {

namespace {

thread_local bool overLimit = false;

}  // namespace

ConnectionPool::ConnectionPool(size_t limit) : limit_(limit) {
    for (size_t i = 0; i < limit_; ++i) threads_.emplace_back([this] { Serve(served_, false); });
    threads_.emplace_back([this] { Serve(refused_, true); });
}

ConnectionPool::~ConnectionPool() { shutdown(); }

bool ConnectionPool::OverLimit() { return overLimit; }

void ConnectionPool::enqueue(std::function<void()> connection) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (inUse_ < limit_) {
            ++inUse_;
            served_.push_back(std::move(connection));
        } else {
            refused_.push_back(std::move(connection));
        }
    }
    ready_.notify_all();
}

void ConnectionPool::shutdown() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    ready_.notify_all();
    for (std::thread& thread : threads_)
        if (thread.joinable()) thread.join();
}

void ConnectionPool::Serve(std::deque<std::function<void()>>& queue, bool refusing) {
    overLimit = refusing;
    for (;;) {
        std::function<void()> connection;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            ready_.wait(lock, [&] { return !queue.empty() || stopping_; });
            if (queue.empty()) return;
            connection = std::move(queue.front());
            queue.pop_front();
        }
        connection();
        if (refusing) continue;
        std::lock_guard<std::mutex> lock(mutex_);
        --inUse_;
    }
}

}  // namespace server
