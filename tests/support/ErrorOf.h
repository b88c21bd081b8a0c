#pragma once
// The automation error an action raises, or one numbered 0 when it raises none; and a check that an
// action raises a given number with a description that holds a given text.
#include <gtest/gtest.h>

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

inline ::testing::AssertionResult Raises(const std::function<void()>& action, int32_t number, const std::string& says = "") {
    const automation::AutomationError error = ErrorOf(action);
    if (error.Number() == number && error.Description().find(says) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "raised " << error.Number() << " \"" << error.Description() << "\"";
}

}  // namespace testsupport
