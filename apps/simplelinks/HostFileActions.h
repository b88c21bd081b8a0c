#pragma once
// What the command-line host does with files when the control asks it to (ExecuteEvent): shows the
// file a "ShowLinksViewFileDlg" payload names, and completes the editing of the current row's file
// ("ID_Prop_Edit_File_Complete": checked in, taken off the edited files, unlocked), both through the
// file component with the pane's communication and host objects.
#include <string>

#include "automation/Dispatch.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"

namespace simplelinks {

// Raises std::runtime_error for a payload that names no file.
void ViewFile(const std::string& payload, const automation::DispatchPtr& comm, const automation::DispatchPtr& host);
// False when the file was not checked in (the file component has shown why).
bool CompleteEdit(noxsimplelinks::ctlSimpleLinks& control);

}  // namespace simplelinks
