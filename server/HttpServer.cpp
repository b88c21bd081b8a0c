#include "HttpServer.h"

#include <sodium.h>

#include <filesystem>
#include <optional>
#include <stdexcept>

#include <httplib.h>

#include "AnswerWriter.h"
#include "ConnectionPool.h"
#include "MethodError.h"
#include "PlmServer.h"

namespace server {

namespace {

constexpr const char* kXml = "text/xml; charset=utf-8";

void Refuse(httplib::Response& response, int status, const std::string& code, const std::string& description) {
    response.status = status;
    response.set_content(AnswerWriter().Finish("ERROR", {{code, description, {}}}), kXml);
}

// The text after "<scheme> " in the Authorization header; none when the header has another scheme.
std::optional<std::string> Authorization(const httplib::Request& request, const std::string& scheme) {
    std::string value = request.get_header_value("Authorization");
    if (value.size() <= scheme.size() || value.compare(0, scheme.size() + 1, scheme + " ") != 0) return std::nullopt;
    return value.substr(scheme.size() + 1);
}

struct Credentials {
    std::string user, password;
};

// The user name and password of HTTP basic authentication.
std::optional<Credentials> BasicCredentials(const httplib::Request& request) {
    std::optional<std::string> encoded = Authorization(request, "Basic");
    if (!encoded) return std::nullopt;
    std::string decoded(encoded->size(), '\0');
    size_t length = 0;
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(decoded.data()), decoded.size(), encoded->c_str(), encoded->size(),
                          nullptr, &length, nullptr, sodium_base64_VARIANT_ORIGINAL) != 0)
        return std::nullopt;
    decoded.resize(length);
    size_t colon = decoded.find(':');
    if (colon == std::string::npos) return std::nullopt;
    return Credentials{decoded.substr(0, colon), decoded.substr(colon + 1)};
}

std::unique_ptr<httplib::Server> NewServer(const HttpSettings& settings) {
    if (settings.tlsCertificate.empty() != settings.tlsKey.empty())
        throw std::runtime_error("HTTPS needs both a certificate and its private key");
    if (settings.tlsCertificate.empty()) return std::make_unique<httplib::Server>();
    for (const std::string& file : {settings.tlsCertificate, settings.tlsKey})
        if (!std::filesystem::is_regular_file(file)) throw std::runtime_error("The file " + file + " does not exist");
    auto https = std::make_unique<httplib::SSLServer>(settings.tlsCertificate.c_str(), settings.tlsKey.c_str());
    if (!https->is_valid())
        throw std::runtime_error("The certificate " + settings.tlsCertificate + " and the private key " + settings.tlsKey +
                                 " are not a matching pair of PEM files");
    return https;
}

}  // namespace

bool IsLoopback(const std::string& host) { return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0; }

HttpServer::HttpServer(PlmServer& plm, HttpSettings settings)
    : plm_(plm), settings_(std::move(settings)), http_(NewServer(settings_)) {
    if (settings_.path.empty() || settings_.path.front() != '/') settings_.path = "/" + settings_.path;
    if (settings_.requireLogin) sessions_ = std::make_unique<Sessions>(plm_, settings_.sessionLifetime);
    size_t limit = std::max<size_t>(1, settings_.maxConnections);
    http_->new_task_queue = [limit] { return new ConnectionPool(limit); };
    // Bodies up to this size reach the server, which answers an oversized request with "ERROR".
    http_->set_payload_max_length(4 * PlmServer::kMaxRequestBytes);
    Route();
}

HttpServer::~HttpServer() = default;

void HttpServer::Route() {
    http_->set_pre_routing_handler([this](const httplib::Request&, httplib::Response& response) {
        if (!ConnectionPool::OverLimit()) return httplib::Server::HandlerResponse::Unhandled;
        Refuse(response, 503, codes::kBusy,
               "The server serves at most " + std::to_string(settings_.maxConnections) + " connection(s) at once, all in use; try again shortly");
        response.set_header("Connection", "close");
        return httplib::Server::HandlerResponse::Handled;
    });
    http_->Post(settings_.path, [this](const httplib::Request& request, httplib::Response& response) {
        Caller caller{nullptr, settings_.timeLimit, settings_.user};
        Account account;
        if (sessions_) {
            std::optional<std::string> token = Authorization(request, "Bearer");
            try {
                if (!token) throw MethodError(codes::kNotAuthenticated, "The request carries no session token; log in first");
                account = sessions_->Authenticate(*token);
            } catch (const MethodError& e) {
                response.set_header("WWW-Authenticate", "Bearer realm=\"noxsimplelinks\"");
                return Refuse(response, 401, e.Code(), e.what());
            } catch (const std::exception& e) {
                return Refuse(response, 500, codes::kInternal, std::string("The server failed: ") + e.what());
            }
            caller.account = &account;
        }
        PlmServer::Reply reply = plm_.Serve(request.body, caller);
        response.status = reply.status;
        response.set_content(reply.answer, kXml);
    });
    if (sessions_) {
        http_->Post(settings_.path + "/login", [this](const httplib::Request& request, httplib::Response& response) {
            std::optional<Credentials> credentials = BasicCredentials(request);
            try {
                if (!credentials) throw MethodError(codes::kNotAuthenticated, "The login carries no user name and password");
                response.set_content(Sessions::Answer(sessions_->Login(credentials->user, credentials->password)), kXml);
            } catch (const MethodError& e) {
                response.set_header("WWW-Authenticate", "Basic realm=\"noxsimplelinks\"");
                Refuse(response, 401, e.Code(), e.what());
            } catch (const std::exception& e) {
                Refuse(response, 500, codes::kInternal, std::string("The server failed: ") + e.what());
            }
        });
    }
    auto notHere = [this](const httplib::Request& request, httplib::Response& response) {
        bool ours = request.path == settings_.path;
        response.status = ours ? 405 : 404;
        if (request.method != "HEAD")
            response.set_content(ours ? "POST request documents here\n" : "Requests go to " + settings_.path + "\n", "text/plain");
    };
    http_->Get(".*", notHere);
    http_->Post(".*", notHere);
}

int HttpServer::Bind(const std::string& host, int port) {
    if (!settings_.requireLogin && !IsLoopback(host))
        throw std::runtime_error("A server without login listens on loopback only (127.0.0.1, ::1 or localhost), not on " + host);
    host_ = host;
    port_ = port == 0 ? http_->bind_to_any_port(host) : (http_->bind_to_port(host, port) ? port : -1);
    if (port_ < 0) throw std::runtime_error("Cannot listen on " + host + ":" + std::to_string(port));
    return port_;
}

void HttpServer::Run() { http_->listen_after_bind(); }

void HttpServer::Stop() { http_->stop(); }

bool HttpServer::Running() const { return http_->is_running(); }

std::string HttpServer::Url() const {
    return std::string(settings_.tlsCertificate.empty() ? "http" : "https") + "://" + host_ + ":" + std::to_string(port_) + settings_.path;
}

}  // namespace server
