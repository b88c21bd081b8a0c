#pragma once
// The host's file viewer: shows the file an "ShowLinksViewFileDlg" payload names (its object type and
// keys) through the file component, with the pane's communication and host objects.
#include <string>

#include "automation/Dispatch.h"

namespace simplelinks {

// Raises std::runtime_error for a payload that names no file.
void ViewFile(const std::string& payload, const automation::DispatchPtr& comm, const automation::DispatchPtr& host);

}  // namespace simplelinks
