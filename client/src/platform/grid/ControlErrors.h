#pragma once
// The errors the grid and toolbar controls raise for a bad index or a bad property value, each with
// a description that names what was wrong.
#include <cstdint>
#include <string>

#include "automation/AutomationError.h"

namespace platform {

inline constexpr int32_t kInvalidPropertyValue = 380;
inline constexpr int32_t kInvalidFileFormat = 321;

// Raises 9 ("Subscript out of range") unless first <= value <= last.
void CheckIndex(int32_t value, int32_t first, int32_t last, const std::string& what);
[[noreturn]] void RaiseInvalidValue(const std::string& description);

}  // namespace platform
