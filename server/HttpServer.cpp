#include "HttpServer.h"

#include <stdexcept>

#include <httplib.h>

#include "PlmServer.h"

namespace server {

HttpServer::HttpServer(PlmServer& plm, std::string path) : http_(std::make_unique<httplib::Server>()), path_(std::move(path)) {
    if (path_.empty() || path_.front() != '/') path_ = "/" + path_;
    // Bodies up to this size reach the server, which answers an oversized request with "ERROR".
    http_->set_payload_max_length(4 * PlmServer::kMaxRequestBytes);
    http_->Post(path_, [&plm](const httplib::Request& request, httplib::Response& response) {
        response.set_content(plm.Handle(request.body), "text/xml; charset=utf-8");
    });
    auto notHere = [this](const httplib::Request& request, httplib::Response& response) {
        bool ours = request.path == path_;
        response.status = ours ? 405 : 404;
        if (request.method != "HEAD")
            response.set_content(ours ? "POST request documents here\n" : "Requests go to " + path_ + "\n", "text/plain");
    };
    http_->Get(".*", notHere);
    http_->Post(".*", notHere);
}

HttpServer::~HttpServer() = default;

int HttpServer::Bind(const std::string& host, int port) {
    host_ = host;
    port_ = port == 0 ? http_->bind_to_any_port(host) : (http_->bind_to_port(host, port) ? port : -1);
    if (port_ < 0) throw std::runtime_error("Cannot listen on " + host + ":" + std::to_string(port));
    return port_;
}

void HttpServer::Run() { http_->listen_after_bind(); }

void HttpServer::Stop() { http_->stop(); }

std::string HttpServer::Url() const { return "http://" + host_ + ":" + std::to_string(port_) + path_; }

}  // namespace server
