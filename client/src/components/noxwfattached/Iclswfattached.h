#pragma once
// The workflow attachments component ("noxwfattached.Iclswfattached"): the step dialogs of an
// engineering order. Show reads the order's route from the server and presents it as the dialog
// "noxwfattached" (the steps with their task holders and attached objects); in mode 0 a person ticks
// the steps to attach the object to, in mode 1 those to detach it from (check boxes "chkStep" + step
// id, then cmdOK), and mode 2 lists, step by step, the order's objects detached from it.
// EoDetachObjFromSingleStep detaches the selected objects from the step of the pane's parent.
// Protocol: docs/server.md, "Route steps".
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "components/noxwfattached/WorkflowRoute.h"
#include "platform/dialog/Dialog.h"

namespace components {

class Iclswfattached : public automation::Dispatchable<Iclswfattached> {
public:
    static constexpr const char* kTypeName = "Iclswfattached";
    static constexpr const char* kProgId = "noxwfattached.Iclswfattached";
    static constexpr const char* kDialogName = "noxwfattached";
    static const automation::MemberTable<Iclswfattached>& Members();

    enum Mode : int32_t { kAttach = 0, kDetach = 1, kViewDetached = 2 };

    // The communication object the component sends through; a new "noxcomm2.Icomm" unless set.
    automation::DispatchPtr Comm();
    void SetComm(const automation::Variant& comm) { comm_ = comm.ToObject(); }

    // Shows the route of the order for the object (its type, key names and values), modal; true when
    // the object's steps were changed on the server.
    bool Show(const std::string& objectType, const automation::Variant& keys, const automation::Variant& values,
              const std::string& eoId, const std::string& routeId, int32_t mode);
    // Detaches the selected objects (a collection: the key names, then one array of values per
    // object; when it holds none, the object of keys and values) from the step the parent names
    // (its EO_ID, ROUTE_ID and STEP_ID keys) after asking; true when any was detached.
    bool EoDetachObjFromSingleStep(const std::string& objectType, const automation::Variant& keys,
                                   const automation::Variant& values, const automation::Variant& selected,
                                   const automation::Variant& parentKeys, const automation::Variant& parentValues);
    // Releases the dialog and the communication object.
    void CloseMe();

    // The model of the last showing (null before the first).
    std::shared_ptr<platform::Dialog> DialogModel() const { return dialog_; }

private:
    struct Target {
        std::string type;
        std::vector<std::string> keys, values;
        WorkflowRoute::Object AsRouteObject() const;
    };

    // The route's document from the server; a failure raises 0x800403E8 with the server's message.
    std::string Exchange(const std::string& method, const std::string& objects, const std::string& params);
    std::string OrderObjects(const std::string& eoId, const std::string& routeId, const Target* target) const;
    // Attaches or detaches the target on the steps; "" when done, else the server's message.
    std::string ChangeSteps(const std::string& method, const std::string& eoId, const std::string& routeId,
                            const Target& target, const std::vector<std::string>& steps);
    void BuildDialog(const WorkflowRoute& route, const Target& target, int32_t mode);

    automation::DispatchPtr comm_;
    std::shared_ptr<platform::Dialog> dialog_;
};

}  // namespace components
