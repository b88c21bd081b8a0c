#pragma once
// The synchronous communication wrapper: sends request documents through its own communication
// component ("noxcomm2.Icomm"), reduces each answer to result code, first message and answer text,
// and records every failure in LastCommError instead of raising it.
#include "noxsimplelinks/comm/CommWrapperBase.h"

namespace noxsimplelinks {

class clsCommWrapper2 : public CommWrapperBase<clsCommWrapper2> {
public:
    static constexpr const char* kTypeName = "clsCommWrapper2";
    static const automation::MemberTable<clsCommWrapper2>& Members();

    // Creates a new component every time and opens it; false (with LastCommError) when that fails.
    bool Init(const std::string& strServerName, int32_t intPortNumber, const automation::Variant& strServletRelativePath,
              const std::string& CommClassID);
};

}  // namespace noxsimplelinks
