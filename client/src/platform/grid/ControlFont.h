#pragma once
// The font of a control (name, size, character set, bold, italic), reachable by member name so that
// a host sets every child control's font the same way.
#include <cstdint>
#include <string>

#include "automation/Dispatchable.h"

namespace platform {

class ControlFont : public automation::Dispatchable<ControlFont> {
public:
    static constexpr const char* kTypeName = "Font";
    static const automation::MemberTable<ControlFont>& Members();

    std::string name = "Sans";
    double size = 8.25;
    int32_t charset = 0;
    bool bold = false;
    bool italic = false;
};

}  // namespace platform
