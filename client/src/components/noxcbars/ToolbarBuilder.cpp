#include "components/noxcbars/ToolbarBuilder.h"

#include <cctype>

namespace components {

using automation::DispatchPtr;
using automation::FoldName;
using automation::RequireObject;
using automation::Variant;

namespace {

constexpr int32_t kMenu = 3;
constexpr int32_t kDropDown = 2;

// Empties a collection of the toolbar (a menu's items) by removing its first entry until none is left.
void Empty(const DispatchPtr& collection) {
    for (int32_t count = collection->Get("Count").ToLong(); count > 0; --count) collection->Call("Remove", int32_t{1});
}

}  // namespace

ToolIdSet ParseToolIds(const std::string& text) {
    ToolIdSet ids;
    std::string id;
    for (char c : text + ";") {
        if (c == '[' || c == ']' || c == ';' || c == ',' || std::isspace(static_cast<unsigned char>(c))) {
            if (!id.empty()) ids.insert(FoldName(id));
            id.clear();
        } else {
            id += c;
        }
    }
    return ids;
}

ToolbarBuilder::ToolbarBuilder(const ToolbarDefinition& definition, ToolIdSet removed, ToolIdSet validCommands)
    : definition_(definition), removed_(std::move(removed)), valid_(std::move(validCommands)) {}

bool ToolbarBuilder::Wanted(const ToolDefinition& tool) const {
    const std::string id = FoldName(tool.id);
    if (removed_.contains(id)) return false;
    const bool command = tool.type != kMenu && tool.type != kDropDown;
    return !command || valid_.empty() || valid_.contains(id);
}

void ToolbarBuilder::Collect(const std::string& id) {
    const ToolDefinition* tool = definition_.Tool(id);
    if (built_.contains(FoldName(id)) || !Wanted(*tool)) return;
    built_.insert(FoldName(id));
    order_.push_back(tool);
    if (!tool->menu.empty()) Collect(tool->menu);
    for (const std::string& item : tool->items) Collect(item);
}

ToolIdSet ToolbarBuilder::Build(const BarDefinition& bar, const DispatchPtr& toolbar, bool visible) {
    built_.clear();
    order_.clear();
    for (const std::string& id : bar.tools) Collect(id);
    for (const std::string& id : bar.popups) Collect(id);
    const DispatchPtr tools = RequireObject(toolbar->Get("Tools"));
    std::vector<DispatchPtr> made;
    for (const ToolDefinition* tool : order_) made.push_back(MakeTool(tools, *tool));
    for (size_t i = 0; i < order_.size(); ++i)
        if (order_[i]->type == kMenu) FillMenu(made[i], *order_[i]);
    MakeBand(bar, toolbar, visible);
    return built_;
}

DispatchPtr ToolbarBuilder::MakeTool(const DispatchPtr& tools, const ToolDefinition& tool) const {
    DispatchPtr made;
    if (tools->Call("Exists", tool.id).ToBool()) {
        made = RequireObject(tools->Get("Item", tool.id));
        made->Let("Type", Variant(tool.type));
    } else {
        made = RequireObject(tools->Call("Add", tool.id, tool.type, tool.name));
    }
    made->Let("Name", Variant(tool.name));
    made->Let("ToolTipText", Variant(tool.toolTip));
    made->Let("Picture", Variant(tool.picture));
    made->Let("TagVariant", Variant(tool.tag));
    made->Let("Enabled", Variant(true));
    made->Let("Visible", Variant(true));
    made->Let("State", Variant(int16_t{0}));
    return made;
}

void ToolbarBuilder::FillMenu(const DispatchPtr& menuTool, const ToolDefinition& menu) const {
    const DispatchPtr items = RequireObject(RequireObject(menuTool->Get("Menu"))->Get("Tools"));
    Empty(items);
    for (const std::string& item : menu.items)
        if (built_.contains(FoldName(item))) items->Call("Add", item);
}

void ToolbarBuilder::MakeBand(const BarDefinition& bar, const DispatchPtr& toolbar, bool visible) const {
    const DispatchPtr bands = RequireObject(toolbar->Get("Toolbars"));
    for (int32_t i = bands->Get("Count").ToLong(); i >= 1; --i)
        if (automation::SameName(RequireObject(bands->Get("Item", i))->Get("Name").ToString(), bar.name)) bands->Call("Remove", i);
    const DispatchPtr band = RequireObject(bands->Call("Add", bar.name));
    const DispatchPtr bandTools = RequireObject(band->Get("Tools"));
    for (const std::string& id : bar.tools)
        if (built_.contains(FoldName(id))) bandTools->Call("Add", id);
    band->Let("Visible", Variant(visible));
}

}  // namespace components
