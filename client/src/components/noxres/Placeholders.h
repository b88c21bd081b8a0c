#pragma once
// Fills the numbered placeholders of a resource text: "%1" is the first parameter, "%2" the
// second and so on; "%%" is a literal "%". A placeholder without a parameter becomes empty text,
// parameters without a placeholder are ignored, and a "%" not followed by a digit stays as it is.
#include <string>
#include <string_view>
#include <vector>

namespace components {

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& parameters);

}  // namespace components
