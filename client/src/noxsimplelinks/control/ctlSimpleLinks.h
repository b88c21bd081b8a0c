#pragma once
// The attached-items pane: lists the objects linked to a parent object in a grid under a toolbar,
// loads them from the server, keeps the tools in step with the selection and the user's rights, and
// asks its host to act through ExecuteEvent. Hosts drive it by member name; the sources split it by
// concern: lifecycle and properties, loading, toolbar state and dispatch, grid events, commands.
#include <functional>
#include <memory>
#include <string>
#include <utility>
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
    void SetParams(const Variant& params) { params_ = params.ToObject(); }
    std::string ObjectType() const { return objectType_; }
    void SetObjectType(const std::string& type) { objectType_ = type; }
    DispatchPtr Comm();
    void SetComm(const Variant& comm) { comm_ = comm.ToObject(); }
    DispatchPtr Host();
    void SetHost(const Variant& host) { host_ = host.ToObject(); }
    std::string ParentType() const { return parentType_; }
    void SetParentType(const std::string& type) { parentType_ = type; }
    Variant ParentValues() const { return parentValues_; }
    void SetParentValues(const Variant& values) { parentValues_ = values; }
    Variant ParentKeys() const { return parentKeys_; }
    void SetParentKeys(const Variant& keys) { parentKeys_ = keys; }
    std::string cacheFilePrefix() const;
    void SetcacheFilePrefix(const std::string& prefix) { cachePrefix_ = prefix; }
    DispatchPtr Cbars();
    void SetCbars(const Variant& cbars) { cbars_ = cbars.ToObject(); }
    std::string TreeEffDate();
    void SetTreeEffDate(const std::string& date) { treeEffDate_ = date; }
    std::string WorkspaceMode();
    void SetWorkspaceMode(const std::string& mode) { workspaceMode_ = mode; }
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

    // Selection queries and the column layout (ctlSimpleLinksSelection.cpp). The queries answer empty
    // values where the grid has none to give.
    // The row's texts in the columns of the fields (Row when iRow is 0 or omitted), bounds 0 to the
    // fields' upper bound; Empty when a field has no column or there is no such row.
    Variant getValuesFromGrid(const Variant& arrFields, const Variant& iRow = Variant::Missing());
    // The same without the default: row 0 reads the header texts.
    Variant getValuesFromGridByGrid(const Variant& arrFields, int16_t iRow);
    // The current row's text in the column AttrName (ObjectType + "." + AttrName when it has no "."); Retval
    // becomes "OK" when the cell was read, "" when not.
    std::string getValueFromGridByKey(const std::string& AttrName, std::string& Retval);
    Variant SelectedKeys();
    Variant SelectedValues();
    // Item 1 the key names of ObjectType, then one array of key values per selected row.
    DispatchPtr collSelectedObjects();
    void ShowCustFields();
    void RemoveCol();
    void savePane();

    // Opening the selected objects in the host's workspaces (ctlSimpleLinksWorkspaces.cpp).
    void OpenInCollection(const Variant& arrKeys = Variant::Missing(), const Variant& arrValues = Variant::Missing());
    void OpenAllInCollection();
    void OpenInStructure(const Variant& arrKeys = Variant::Missing(), const Variant& arrValues = Variant::Missing(),
                         const Variant& strMode = Variant::Missing());
    void OpenRevFromStr() { OpenHistoryObjectInNewSpace("REVISION_FROM", "STRUCTURE"); }
    void OpenRevToStr() { OpenHistoryObjectInNewSpace("REVISION_TO", "STRUCTURE"); }
    void OpenRevFromCol() { OpenHistoryObjectInNewSpace("REVISION_FROM", "COLLECTION"); }
    void OpenRevToCol() { OpenHistoryObjectInNewSpace("REVISION_TO", "COLLECTION"); }
    void OpenEO();

    // Find, print, and the revisions of a history row (ctlSimpleLinksNavigation.cpp).
    void ShowFind();
    void printGrid();
    void DisplayRevFrom() { DisplayRevision("REVISION_FROM", "ctlSimpleLinks:DisplayRevFrom"); }
    void DisplayRevTo() { DisplayRevision("REVISION_TO", "ctlSimpleLinks:DisplayRevTo"); }

    // Picking link sources and pasting them (ctlSimpleLinksSources.cpp).
    void SelectSource();
    void SelectSourceCustomer(const Variant& CopyInd = Variant::Missing());
    void Copy();
    void CopyObject();
    void SelectKeywordSource();
    // Links the objects on the clipboard (of this pane's type) to the parent; a member of this system
    // beyond the pane's original interface, so that a pick in one pane can be pasted in another.
    void PasteLinks();

    // Removing links and locking attached objects (ctlSimpleLinksUnlink.cpp).
    void UnlinkReference();
    void UnlinkParentChild();
    void UnlinkChildParent();
    void RemoveKeyWord();
    void UnlinkItemCustomer();
    void UnlinkObjectFromModification();
    void UnlinkAttachObject();
    void LockAttachObject();
    void UnAuthorizeToProject();

    // Editing a link's data in the host's link dialog (ctlSimpleLinksLinkData.cpp).
    void UpdateItemCustmerLink();
    void UpdateDocItemLink();

    // Files and hard copies (ctlSimpleLinksFiles.cpp): the aliases, then the commands of their own.
    void PrintFiles() { printGrid(); }
    void PrintHardCopy() { printGrid(); }
    void UpdateFile() { Update(); }
    void UpdateHardCopy() { Update(); }
    void DisplayFile() { Display(); }
    void DisplayHardCopy() { Display(); }
    void FindFiles() { ShowFind(); }
    void FindHardCopy() { ShowFind(); }
    void ShowViewFileDlg();
    void ShowEditFileDlg();
    void EditFileInIntegration();
    void ViewFileInIntegration();
    void ViewFileForItemInBrowser();
    void ViewWithRedlineFile();
    void RedlineFileInBrowser();
    void UnlinkAndDeleteFile();
    void UnlinkAndDeleteHardCopy();
    void LockFile();
    void UnlockFile();
    void DisplayLockInfo();
    void DisplayStorage();
    // The grid whose rows are files, read by the lock information of a dataset view: the pane's grid.
    DispatchPtr FilesGrid() const { return grid_; }
    // Engineering-order steps and approvals (ctlSimpleLinksSteps.cpp). The step dialogs belong to the
    // workflow component; approvals and the all-steps attachment are server requests.
    void EoAttachObjTOSteps() { ShowStepDialog(kStepsAttach); }
    void EoDitachObjTOSteps() { ShowStepDialog(kStepsDetach); }
    void EoViewDitachObjTOSteps() { ShowStepDialog(kStepsViewDetached); }
    void EoDetachObjFromSingleStep();
    void EoAttachObjAllSteps();
    // Approves or rejects every selected row in the user task's step, in one multi-method request.
    void ObjectStepOperation(const std::string& strObjectType, const std::string& strAction);
    // The same for the current row alone, as a single request.
    void ObjectStepOperationOld(const std::string& strObjectType, const std::string& strAction);
    void ApproveItem() { ObjectStepOperation("ITEM", "APPROVE"); }
    void RejectItem() { ObjectStepOperation("ITEM", "REJECT"); }
    void ApproveFormula() { ObjectStepOperation("FORMULA", "APPROVE"); }
    void RejectFormula() { ObjectStepOperation("FORMULA", "REJECT"); }
    void ApproveMaterial() { ObjectStepOperation("MATERIAL", "APPROVE"); }
    void RejectMaterial() { ObjectStepOperation("MATERIAL", "REJECT"); }

    // The child controls and the state a host or a test looks at.
    DispatchPtr Grid() const { return grid_; }
    DispatchPtr ToolBar() const { return toolbar_; }
    const std::string& IntName() const { return intName_; }
    int32_t FilterOption() const { return filterOption_; }
    bool RequestPending() const { return requestPending_; }

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
    // The grid control; error 91 before Init made it.
    automation::Dispatch& Fg() const;
    // UpdateToolStates with the grid's selection state; a grid that cannot say leaves the tools as they are.
    void UpdateToolsForSelection();

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
    void OnRequestResult(int32_t requestId, int32_t result, const std::string& errors, std::string response);
    void FillGrid(Variant answer);
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

    // Selection queries (ctlSimpleLinksSelection.cpp).
    Variant ValuesOfRow(const Variant& fields, int32_t row);

    // Workspaces (ctlSimpleLinksWorkspaces.cpp).
    std::string createXmlBySelectedObject(const std::string& objectType, const Variant& keys, const Variant& values);
    std::string createXmlBySelectedObjectCollection(const std::string& objectType, const DispatchPtr& selected);
    std::string BuildWorkspaceInfo(const std::string& spaceType, const std::string& elements, const std::string& mode,
                                   const std::string& date, const std::string& from, const std::string& thru);
    void AddWorkspace(const std::string& description);
    void OpenHistoryObjectInNewSpace(const std::string& revisionColumn, const std::string& spaceKind);
    // The status and effectivity date of the object the keys and values name, asked of the server.
    std::pair<std::string, std::string> getRequestObjectByKeys(const Variant& keys, const Variant& values);
    // The texts of a history row: the row's cell in ObjectType + "_VAULT_HISTORY." + column.
    std::string HistoryCell(int32_t row, const std::string& column);
    // The key values of one revision of the history's object: the first key from Params, the
    // revision from the row's history column (Empty for a row below 1).
    Variant RevisionValues(const Variant& keys, int32_t row, const std::string& revisionColumn);

    // Navigation (ctlSimpleLinksNavigation.cpp).
    void DisplayRevision(const std::string& revisionColumn, const std::string& source);
    // The resource text of the key, given its parameters.
    std::string ResourceText(const std::string& key, const std::vector<std::string>& parameters = {});
    std::string LabelText() const;

    // The steps the changing commands share (ctlSimpleLinksChanges.cpp; docs/control.md, "Changing
    // commands").
    // The key names of ObjectType and the row's texts in their columns; keys Empty when the type has none.
    void GetRowKeyValues(int32_t row, Variant& keys, Variant& values);
    // The grid rows of the selection, in the order of the grid's selection list.
    std::vector<int32_t> SelectedRowList();
    // Asks before links are removed; true for Yes.
    bool ConfirmUnlink(const std::string& objectType);
    // One method's document from the host's request builder, with its objects and parameters (none
    // when params is empty, so that nothing held from an earlier request travels along).
    std::string BuildMethodRequest(const std::string& method, const std::string& objects, const std::string& params = {});
    // Comm's SendRequest: the answer text, the result code and the messages as the comm object gives them.
    std::string SendRequest(const std::string& request, std::string& resultCode, Variant& messages);
    // The single-request rule: sends the request; a failure raises 0x800403E8 with "ERROR = [...]".
    std::string SendSingleRequest(const std::string& request);
    // The multi-method rules: the requests wrapped in the envelope and sent, one box per failed method;
    // "OK" when the answer is OK or WARNING or any method failed (and was shown), else "FAILED". Nothing
    // is sent, and "" answered, when requests is empty.
    std::string SendMultiMethodRequest(const std::string& requests, const std::string& envelope = "MultiMethodsRequest");
    // The overall result code of a multi-method answer (upper case), whether a method failed and how
    // many did not.
    struct MultiMethodAnswer {
        std::string resultCode;
        bool anyFailed = false;
        int32_t succeeded = 0;
        bool Succeeded() const { return resultCode == "OK" || resultCode == "WARNING"; }
    };
    // Sends the requests wrapped in the envelope (escaped in the RequestBody frame) and shows one box
    // per failed method with its first message's description, framed as "ERROR = [...]" when framed.
    MultiMethodAnswer SendMethods(const std::string& requests, const std::string& envelope, bool framed = true);
    // After a change whose status is "OK": Refresh(false), then "SimpleLinkUpdate".
    void AfterLinkChange(const std::string& status);
    // Asks (ConfirmUnlink), then one request per selected row (requestOfRow; "" for none) sent as one
    // multi-method request; the refresh and "SimpleLinkUpdate" when its status is "OK".
    std::string ChangeSelectedRows(const std::string& objectType, const std::function<std::string(int32_t)>& requestOfRow);
    std::string UnlinkSelected(const std::string& objectType, const std::string& linkName);
    // The pane's link to the parent of the kind, as the object definitions name it (the kind when they
    // name none).
    std::string LinkToParent(const std::string& objectType, const std::string& linkKind);
    // An end of the current row's link: the row's object of the type when the grid shows the type's
    // first key, else the parent (a pane under an item shows no item column).
    void LinkEnd(const std::string& type, Variant& keys, Variant& values);

    // Files (ctlSimpleLinksFiles.cpp).
    // The current row's file: the key names of FILE and their values, its format and its name.
    void GetFileRowData(Variant& keys, Variant& values, std::string& format, std::string& fileName);
    // The hand-built "LockTree" method for the object with the keys (values not escaped), dated today.
    static std::string BuildLockTreeMethod(const std::string& objectType, const std::vector<std::string>& keys,
                                           const std::vector<std::string>& values, const std::string& action);
    // "<Request>" + the connection text of "noxconn2.IConnect" + text + "</Request>".
    static std::string WrapInRequest(const std::string& text);
    // Locks ("LOCK") or unlocks ("UNLOCK") the current row's file; the single-request rule judges.
    void SendFileLock(const std::string& action);
    // The unlink-and-delete method of a row, without its <Request> tags; "" for a row without keys.
    std::string DeleteRequestOfRow(const std::string& objectType, int32_t row);
    // The delete procedure: asks per selected row, sends the confirmed ones at once; true on success.
    bool DeleteSelectedRows(const std::string& objectType);
    // A new file component with the host and the comm object.
    DispatchPtr FileComponent();
    // Runs a redline operation of the file component, held (m_objFile) while it reports.
    void RunRedline(const char* operation, const char* source);
    void OnFileProgress(std::string_view event, automation::Arguments& args);
    // The function toolkit's operation on the current row, with its originating application.
    void OpenInIntegration(const char* operation, bool withoutRow);
    // Engineering-order steps (ctlSimpleLinksSteps.cpp).
    enum StepDialogMode : int32_t { kStepsAttach = 0, kStepsDetach = 1, kStepsViewDetached = 2 };
    // The parent's value for the key name (ignoring case); "" when the parent has no such key.
    std::string GetParentValueByKey(const std::string& key);
    // The order's id and route: the order's own (route from Params), else the user task's.
    std::pair<std::string, std::string> OrderAndRoute();
    void ShowStepDialog(StepDialogMode mode);
    // One step operation's request for the object of the keys and values, in the user task's step.
    std::string StepOperationRequest(const std::string& method, const std::string& objectType, const std::string& action,
                                     const Variant& keys, const Variant& values);

    // Grid events (ctlSimpleLinksGridEvents.cpp).
    void OnGridEvent(std::string_view event, automation::Arguments& args);
    void OnGridClick();
    void OnGridKeyUp(int16_t keyCode, int16_t shift);
    void OnGridMouseUp(int16_t button, int16_t shift, float x, float y);
    void SelectAllRows();
    std::string GetPopupToolId() const;
    bool IsColumnFlagSet(const std::string& objectType, const std::string& key, const std::string& flag);
    // Whether a column may be dragged to the position: both it and the column there are movable.
    bool CheckColumnMove(int16_t col, int16_t position);

    DispatchPtr container_;  // the site
    DispatchPtr toolbar_;    // the toolbar, made with the control
    int toolbarCookie_ = 0;
    DispatchPtr grid_;  // the grid, added to the site by Init
    int gridCookie_ = 0;
    DispatchPtr asyncComm_;  // the control's own asynchronous wrapper
    int asyncCommCookie_ = 0;

    // Collaborators: given by the host, or resolved on first use.
    DispatchPtr comm_;
    DispatchPtr host_;
    DispatchPtr section_;  // the configuration section given to Init
    DispatchPtr cbars_;
    DispatchPtr updateData_;  // the working collection of the link-update commands
    DispatchPtr request_;
    DispatchPtr objDef_;
    DispatchPtr uiDef_;
    DispatchPtr resources_;
    DispatchPtr authorization_;
    DispatchPtr actions_;
    DispatchPtr attributes_;
    DispatchPtr file_;  // the file component, while a redline command runs
    std::shared_ptr<clsGrid> gridClass_;  // lays out and fills grid_
    DispatchPtr params_;
    Variant parentValues_;
    Variant parentKeys_;
    std::string parentType_;
    std::string cachePrefix_;
    std::string gridName_;
    std::string objectType_;
    std::string intName_;
    std::string treeEffDate_;
    std::string workspaceMode_;
    int32_t filterOption_ = REV_ALL;
    bool requestPending_ = false;
    LoadTimes times_;
    int32_t width_ = 0;
    int32_t height_ = 0;

    automation::EventSource events_{{"ExecuteEvent", "ViewFile", "ShowCustFields"}};
};

}  // namespace noxsimplelinks
