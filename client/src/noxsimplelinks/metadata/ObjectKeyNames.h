#pragma once
// The key attribute names of an object type, asked of a fresh object-definition facade (which is
// released afterwards); Empty when anything fails.
#include <string>

#include "automation/Variant.h"

namespace noxsimplelinks {

automation::Variant GetObjectKeyNames(const std::string& objectType) noexcept;

}  // namespace noxsimplelinks
