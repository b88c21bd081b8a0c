#include "noxsimplelinks/toolbar/clsActions.h"

#include <algorithm>
#include <cctype>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::Variant;

namespace {

enum Column : int32_t { kActionId = 0, kType = 1, kProgId = 2, kMethod = 3, kParameter = 4 };

using automation::Upper;

Variant Read(const Variant& object, const char* property) {
    automation::Arguments none;
    return automation::InvokeOn(object, property, automation::InvokeKind::PropertyGet, none);
}

}  // namespace

const automation::MemberTable<clsActions>& clsActions::Members() {
    static const automation::MemberTable<clsActions> table = [] {
        automation::MemberTable<clsActions> t;
        t.ObjectProperty("CallingClass", &clsActions::CallingClass, &clsActions::SetCallingClass)
            .Property("ActionMapping", &clsActions::ActionMapping, &clsActions::SetActionMapping)
            .Property("ActionType", &clsActions::ActionType, &clsActions::SetActionType)
            .Method("LoadActionMapping", &clsActions::LoadActionMapping)
            .Method("ExecuteAction", &clsActions::ExecuteAction);
        return t;
    }();
    return table;
}

void clsActions::LoadActionMapping(const std::string& path) {
    clsXmlWrapper xml;
    std::string error;
    if (!xml.loadXmlFile(path, error))
        throw automation::AutomationError(automation::errors::kUserError,
                                          "The action mapping cannot be read from '" + path + "': " + error);
    mapping_ = xml.getNodeAsArray("//ACTION_MAPPING");
}

bool clsActions::ExecuteAction(const std::string& actionId) {
    if (actionId.empty()) return false;
    try {
        const automation::SafeArray& table = mapping_.ToArray();
        for (int32_t row = 1; row <= table.UBound(1); ++row) {
            if (table.At(row, kActionId).TextOr("") != actionId) continue;
            const std::string progId = table.At(row, kProgId).TextOr("");
            const std::string method = table.At(row, kMethod).TextOr("");
            const std::string parameter = table.UBound(2) >= kParameter ? table.At(row, kParameter).TextOr("") : std::string();
            actionType_ = table.At(row, kType).TextOr("");
            if (actionType_ == "DllAction") {
                const bool done = RunObjectAction(progId, method, parameter);
                lastAction_.reset();
                return done;
            }
            if (actionType_ == "ExeAction") return RunObjectAction(progId, method, parameter);
            if (actionType_ == "InternalAction") {
                Quietly([&] { automation::CallOn(Variant(callingClass_), method); });
                return true;
            }
            return false;
        }
    } catch (const std::exception&) {
    }
    return false;
}

// Creation and calls that fail are passed over: the outcome is then read from what the object says.
bool clsActions::RunObjectAction(const std::string& progId, const std::string& method, const std::string& parameter) {
    lastAction_.reset();
    Quietly([&] { lastAction_ = automation::CreateObject(progId); });
    const Variant action(lastAction_);
    Quietly([&] {
        automation::Arguments callingClass{Variant(callingClass_)};
        automation::InvokeOn(action, "CallingClass", automation::InvokeKind::PropertySet, callingClass);
    });
    Quietly([&] { parameter.empty() ? automation::CallOn(action, method) : automation::CallOn(action, method, parameter); });
    std::string result;
    Quietly([&] { result = Upper(Read(action, "LastResult").TextOr("")); });
    if (result.empty() || result == "OK") return true;
    std::string error;
    Quietly([&] { error = Read(action, "lastError").TextOr(""); });
    if (!error.empty()) platform::Ui().MsgBox(error, 0, "");
    return false;
}

}  // namespace noxsimplelinks
