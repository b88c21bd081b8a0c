#include "noxsimplelinks/toolbar/clsCbarsWrapper2.h"

#include "automation/ObjectFactory.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/toolbar/ToolIndex.h"
#include "noxsimplelinks/toolbar/ToolTag.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::DispatchPtr;
using automation::RequireObject;
using automation::SafeArray;
using automation::Variant;

namespace {

constexpr int32_t kDropDownButton = 2;
constexpr const char* kAuthActionColumn = "AUTH_ACTION";

std::string Cell(const SafeArray& table, int32_t row, int32_t column) { return table.At(row, column).TextOr(""); }

// The first column after the first whose header cell (row 0) is the text; none when no header has it.
std::optional<int32_t> HeaderColumn(const SafeArray& table, const std::string& header) {
    for (int32_t j = 1; j <= table.UBound(2); ++j)
        if (Cell(table, 0, j) == header) return j;
    return std::nullopt;
}

bool HasPicture(const DispatchPtr& tool) {
    const Variant picture = tool->Get("Picture");
    return picture.IsObject() ? !picture.IsNothing() : !picture.TextOr("").empty();
}

// The drop-down button takes the operation, picture, name and tooltip of a menu item.
void TakeLook(const DispatchPtr& button, std::vector<std::string>& buttonTag, const DispatchPtr& item) {
    buttonTag[ToolTag::kButtonKey] = ToolTag::Split(item->Get("TagVariant").TextOr(""))[ToolTag::kButtonKey];
    if (HasPicture(item)) {
        const Variant picture = item->Get("Picture");
        picture.IsObject() ? button->Set("Picture", picture) : button->Let("Picture", picture);
    }
    button->Call("ChangeAll", "Name", item->Get("Name"));
    button->Let("ToolTipText", item->Get("ToolTipText"));
}

void TakeFirstEnabledItem(const DispatchPtr& button, std::vector<std::string>& buttonTag, const DispatchPtr& menuTool) {
    const DispatchPtr items = RequireObject(RequireObject(menuTool->Get("Menu"))->Get("Tools"));
    const int32_t count = items->Get("Count").ToLong();
    for (int32_t i = 1; i <= count; ++i) {
        const DispatchPtr item = RequireObject(items->Get("Item", i));
        if (item->Get("Enabled").ToBool()) {
            TakeLook(button, buttonTag, item);
            button->Let("Enabled", Variant(true));
            return;
        }
        if (!HasPicture(button)) TakeLook(button, buttonTag, item);
    }
}

}  // namespace

const automation::MemberTable<clsCbarsWrapper2>& clsCbarsWrapper2::Members() {
    static const automation::MemberTable<clsCbarsWrapper2> table = [] {
        using Self = clsCbarsWrapper2;
        automation::MemberTable<Self> t;
        t.Method("StripBufferString", &Self::StripBufferString)
            .Method("BuildToolBar", &Self::BuildToolBar)
            .Method("replaceDropDownButtonOperation", &Self::replaceDropDownButtonOperation)
            .Method("ToggleState", &Self::ToggleState)
            .Method("PopupMenu", &Self::PopupMenu)
            .Method("AuthorizeByProject", &Self::AuthorizeByProject)
            .Property("StaticState", &Self::StaticState)
            .Property("ActionState", &Self::ActionState)
            .Property("ActionMapping", &Self::ActionMapping)
            .Property("Visible", &Self::Visible, &Self::SetVisible)
            .Property("Redraw", &Self::Redraw, &Self::SetRedraw)
            .Property("Tools", &Self::Tools)
            .Property("ToolVisible", &Self::ToolVisible, &Self::SetToolVisible)
            .Property("ToolEnabled", &Self::ToolEnabled, &Self::SetToolEnabled)
            .Property("ToolState", &Self::ToolState, &Self::SetToolState)
            .ObjectProperty("NoxAuth", &Self::NoxAuth, &Self::SetNoxAuth)
            .ObjectProperty("ToolBar", &Self::ToolBar, &Self::SetToolBar)
            .WriteOnlyProperty("NoneProject", &Self::SetNoneProject)
            .WriteOnlyProperty("DisableNoneProject", &Self::SetDisableNoneProject);
        return t;
    }();
    return table;
}

std::string clsCbarsWrapper2::StripBufferString(const std::string& text) const { return text.substr(0, text.find('\0')); }

const DispatchPtr& clsCbarsWrapper2::Component() {
    if (!component_) Quietly([&] { component_ = automation::CreateObject(kComponentProgId); });
    if (!component_)
        throw automation::AutomationError(automation::errors::kObjectVariableNotSet,
                                          std::string("The command-bars component \"") + kComponentProgId + "\" could not be created");
    return component_;
}

const DispatchPtr& clsCbarsWrapper2::Bar() const {
    if (!toolbar_)
        throw automation::AutomationError(automation::errors::kObjectVariableNotSet,
                                          "The toolbar facade has no ToolBar");
    return toolbar_;
}

DispatchPtr clsCbarsWrapper2::Tool(const std::string& id) const { return RequireObject(Bar()->Get("Tools", id)); }

void clsCbarsWrapper2::CopyStateTables() {
    actionState_ = Component()->Get("ActionState");
    staticState_ = Component()->Get("StaticState");
}

void clsCbarsWrapper2::BuildToolBar(const std::string& path, const Variant& toolbar, const std::string& barName,
                                    const std::string& removedActions, const Variant& reserved,
                                    const std::string& validCommands, const Variant& visible) {
    Arguments args{Variant(path), toolbar, Variant(barName), Variant(removedActions), reserved, Variant(validCommands), visible};
    Component()->Invoke("BuildToolBar", automation::InvokeKind::Method, args);
    CopyStateTables();
    if (!toolbar_ && toolbar.IsObject()) toolbar_ = toolbar.ToObject();
}

void clsCbarsWrapper2::BuildCommandBars(const std::string& barName, const Variant& toolbar, const std::string& removedActions,
                                        bool visible) {
    Component()->Call("BuildCommandBars", barName, toolbar, removedActions, visible);
    CopyStateTables();
}

void clsCbarsWrapper2::Init(const std::string& path) { Component()->Call("Init", path); }

Variant clsCbarsWrapper2::CommandItem(const std::string& toolId) { return Component()->Get("CommandItem", toolId); }

Variant clsCbarsWrapper2::StaticState() {
    return staticState_.IsEmpty() ? Component()->Get("StaticState") : staticState_;
}

Variant clsCbarsWrapper2::ActionState() {
    return actionState_.IsEmpty() ? Component()->Get("ActionState") : actionState_;
}

Variant clsCbarsWrapper2::ActionMapping() { return Component()->Get("ActionMapping"); }

bool clsCbarsWrapper2::AuthorizeByProject(const std::string& toolId) const {
    return !(noneProject_ && !toolId.empty() && !disabledWithoutProject_.empty() &&
             disabledWithoutProject_.find("[" + toolId + "]") != std::string::npos);
}

void clsCbarsWrapper2::ToggleState(const std::string& state, const std::string& parentStatus,
                                   const std::string& rowStatus, const std::string& objectType,
                                   const std::string& userType, const std::string& /*userName*/,
                                   const std::string& lastAuthorizationArgument) {
    Quietly([&] {
        Bar()->Let("Redraw", Variant(false));
        if (!staticState_.IsArray()) return;
        const ToolIndex tools(Bar());
        const SafeArray& staticState = staticState_.ToArray();
        if (const std::optional<int32_t> column = HeaderColumn(staticState, state)) {
            ApplyStaticState(staticState, tools, *column);
            if (actionState_.IsArray())
                ApplyActionState(actionState_.ToArray(), tools, *column, state,
                                 {userType, objectType, rowStatus.empty() ? parentStatus : rowStatus, parentStatus,
                                  lastAuthorizationArgument});
        }
        ReplaceDropDowns(tools);
        Bar()->Let("Redraw", Variant(true));
    });
}

void clsCbarsWrapper2::ApplyStaticState(const SafeArray& table, const ToolIndex& tools, int32_t column) const {
    for (int32_t i = 1; i <= table.UBound(1); ++i) {
        const std::string id = Cell(table, i, 0);
        const DispatchPtr tool = tools.Get(id);
        const int32_t value = table.At(i, column).ToLong();
        if (value == 2) tool->Let("Visible", Variant(false));
        else tool->Let("Enabled", Variant(value != 0 && AuthorizeByProject(id)));
    }
}

void clsCbarsWrapper2::ApplyActionState(const SafeArray& table, const ToolIndex& tools, int32_t column,
                                        const std::string& state, const RightsQuestion& question) const {
    const std::optional<int32_t> actionColumn = HeaderColumn(table, kAuthActionColumn);
    for (int32_t i = 1; i <= table.UBound(1); ++i) {
        const std::string id = Cell(table, i, 0);
        const DispatchPtr tool = tools.Find(id);
        if (!tool) continue;  // the action table's rows are for the tools the toolbar has
        const std::string value = Cell(table, i, column);
        std::string action = actionColumn ? Cell(table, i, *actionColumn) : std::string();
        if (state == "ROW_SELECTED" && id == "ID_Create_Drp") action = "LINK_TO_CHILD";
        if (value == "0") {
            tool->Let("Enabled", Variant(false));
        } else if (value == "1") {
            const bool byProject = AuthorizeByProject(id);
            const bool byRights = Authorize(action, question);
            tool->Let("Enabled", Variant(byProject && byRights));
        } else if (value == "2") {
            tool->Let("Visible", Variant(false));
        }
    }
}

bool clsCbarsWrapper2::Authorize(const std::string& action, const RightsQuestion& question) const {
    if (!authorization_) automation::Raise(automation::errors::kObjectVariableNotSet);
    Arguments args{Variant(question.userType), Variant(action),
                   Variant(std::string()),     Variant(question.objectType),
                   Variant(question.status),   Variant(question.parentStatus),
                   Variant::Missing(),         Variant::Missing(),
                   Variant::Missing(),         Variant(question.lastArgument)};
    return authorization_->Invoke("IAuthorization_Authorize", automation::InvokeKind::Method, args).ToBool();
}

void clsCbarsWrapper2::replaceDropDownButtonOperation() { ReplaceDropDowns(ToolIndex(Bar())); }

void clsCbarsWrapper2::ReplaceDropDowns(const ToolIndex& tools) const {
    for (const DispatchPtr& button : tools.InOrder()) {
        if (button->Get("Type").ToLong() != kDropDownButton) continue;
        std::vector<std::string> tag = ToolTag::Split(button->Get("TagVariant").TextOr(""));
        button->Let("Enabled", Variant(false));
        const std::string menu = tag[ToolTag::kMenu];
        if (!menu.empty()) TakeFirstEnabledItem(button, tag, tools.Get(menu));
        tag.resize(ToolTag::kMenu + 1);  // written back as its four fields
        button->Let("TagVariant", Variant(ToolTag::Join(tag)));
    }
}

void clsCbarsWrapper2::PopupMenu(const std::string& menuName) { Bar()->Call("PopupMenu", menuName); }

bool clsCbarsWrapper2::Visible() const { return Bar()->Get("Visible").ToBool(); }
void clsCbarsWrapper2::SetVisible(bool visible) { Bar()->Let("Visible", Variant(visible)); }
bool clsCbarsWrapper2::Redraw() const { return Bar()->Get("Redraw").ToBool(); }
void clsCbarsWrapper2::SetRedraw(bool redraw) { Bar()->Let("Redraw", Variant(redraw)); }
Variant clsCbarsWrapper2::Tools() const { return Bar()->Get("Tools"); }
bool clsCbarsWrapper2::ToolVisible(const std::string& id) const { return Tool(id)->Get("Visible").ToBool(); }
void clsCbarsWrapper2::SetToolVisible(const std::string& id, bool visible) { Tool(id)->Let("Visible", Variant(visible)); }
bool clsCbarsWrapper2::ToolEnabled(const std::string& id) const { return Tool(id)->Get("Enabled").ToBool(); }
void clsCbarsWrapper2::SetToolEnabled(const std::string& id, bool enabled) { Tool(id)->Let("Enabled", Variant(enabled)); }
int16_t clsCbarsWrapper2::ToolState(const std::string& id) const { return Tool(id)->Get("State").ToInteger(); }
void clsCbarsWrapper2::SetToolState(const std::string& id, int16_t state) { Tool(id)->Let("State", Variant(state)); }

}  // namespace noxsimplelinks
