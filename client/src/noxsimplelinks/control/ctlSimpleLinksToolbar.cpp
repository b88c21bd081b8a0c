// The toolbar: tool clicks and popup requests become commands (ButtonOperation), and after every
// change of the grid the tools follow the selection, the pane kind, the user and the rights.
#include <sstream>

#include "automation/SafeArray.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/toolbar/ToolLookup.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

std::vector<std::string> TagFields(const DispatchPtr& tool) {
    std::vector<std::string> fields;
    std::stringstream tag(tool->Get("TagVariant").TextOr(""));
    for (std::string field; std::getline(tag, field, ';');) fields.push_back(field);
    return fields;
}

constexpr const char* kGeneralAdministrator = "GENERAL ADMINISTRATOR";
constexpr const char* kProjectAdministrator = "PROJECT ADMINISTRATOR";

}  // namespace

void ctlSimpleLinks::ConnectToolbarEvents() {
    automation::EventSource* events = toolbar_ ? toolbar_->Events() : nullptr;
    if (!events) return;
    toolbarCookie_ = events->Connect([this](std::string_view event, automation::Arguments& args) { OnToolbarEvent(event, args); });
}

void ctlSimpleLinks::OnToolbarEvent(std::string_view event, automation::Arguments& args) {
    // A tag without a button key (or, for a popup request, without a menu) leaves the event unanswered.
    try {
        if (args.empty() || !args[0].IsObject()) return;
        const std::vector<std::string> fields = TagFields(args[0].ToObject());
        if (event == "ToolClick" && fields.size() >= 2) ButtonOperation(fields[1]);
        else if (event == "PopupRequest" && fields.size() >= 4) toolbar_->Call("PopupMenu", fields[3]);
    } catch (...) {
        // Errors of a command are handled by the command or the action mapping.
    }
}

void ctlSimpleLinks::ButtonOperation(const std::string& ButtonKey) {
    bool handled = false;
    if (actions_) handled = actions_->Call("ExecuteAction", ButtonKey).ToBool();
    if (!handled) RaiseExecuteEvent(ButtonKey);
}

void ctlSimpleLinks::UpdateToolsForSelection() {
    std::string state;
    Quietly([&] { state = GetSelectionState(); });
    if (!state.empty()) UpdateToolStates(state);
}

void ctlSimpleLinks::UpdateToolStates(const std::string& state) {
    std::string rowStatus, parentStatus;
    Quietly([&] { rowStatus = GridCell("RowSel", objectType_ + ".STATUS"); });
    parentStatus = ParamText(parentType_ + ".STATUS");
    Quietly([&] { Cbars()->Set("ToolBar", Variant(toolbar_)); });
    const bool rowsSelected = state == "ROW_SELECTED" || state == "MRS";
    const std::string& pane = intName_;
    if (pane == "FILE") {
        ToggleState(state, parentStatus, rowStatus);
        UpdateFileTools(rowsSelected);
    } else if (pane == "HARD_COPY") {
        ToggleState(state, parentStatus, rowStatus);
        UpdateHardCopyTools(rowsSelected);
    } else if (pane == "FOLDER") {
        ToggleState(state, parentStatus, rowStatus);
        Quietly([&] { SetTool("ID_Prop_View_File_In_Integration", "Enabled", GridNumber("SelectedRows") == 1); });
        UpdateFileTools(rowsSelected);
    } else if (pane == "ITEM" || pane == "FORMULA" || pane == "MATERIAL") {
        if (parentType_ != "EO") {
            SetTool("ID_Prop_Lock_Item_To_Business_Process", "Visible", false);
            SetTool("ID_Prop_Attach_Item_To_All_Steps", "Visible", false);
            UpdateFileTools(rowsSelected);
        } else {
            Quietly([&] { SetTool("ID_Prop_View_File_In_Integration", "Enabled", GridNumber("Row") >= 1); });
        }
        ToggleState(state, parentStatus, rowStatus);
    } else if (pane == "PROJECT") {
        ToggleState(state, parentStatus, rowStatus);
        const bool projectParent = parentType_ == "ITEM" || parentType_ == "DOC" || parentType_ == "FOLDER";
        SetTool("ID_Prop_Unlink_From_Project", "Visible", projectParent);
        if (projectParent) {
            Quietly([&] {
                SetTool("ID_Prop_Unlink_From_Project", "Enabled",
                        GridNumber("SelectedRows") > 0 && AuthorizeByProject("ID_Prop_Unlink_From_Project"));
            });
        }
    } else if (pane == "ITEM_AFFECTED") {
        const std::string author = ParamText(parentType_ + ".AUTHOR");
        ToggleState(state, parentStatus, rowStatus);
        Quietly([&] {
            const std::string tool = "ID_UnlinkObjectFromModification";
            SetTool(tool, "Enabled",
                    AuthorizeByProject(tool) && ToolFlag(tool, "Enabled") && MayUnlinkAffected("UNLINK_AFF_OBJ", author));
        });
    } else if (pane != "DOC_DATASET") {
        ToggleState(state, parentStatus, rowStatus);
    }
    UpdateRevFilterTools();
    SetTool("ID_DisplayReason", "Visible", false);
}

void ctlSimpleLinks::ToggleState(const std::string& state, const std::string& parentStatus, const std::string& rowStatus) {
    Quietly([&] {
        Cbars()->Call("ToggleState", state, parentStatus, rowStatus, objectType_, HostText("UserType"),
                      HostText("UserName"), "");
    });
}

void ctlSimpleLinks::UpdateFileTools(bool rowsSelected) {
    const std::string userType = HostText("UserType"), userName = HostText("UserName");
    const std::string docStatus = ParamText("DOC.STATUS");
    std::string fileId, fileType;
    Quietly([&] { fileId = GridCell("Row", "FILE.FILE_ID"); });
    Quietly([&] { fileType = GridCell("Row", "FILE.FILE_TYPE"); });
    bool several = false;
    Quietly([&] { several = GridNumber("SelectedRows") > 1; });
    Quietly([&] { toolbar_->Let("Redraw", Variant(false)); });

    for (const char* tool : {"ID_Prop_View_File", "ID_Prop_Display_File", "ID_Prop_Display_File_Lock_Info",
                             "ID_Prop_Get_File", "ID_Prop_View_File_In_Integration", "ID_Prop_ViewWithRedlineFile"}) {
        SetTool(tool, "Enabled", rowsSelected && !several);
    }
    auto rule = [&](const char* tool, auto decide) { Quietly([&] { SetTool(tool, "Enabled", decide(std::string(tool))); }); };
    if (rowsSelected) {
        rule("ID_Prop_Update_File", [&](const std::string& t) {
            return AuthorizeByProject(t) && !several && Authorize("UNLINK_FILE_FROM_DOC", "FILE", docStatus, true);
        });
        rule("ID_Prop_Edit_File", [&](const std::string& t) {
            return AuthorizeByProject(t) && !several && Authorize("EDIT_FILE", "FILE", docStatus, true);
        });
        rule("ID_Prop_Delete_File", [&](const std::string& t) {
            return AuthorizeByProject(t) && MayDoFileAction(userName, userType, "UNLINK_FILE_FROM_DOC") &&
                   Authorize("UNLINK_FILE_FROM_DOC", "FILE", docStatus, false);
        });
        rule("ID_Prop_Edit_File_Complete", [&](const std::string& t) {
            return AuthorizeByProject(t) && MayDoFileAction(userName, userType, "COMPLETE_EDIT_FILE") &&
                   Authorize("COMPLETE_EDIT_FILE", "FILE", docStatus, true) &&
                   Host()->Get("EditedFiles").ToObject()->Call("Exists", fileId).ToBool();
        });
        rule("ID_Prop_Lock_File", [&](const std::string& t) {
            return AuthorizeByProject(t) && MayDoFileAction(userName, userType, "LOCK_FILE") &&
                   Authorize("LOCK_FILE", "FILE", docStatus, false);
        });
        rule("ID_Prop_UnLock_File", [&](const std::string& t) {
            return AuthorizeByProject(t) && MayDoFileAction(userName, userType, "UNLOCK_FILE") &&
                   Authorize("UNLOCK_FILE", "FILE", docStatus, false);
        });
    } else {
        for (const char* tool : {"ID_Prop_Update_File", "ID_Prop_Delete_File", "ID_Prop_Edit_File_Complete",
                                 "ID_Prop_Lock_File", "ID_Prop_UnLock_File", "ID_Prop_Edit_File",
                                 "ID_Prop_ViewWithRedlineFile"}) {
            SetTool(tool, "Enabled", false);
        }
    }
    if (fileType == "Markup") SetTool("ID_Prop_Redline_File", "Enabled", false);
    else if (!fileType.empty()) rule("ID_Prop_Redline_File", [&](const std::string& t) { return AuthorizeByProject(t); });

    Quietly([&] { Cbars()->Call("replaceDropDownButtonOperation"); });
    Quietly([&] { toolbar_->Let("Redraw", Variant(true)); });
}

void ctlSimpleLinks::UpdateHardCopyTools(bool rowsSelected) {
    const std::string docStatus = ParamText("DOC.STATUS");
    bool several = false;
    Quietly([&] { several = GridNumber("SelectedRows") > 1; });
    Quietly([&] { toolbar_->Let("Redraw", Variant(false)); });

    SetTool("ID_Prop_Display_HardCopy", "Enabled", rowsSelected && !several);
    if (rowsSelected) {
        Quietly([&] {
            SetTool("ID_Prop_Update_HardCopy", "Enabled",
                    AuthorizeByProject("ID_Prop_Update_HardCopy") &&
                        Authorize("UPDATE_HARD_COPY", "HARD_COPY", docStatus, true));
        });
        Quietly([&] {
            SetTool("ID_Prop_Delete_HardCopy", "Enabled",
                    AuthorizeByProject("ID_Prop_Delete_HardCopy") &&
                        Authorize("UNLINK_HARD_COPY_FROM_DOC", "HARD_COPY", docStatus, false));
        });
    } else {
        SetTool("ID_Prop_Update_HardCopy", "Enabled", false);
        SetTool("ID_Prop_Delete_HardCopy", "Enabled", false);
    }

    Quietly([&] { Cbars()->Call("replaceDropDownButtonOperation"); });
    Quietly([&] { toolbar_->Let("Redraw", Variant(true)); });
}

void ctlSimpleLinks::UpdateRevFilterTools() {
    Quietly([&] { toolbar_->Let("Redraw", Variant(false)); });
    for (const char* tool : {"ID_Prop_Rev_All", "ID_Prop_Rev_Effective", "ID_Prop_Rev_Filter_DropDown"}) {
        SetTool(tool, "Enabled", true);
    }
    SetRevFilterToolChecked("ID_Prop_Rev_All", filterOption_ == REV_ALL);
    SetRevFilterToolChecked("ID_Prop_Rev_Effective", filterOption_ == REV_EFFECTIVE);
    Quietly([&] { toolbar_->Let("Redraw", Variant(true)); });
}

void ctlSimpleLinks::SetRevFilterToolChecked(const std::string& toolId, bool checked) {
    Quietly([&] {
        if (!HasTool(toolId)) return;
        DispatchPtr tool = Tool(toolId);
        tool->Let("State", Variant(int16_t{checked ? int16_t{1} : int16_t{0}}));
        if (!checked) return;
        DispatchPtr dropDown = Tool("ID_Prop_Rev_Filter_DropDown");
        const Variant picture = tool->Get("Picture");
        if (!picture.IsEmpty()) dropDown->Call("ChangeAll", "Picture", picture);
        dropDown->Call("ChangeAll", "Name", tool->Get("Name"));
        dropDown->Call("ChangeAll", "ToolTipText", tool->Get("ToolTipText"));
    });
}

bool ctlSimpleLinks::MayDoFileAction(const std::string& userName, const std::string& userType, const std::string& action) {
    if (action == "UNLOCK_FILE") return userName.empty() || userType == kGeneralAdministrator;
    if (action == "COMPLETE_EDIT_FILE") return userName.empty();
    if (action == "LOCK_FILE") return userType == kGeneralAdministrator;
    return true;
}

bool ctlSimpleLinks::MayUnlinkAffected(const std::string& action, const std::string& author) {
    if (action != "UNLINK_AFF_OBJ") return true;
    const std::string userType = HostText("UserType");
    return HostText("UserName") == author || userType == kGeneralAdministrator || userType == kProjectAdministrator;
}

bool ctlSimpleLinks::Authorize(const std::string& action, const std::string& objectType, const std::string& docStatus,
                               bool full) {
    DispatchPtr auth = Auth();
    if (!auth) automation::Raise(automation::errors::kObjectVariableNotSet);
    const std::string userType = HostText("UserType");
    if (!full) return auth->Call("IAuthorization_Authorize", userType, action, "", objectType, docStatus).ToBool();
    const Variant omitted = Variant::Missing();
    return auth->Call("IAuthorization_Authorize", userType, action, "", objectType, docStatus, omitted, omitted, omitted,
                      omitted, "")
        .ToBool();
}

bool ctlSimpleLinks::AuthorizeByProject(const std::string& toolId) {
    return Cbars()->Call("AuthorizeByProject", toolId).ToBool();
}

DispatchPtr ctlSimpleLinks::Tool(const std::string& toolId) {
    return toolbar_->Get("Tools").ToObject()->Call("Item", toolId).ToObject();
}

bool ctlSimpleLinks::HasTool(const std::string& toolId) {
    auto lookup = std::dynamic_pointer_cast<platform::ToolLookup>(toolbar_->Get("Tools").ToObject());
    return !lookup || lookup->Exists(toolId);  // another toolbar is asked, and answers with an error
}

void ctlSimpleLinks::SetTool(const std::string& toolId, const char* property, bool value) {
    Quietly([&] {
        if (HasTool(toolId)) Tool(toolId)->Let(property, Variant(value));
    });
}

bool ctlSimpleLinks::ToolFlag(const std::string& toolId, const char* property) {
    return Tool(toolId)->Get(property).ToBool();
}

std::string ctlSimpleLinks::GridCell(const char* rowProperty, const std::string& columnKey) {
    const int32_t col = Fg().Call("ColIndex", columnKey).ToLong();
    const int32_t row = Fg().Get(rowProperty).ToLong();
    if (row < 0 || col < 0) return {};  // no current row, or no such column: no cell
    return Fg().Get("TextMatrix", Variant(row), Variant(col)).TextOr("");
}

int32_t ctlSimpleLinks::GridNumber(const char* property) { return Fg().Get(property).ToLong(); }

std::string ctlSimpleLinks::HostText(const char* property) {
    try {
        return Host()->Get(property).TextOr("");
    } catch (...) {
        return {};
    }
}

}  // namespace noxsimplelinks
