#include "platform/grid/ControlErrors.h"

namespace platform {

void CheckIndex(int32_t value, int32_t first, int32_t last, const std::string& what) {
    if (value >= first && value <= last) return;
    std::string range = last < first ? "there is none" : "valid: " + std::to_string(first) + " to " + std::to_string(last);
    throw automation::AutomationError(automation::errors::kSubscriptOutOfRange,
                                      what + " " + std::to_string(value) + " is out of range (" + range + ")");
}

void RaiseInvalidValue(const std::string& description) {
    throw automation::AutomationError(kInvalidPropertyValue, "Invalid property value: " + description);
}

}  // namespace platform
