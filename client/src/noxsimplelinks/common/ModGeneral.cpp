#include "noxsimplelinks/common/ModGeneral.h"

#include "automation/Dispatch.h"
#include "automation/ObjectFactory.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks::ModGeneral {
namespace {

constexpr const char* kCrLf = "\r\n";

automation::DispatchPtr CreateResources() noexcept {
    try {
        return automation::CreateObject("noxres.IRes");
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The box's title: the resource text of "LBL_APP_NAME" + "-" + the application name, or the
// application name alone when there are no resources to ask.
std::string Title(const automation::DispatchPtr& resources) noexcept {
    if (!resources) return kApplicationName;
    try {
        return resources->Call("strResString", "LBL_APP_NAME").TextOr("") + "-" + kApplicationName;
    } catch (const std::exception&) {
        return kApplicationName;
    }
}

std::string CriticalMessage(const automation::AutomationError& error, const std::string& source) {
    return std::string("A critical error occurred in: ") + kApplicationName + "." + source + kCrLf + kCrLf +
           "Error Number #:" + std::to_string(error.Number()) + kCrLf + kCrLf + "Error Description:" +
           error.Description();
}
}  // namespace

void ShowError(const automation::AutomationError& error, const std::string& source) noexcept {
    try {
        automation::DispatchPtr resources = CreateResources();
        platform::Ui().SetMousePointer(kPointerDefault);
        bool userError = error.Number() == automation::errors::kUserError;
        std::string message = userError ? error.Description() : CriticalMessage(error, source);
        platform::Ui().MsgBox(message, userError ? kIconExclamation : kIconCritical, Title(resources));
    } catch (...) {
        // The report is the last resort: nothing is left to tell.
    }
}

void ShowError(const std::exception& error, const std::string& source) noexcept {
    try {
        ShowError(automation::AutomationError::From(error), source);
    } catch (...) {
    }
}

void SetMousePointer(const automation::Variant& value) { platform::Ui().SetMousePointer(value.ToInteger()); }

}  // namespace noxsimplelinks::ModGeneral
