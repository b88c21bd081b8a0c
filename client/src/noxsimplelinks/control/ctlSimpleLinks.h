#pragma once
// The attached-items pane: lists the objects linked to a parent object in a grid under a toolbar,
// loads them from the server, keeps the tools in step with the selection and the user's rights, and
// asks its host to act through ExecuteEvent. Hosts drive it by member name; the sources split it by
// concern: lifecycle and properties, loading, toolbar state and dispatch, grid events, commands.
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "automation/EventSource.h"

namespace noxsimplelinks {

class clsGrid;

class ctlSimpleLinks : public automation::Dispatchable<ctlSimpleLinks> {
public:
    using Variant = automation::Variant;
    using DispatchPtr = automation::DispatchPtr;

    static constexpr const char* kTypeName = "ctlSimpleLinks";
    static constexpr const char* kProgId = "noxsimplelinks.ctlSimpleLinks";
    static constexpr const char* kGridClass = "VSFlexGrid.VSFlexGridN.1";
    static constexpr const char* kToolbarClass = "ActiveToolBars.SSActiveToolBars";
    static const automation::MemberTable<ctlSimpleLinks>& Members();

    enum RevFilterOptions : int32_t { REV_ALL = 0, REV_EFFECTIVE = 1 };

    // Creates the toolbar (the child control placed at design time); everything else waits for Init.
    ctlSimpleLinks();
    // Releases every member object (CloseMe).
    ~ctlSimpleLinks() override;
    ctlSimpleLinks(const ctlSimpleLinks&) = delete;
    ctlSimpleLinks& operator=(const ctlSimpleLinks&) = delete;

    automation::EventSource* Events() override { return &events_; }

    // The container (site) the host places the control in: it answers Comm, Host and Cbars and
    // holds the child controls the control adds (the grid).
    DispatchPtr Container() const { return container_; }
    void SetContainer(const Variant& container) { container_ = container.ToObject(); }

    // Properties (ctlSimpleLinksProperties.cpp).
    DispatchPtr Params();
    void SetParams(const Variant& params) { m_colParams = params.ToObject(); }
    std::string ObjectType() const { return m_strObjectType; }
    void SetObjectType(const std::string& type) { m_strObjectType = type; }
    DispatchPtr Comm();
    void SetComm(const Variant& comm) { m_objComm = comm.ToObject(); }
    DispatchPtr Host();
    void SetHost(const Variant& host) { m_objHost = host.ToObject(); }
    std::string ParentType() const { return m_strParentType; }
    void SetParentType(const std::string& type) { m_strParentType = type; }
    Variant ParentValues() const { return m_varParentValues; }
    void SetParentValues(const Variant& values) { m_varParentValues = values; }
    Variant ParentKeys() const { return m_varParentKeys; }
    void SetParentKeys(const Variant& keys) { m_varParentKeys = keys; }
    std::string cacheFilePrefix() const;
    void SetcacheFilePrefix(const std::string& prefix) { m_strCachePrefix = prefix; }
    DispatchPtr Cbars();
    void SetCbars(const Variant& cbars) { m_objCbars = cbars.ToObject(); }
    std::string TreeEffDate();
    void SetTreeEffDate(const std::string& date) { m_strTreeEffDate = date; }
    std::string WorkspaceMode();
    void SetWorkspaceMode(const std::string& mode) { m_strWorkspaceMode = mode; }
    int32_t myHwnd() const;
    // The control's inner size in its scale units; changing it places the grid again.
    int32_t Width() const { return width_; }
    void SetWidth(int32_t width);
    int32_t Height() const { return height_; }
    void SetHeight(int32_t height);

    // Lifecycle (ctlSimpleLinksLifecycle.cpp).
    void Init(const Variant& XmlSection);
    void Clear();
    void CloseMe();
    void myGridProperties();
    void FilterAll() { SetFilterOption(REV_ALL); }
    void FilterEffective() { SetFilterOption(REV_EFFECTIVE); }

    // Loading (ctlSimpleLinksLoading.cpp, the loader in ctlSimpleLinksLoader.cpp).
    bool Refresh(const Variant& bRestore = Variant::Missing());
    void Display();
    void Update();
    // The request the loader builds for the current parent and pane; empty when none is sent.
    std::string BuildLinksRequest();
    std::string GetSelectionState();

    // Toolbar (ctlSimpleLinksToolbar.cpp).
    void ButtonOperation(const std::string& ButtonKey);
    void UpdateToolStates(const std::string& state);

    // The child controls and the state a host or a test looks at.
    DispatchPtr Grid() const { return fg_; }
    DispatchPtr ToolBar() const { return SSActiveToolBars1_; }
    const std::string& IntName() const { return m_strIntName; }
    int32_t FilterOption() const { return m_nFilterOption; }
    bool RequestPending() const { return m_bRequestPending; }

    // Where the last load spent its time, in milliseconds: building the request, sending it (until
    // the answer is back; asynchronous loads leave it 0), filling the grid, setting the tools.
    struct LoadTimes {
        double build = 0, send = 0, fill = 0, tools = 0;
    };
    const LoadTimes& LastLoadTimes() const { return times_; }

    // Raises ExecuteEvent with "<XML><METHOD>" + method + "</METHOD>" + parameters + "</XML>".
    void RaiseExecuteEvent(const std::string& method, const std::string& parameters = {});

private:
    // Collaborators resolved on first use (ctlSimpleLinksProperties.cpp).
    // The member once resolved: the host's object of that name, or a new one of the class without a host.
    DispatchPtr HostOrOwn(DispatchPtr& member, const char* source, const char* hostMember, const char* ownClass);
    DispatchPtr Request();
    DispatchPtr Obj_Def();
    DispatchPtr UIDef();
    DispatchPtr Resource();
    DispatchPtr Auth();
    DispatchPtr ContainerObject(const char* property);
    Variant Param(const std::string& key);
    std::string ParamText(const std::string& key);
    DispatchPtr ParamObject(const std::string& key);
    DispatchPtr SectionNode(const std::string& path) const;
    std::string SectionText(const std::string& element) const;
    std::string SectionName() const;
    DispatchPtr Self();

    // Init's steps (ctlSimpleLinksLifecycle.cpp).
    void CreateGrid();
    void ConnectGridEvents();
    void BuildToolbar();
    std::string getToolBarName();
    void LoadActions(const std::string& toolbarFile);
    std::string FilterOptionPath();
    void ApplyStoredFilter();
    void SetFilterOption(int32_t option);
    void ApplyFonts();
    void Resize();

    // Loading (ctlSimpleLinksLoading.cpp, ctlSimpleLinksLoader.cpp).
    void SendSynchronously(const std::string& request);
    void SendAsynchronously(const std::string& request);
    DispatchPtr AsyncComm();
    std::string CommServer();
    void ObjCommAsync_RequestResult(int32_t nRequestID, int32_t nHr, const std::string& bstrErrors,
                                    const std::string& bstrResponse);
    void FillGrid(std::string answer);
    clsGrid& GridClass();
    bool HasParentKeyValues();
    void getParentKeysAndValues(Variant& keys, Variant& values);
    std::string GetLinkCriteria(const std::string& parentType, const std::string& linkName);
    std::string FilterName() const;

    // Toolbar state (ctlSimpleLinksToolbar.cpp).
    void ConnectToolbarEvents();
    void OnToolbarEvent(std::string_view event, automation::Arguments& args);
    void ToggleState(const std::string& state, const std::string& parentStatus, const std::string& rowStatus);
    void UpdateFileTools(bool rowsSelected);
    void UpdateHardCopyTools(bool rowsSelected);
    void UpdateRevFilterTools();
    void SetRevFilterToolChecked(const std::string& toolId, bool checked);
    bool MayDoFileAction(const std::string& userName, const std::string& userType, const std::string& action);
    bool MayUnlinkAffected(const std::string& action, const std::string& author);
    bool Authorize(const std::string& action, const std::string& objectType, const std::string& docStatus, bool full);
    bool AuthorizeByProject(const std::string& toolId);
    DispatchPtr Tool(const std::string& toolId);
    // Whether the toolbar has the tool (asked without an error where the toolbar allows: panes lack
    // many tools, and the tool states ask for every one on each load).
    bool HasTool(const std::string& toolId);
    void SetTool(const std::string& toolId, const char* property, bool value);
    bool ToolFlag(const std::string& toolId, const char* property);
    std::string GridCell(const char* rowProperty, const std::string& columnKey);
    int32_t GridNumber(const char* property);
    std::string HostText(const char* property);

    // Grid events (ctlSimpleLinksGridEvents.cpp).
    void fg_ObjectEvent(std::string_view event, automation::Arguments& args);
    void fg_Click();
    void fg_keyUp(int16_t keyCode, int16_t shift);

    DispatchPtr container_;
    DispatchPtr SSActiveToolBars1_;
    int toolbarCookie_ = 0;
    DispatchPtr fg_;
    int fgCookie_ = 0;
    DispatchPtr ObjCommAsync_;
    int commCookie_ = 0;

    DispatchPtr m_objComm;
    DispatchPtr m_objHost;
    DispatchPtr m_objXmlSection;
    DispatchPtr m_objCbars;
    DispatchPtr m_colUpdateData;
    DispatchPtr m_objRequest;
    DispatchPtr m_objObjDef;
    DispatchPtr m_objUIDef;
    DispatchPtr m_objRes;
    DispatchPtr m_objAuth;
    DispatchPtr m_objActions;
    DispatchPtr m_objAttrs;
    std::shared_ptr<clsGrid> m_objGrid;
    DispatchPtr m_colParams;
    Variant m_varParentValues;
    Variant m_varParentKeys;
    std::string m_strParentType;
    std::string m_strCachePrefix;
    std::string m_strGridName;
    std::string m_strObjectType;
    std::string m_strIntName;
    std::string m_strTreeEffDate;
    std::string m_strWorkspaceMode;
    int32_t m_nFilterOption = REV_ALL;
    bool m_bRequestPending = false;
    LoadTimes times_;
    int32_t width_ = 0;
    int32_t height_ = 0;

    automation::EventSource events_{{"ExecuteEvent", "ViewFile", "ShowCustFields"}};
};

}  // namespace noxsimplelinks
