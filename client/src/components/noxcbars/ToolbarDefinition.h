#pragma once
// One toolbar definition file as read: its tools (buttons, state buttons, drop-down buttons and
// menus, each with its look and tag), its command bars (the tools on each bar and the popup menus it
// brings), and its two state tables. Loading checks every reference and either succeeds completely
// or raises an automation error that names the file and the fault.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace pugi {
class xml_node;
}

namespace components {

class DefinitionFile;

struct ToolDefinition {
    std::string id;
    int32_t type = 0;  // 0 button, 1 state button, 2 drop-down button, 3 menu
    std::string name;
    std::string toolTip;
    std::string picture;
    std::string tag;                 // "ID;KEY;;MENU" unless the file writes its own
    std::string menu;                // a drop-down button's menu tool
    std::vector<std::string> items;  // a menu's items
};

struct BarDefinition {
    std::string name;
    std::vector<std::string> tools;   // shown on the bar, in order
    std::vector<std::string> popups;  // menu tools built for popup use only
};

// One row of a state table: a tool, its value per state (in the order of States()), and for the
// action table the action the authorization object is asked about.
struct StateRow {
    std::string toolId;
    std::vector<int32_t> values;
    std::string authAction;
};

class ToolbarDefinition {
public:
    static ToolbarDefinition Load(const std::string& path);

    const std::string& Path() const { return path_; }
    // nullptr when the file has no such tool or bar (IDs and names ignore case).
    const ToolDefinition* Tool(const std::string& id) const;
    const BarDefinition* Bar(const std::string& name) const;
    std::vector<std::string> BarNames() const;
    const std::vector<std::string>& States() const { return states_; }
    const std::vector<StateRow>& StaticRows() const { return staticRows_; }
    const std::vector<StateRow>& ActionRows() const { return actionRows_; }

private:
    void ReadTools(const pugi::xml_node& tools, const DefinitionFile& file);
    void ReadBar(const pugi::xml_node& bar, const DefinitionFile& file);
    void ReadStateTables(const pugi::xml_node& tables, const DefinitionFile& file);
    std::vector<StateRow> ReadStateRows(const pugi::xml_node& table, bool withAction, const DefinitionFile& file) const;
    void CheckReferences(const DefinitionFile& file) const;
    void CheckActionMapping(const pugi::xml_node& mapping, const DefinitionFile& file) const;

    std::string path_;
    std::vector<ToolDefinition> tools_;
    std::unordered_map<std::string, size_t> toolIndex_;  // folded ID -> position in tools_
    std::vector<BarDefinition> bars_;
    std::vector<std::string> states_;
    std::vector<StateRow> staticRows_;
    std::vector<StateRow> actionRows_;
};

}  // namespace components
