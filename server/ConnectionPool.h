#pragma once
// The threads that serve an HTTP server's connections: at most `limit` connections at once, each on
// a worker of its own. A connection beyond the limit goes to one more thread, on which OverLimit()
// is true, so that the server answers it at once with a refusal instead of letting it wait.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <httplib.h>

namespace server {

class ConnectionPool : public httplib::TaskQueue {
public:
    explicit ConnectionPool(size_t limit);
    ~ConnectionPool() override;

    void enqueue(std::function<void()> connection) override;
    // Serves what was accepted, then ends the threads.
    void shutdown() override;
    // Whether the calling thread serves a connection over the limit.
    static bool OverLimit();

private:
    void Serve(std::deque<std::function<void()>>& queue, bool refusing);

    size_t limit_;
    size_t inUse_ = 0;  // connections queued or served within the limit
    bool stopping_ = false;
    std::deque<std::function<void()>> served_, refused_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<std::thread> threads_;
};

}  // namespace server
