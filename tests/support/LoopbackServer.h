#pragma once
// A real HTTP server for one test, on 127.0.0.1 at a port the system picks; every request (POST or
// HEAD, any path) is answered by the test's function. HTTPS when given a certificate and its key.
// Stopped when the object ends.
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace testsupport {

class LoopbackServer {
public:
    struct Reply {
        int status = 200;
        std::string body;
        std::chrono::milliseconds delay{0};  // waited before answering
    };
    using Handler = std::function<Reply(const std::string& path, const std::string& body)>;

    explicit LoopbackServer(Handler handler, const std::string& certificate = {}, const std::string& key = {});
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return port_; }
    std::string Url(const std::string& path) const;
    // The Authorization header of the last request; empty when it had none.
    std::string LastAuthorization() const;
    // A port on 127.0.0.1 that nothing listens on (bound and released again).
    static int ClosedPort();

private:
    std::unique_ptr<httplib::Server> server_;
    bool secure_ = false;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::string authorization_;
    std::thread thread_;
};

}  // namespace testsupport
