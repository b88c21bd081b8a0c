#pragma once
// Reading values off the elements of a UI-definitions document and shaping them into the arrays the
// UI-definition facade answers with.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "automation/Variant.h"
#include "automation/Text.h"

namespace noxsimplelinks::UiDefValues {

using NodeTest = std::function<bool(pugi::xml_node)>;
using NodeText = std::function<std::string(pugi::xml_node)>;

// A property of an ATTR: for a flag its character of UI_FLAGS, else the short-named attribute; ""
// when absent.
std::string PropertyText(pugi::xml_node attr, const std::string& name);
// The value of an attribute or the text of an element; "" for nothing.
std::string TextOf(const pugi::xpath_node& found);
bool FlagSet(pugi::xml_node node, const std::string& flag);
// The label of an element by its short-named attribute ("UI_L"), and by its long-named one.
std::string ShortLabel(pugi::xml_node node);
std::string LongLabel(pugi::xml_node node);
// The first attribute whose long name is the given one ("UI_T" or "UI_TYPE" for "UI_TYPE"); "" when none.
std::string LongNamed(pugi::xml_node node, const std::string& longName);
// The whole number a text holds (classic conversion), or the fallback when it holds none.
int32_t IntegerOr(const std::string& text, int32_t fallback);
using automation::Upper;
// The text without its leading and trailing blanks (spaces, tabs, line ends).
std::string Trimmed(const std::string& text);
// The pieces of a comma-separated list, as written.
std::vector<std::string> SplitList(const std::string& text);

// A 0-based array of the texts; Empty when there are none.
automation::Variant ListOrEmpty(const std::vector<std::string>& texts);
// An n×2 array; Empty when there are no rows.
automation::Variant PairsOrEmpty(const std::vector<std::pair<std::string, std::string>>& rows);
automation::Variant IdsWhere(const std::vector<pugi::xml_node>& nodes, const NodeTest& test);
automation::Variant PairsWhere(const std::vector<pugi::xml_node>& nodes, const NodeTest& test, const NodeText& label);

}  // namespace noxsimplelinks::UiDefValues
