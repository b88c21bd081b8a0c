#include "components/noxcomm2/HttpTransport.h"

#include <chrono>
#include <httplib.h>

#include "automation/AutomationError.h"
#include "components/noxcomm2/CommErrors.h"

namespace components {

namespace {

using Clock = std::chrono::steady_clock;

std::string Ms(int ms) { return std::to_string(ms) + " ms"; }

}  // namespace

HttpTransport::HttpTransport(ServerAddress address, int connectTimeoutMs, int timeoutMs)
    : address_(std::move(address)), connectTimeoutMs_(connectTimeoutMs), timeoutMs_(timeoutMs) {}

std::string HttpTransport::Describe() const {
    return "http://" + address_.host + ":" + std::to_string(address_.port) + address_.path;
}

std::string HttpTransport::Exchange(const std::string& request) const {
    httplib::Client client(address_.host, address_.port);
    client.set_connection_timeout(std::chrono::milliseconds(connectTimeoutMs_));
    client.set_read_timeout(std::chrono::milliseconds(timeoutMs_));
    client.set_write_timeout(std::chrono::milliseconds(timeoutMs_));
    auto started = Clock::now();
    httplib::Result result = client.Post(address_.path, request, "text/xml; charset=utf-8");
    if (!result) {
        httplib::Error error = result.error();
        bool late = Clock::now() - started >= std::chrono::milliseconds(timeoutMs_);
        if (error == httplib::Error::ConnectionTimeout)
            throw automation::AutomationError(commerrors::kTimedOut, "The server at " + Describe() +
                                                                         " did not accept the connection within " +
                                                                         Ms(connectTimeoutMs_));
        if (error == httplib::Error::Read && late)
            throw automation::AutomationError(commerrors::kTimedOut,
                                              "The server at " + Describe() + " did not answer within " + Ms(timeoutMs_));
        throw automation::AutomationError(commerrors::kUnreachable,
                                          "Cannot exchange with the server at " + Describe() + ": " + httplib::to_string(error));
    }
    if (result->status != 200)
        throw automation::AutomationError(commerrors::kHttpStatus, "The server at " + Describe() + " answered HTTP " +
                                                                       std::to_string(result->status));
    return result->body;
}

void HttpTransport::Probe() const {
    httplib::Client client(address_.host, address_.port);
    client.set_connection_timeout(std::chrono::milliseconds(connectTimeoutMs_));
    client.set_read_timeout(std::chrono::milliseconds(connectTimeoutMs_));
    // Any HTTP answer, whatever its status, shows that the server is there.
    if (httplib::Result result = client.Head(address_.path); !result)
        throw automation::AutomationError(commerrors::kUnreachable, "Cannot reach the server at " + Describe() + ": " +
                                                                        httplib::to_string(result.error()));
}

}  // namespace components
