#pragma once
// The transport to a server over HTTP: each request document is POSTed to
// http://host:port/path; the body of a 200 answer is the answer document. Failures of the
// connection, time-outs and other statuses become automation errors.
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/Transport.h"

namespace components {

class HttpTransport : public Transport {
public:
    HttpTransport(ServerAddress address, int connectTimeoutMs, int timeoutMs);
    std::string Exchange(const std::string& request) const override;
    void Probe() const override;
    std::string Describe() const override;

private:
    ServerAddress address_;
    int connectTimeoutMs_;
    int timeoutMs_;
};

}  // namespace components
