#include "noxsimplelinks/comm/clsCommWrapperAsync.h"

namespace noxsimplelinks {

const automation::MemberTable<clsCommWrapperAsync>& clsCommWrapperAsync::Members() {
    static const automation::MemberTable<clsCommWrapperAsync> table = [] {
        automation::MemberTable<clsCommWrapperAsync> t;
        t.Method("Init", &clsCommWrapperAsync::Init).Method("SendAsyncRequest", &clsCommWrapperAsync::SendAsyncRequest);
        AddSharedMembers(t);
        return t;
    }();
    return table;
}

clsCommWrapperAsync::clsCommWrapperAsync() { Subscribe(); }

clsCommWrapperAsync::~clsCommWrapperAsync() {
    if (subscribed_ && subscribed_->Events()) subscribed_->Events()->Disconnect(cookie_);
}

bool clsCommWrapperAsync::Init(const std::string& strServerName, int32_t intPortNumber,
                               const automation::Variant& strServletRelativePath, const std::string& CommClassID) {
    bool ready = core_.Init(false, "OpenAsync", strServerName, intPortNumber, strServletRelativePath, CommClassID);
    Subscribe();
    return ready;
}

void clsCommWrapperAsync::Subscribe() {
    const automation::DispatchPtr& comm = core_.Comm();
    if (!comm || comm == subscribed_ || !comm->Events()) return;
    cookie_ = comm->Events()->Connect([this](std::string_view event, automation::Arguments& args) {
        if (automation::SameName(event, "RequestResult")) events_.Raise("RequestResult", args);
    });
    subscribed_ = comm;
}

}  // namespace noxsimplelinks
