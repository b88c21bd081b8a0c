#include "components/noxcomm2/HttpTransport.h"

#include <chrono>
#include <httplib.h>
#include <pugixml.hpp>

#include "automation/AutomationError.h"
#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/SessionTokenFile.h"

namespace components {

namespace {

using automation::AutomationError;
using Clock = std::chrono::steady_clock;

std::string Ms(int ms) { return std::to_string(ms) + " ms"; }

// Whether a response's body is an answer document, as the server's refusals are.
bool IsAnswerDocument(const httplib::Response& response) {
    return response.get_header_value("Content-Type").rfind("text/xml", 0) == 0 && response.body.find("<Answer") < 64;
}

}  // namespace

HttpTransport::HttpTransport(ServerAddress address, const ConnectionSettings& settings)
    : address_(std::move(address)),
      connectTimeoutMs_(settings.connectTimeoutMs),
      timeoutMs_(settings.timeoutMs),
      caFile_(settings.caFile),
      tokenFile_(settings.tokenFile) {}

std::string HttpTransport::Describe() const {
    return std::string(address_.secure ? "https://" : "http://") + address_.host + ":" + std::to_string(address_.port) + address_.path;
}

std::unique_ptr<httplib::Client> HttpTransport::NewClient(int readTimeoutMs) const {
    auto client = std::make_unique<httplib::Client>(std::string(address_.secure ? "https://" : "http://") + address_.host + ":" +
                                                    std::to_string(address_.port));
    client->set_connection_timeout(std::chrono::milliseconds(connectTimeoutMs_));
    client->set_read_timeout(std::chrono::milliseconds(readTimeoutMs));
    client->set_write_timeout(std::chrono::milliseconds(readTimeoutMs));
    if (address_.secure) {
        client->enable_server_certificate_verification(true);
        if (!caFile_.empty()) client->set_ca_cert_path(caFile_.c_str());
    }
    return client;
}

namespace {

// The error of an exchange that brought no HTTP answer; `doing` ("exchange with") says what failed.
AutomationError ExchangeFailure(const httplib::Error error, bool late, const HttpTransport& transport, int connectTimeoutMs,
                                int timeoutMs, const std::string& caFile, const char* doing = "exchange with") {
    const std::string server = "The server at " + transport.Describe();
    switch (error) {
        case httplib::Error::ConnectionTimeout:
            return {commerrors::kTimedOut, server + " did not accept the connection within " + Ms(connectTimeoutMs)};
        case httplib::Error::SSLServerVerification:
            return {commerrors::kUntrustedServer, server + " is not trusted: its certificate is not signed by " +
                                                      (caFile.empty() ? "a certificate authority of the system" : "the certificate authority of " + caFile) +
                                                      ", or not made out to that host"};
        case httplib::Error::SSLConnection:
            return {commerrors::kUnreachable, "Cannot open a secure connection to " + transport.Describe() + " (does it speak HTTPS?)"};
        case httplib::Error::SSLLoadingCerts:
            return {commerrors::kBadSettings, "The certificate authority file " + caFile + " cannot be read"};
        default:
            if (error == httplib::Error::Read && late) return {commerrors::kTimedOut, server + " did not answer within " + Ms(timeoutMs)};
            return {commerrors::kUnreachable,
                    std::string("Cannot ") + doing + " the server at " + transport.Describe() + ": " + httplib::to_string(error)};
    }
}

}  // namespace

std::string HttpTransport::Exchange(const std::string& request) const {
    std::unique_ptr<httplib::Client> client = NewClient(timeoutMs_);
    if (!tokenFile_.empty()) client->set_bearer_token_auth(SessionTokenFile(tokenFile_).Read().c_str());
    auto started = Clock::now();
    httplib::Result result = client->Post(address_.path.c_str(), request, "text/xml; charset=utf-8");
    if (!result)
        throw ExchangeFailure(result.error(), Clock::now() - started >= std::chrono::milliseconds(timeoutMs_), *this, connectTimeoutMs_,
                              timeoutMs_, caFile_);
    if (result->status != 200 && !IsAnswerDocument(*result))
        throw AutomationError(commerrors::kHttpStatus, "The server at " + Describe() + " answered HTTP " + std::to_string(result->status));
    return result->body;
}

std::string HttpTransport::Login(const std::string& user, const std::string& password) const {
    if (tokenFile_.empty()) throw AutomationError(commerrors::kBadSettings, "The connection names no TOKEN_FILE to keep a session in");
    std::unique_ptr<httplib::Client> client = NewClient(timeoutMs_);
    client->set_basic_auth(user.c_str(), password.c_str());
    std::string path = address_.path + (address_.path.ends_with("/") ? "login" : "/login");
    auto started = Clock::now();
    httplib::Result result = client->Post(path.c_str(), "", "text/plain");
    if (!result)
        throw ExchangeFailure(result.error(), Clock::now() - started >= std::chrono::milliseconds(timeoutMs_), *this, connectTimeoutMs_,
                              timeoutMs_, caFile_);
    if (!IsAnswerDocument(*result))
        throw AutomationError(commerrors::kHttpStatus, "The server at " + Describe() + " answered the login with HTTP " +
                                                           std::to_string(result->status));
    pugi::xml_document answer;
    answer.load_string(result->body.c_str());
    pugi::xml_node session = answer.select_node("/Answer//SESSION").node();
    if (result->status != 200 || !session.attribute("TOKEN")) {
        std::string why = answer.select_node("/Answer/Messages/Message/Description").node().text().get();
        throw AutomationError(commerrors::kServerFailed, why.empty() ? "The login was refused" : why);
    }
    SessionTokenFile(tokenFile_).Write(session.attribute("TOKEN").value());
    return session.attribute("EXPIRES").value();
}

void HttpTransport::Probe() const {
    std::unique_ptr<httplib::Client> client = NewClient(connectTimeoutMs_);
    // Any HTTP answer, whatever its status, shows that the server is there.
    if (httplib::Result result = client->Head(address_.path.c_str()); !result)
        throw ExchangeFailure(result.error(), false, *this, connectTimeoutMs_, connectTimeoutMs_, caFile_, "reach");
}

}  // namespace components
