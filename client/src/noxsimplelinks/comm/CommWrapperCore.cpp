#include "noxsimplelinks/comm/CommWrapperCore.h"

#include <algorithm>
#include <cctype>

#include "automation/ObjectFactory.h"
#include "automation/Text.h"

namespace noxsimplelinks {

namespace {

using automation::AutomationError;
using automation::InvokeKind;
using automation::Variant;

Variant Member(const Variant& target, const char* name) {
    automation::Arguments none;
    return automation::InvokeOn(target, name, InvokeKind::PropertyGet, none);
}

Variant Item(const Variant& collection, int32_t index) {
    return automation::CallOn(collection, "Item", Variant(index));
}

// The description of the first message of an owner's Messages, or Empty when it has none.
Variant FirstMessage(const Variant& owner) {
    Variant messages = Member(owner, "Messages");
    if (Member(messages, "Count").ToLong() < 1) return Variant();
    return Variant(Member(Item(messages, 1), "Description").ToString());
}

using automation::Upper;

}  // namespace

CommWrapperCore::CommWrapperCore() {
    try {
        comm_ = automation::CreateObject(kCommProgId);
    } catch (const std::exception&) {
        comm_.reset();
    }
}

bool CommWrapperCore::Init(bool createAlways, const char* openMethod, const std::string& serverName,
                           int32_t portNumber, const Variant& servletRelativePath, const std::string& commClassId) {
    bool failed = false;
    try {
        if (createAlways || !comm_) comm_ = automation::CreateObject(kCommProgId);
    } catch (const std::exception&) {
        failed = true;
    }
    try {
        automation::CallOn(Variant(comm_), openMethod, serverName, portNumber, servletRelativePath.TextOr(""));
    } catch (const std::exception&) {
        failed = true;
    }
    if (failed) {
        lastError_->Record(AutomationError(kUnableToCreate, "Unable to Create :" + commClassId, "clsCommWrapper2.Init"));
        return false;
    }
    lastError_->Clear();
    return true;
}

std::string CommWrapperCore::SendRequest(const std::string& request, Variant& resultCode, Variant& messages) {
    if (!comm_) {
        lastError_->Record(
            AutomationError(kNotInitialized, "CommWrapper2 Not Initialized", "clsCommWrapper2.SendRequest"));
        return {};
    }
    try {
        comm_->Call("Send", request);
        Variant response = comm_->Get("Response");
        resultCode = Upper(Member(response, "ResultCode").ToString());
        if (resultCode.ToString() == "WARNING") {
            Variant first = Item(Member(response, "MethodResponses"), 1);
            resultCode = Member(first, "ResultCode").ToString();
            messages = FirstMessage(first);
        } else {
            messages = FirstMessage(response);
        }
        return Member(comm_->Get("Response"), "xml").ToString();
    } catch (const std::exception& e) {
        lastError_->Record(AutomationError::From(e));
        messages = std::string();
        resultCode = std::string("Failed");
        return {};
    }
}

bool CommWrapperCore::Forward(const char* operation, const std::string& request) {
    return automation::CallOn(Variant(comm_), operation, request).ToBool();
}

Variant CommWrapperCore::Response() { return Member(Variant(comm_), "Response"); }

std::string CommWrapperCore::Server() { return Member(Variant(comm_), "Server").ToString(); }

void CommWrapperCore::SetLastCommError(const Variant& record) { lastError_->CopyFrom(record.ToObject()); }

}  // namespace noxsimplelinks
