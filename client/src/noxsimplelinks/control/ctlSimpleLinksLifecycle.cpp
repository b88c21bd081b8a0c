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
    SSActiveToolBars1_ = automation::CreateObject(kToolbarClass);
    ConnectToolbarEvents();
}

ctlSimpleLinks::~ctlSimpleLinks() {
    if (SSActiveToolBars1_ && SSActiveToolBars1_->Events()) SSActiveToolBars1_->Events()->Disconnect(toolbarCookie_);
    if (ObjCommAsync_ && ObjCommAsync_->Events()) ObjCommAsync_->Events()->Disconnect(commCookie_);
    CloseMe();
}

void ctlSimpleLinks::Init(const Variant& XmlSection) {
    ReportedStep("ctlSimpleLinks:Init", [&] {
        m_objComm = ContainerObject("Comm");
        m_objXmlSection = XmlSection.ToObject();
        m_objAttrs = automation::CreateObject("noxsimplelinks.clsAttrsWrapper");
        m_objAttrs->Set("CallingControl", Variant(Self()));
        m_strObjectType = m_objXmlSection ? SectionText("BASE_CLASS") : std::string();
        m_strIntName = SectionNode("INT_NAME") ? SectionText("INT_NAME") : SectionName();
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
        m_strGridName = "fg_" + SectionName() + "_" + m_strObjectType;
        DispatchPtr existing = container_->Call("Control", m_strGridName).ToObject();
        fg_ = existing ? existing : container_->Call("AddControl", kGridClass, m_strGridName).ToObject();
        fg_->Let("Visible", Variant(true));
        ConnectGridEvents();
    } catch (...) {
        platform::Ui().MsgBox(std::string("could not create component:") + kGridClass, 0, ModGeneral::kApplicationName);
    }
}

void ctlSimpleLinks::ConnectGridEvents() {
    automation::EventSource* events = fg_ ? fg_->Events() : nullptr;
    if (!events) return;
    if (fgCookie_) events->Disconnect(fgCookie_);
    fgCookie_ = events->Connect([this](std::string_view event, automation::Arguments& args) { fg_ObjectEvent(event, args); });
}

void ctlSimpleLinks::myGridProperties() {
    try {
        if (!fg_) automation::Raise(automation::errors::kObjectVariableNotSet);
        const bool affected = m_strIntName == "ITEM_AFFECTED";
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
        for (const auto& [property, value] : look) fg_->Let(property, value);
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
                   automation::CallOn(Variant(auth), "IAuthorization_getActionsNoneProject", m_strObjectType));
        cbars->Call("BuildToolBar", path, Variant(SSActiveToolBars1_), barName, removed, Variant::Missing(),
                    validCommands.IsEmpty() ? Variant(std::string()) : validCommands);
        cbars->Call("ToggleState", "NEW_EMPTY", "", "", m_strObjectType, "", "", "");
        DispatchPtr bars = SSActiveToolBars1_->Get("Toolbars").ToObject();
        const int32_t count = bars->Get("Count").ToLong();
        for (int32_t i = 1; i <= count; ++i) bars->Call("Item", i).ToObject()->Let("Visible", Variant(true));
        if (!m_objActions) LoadActions(path);
        DispatchPtr tools = SSActiveToolBars1_->Get("Tools").ToObject();
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
    m_objActions = actions;
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
    m_nFilterOption = option;
    m_bRequestPending = false;
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
        std::vector<DispatchPtr> children{SSActiveToolBars1_};
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
        fg_->Let("Left", Variant(int32_t{10}));
        fg_->Let("Top", Variant(int32_t{10}));
        fg_->Let("Width", Variant(std::max(0, width_ - 40)));
        fg_->Let("Height", Variant(std::max(0, height_ - 400)));
    });
}

void ctlSimpleLinks::Clear() {
    m_varParentValues = Variant(std::string());
    Refresh(Variant(false));
}

void ctlSimpleLinks::CloseMe() {
    if (fg_ && fgCookie_ && fg_->Events()) fg_->Events()->Disconnect(fgCookie_);
    fgCookie_ = 0;
    for (DispatchPtr* member : {&fg_, &m_objComm, &m_objHost, &m_objXmlSection, &m_objCbars, &m_colUpdateData,
                                &m_objRequest, &m_objObjDef, &m_objUIDef, &m_objRes, &m_objAuth, &m_objActions,
                                &m_objAttrs, &m_colParams}) {
        member->reset();
    }
    // The grid object lives from the first answer until the control is destroyed.
}

void ctlSimpleLinks::RaiseExecuteEvent(const std::string& method, const std::string& parameters) {
    events_.Fire("ExecuteEvent", "<XML><METHOD>" + method + "</METHOD>" + parameters + "</XML>");
}

}  // namespace noxsimplelinks
