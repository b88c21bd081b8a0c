#pragma once
// The asynchronous communication wrapper: everything clsCommWrapper2 does, plus sending without
// waiting (SendAsyncRequest); the component's RequestResult is raised again, untouched, as the
// wrapper's own RequestResult(nRequestID, nHr, bstrErrors, bstrResponse).
#include "automation/EventSource.h"
#include "noxsimplelinks/comm/CommWrapperBase.h"

namespace noxsimplelinks {

class clsCommWrapperAsync : public CommWrapperBase<clsCommWrapperAsync> {
public:
    static constexpr const char* kTypeName = "clsCommWrapperAsync";
    static const automation::MemberTable<clsCommWrapperAsync>& Members();

    // Subscribes to the component's RequestResult for the wrapper's whole life.
    clsCommWrapperAsync();
    ~clsCommWrapperAsync() override;
    clsCommWrapperAsync(const clsCommWrapperAsync&) = delete;
    clsCommWrapperAsync& operator=(const clsCommWrapperAsync&) = delete;

    // Creates a component only when it holds none, then opens it.
    bool Init(const std::string& strServerName, int32_t intPortNumber, const automation::Variant& strServletRelativePath,
              const std::string& CommClassID);
    bool SendAsyncRequest(const std::string& strRequest) { return core_.Forward("SendAsync", strRequest); }
    automation::EventSource* Events() override { return &events_; }

private:
    void Subscribe();

    automation::DispatchPtr subscribed_;  // the component the subscription belongs to
    int cookie_ = 0;
    automation::EventSource events_{{"RequestResult"}};
};

}  // namespace noxsimplelinks
