#pragma once
// The base of the two communication wrappers: the members they share, typed for the library and
// bound by name for late-bound callers. Each wrapper adds its Init (and the asynchronous one its
// sending without waiting and its event).
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "noxsimplelinks/comm/CommWrapperCore.h"

namespace noxsimplelinks {

template <class Wrapper>
class CommWrapperBase : public automation::Dispatchable<Wrapper> {
public:
    // Never throws: failures end in LastCommError, the code "Failed" and an empty answer.
    std::string SendRequest(const std::string& strRequest, automation::Variant& strResultCode,
                            automation::Variant& arrMessages) {
        return core_.SendRequest(strRequest, strResultCode, arrMessages);
    }
    // The component's Send; errors propagate.
    bool SendRequest2(const std::string& strRequest) { return core_.Forward("Send", strRequest); }
    automation::Variant Response() { return core_.Response(); }
    // The server the component talks to, as it names it ("embedded" or its URL); the control opens
    // its own asynchronous wrapper on the server of the communication object it was given.
    std::string Server() { return core_.Server(); }
    std::shared_ptr<CommErrorRecord> LastCommError() const { return core_.LastCommError(); }

protected:
    static void AddSharedMembers(automation::MemberTable<Wrapper>& t) {
        using automation::Variant;
        t.Method("SendRequest",
                 [](Wrapper& w, const std::string& request, Variant& resultCode, Variant& messages,
                    const Variant& /*strServerName, not used*/) { return w.SendRequest(request, resultCode, messages); })
            .Method("SendRequest2", &Wrapper::SendRequest2)
            .Property("Response", &Wrapper::Response)
            .Property("Server", &Wrapper::Server)
            .ObjectProperty(
                "LastCommError", [](Wrapper& w) { return Variant(w.LastCommError()); },
                [](Wrapper& w, const Variant& record) { w.core_.SetLastCommError(record); });
    }

    CommWrapperCore core_;
};

}  // namespace noxsimplelinks
