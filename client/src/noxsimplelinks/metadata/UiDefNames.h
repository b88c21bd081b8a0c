#pragma once
// The names of the UI-definitions document: the twelve flags packed into UI_FLAGS (one character per
// flag, in a fixed order) and the long and short names of the ATTR and GROUP properties.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace noxsimplelinks::UiDefNames {

inline constexpr const char* kFlagsAttribute = "UI_FLAGS";
inline constexpr std::array<const char*, 12> kFlags = {
    "UI_MANDATORY",     "UI_CUSTOMIZATION_VISIBLE", "UI_ENABLED_CREATE", "UI_ENABLED_UPDATE",
    "UI_ENABLED_DEFAULTS", "UI_ENABLED_MULTI",      "UI_ENABLED_UPDATE_HAS_EO", "UI_REMOVABLE",
    "UI_REQUIRED",      "UI_VIEWABLE",              "UI_VISIBLE",        "UI_QM_VISIBLE"};

// 1-based position of a flag in UI_FLAGS; 0 for any other name.
int16_t FlagPosition(std::string_view name);
bool IsFlag(std::string_view name);
// The flag's character of a flags string; "" when the name is not a flag or the string is shorter.
std::string FlagCharacter(std::string_view flags, std::string_view name);
// "UI_LABEL" -> "UI_L" and back; any other name unchanged.
std::string ShortName(std::string_view longName);
std::string LongName(std::string_view shortName);
// The XPath predicate of a property: the short name, or for a flag the test of its character
// ("substring (@UI_FLAGS,9,1)='1'").
std::string ShortPredicate(std::string_view name);

}  // namespace noxsimplelinks::UiDefNames
