#pragma once
// The transport to the embedded server: the request text goes to the registered in-process handler.
#include "components/noxcomm2/Transport.h"

namespace components {

class EmbeddedTransport : public Transport {
public:
    std::string Exchange(const std::string& request) const override;
    void Probe() const override;
    std::string Describe() const override { return "embedded"; }
    // The embedded server trusts its host: no login.
    std::string Login(const std::string&, const std::string&) const override { return {}; }
};

}  // namespace components
