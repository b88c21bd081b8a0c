#pragma once
// Serves a PLM server over HTTP or HTTPS: request documents POSTed to one path are answered with
// answer documents ("text/xml"). Unless told otherwise, a request needs a session token
// ("Authorization: Bearer …") got by a login at the path + "/login" (HTTP basic authentication);
// a refusal is an answer document with HTTP 401. At most so many connections are served at once,
// and a request has so much time; beyond either, the answer says so (HTTP 503). Any other method
// or path gets a short HTTP error.
#include <memory>
#include <string>

#include "HttpSettings.h"

namespace httplib {
class Server;
}

namespace server {

class PlmServer;

class HttpServer {
public:
    // The path requests are POSTed to unless told otherwise.
    static constexpr const char* kDefaultPath = "/nox/request";

    // Raises std::runtime_error when the certificate or key cannot be read.
    HttpServer(PlmServer& plm, HttpSettings settings);
    ~HttpServer();

    // Binds to the host and port (0: a free port); returns the port. Raises std::runtime_error, also
    // for a server without login on an address other than loopback.
    int Bind(const std::string& host, int port);
    // Answers requests until Stop; returns then.
    void Run();
    // From any thread; once Running, or it has no effect.
    void Stop();
    bool Running() const;
    // "http://host:port/path" or "https://…".
    std::string Url() const;

private:
    void Route();

    PlmServer& plm_;
    HttpSettings settings_;
    std::unique_ptr<Sessions> sessions_;
    std::unique_ptr<httplib::Server> http_;
    std::string host_;
    int port_ = 0;
};

// Whether a host name or address is the loopback interface: "localhost", 127.x.x.x, "::1".
bool IsLoopback(const std::string& host);

}  // namespace server
