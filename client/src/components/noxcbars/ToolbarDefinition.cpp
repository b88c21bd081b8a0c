#include "components/noxcbars/ToolbarDefinition.h"

#include <algorithm>
#include <array>
#include <sstream>

#include <pugixml.hpp>

#include "automation/Dispatch.h"
#include "components/DefinitionFile.h"
#include "components/noxcbars/CommandBarsErrors.h"

namespace components {

namespace {

constexpr auto Elements = &DefinitionFile::Elements;

constexpr std::array<const char*, 4> kToolTypes = {"BUTTON", "STATE", "DROPDOWN", "MENU"};
constexpr std::array<const char*, 4> kMappingColumns = {"TYPE", "PROGID", "METHOD", "PARAMS"};
constexpr std::array<const char*, 3> kActionTypes = {"InternalAction", "DllAction", "ExeAction"};

std::string Name(const pugi::xml_node& node) { return node.name(); }

int32_t ToolType(const pugi::xml_node& tool, const std::string& id, const DefinitionFile& file) {
    const std::string type = tool.attribute("TYPE").as_string("BUTTON");
    for (size_t i = 0; i < kToolTypes.size(); ++i)
        if (type == kToolTypes[i]) return static_cast<int32_t>(i);
    file.Fail("tool " + id + " has the type \"" + type + "\" (BUTTON, STATE, DROPDOWN or MENU)");
}

// Adds a tool ID to a list that may hold it only once.
void AppendOnce(std::vector<std::string>& list, std::string id, const std::string& where, const DefinitionFile& file) {
    for (const std::string& present : list)
        if (automation::SameName(present, id)) file.Fail(where + " lists the tool " + id + " twice");
    list.push_back(std::move(id));
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace

ToolbarDefinition ToolbarDefinition::Load(const std::string& path) {
    DefinitionFile file(path, "Toolbar definition file", kBadToolbarDefinition);
    const pugi::xml_node root = file.Open("COMMANDBARS");
    ToolbarDefinition definition;
    definition.path_ = path;
    for (const pugi::xml_node& part : Elements(root)) {
        const std::string name = Name(part);
        if (name == "TOOLS") definition.ReadTools(part, file);
        else if (name == "COMMANDBAR") definition.ReadBar(part, file);
        else if (name == "STATE_TABLES") definition.ReadStateTables(part, file);
        else if (name == "ACTION_MAPPING") definition.CheckActionMapping(part, file);
        else file.Fail("unknown element <" + name + "> in <COMMANDBARS>");
    }
    definition.CheckReferences(file);
    return definition;
}

const ToolDefinition* ToolbarDefinition::Tool(const std::string& id) const {
    auto found = toolIndex_.find(automation::FoldName(id));
    return found == toolIndex_.end() ? nullptr : &tools_[found->second];
}

const BarDefinition* ToolbarDefinition::Bar(const std::string& name) const {
    auto found = std::find_if(bars_.begin(), bars_.end(), [&](const BarDefinition& bar) { return automation::SameName(bar.name, name); });
    return found == bars_.end() ? nullptr : &*found;
}

std::vector<std::string> ToolbarDefinition::BarNames() const {
    std::vector<std::string> names;
    for (const BarDefinition& bar : bars_) names.push_back(bar.name);
    return names;
}

void ToolbarDefinition::ReadTools(const pugi::xml_node& tools, const DefinitionFile& file) {
    for (const pugi::xml_node& node : Elements(tools)) {
        if (Name(node) != "TOOL") file.Fail("unknown element <" + Name(node) + "> in <TOOLS>");
        ToolDefinition tool;
        tool.id = file.Required(node, "ID");
        tool.type = ToolType(node, tool.id, file);
        tool.name = node.attribute("NAME").value();
        tool.toolTip = node.attribute("TOOLTIP").value();
        tool.picture = node.attribute("PICTURE").value();
        tool.menu = node.attribute("MENU").value();
        const std::string key = node.attribute("KEY").as_string(tool.id.c_str());
        tool.tag = node.attribute("TAG") ? node.attribute("TAG").value() : tool.id + ";" + key + ";;" + tool.menu;
        for (const pugi::xml_node& item : Elements(node)) {
            if (Name(item) != "ITEM") file.Fail("unknown element <" + Name(item) + "> in tool " + tool.id);
            AppendOnce(tool.items, file.Required(item, "ID"), "the menu " + tool.id, file);
        }
        if (!tool.items.empty() && tool.type != 3) file.Fail("tool " + tool.id + " has items but is not a MENU");
        if (!tool.menu.empty() && tool.type != 2) file.Fail("tool " + tool.id + " names a MENU but is not a DROPDOWN");
        if (!toolIndex_.emplace(automation::FoldName(tool.id), tools_.size()).second)
            file.Fail("tool " + tool.id + " is defined twice");
        tools_.push_back(std::move(tool));
    }
}

void ToolbarDefinition::ReadBar(const pugi::xml_node& node, const DefinitionFile& file) {
    BarDefinition bar;
    bar.name = file.Required(node, "NAME");
    if (Bar(bar.name)) file.Fail("command bar " + bar.name + " is defined twice");
    for (const pugi::xml_node& entry : Elements(node)) {
        const std::string kind = Name(entry);
        if (kind == "TOOL") AppendOnce(bar.tools, file.Required(entry, "ID"), "command bar " + bar.name, file);
        else if (kind == "POPUP") AppendOnce(bar.popups, file.Required(entry, "ID"), "command bar " + bar.name, file);
        else file.Fail("unknown element <" + kind + "> in command bar " + bar.name);
    }
    bars_.push_back(std::move(bar));
}

void ToolbarDefinition::ReadStateTables(const pugi::xml_node& tables, const DefinitionFile& file) {
    states_ = Words(file.Required(tables, "STATES"));
    for (const pugi::xml_node& table : Elements(tables)) {
        const std::string name = Name(table);
        if (name == "STATIC_STATE") staticRows_ = ReadStateRows(table, false, file);
        else if (name == "ACTION_STATE") actionRows_ = ReadStateRows(table, true, file);
        else file.Fail("unknown element <" + name + "> in <STATE_TABLES>");
    }
}

std::vector<StateRow> ToolbarDefinition::ReadStateRows(const pugi::xml_node& table, bool withAction,
                                                       const DefinitionFile& file) const {
    std::vector<StateRow> rows;
    for (const pugi::xml_node& node : Elements(table)) {
        if (Name(node) != "TOOL") file.Fail("unknown element <" + Name(node) + "> in <" + Name(table) + ">");
        StateRow row{file.Required(node, "ID"), std::vector<int32_t>(states_.size(), 0), {}};
        for (const pugi::xml_attribute& cell : node.attributes()) {
            const std::string column = cell.name();
            if (column == "ID") continue;
            if (withAction && column == "AUTH_ACTION") {
                row.authAction = cell.value();
                continue;
            }
            auto state = std::find(states_.begin(), states_.end(), column);
            if (state == states_.end())
                file.Fail("the row of " + row.toolId + " in <" + Name(table) + "> names \"" + column + "\", which is not in STATES");
            const std::string value = cell.value();
            if (value != "0" && value != "1" && value != "2")
                file.Fail("the row of " + row.toolId + " has \"" + value + "\" for " + column + " (0, 1 or 2)");
            row.values[static_cast<size_t>(state - states_.begin())] = value[0] - '0';
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void ToolbarDefinition::CheckReferences(const DefinitionFile& file) const {
    auto mustBe = [&](const std::string& id, bool menu, const std::string& where) {
        const ToolDefinition* tool = Tool(id);
        if (!tool) file.Fail(where + " names the tool " + id + ", which is not in <TOOLS>");
        if (menu && tool->type != 3) file.Fail(where + " names " + id + ", which is not a MENU");
    };
    for (const ToolDefinition& tool : tools_) {
        if (!tool.menu.empty()) mustBe(tool.menu, true, "the drop-down button " + tool.id);
        for (const std::string& item : tool.items) mustBe(item, false, "the menu " + tool.id);
    }
    for (const BarDefinition& bar : bars_) {
        for (const std::string& id : bar.tools) mustBe(id, false, "command bar " + bar.name);
        for (const std::string& id : bar.popups) mustBe(id, true, "the popups of command bar " + bar.name);
    }
}

// Readers take a mapping row's columns from the order of its attributes, so the order is checked.
void ToolbarDefinition::CheckActionMapping(const pugi::xml_node& mapping, const DefinitionFile& file) const {
    for (const pugi::xml_node& row : Elements(mapping)) {
        const std::string where = "the action mapping of " + Name(row);
        std::vector<std::string> columns;
        for (const pugi::xml_attribute& cell : row.attributes()) columns.emplace_back(cell.name());
        if (columns.size() < 3 || columns.size() > kMappingColumns.size() ||
            !std::equal(columns.begin(), columns.end(), kMappingColumns.begin()))
            file.Fail(where + " must have the attributes TYPE, PROGID, METHOD and optionally PARAMS, in this order");
        const std::string type = row.attribute("TYPE").value();
        if (std::find(kActionTypes.begin(), kActionTypes.end(), type) == kActionTypes.end())
            file.Fail(where + " has the type \"" + type + "\" (InternalAction, DllAction or ExeAction)");
        if (std::string(row.attribute("METHOD").value()).empty()) file.Fail(where + " names no METHOD");
    }
}

}  // namespace components
