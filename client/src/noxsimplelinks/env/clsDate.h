#pragma once
// Turns date values into the server's date text, month/day/year ("03/05/2004" for 5 March 2004).
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsDate : public automation::Dispatchable<clsDate> {
public:
    static constexpr const char* kTypeName = "clsDate";
    static const automation::MemberTable<clsDate>& Members();

    // Empty and "FOREVER" (an open end date) pass unchanged. A text is read as the user writes dates
    // (platform::LocaleDates) or year first ("2004-03-05"); Null raises 94, a text that is no date 13.
    std::string DateToServer(const automation::Variant& value) const;
};

}  // namespace noxsimplelinks
