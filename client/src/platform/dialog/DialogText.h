#pragma once
// A dialog for a terminal: a small box of "caption: value" lines, the visible controls in order (a
// label ending with ":" shares its line with the label after it, its value), the buttons on the
// last line ("[Find] (Close)": parentheses for a disabled one), and for a record the steps taken and
// the box again as it was closed.
#include <string>
#include <vector>

#include "platform/dialog/DialogRecord.h"

namespace platform {

std::string RenderDialog(const std::string& caption, const std::vector<DialogControlState>& controls);
std::string RenderDialogRecord(const DialogRecord& record);

}  // namespace platform
