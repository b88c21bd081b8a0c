#pragma once
// Error numbers raised by the resource component.
#include <cstdint>

#include "automation/AutomationError.h"

namespace components {

// A resource file that exists but cannot be read or is not a valid resource file.
inline constexpr int32_t kBadResourceFile = automation::errors::kObjectErrorBase + 0x301;

}  // namespace components
