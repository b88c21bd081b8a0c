#include "components/noxrequestpars/XMLRequestPars.h"

#include "automation/ObjectFactory.h"
#include "automation/Text.h"

namespace components {

using automation::Variant;

namespace {

Variant Property(const Variant& target, const char* name) {
    automation::Arguments none;
    return automation::InvokeOn(target, name, automation::InvokeKind::PropertyGet, none);
}

// The description of the first of an answer's (or a method response's) Messages; Empty without one.
Variant FirstMessage(const Variant& owner) {
    Variant messages = Property(owner, "Messages");
    if (Property(messages, "Count").ToLong() < 1) return Variant();
    return Variant(Property(automation::CallOn(messages, "Item", int32_t{1}), "Description").ToString());
}

}  // namespace

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

XMLRequestPars::XMLRequestPars() {
    try {
        comm_ = automation::CreateObject(kCommProgId);
    } catch (const std::exception&) {
        comm_.reset();
    }
}

bool XMLRequestPars::Open(const std::string& serverName, int32_t port, const std::string& servletPath) {
    try {
        comm_ = automation::CreateObject(kCommProgId);
        comm_->Call("Open", serverName, port, servletPath);
    } catch (const std::exception&) {
        lastError_ = std::string("Unable to Create :") + kCommProgId;
        return false;
    }
    lastError_.clear();
    return true;
}

Variant XMLRequestPars::SendRequest(const std::string& request, Variant& resultCode, Variant& messages) {
    if (!comm_) {
        lastError_ = "XMLRequestPars Not Initialized";
        return std::string();
    }
    try {
        comm_->Call("Send", request);
        Variant response = comm_->Get("Response");
        resultCode = automation::Upper(Property(response, "ResultCode").ToString());
        if (resultCode.ToString() == "WARNING") {
            Variant first = automation::CallOn(Property(response, "MethodResponses"), "Item", int32_t{1});
            resultCode = Property(first, "ResultCode").ToString();
            messages = FirstMessage(first);
        } else {
            messages = FirstMessage(response);
        }
        return Property(response, "xml").AsText();  // the answer's text as the answer holds it
    } catch (const std::exception& e) {
        lastError_ = automation::AutomationError::From(e).Description();
        messages = std::string();
        resultCode = std::string("Failed");
        return std::string();
    }
}

Variant XMLRequestPars::Response() { return Property(Variant(comm_), "Response"); }

}  // namespace components
