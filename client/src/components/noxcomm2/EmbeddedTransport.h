#pragma once
// The transport to the embedded server: the request text goes to the registered in-process handler.
#include "components/noxcomm2/Transport.h"

namespace components {

class EmbeddedTransport : public Transport {
public:
    std::string Exchange(const std::string& request) const override;
    void Probe() const override;
    std::string Describe() const override { return "embedded"; }
};

}  // namespace components
