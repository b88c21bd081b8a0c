#pragma once
// The request builder the library creates itself: holds one request-document component
// ("noxrequest.IRequest", created with the wrapper) and forwards every operation to it by name.
// Callers set the objects and parameters of one method, then ask for the document.
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsRequestWrapper : public automation::Dispatchable<clsRequestWrapper> {
public:
    static constexpr const char* kTypeName = "clsRequestWrapper";
    static const automation::MemberTable<clsRequestWrapper>& Members();

    clsRequestWrapper();

    // Each answers what the component answers (as a rule true: accepted).
    automation::Variant setuserparams(const std::string& xml) { return request_->Call("setuserparams", xml); }
    automation::Variant setparams(const std::string& xml) { return request_->Call("setparams", xml); }
    automation::Variant setobjects(const std::string& xml) { return request_->Call("setobjects", xml); }
    void setrequestfile(const std::string& path) { request_->Call("setrequestfile", path); }
    void initresfile(const std::string& path) { request_->Call("initresfile", path); }
    std::string buildrequest(const std::string& method) { return request_->Call("buildrequest", method).ToString(); }

private:
    automation::DispatchPtr request_;
};

}  // namespace noxsimplelinks
