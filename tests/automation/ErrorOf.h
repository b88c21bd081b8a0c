#pragma once
// The automation error an action raises, or one numbered 0 when it raises none.
#include <functional>

#include "automation/AutomationError.h"

namespace testsupport {

inline automation::AutomationError ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const automation::AutomationError& e) {
        return e;
    }
    return automation::AutomationError(0, "");
}

}  // namespace testsupport
