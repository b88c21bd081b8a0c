#pragma once
// Builds one command bar of a toolbar definition into a toolbar control, driven by member name: the
// bar's tools and popup menus with everything they show (menu items, drop-down menus), minus the
// removed tools and, when valid commands are given, with only those among the commands. Building a
// bar again replaces it; tools already in the toolbar are reused and set afresh.
#include <string>
#include <unordered_set>
#include <vector>

#include "automation/Dispatch.h"
#include "components/noxcbars/ToolbarDefinition.h"

namespace components {

// Tool IDs, folded; read from a text of IDs in brackets or separated by ";", "," or blanks.
using ToolIdSet = std::unordered_set<std::string>;
ToolIdSet ParseToolIds(const std::string& text);

class ToolbarBuilder {
public:
    // An empty set of valid commands means every command is valid.
    ToolbarBuilder(const ToolbarDefinition& definition, ToolIdSet removed, ToolIdSet validCommands);

    // Returns the (folded) IDs of the tools built.
    ToolIdSet Build(const BarDefinition& bar, const automation::DispatchPtr& toolbar, bool visible);

private:
    bool Wanted(const ToolDefinition& tool) const;
    void Collect(const std::string& id);
    automation::DispatchPtr MakeTool(const automation::DispatchPtr& tools, const ToolDefinition& tool) const;
    void FillMenu(const automation::DispatchPtr& menuTool, const ToolDefinition& menu) const;
    void MakeBand(const BarDefinition& bar, const automation::DispatchPtr& toolbar, bool visible) const;

    const ToolbarDefinition& definition_;
    ToolIdSet removed_;
    ToolIdSet valid_;
    ToolIdSet built_;
    std::vector<const ToolDefinition*> order_;
};

}  // namespace components
