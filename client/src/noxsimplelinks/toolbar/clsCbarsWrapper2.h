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
    void replaceDropDownButtonOperation();
    // Sets every tool of the state tables for the state: s2 parent status, s3 row status, s4 object
    // type, s5 user type, s6 user name (not passed on), s7 passed last to the authorization object.
    // Never raises; a row that cannot be applied leaves its tool as it was.
    void ToggleState(const std::string& state, const std::string& s2, const std::string& s3, const std::string& s4,
                     const std::string& s5, const std::string& s6, const std::string& s7);
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

    const automation::DispatchPtr& NoxAuth() const { return m_objAuth; }
    void SetNoxAuth(const automation::DispatchPtr& auth) { m_objAuth = auth; }
    const automation::DispatchPtr& ToolBar() const { return m_objToolBar; }
    void SetToolBar(const automation::DispatchPtr& toolbar) { m_objToolBar = toolbar; }
    bool NoneProject() const { return m_bNoneProject; }
    void SetNoneProject(bool noneProject) { m_bNoneProject = noneProject; }
    const std::string& DisableNoneProject() const { return m_strDisableNoneProject; }
    void SetDisableNoneProject(const std::string& tools) { m_strDisableNoneProject = tools; }

    // Forwarded to the component (not offered by name).
    void Init(const std::string& path);
    void BuildCommandBars(const std::string& barName, const automation::Variant& toolbar, const std::string& removedActions,
                          bool visible = true);
    automation::Variant CommandItem(const std::string& toolId);

private:
    // The component, created when absent; raises when it cannot be created.
    const automation::DispatchPtr& Component();
    // The toolbar; raises 91 when none is set.
    const automation::DispatchPtr& Bar() const;
    automation::DispatchPtr Tool(const std::string& id) const;
    void CopyStateTables();
    void ApplyStaticState(const automation::SafeArray& table, const ToolIndex& tools, int32_t column) const;
    void ApplyActionState(const automation::SafeArray& table, const ToolIndex& tools, int32_t column,
                          const std::string& state, const std::string& s2, const std::string& s3, const std::string& s4,
                          const std::string& s5, const std::string& s7) const;
    bool Authorize(const std::string& userType, const std::string& action, const std::string& objectType,
                   const std::string& status, const std::string& parentStatus, const std::string& last) const;
    void ReplaceDropDowns(const ToolIndex& tools) const;

    automation::DispatchPtr m_objCbars;
    automation::DispatchPtr m_objToolBar;
    automation::DispatchPtr m_objAuth;
    bool m_bNoneProject = false;
    std::string m_strDisableNoneProject;
    automation::Variant m_varStaticState;
    automation::Variant m_varActionState;
};

}  // namespace noxsimplelinks
