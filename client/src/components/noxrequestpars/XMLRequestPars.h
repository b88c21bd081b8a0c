#pragma once
// The communication object of hosts that load synchronously: its type name, "XMLRequestPars", tells
// the control to send with SendRequest and wait for the answer. It sends through its own
// communication component ("noxcomm2.Icomm"), embedded or over HTTP.
#include <string>

#include "automation/Dispatchable.h"
#include "noxsimplelinks/comm/CommWrapperCore.h"

namespace components {

class XMLRequestPars : public automation::Dispatchable<XMLRequestPars> {
public:
    static constexpr const char* kTypeName = "XMLRequestPars";
    static constexpr const char* kProgId = "noxrequestpars.XMLRequestPars";
    static const automation::MemberTable<XMLRequestPars>& Members();

    // Connects to a server as the communication component's Open does ("embedded" or a host name);
    // false, with the failure in LastError, when it cannot.
    bool Open(const std::string& serverName, int32_t port, const std::string& servletPath);
    // The answer text; the result code ("OK", "WARNING", "FAILED", "ERROR", or "Failed" when the
    // exchange itself failed) and the messages come back through the out parameters. Never throws.
    std::string SendRequest(const std::string& request, automation::Variant& resultCode, automation::Variant& messages) {
        return core_.SendRequest(request, resultCode, messages);
    }
    automation::Variant Response() { return core_.Response(); }
    std::string LastError() const;

private:
    noxsimplelinks::CommWrapperCore core_;
};

}  // namespace components
