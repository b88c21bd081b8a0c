#pragma once
// What the two communication wrappers do alike: hold the communication component instance and the
// error record, open the component, and reduce an answer to result code, first message and answer
// text (SendRequest).
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "noxsimplelinks/comm/CommErrorRecord.h"

namespace noxsimplelinks {

class CommWrapperCore {
public:
    static constexpr const char* kCommProgId = "noxcomm2.Icomm";
    static constexpr int32_t kUnableToCreate = static_cast<int32_t>(0x80040001u);
    static constexpr int32_t kNotInitialized = static_cast<int32_t>(0x8004000Au);

    // Creates the component; a failure leaves the core without one.
    CommWrapperCore();

    // Creates a component (always, or only when none is held), then calls openMethod on it with the
    // server, port and path. Any failure is recorded as "Unable to Create :" + commClassId.
    bool Init(bool createAlways, const char* openMethod, const std::string& serverName, int32_t portNumber,
              const automation::Variant& servletRelativePath, const std::string& commClassId);
    // Never throws: failures end in the error record, "Failed" and an empty answer.
    std::string SendRequest(const std::string& request, automation::Variant& resultCode, automation::Variant& messages);
    // Calls a sending operation of the component and returns its boolean; errors propagate.
    bool Forward(const char* operation, const std::string& request);
    automation::Variant Response();
    std::string Server();

    const automation::DispatchPtr& Comm() const { return comm_; }
    std::shared_ptr<CommErrorRecord> LastCommError() const { return lastError_; }
    void SetLastCommError(const automation::Variant& record);

private:
    automation::DispatchPtr comm_;
    std::shared_ptr<CommErrorRecord> lastError_ = std::make_shared<CommErrorRecord>();
};

}  // namespace noxsimplelinks
