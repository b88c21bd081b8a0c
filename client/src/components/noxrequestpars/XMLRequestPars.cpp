#include "components/noxrequestpars/XMLRequestPars.h"

namespace components {

using automation::Variant;

const automation::MemberTable<XMLRequestPars>& XMLRequestPars::Members() {
    static const auto table = [] {
        automation::MemberTable<XMLRequestPars> t;
        t.Method("Open", &XMLRequestPars::Open)
            .Method("SendRequest", &XMLRequestPars::SendRequest)
            .Property("Response", &XMLRequestPars::Response)
            .Property("LastError", &XMLRequestPars::LastError);
        return t;
    }();
    return table;
}

bool XMLRequestPars::Open(const std::string& serverName, int32_t port, const std::string& servletPath) {
    return core_.Init(true, "Open", serverName, port, Variant(servletPath), noxsimplelinks::CommWrapperCore::kCommProgId);
}

std::string XMLRequestPars::LastError() const { return core_.LastCommError()->Description(); }

}  // namespace components
