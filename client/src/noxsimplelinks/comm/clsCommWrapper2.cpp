#include "noxsimplelinks/comm/clsCommWrapper2.h"

namespace noxsimplelinks {

const automation::MemberTable<clsCommWrapper2>& clsCommWrapper2::Members() {
    static const automation::MemberTable<clsCommWrapper2> table = [] {
        automation::MemberTable<clsCommWrapper2> t;
        t.Method("Init", &clsCommWrapper2::Init);
        AddSharedMembers(t);
        return t;
    }();
    return table;
}

bool clsCommWrapper2::Init(const std::string& strServerName, int32_t intPortNumber,
                           const automation::Variant& strServletRelativePath, const std::string& CommClassID) {
    return core_.Init(true, "Open", strServerName, intPortNumber, strServletRelativePath, CommClassID);
}

}  // namespace noxsimplelinks
