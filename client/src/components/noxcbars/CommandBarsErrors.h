#pragma once
// Error numbers raised by the command-bars component.
#include <cstdint>

#include "automation/AutomationError.h"

namespace components {

// A toolbar definition file that is not well-formed or breaks its format.
inline constexpr int32_t kBadToolbarDefinition = automation::errors::kObjectErrorBase + 0x321;
// A command bar that the loaded definition file does not define.
inline constexpr int32_t kUnknownCommandBar = automation::errors::kObjectErrorBase + 0x322;
// A build or query before any definition file was loaded.
inline constexpr int32_t kNoToolbarDefinition = automation::errors::kObjectErrorBase + 0x323;

}  // namespace components
