#pragma once
// The merge of two parameter fragments: a <PARAMS> element held and one arriving. The held children
// whose element names occur among the arriving ones are cut out and every child of the arriving
// fragment is added after what is kept, each text exactly as its caller wrote it.
#include <optional>
#include <string>

namespace components {

// Nothing when either text is not one well-formed <PARAMS> element.
std::optional<std::string> MergeParams(const std::string& held, const std::string& incoming);

}  // namespace components
