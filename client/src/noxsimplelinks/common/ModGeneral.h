#pragma once
// Procedures used all over the library: the common error report and the screen's mouse pointer,
// with the box icons and pointer values they and their callers use.
#include <exception>
#include <string>

#include "automation/AutomationError.h"
#include "automation/Variant.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks::ModGeneral {

// The library's application name, shown in error reports and as the default title of its boxes.
inline constexpr const char* kApplicationName = platform::kApplicationName;

// Message-box buttons and icons.
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNo = 4;
inline constexpr int kIconCritical = 16;
inline constexpr int kIconQuestion = 32;
inline constexpr int kIconExclamation = 48;
// Mouse pointers: the hourglass while a long operation runs, the default afterwards.
inline constexpr int kPointerHourglass = 11;
inline constexpr int kPointerDefault = 0;

// Shows an error to the user: a critical box naming the source ("clsGrid:FillGrid"), the number and
// the description; an error numbered 0x800403E8 shows its description alone with the exclamation
// icon. The title comes from the resource component ("LBL_APP_NAME"). Never throws.
void ShowError(const automation::AutomationError& error, const std::string& source) noexcept;
// The same for any exception, mapped to an automation error first.
void ShowError(const std::exception& error, const std::string& source) noexcept;

// Sets the screen's mouse pointer (kPointerHourglass, kPointerDefault); a value that is not a number
// raises 13.
void SetMousePointer(const automation::Variant& value);
inline void SetPointer(int pointer) { SetMousePointer(automation::Variant(int32_t{pointer})); }

}  // namespace noxsimplelinks::ModGeneral
