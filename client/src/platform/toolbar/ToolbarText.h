#pragma once
// The toolbar as plain text for a terminal: one line per visible tool of each visible bar, enabled
// tools marked with "*", checked ones with "[checked]", drop-down buttons and menus with "v".
#include <string>

#include "platform/toolbar/ToolbarControl.h"

namespace platform {

std::string RenderText(const ToolbarControl& toolbar);

}  // namespace platform
