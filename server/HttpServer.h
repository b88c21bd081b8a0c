#pragma once
// Serves a PLM server over HTTP: request documents POSTed to one path are answered with answer
// documents ("text/xml"); any other method or path gets a short HTTP error.
#include <memory>
#include <string>

namespace httplib {
class Server;
}

namespace server {

class PlmServer;

class HttpServer {
public:
    // The path requests are POSTed to unless told otherwise.
    static constexpr const char* kDefaultPath = "/nox/request";

    HttpServer(PlmServer& plm, std::string path);
    ~HttpServer();

    // Binds to the host and port (0: a free port); returns the port. Raises std::runtime_error.
    int Bind(const std::string& host, int port);
    // Answers requests until Stop; returns then.
    void Run();
    // From any thread.
    void Stop();
    // "http://host:port/path".
    std::string Url() const;

private:
    std::unique_ptr<httplib::Server> http_;
    std::string host_, path_;
    int port_ = 0;
};

}  // namespace server
