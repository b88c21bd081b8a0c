#pragma once
// The icon of a tool's picture: the image file of a picture object, the desktop theme's icon of a
// picture name (or the style's own for the common ones), else a badge with the name's initials.
#include <QIcon>

#include "automation/Variant.h"

namespace desktop {

QIcon ToolIcon(const automation::Variant& picture);

}  // namespace desktop
