#pragma once
// The synchronous communication object the desktop host talks to a server with: opened on a served
// server when one is named, else left to the connection settings (the embedded server by default).
#include <string>

#include "automation/Dispatch.h"

namespace desktop {

// Raises std::runtime_error when the served server named cannot be reached.
automation::DispatchPtr ServerComm(const std::string& server);

}  // namespace desktop
