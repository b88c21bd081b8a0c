#pragma once
// Opens the attributes dialog ("noxAttrs.IclsAttributes") to create, show or update objects of the
// type the pane lists, and carries out the update of several selected objects itself: the dialog
// edits all of them at once and the changes go to the server as one multi-method request. Create,
// Display, Display2History and Update report their failures ("clsAttrsWrapper:" + operation).
#include <string>
#include <vector>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsAttrsWrapper : public automation::Dispatchable<clsAttrsWrapper> {
public:
    using Variant = automation::Variant;
    using DispatchPtr = automation::DispatchPtr;
    static constexpr const char* kTypeName = "clsAttrsWrapper";
    static constexpr const char* kComponentProgId = "noxAttrs.IclsAttributes";
    static const automation::MemberTable<clsAttrsWrapper>& Members();

    // Creates the component.
    void Init();
    Variant Create();
    bool Display(const Variant& comm, const Variant& host);
    bool Display2History(const std::string& objectType, const Variant& keys, const Variant& values);
    // Several rows selected: the multi-object update through comm (SendRequest, Response) with the
    // host's request object (a request-document component when the host gives none); true when the
    // server took the update (OK or WARNING). One row: the dialog updates the object itself.
    bool Update(const Variant& comm, const Variant& host, const Variant& selectedObjects);
    // Row 0 the keys of the grid's columns (from FixedCols on), then one row of cell texts per
    // selected row.
    Variant getMultiSelectedObjects();

    DispatchPtr Grid() const { return grid_; }
    void SetGrid(DispatchPtr grid) { grid_ = std::move(grid); }
    std::string ObjectType() const { return objectType_; }
    void SetObjectType(const std::string& type) { objectType_ = type; }
    // The object passed to the dialog as the calling control (Nothing unless set).
    DispatchPtr CallingControl() const { return caller_; }
    void SetCallingControl(DispatchPtr caller) { caller_ = std::move(caller); }
    // The resource object of the messages; a clsResWrapper when none was set.
    DispatchPtr Resource();
    void SetResource(DispatchPtr resource) { resource_ = std::move(resource); }
    Variant objData();
    Variant Buffer();
    void SetBuffer(const Variant& buffer);

private:
    DispatchPtr Component();
    // ShowByObject with thirteen arguments: type, mode, flag, comm, host, six omitted, grid, caller.
    bool ShowForSelection(int32_t mode, const Variant& flag, const Variant& comm, const Variant& host);
    bool UpdateSeveral(const Variant& comm, const Variant& host);
    std::string Text(const std::string& key, std::vector<std::string> parameters = {});

    DispatchPtr component_;
    DispatchPtr grid_;
    DispatchPtr caller_;
    DispatchPtr resource_;
    std::string objectType_;
};

}  // namespace noxsimplelinks
