#pragma once
// Small text helpers shared by the layers: case, blanks and replacement, on ASCII letters and bytes.
#include <string>
#include <string_view>

namespace automation {

std::string Upper(std::string text);
std::string Lower(std::string text);
// The text without the given blanks at either end.
std::string Trimmed(std::string_view text, std::string_view blanks = " \t");
// Every occurrence of from replaced by to, left to right, in one pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace automation
