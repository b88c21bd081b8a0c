#include "components/noxcbars/ICommandBars.h"

#include "automation/SafeArray.h"
#include "components/noxcbars/CommandBarsErrors.h"
#include "components/noxcbars/ToolbarBuilder.h"
#include "components/noxxmlutil/IXmlUtil.h"

namespace components {

using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

namespace {

bool FlagOr(const Variant& flag, bool fallback) {
    return flag.IsMissing() || flag.IsEmpty() || flag.IsNull() ? fallback : flag.ToBool();
}

// The rows of the tools built, under a header row naming the columns.
Variant StateTable(const std::vector<StateRow>& rows, const std::vector<std::string>& states, const ToolIdSet& built,
                   bool withAction) {
    std::vector<const StateRow*> kept;
    for (const StateRow& row : rows)
        if (built.contains(automation::FoldName(row.toolId))) kept.push_back(&row);
    const int32_t stateCount = static_cast<int32_t>(states.size());
    SafeArray table(Bounds{0, static_cast<int32_t>(kept.size())}, Bounds{0, stateCount + (withAction ? 1 : 0)});
    table.At(0, 0) = Variant("TOOL_ID");
    for (int32_t j = 1; j <= stateCount; ++j) table.At(0, j) = Variant(states[static_cast<size_t>(j - 1)]);
    if (withAction) table.At(0, stateCount + 1) = Variant("AUTH_ACTION");
    for (int32_t i = 1; i <= static_cast<int32_t>(kept.size()); ++i) {
        const StateRow& row = *kept[static_cast<size_t>(i - 1)];
        table.At(i, 0) = Variant(row.toolId);
        for (int32_t j = 1; j <= stateCount; ++j) {
            const int32_t value = row.values[static_cast<size_t>(j - 1)];
            table.At(i, j) = withAction ? Variant(std::to_string(value)) : Variant(value);
        }
        if (withAction) table.At(i, stateCount + 1) = Variant(row.authAction);
    }
    return Variant(std::move(table));
}

}  // namespace

const automation::MemberTable<ICommandBars>& ICommandBars::Members() {
    static const automation::MemberTable<ICommandBars> table = [] {
        automation::MemberTable<ICommandBars> t;
        t.Method("Init", &ICommandBars::Init)
            .Method("BuildToolBar", &ICommandBars::BuildToolBar)
            .Method("BuildCommandBars", &ICommandBars::BuildCommandBars)
            .Property("StaticState", &ICommandBars::StaticState)
            .Property("ActionState", &ICommandBars::ActionState)
            .Property("ActionMapping", &ICommandBars::ActionMapping)
            .Property("CommandItem", &ICommandBars::CommandItem)
            .Property("DefinitionFile", &ICommandBars::DefinitionFile);
        return t;
    }();
    return table;
}

void ICommandBars::Init(const std::string& path) {
    ToolbarDefinition loaded = ToolbarDefinition::Load(path);
    IXmlUtil reader;
    std::string error;
    reader.loadXmlFile(path, error);
    actionMapping_ = reader.getNodeAsArray("//ACTION_MAPPING");
    definition_ = std::move(loaded);
}

void ICommandBars::BuildToolBar(const std::string& path, const Variant& toolbar, const std::string& barName,
                                const std::string& removedActions, const Variant& /*reserved*/,
                                const std::string& validCommands, const Variant& visible) {
    Init(path);
    BuildCommandBars(barName, toolbar, removedActions, visible, Variant(validCommands));
}

void ICommandBars::BuildCommandBars(const std::string& barName, const Variant& toolbar, const std::string& removedActions,
                                    const Variant& visible, const Variant& validCommands) {
    const ToolbarDefinition& definition = Loaded();
    const BarDefinition* bar = definition.Bar(barName);
    if (!bar)
        throw automation::AutomationError(kUnknownCommandBar, "The toolbar definition file '" + definition.Path() +
                                                                  "' has no command bar named \"" + barName + "\"");
    const automation::DispatchPtr target = toolbar.ToObject();
    if (!target) automation::Raise(automation::errors::kObjectVariableNotSet);
    ToolbarBuilder builder(definition, ParseToolIds(removedActions), ParseToolIds(validCommands.TextOr("")));
    const ToolIdSet built = builder.Build(*bar, target, FlagOr(visible, true));
    staticState_ = StateTable(definition.StaticRows(), definition.States(), built, false);
    actionState_ = StateTable(definition.ActionRows(), definition.States(), built, true);
}

Variant ICommandBars::CommandItem(const std::string& toolId) const {
    const ToolDefinition* tool = Loaded().Tool(toolId);
    if (!tool)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "The toolbar definition file '" + Loaded().Path() + "' has no tool \"" + toolId + "\"");
    return Variant(SafeArray::Of({Variant(tool->id), Variant(tool->type), Variant(tool->name), Variant(tool->toolTip),
                                  Variant(tool->picture), Variant(tool->tag)}));
}

const ToolbarDefinition& ICommandBars::Loaded() const {
    if (!definition_)
        throw automation::AutomationError(kNoToolbarDefinition, "No toolbar definition file is loaded (Init was not called)");
    return *definition_;
}

}  // namespace components
