// The control's lifecycle: Init and its steps (grid, base look, toolbar, stored revision filter,
// fonts), Clear, CloseMe, resizing and the revision filter.
#include <algorithm>

#include "automation/ObjectFactory.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/env/modEnvironment.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::AutomationError;
using automation::DispatchPtr;
using automation::Variant;

using automation::Trimmed;

ctlSimpleLinks::ctlSimpleLinks() {
    toolbar_ = automation::CreateObject(kToolbarClass);
    ConnectToolbarEvents();
}

ctlSimpleLinks::~ctlSimpleLinks() {
    if (toolbar_ && toolbar_->Events()) toolbar_->Events()->Disconnect(toolbarCookie_);
    if (asyncComm_ && asyncComm_->Events()) asyncComm_->Events()->Disconnect(asyncCommCookie_);
    CloseMe();
}

void ctlSimpleLinks::Init(const Variant& XmlSection) {
    ReportedStep("ctlSimpleLinks:Init", [&] {
        comm_ = ContainerObject("Comm");
        section_ = XmlSection.ToObject();
        attributes_ = automation::CreateObject("noxsimplelinks.clsAttrsWrapper");
        attributes_->Set("CallingControl", Variant(Self()));
        objectType_ = section_ ? SectionText("BASE_CLASS") : std::string();
        intName_ = SectionNode("INT_NAME") ? SectionText("INT_NAME") : SectionName();
        CreateGrid();
        myGridProperties();
        BuildToolbar();
        // Hidden edge: a revision filter stored in the section loads the grid here already
        // (SetFilterOption refreshes), before the host's first Refresh.
        ApplyStoredFilter();
        ApplyFonts();
    });
}

void ctlSimpleLinks::CreateGrid() {
    try {
        gridName_ = "fg_" + SectionName() + "_" + objectType_;
        DispatchPtr existing = container_->Call("Control", gridName_).ToObject();
        grid_ = existing ? existing : container_->Call("AddControl", kGridClass, gridName_).ToObject();
        grid_->Let("Visible", Variant(true));
        ConnectGridEvents();
    } catch (...) {
        platform::Ui().MsgBox(std::string("could not create component:") + kGridClass, 0, ModGeneral::kApplicationName);
    }
}

void ctlSimpleLinks::ConnectGridEvents() {
    automation::EventSource* events = grid_ ? grid_->Events() : nullptr;
    if (!events) return;
    if (gridCookie_) events->Disconnect(gridCookie_);
    gridCookie_ =
        events->Connect([this](std::string_view event, automation::Arguments& args) { OnGridEvent(event, args); });
}

void ctlSimpleLinks::myGridProperties() {
    try {
        if (!grid_) automation::Raise(automation::errors::kObjectVariableNotSet);
        const bool affected = intName_ == "ITEM_AFFECTED";
        const std::pair<const char*, Variant> look[] = {
            {"Rows", Variant(int32_t{0})},
            {"Cols", Variant(int32_t{0})},
            {"FixedCols", Variant(int32_t{0})},
            {"FixedRows", Variant(int32_t{0})},
            {"ExtendLastCol", Variant(true)},
            {"AllowBigSelection", Variant(false)},
            {"AllowUserResizing", Variant(int32_t{1})},
            {"ExplorerBar", Variant(int32_t{3})},
            {"SheetBorder", Variant(int32_t{0xFFFFFF})},
            {"BackColorBkg", Variant(static_cast<int32_t>(0x80000005u))},
            {"Appearance", Variant(int32_t{1})},
            {"AllowSelection", Variant(!affected)},
            {"SelectionMode", Variant(int32_t{affected ? 1 : 3})},
        };
        for (const auto& [property, value] : look) grid_->Let(property, value);
    } catch (const AutomationError& e) {
        ModGeneral::ShowError(e, "ctlSimpleLinks:myGridProperties");
    }
}

void ctlSimpleLinks::BuildToolbar() {
    ReportedStep("ctlSimpleLinks:BuildToolbar", [&] {
        const std::string path = modEnvironment::GetDirectory("SETTINGS_DIR") + SectionText("COMMANDBARS_FILE");
        const std::string barName = getToolBarName();
        DispatchPtr host = Host();
        DispatchPtr auth = Auth();
        Variant removed = automation::CallOn(Variant(auth), "IAuthorization_getRemoveActionByUser", host->Get("UserType"));
        Variant validCommands = Param("VALID_COMMANDS");
        DispatchPtr cbars = Cbars();
        cbars->Set("NoxAuth", Variant(auth));
        cbars->Let("NoneProject", Variant(Trimmed(host->Get("projectID").TextOr("")).empty()));
        cbars->Let("DisableNoneProject",
                   automation::CallOn(Variant(auth), "IAuthorization_getActionsNoneProject", objectType_));
        cbars->Call("BuildToolBar", path, Variant(toolbar_), barName, removed, Variant::Missing(),
                    validCommands.IsEmpty() ? Variant(std::string()) : validCommands);
        cbars->Call("ToggleState", "NEW_EMPTY", "", "", objectType_, "", "", "");
        DispatchPtr bars = toolbar_->Get("Toolbars").ToObject();
        const int32_t count = bars->Get("Count").ToLong();
        for (int32_t i = 1; i <= count; ++i) bars->Call("Item", i).ToObject()->Let("Visible", Variant(true));
        if (!actions_) LoadActions(path);
        DispatchPtr tools = toolbar_->Get("Tools").ToObject();
        if (tools->Call("Exists", "ID_Prop_UpdateItemLink").ToBool()) {
            Tool("ID_Prop_UpdateItemLink")->Let("Visible", Variant(host->Get("ItemDocLinkWizard").ToBool()));
        }
    });
}

std::string ctlSimpleLinks::getToolBarName() {
    std::string name;
    ReportedStep("ctlSimpleLinks:getToolBarName",
                 [&] { name = SectionNode("COMMANDBAR_NAME") ? SectionText("COMMANDBAR_NAME") : SectionName(); });
    return name;
}

void ctlSimpleLinks::LoadActions(const std::string& toolbarFile) {
    DispatchPtr actions = automation::CreateObject("noxsimplelinks.clsActions");
    actions->Set("CallingClass", Variant(Self()));
    actions->Call("LoadActionMapping", toolbarFile);
    actions_ = actions;
}

std::string ctlSimpleLinks::FilterOptionPath() {
    const std::string spaceType = ParamText("SpaceType");
    std::string path;
    if (spaceType == "COLLECTION" || spaceType == "MULTI_OBJECT_TREE") path = "FILTER_OPTION";
    else if (spaceType == "STRUCTURE") path = ParamText("SpaceMode") + "/FILTER_OPTION";
    if (path.empty()) return {};
    try {
        return SectionNode(path) ? path : std::string();
    } catch (...) {
        return {};
    }
}

void ctlSimpleLinks::ApplyStoredFilter() {
    Quietly([&] {
        const std::string path = FilterOptionPath();
        if (path.empty()) return;
        const std::string text = SectionNode(path)->Get("Text").ToString();
        SetFilterOption(text.empty() ? 0 : Variant(text).ToInteger());
    });
}

void ctlSimpleLinks::SetFilterOption(int32_t option) {
    filterOption_ = option;
    requestPending_ = false;
    Refresh(Variant(false));  // the grid follows the new filter at once
    const std::string path = FilterOptionPath();
    if (!path.empty()) Quietly([&] { SectionNode(path)->Let("Text", Variant(std::to_string(option))); });
    RaiseExecuteEvent("FilterOptionChanged");
}

void ctlSimpleLinks::ApplyFonts() {
    Quietly([&] {
        DispatchPtr resource = Resource();
        const int16_t charset = Variant(resource->Call("strResString", "FONT_CHARSET")).ToInteger();
        const std::string name = resource->Call("strResString", "FONT1").ToString();
        const Variant size = resource->Call("strResString", "FONT_SMALL_SIZE");
        std::vector<DispatchPtr> children{toolbar_};
        Quietly([&] {
            const int32_t count = container_->Get("ControlCount").ToLong();
            for (int32_t i = 1; i <= count; ++i) children.push_back(container_->Call("ControlAt", i).ToObject());
        });
        for (const DispatchPtr& child : children) {
            Quietly([&] {
                DispatchPtr font = child->Get("Font").ToObject();
                font->Let("Name", Variant(name));
                font->Let("Size", size);
                font->Let("Charset", Variant(charset));
            });
        }
    });
}

void ctlSimpleLinks::Resize() {
    Quietly([&] {
        automation::Dispatch& grid = Fg();  // before Init there is none to place
        grid.Let("Left", Variant(int32_t{10}));
        grid.Let("Top", Variant(int32_t{10}));
        grid.Let("Width", Variant(std::max(0, width_ - 40)));
        grid.Let("Height", Variant(std::max(0, height_ - 400)));
    });
}

void ctlSimpleLinks::Clear() {
    parentValues_ = Variant(std::string());
    Refresh(Variant(false));
}

void ctlSimpleLinks::CloseMe() {
    if (grid_ && gridCookie_ && grid_->Events()) grid_->Events()->Disconnect(gridCookie_);
    gridCookie_ = 0;
    for (DispatchPtr* member : {&grid_, &comm_, &host_, &section_, &cbars_, &updateData_, &request_, &objDef_, &uiDef_,
                                &resources_, &authorization_, &actions_, &attributes_, &params_}) {
        member->reset();
    }
    // The grid object lives from the first answer until the control is destroyed.
}

void ctlSimpleLinks::RaiseExecuteEvent(const std::string& method, const std::string& parameters) {
    events_.Fire("ExecuteEvent", "<XML><METHOD>" + method + "</METHOD>" + parameters + "</XML>");
}

}  // namespace noxsimplelinks
