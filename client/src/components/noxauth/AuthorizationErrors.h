#pragma once
// Error numbers raised by the authorization component.
#include <cstdint>

#include "automation/AutomationError.h"

namespace components {

// A rights file that is not well-formed or breaks its format.
inline constexpr int32_t kBadRightsFile = automation::errors::kObjectErrorBase + 0x331;

}  // namespace components
