#pragma once
// The toolbar facade: builds the pane's toolbar through the command-bars component
// ("noxcbars.ICommandBars") and sets its tools by selection state, by the authorization object and
// by the project rule; drop-down buttons take the operation and look of their first enabled item.
#include <cstdint>
#include <optional>
#include <string>

#include "automation/Dispatchable.h"
#include "automation/SafeArray.h"

namespace noxsimplelinks {

class ToolIndex;

class clsCbarsWrapper2 : public automation::Dispatchable<clsCbarsWrapper2> {
public:
    static constexpr const char* kTypeName = "clsCbarsWrapper2";
    static constexpr const char* kComponentProgId = "noxcbars.ICommandBars";
    static const automation::MemberTable<clsCbarsWrapper2>& Members();

    // The text up to its first NUL character.
    std::string StripBufferString(const std::string& text) const;
    // Forwards all seven arguments to the component's BuildToolBar, then copies its state tables.
    // A facade without a ToolBar takes the toolbar it built.
    void BuildToolBar(const std::string& path, const automation::Variant& toolbar, const std::string& barName,
                      const std::string& removedActions, const automation::Variant& reserved,
                      const std::string& validCommands, const automation::Variant& visible);
    // Every drop-down button takes the operation and look of the first enabled item of its menu and
    // is enabled; with no enabled item it stays disabled, looking like the first disabled one.
    // Failures (a menu the toolbar lacks) reach the caller.
    void replaceDropDownButtonOperation();
    // Sets every tool of the state tables for the selection state. The statuses, the object type, the
    // user type and the last argument go to the authorization object (a blank row status counts as
    // the parent status); the user name is not passed on. Never raises: the first failure (a tool of
    // the static table the toolbar lacks, a failing authorization object) ends it, drawing left off.
    void ToggleState(const std::string& state, const std::string& parentStatus, const std::string& rowStatus,
                     const std::string& objectType, const std::string& userType, const std::string& userName,
                     const std::string& lastAuthorizationArgument);
    void PopupMenu(const std::string& menuName);
    // False only for a tool listed, in brackets, among the tools disabled for objects of no project
    // while the object belongs to no project.
    bool AuthorizeByProject(const std::string& toolId) const;

    // The tables copied at the last build, else the component's.
    automation::Variant StaticState();
    automation::Variant ActionState();
    automation::Variant ActionMapping();

    bool Visible() const;
    void SetVisible(bool visible);
    bool Redraw() const;
    void SetRedraw(bool redraw);
    automation::Variant Tools() const;
    bool ToolVisible(const std::string& id) const;
    void SetToolVisible(const std::string& id, bool visible);
    bool ToolEnabled(const std::string& id) const;
    void SetToolEnabled(const std::string& id, bool enabled);
    int16_t ToolState(const std::string& id) const;
    void SetToolState(const std::string& id, int16_t state);

    const automation::DispatchPtr& NoxAuth() const { return authorization_; }
    void SetNoxAuth(const automation::DispatchPtr& auth) { authorization_ = auth; }
    const automation::DispatchPtr& ToolBar() const { return toolbar_; }
    void SetToolBar(const automation::DispatchPtr& toolbar) { toolbar_ = toolbar; }
    // Written by name, read only from inside the library.
    bool NoneProject() const { return noneProject_; }
    void SetNoneProject(bool noneProject) { noneProject_ = noneProject; }
    const std::string& DisableNoneProject() const { return disabledWithoutProject_; }
    void SetDisableNoneProject(const std::string& tools) { disabledWithoutProject_ = tools; }

    // Forwarded to the component (not offered by name).
    void Init(const std::string& path);
    void BuildCommandBars(const std::string& barName, const automation::Variant& toolbar, const std::string& removedActions,
                          bool visible = true);
    automation::Variant CommandItem(const std::string& toolId);

private:
    // What the authorization object is asked about each tool of the action table besides its action.
    struct RightsQuestion {
        std::string userType, objectType, status, parentStatus, lastArgument;
    };

    // The component, created when absent; raises when it cannot be created.
    const automation::DispatchPtr& Component();
    // The toolbar; raises 91 when none is set.
    const automation::DispatchPtr& Bar() const;
    automation::DispatchPtr Tool(const std::string& id) const;
    void CopyStateTables();
    void ApplyStaticState(const automation::SafeArray& table, const ToolIndex& tools, int32_t column) const;
    void ApplyActionState(const automation::SafeArray& table, const ToolIndex& tools, int32_t column,
                          const std::string& state, const RightsQuestion& question) const;
    bool Authorize(const std::string& action, const RightsQuestion& question) const;
    void ReplaceDropDowns(const ToolIndex& tools) const;

    automation::DispatchPtr component_;
    automation::DispatchPtr toolbar_;
    automation::DispatchPtr authorization_;
    bool noneProject_ = false;
    std::string disabledWithoutProject_;  // tool IDs in brackets
    automation::Variant staticState_;     // the state tables copied at the last build
    automation::Variant actionState_;
};

}  // namespace noxsimplelinks
