#pragma once
// The command-bars component ("noxcbars.ICommandBars"): reads a toolbar definition file, builds a
// named command bar into a toolbar control and hands back the bar's two state tables and the file's
// action mapping (docs/formats.md, "Toolbar definition file").
#include <optional>
#include <string>

#include "automation/Dispatchable.h"
#include "components/noxcbars/ToolbarDefinition.h"

namespace components {

class ICommandBars : public automation::Dispatchable<ICommandBars> {
public:
    static constexpr const char* kTypeName = "ICommandBars";
    static const automation::MemberTable<ICommandBars>& Members();

    // Loads the definition file; a missing file raises 53, a faulty one kBadToolbarDefinition. A
    // failed load keeps what was loaded before.
    void Init(const std::string& path);
    // Init(path), then BuildCommandBars. `reserved` is not used; `visible` (default true) is the
    // Visible of the built bar.
    void BuildToolBar(const std::string& path, const automation::Variant& toolbar, const std::string& barName,
                      const std::string& removedActions, const automation::Variant& reserved,
                      const std::string& validCommands, const automation::Variant& visible);
    // Builds the named bar of the loaded file into the toolbar, leaving out the removed tools and,
    // when valid commands are given, the commands not among them (both lists of tool IDs); then
    // takes the state-table rows of the tools built.
    void BuildCommandBars(const std::string& barName, const automation::Variant& toolbar, const std::string& removedActions,
                          const automation::Variant& visible, const automation::Variant& validCommands);

    // Row 0 names the columns: "TOOL_ID", then one column per state; ActionState adds "AUTH_ACTION".
    // Empty before the first build.
    const automation::Variant& StaticState() const { return staticState_; }
    const automation::Variant& ActionState() const { return actionState_; }
    // The file's "ACTION_MAPPING" element as a table (row 0 the element itself; each further row an
    // action ID, type, ProgID, method and parameters); Empty when the file has none.
    const automation::Variant& ActionMapping() const { return actionMapping_; }
    // One tool of the loaded file: ID, type, name, tooltip, picture, tag (0-based array).
    automation::Variant CommandItem(const std::string& toolId) const;
    // The file loaded; empty before Init.
    std::string DefinitionFile() const { return definition_ ? definition_->Path() : std::string(); }

private:
    const ToolbarDefinition& Loaded() const;

    std::optional<ToolbarDefinition> definition_;
    automation::Variant staticState_;
    automation::Variant actionState_;
    automation::Variant actionMapping_;
};

}  // namespace components
