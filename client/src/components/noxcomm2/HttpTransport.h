#pragma once
// The transport to a server over HTTP or HTTPS: each request document is POSTed to the URL, with
// the session token of the connection's token file when it names one; the body of a 200 answer is
// the answer document, and so is that of a refusal (401, 403, 503) that comes as one. An HTTPS
// server must show a certificate that the connection's certificate authorities (else the system's)
// vouch for. Failures of the connection, time-outs, untrusted servers and other statuses become
// automation errors.
#include <memory>

#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/Transport.h"

namespace httplib {
class Client;
}

namespace components {

class HttpTransport : public Transport {
public:
    HttpTransport(ServerAddress address, const ConnectionSettings& settings);
    std::string Exchange(const std::string& request) const override;
    void Probe() const override;
    std::string Describe() const override;
    // POSTs to the URL + "/login" with basic authentication and keeps the token in the token file.
    std::string Login(const std::string& user, const std::string& password) const override;

private:
    std::unique_ptr<httplib::Client> NewClient(int readTimeoutMs) const;

    ServerAddress address_;
    int connectTimeoutMs_;
    int timeoutMs_;
    std::string caFile_, tokenFile_;
};

}  // namespace components
