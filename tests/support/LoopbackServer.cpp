#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

namespace {

std::unique_ptr<httplib::Server> NewServer(const std::string& certificate, const std::string& key) {
    if (certificate.empty()) return std::make_unique<httplib::Server>();
    return std::make_unique<httplib::SSLServer>(certificate.c_str(), key.c_str());
}

}  // namespace

LoopbackServer::LoopbackServer(Handler handler, const std::string& certificate, const std::string& key)
    : server_(NewServer(certificate, key)), secure_(!certificate.empty()) {
    auto answer = [this, handler](const httplib::Request& request, httplib::Response& response) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            authorization_ = request.get_header_value("Authorization");
        }
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
    return std::string(secure_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_) + path;
}

std::string LoopbackServer::LastAuthorization() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return authorization_;
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
