#pragma once
// Runs the toolbar actions that the toolbar definition maps to code: an operation of the calling
// class (the pane), or a method of an action object created by its ProgID, which reports back
// through its "LastResult" and "lastError".
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsActions : public automation::Dispatchable<clsActions> {
public:
    static constexpr const char* kTypeName = "clsActions";
    static const automation::MemberTable<clsActions>& Members();

    const automation::DispatchPtr& CallingClass() const { return callingClass_; }
    void SetCallingClass(const automation::DispatchPtr& callingClass) { callingClass_ = callingClass; }
    // Row 0 is a header; each further row: action ID, action type, ProgID, method, [parameter].
    const automation::Variant& ActionMapping() const { return mapping_; }
    void SetActionMapping(const automation::Variant& mapping) { mapping_ = mapping; }
    // The type of the action last looked up.
    const std::string& ActionType() const { return actionType_; }
    void SetActionType(const std::string& type) { actionType_ = type; }

    // Reads the "ACTION_MAPPING" element of a toolbar definition file as the mapping (Empty when the
    // file has none). A file that cannot be loaded raises an error saying why.
    void LoadActionMapping(const std::string& path);
    // Runs the action mapped to the ID; false when there is none or it failed.
    bool ExecuteAction(const std::string& actionId);

private:
    bool RunObjectAction(const std::string& progId, const std::string& method, const std::string& parameter);

    automation::DispatchPtr callingClass_;
    automation::Variant mapping_;
    std::string actionType_;
    automation::DispatchPtr lastAction_;  // the object of the last action, kept for an ExeAction
};

}  // namespace noxsimplelinks
