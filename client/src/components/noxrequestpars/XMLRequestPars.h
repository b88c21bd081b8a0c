#pragma once
// The communication object of hosts that load synchronously: its type name, "XMLRequestPars", tells
// the control to send with SendRequest and wait for the answer. It sends through its own
// communication component ("noxcomm2.Icomm"), embedded or over HTTP.
#include <string>

#include "automation/Dispatchable.h"

namespace components {

class XMLRequestPars : public automation::Dispatchable<XMLRequestPars> {
public:
    static constexpr const char* kTypeName = "XMLRequestPars";
    static constexpr const char* kProgId = "noxrequestpars.XMLRequestPars";
    static constexpr const char* kCommProgId = "noxcomm2.Icomm";
    static const automation::MemberTable<XMLRequestPars>& Members();

    // Creates its communication component; a failure leaves it without one until Open.
    XMLRequestPars();

    // Connects to a server as the communication component's Open does ("embedded" or a host name)
    // with a new component; false, with "Unable to Create :noxcomm2.Icomm" in LastError, when it cannot.
    bool Open(const std::string& serverName, int32_t port, const std::string& servletPath);
    // The answer text; the result code (the answer's in upper case, the first method's for a
    // "WARNING", or "Failed" when the exchange itself failed) and the first message come back through
    // the out parameters. Never throws: a failure is kept in LastError; without a component the out
    // parameters are left as they are.
    automation::Variant SendRequest(const std::string& request, automation::Variant& resultCode,
                                    automation::Variant& messages);
    automation::Variant Response();
    std::string LastError() const { return lastError_; }

private:
    automation::DispatchPtr comm_;
    std::string lastError_;
};

}  // namespace components
