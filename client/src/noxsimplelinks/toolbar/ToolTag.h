#pragma once
// The tag of a toolbar tool: fields separated by ";" — the tool, its button key (the operation a
// click runs), a free field and, for a drop-down button, the menu whose items it offers.
#include <string>
#include <vector>

namespace noxsimplelinks::ToolTag {

inline constexpr size_t kButtonKey = 1;
inline constexpr size_t kMenu = 3;

// The fields of a tag, at least `fields` of them: missing ones are empty.
std::vector<std::string> Split(const std::string& tag, size_t fields = kMenu + 1);
std::string Join(const std::vector<std::string>& fields);

}  // namespace noxsimplelinks::ToolTag
