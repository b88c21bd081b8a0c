#pragma once
// The texts of a one-dimensional array of values, as the components receive key names and values.
#include <string>
#include <vector>

#include "automation/Variant.h"

namespace components {

// Each entry's text from the lower bound up; none for a value that is no array.
std::vector<std::string> Texts(const automation::Variant& array);

}  // namespace components
