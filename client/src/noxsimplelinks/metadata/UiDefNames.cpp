#include "noxsimplelinks/metadata/UiDefNames.h"

#include <utility>

namespace noxsimplelinks::UiDefNames {
namespace {

constexpr std::pair<std::string_view, std::string_view> kNames[] = {
    {"UI_TYPE", "UI_T"},           {"UI_GROUP", "UI_G"},          {"UI_LABEL", "UI_L"},
    {"UI_LENGTH", "UI_LE"},        {"UI_EDITOR_ACTION", "UI_E_A"}, {"UI_EDITOR_COMPONENT", "UI_E_C"},
    {"UI_EDITOR_BUTTON", "UI_E_B"}, {"UI_QM_EDITOR_ACTION", "UI_Q_E_A"}, {"UI_ORDER", "UI_O"}};

}  // namespace

int16_t FlagPosition(std::string_view name) {
    for (size_t i = 0; i < kFlags.size(); ++i)
        if (name == kFlags[i]) return static_cast<int16_t>(i + 1);
    return 0;
}

bool IsFlag(std::string_view name) { return FlagPosition(name) != 0; }

std::string FlagCharacter(std::string_view flags, std::string_view name) {
    size_t position = static_cast<size_t>(FlagPosition(name));
    if (position == 0 || position > flags.size()) return {};
    return std::string(1, flags[position - 1]);
}

std::string ShortName(std::string_view longName) {
    for (auto [lng, shrt] : kNames)
        if (lng == longName) return std::string(shrt);
    return std::string(longName);
}

std::string LongName(std::string_view shortName) {
    for (auto [lng, shrt] : kNames)
        if (shrt == shortName) return std::string(lng);
    return std::string(shortName);
}

std::string ShortPredicate(std::string_view name) {
    if (int16_t position = FlagPosition(name))
        return "substring (@UI_FLAGS," + std::to_string(position) + ",1)='1'";
    return ShortName(name);
}

}  // namespace noxsimplelinks::UiDefNames
