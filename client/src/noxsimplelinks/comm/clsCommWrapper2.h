#pragma once
// The synchronous communication wrapper: sends request documents through its own communication
// component ("noxcomm2.Icomm"), reduces each answer to result code, first message and answer text,
// and records every failure in LastCommError instead of raising it.
#include "automation/Dispatchable.h"
#include "noxsimplelinks/comm/CommWrapperCore.h"

namespace noxsimplelinks {

class clsCommWrapper2 : public automation::Dispatchable<clsCommWrapper2> {
public:
    static constexpr const char* kTypeName = "clsCommWrapper2";
    static const automation::MemberTable<clsCommWrapper2>& Members();

    // Creates a new component every time and opens it; false (with LastCommError) when that fails.
    bool Init(const std::string& strServerName, int32_t intPortNumber, const automation::Variant& strServletRelativePath,
              const std::string& CommClassID);
    std::string SendRequest(const std::string& strRequest, automation::Variant& strResultCode,
                            automation::Variant& arrMessages) {
        return core_.SendRequest(strRequest, strResultCode, arrMessages);
    }
    bool SendRequest2(const std::string& strRequest) { return core_.Forward("Send", strRequest); }
    automation::Variant Response() { return core_.Response(); }
    std::shared_ptr<CommErrorRecord> LastCommError() const { return core_.LastCommError(); }

    CommWrapperCore& Core() { return core_; }

private:
    CommWrapperCore core_;
};

}  // namespace noxsimplelinks
