#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

LoopbackServer::LoopbackServer(Handler handler) : server_(std::make_unique<httplib::Server>()) {
    auto answer = [handler](const httplib::Request& request, httplib::Response& response) {
        Reply reply = handler(request.path, request.body);
        if (reply.delay.count() > 0) std::this_thread::sleep_for(reply.delay);
        response.status = reply.status;
        response.set_content(reply.body, "text/xml; charset=utf-8");
    };
    server_->Post(".*", answer);
    server_->Get(".*", answer);
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackServer::~LoopbackServer() {
    server_->stop();
    thread_.join();
}

std::string LoopbackServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

int LoopbackServer::ClosedPort() {
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot find a free loopback port");
    ::close(socket);
    return ntohs(address.sin_port);
}

}  // namespace testsupport
