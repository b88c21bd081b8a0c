#pragma once
// A real HTTP server for one test, on 127.0.0.1 at a port the system picks; every request (POST or
// HEAD, any path) is answered by the test's function. Stopped when the object ends.
#include <chrono>
#include <functional>
#include <memory>
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

    explicit LoopbackServer(Handler handler);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return port_; }
    std::string Url(const std::string& path) const;
    // A port on 127.0.0.1 that nothing listens on (bound and released again).
    static int ClosedPort();

private:
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    std::thread thread_;
};

}  // namespace testsupport
