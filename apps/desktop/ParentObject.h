#pragma once
// The parent object a window shows the panes of: its type, its key names (with the type, as the
// control takes them) and their values, read from "TYPE" and "KEY=VALUE ..." as a person types them.
#include <string>
#include <vector>

namespace desktop {

struct ParentObject {
    std::string type;
    std::vector<std::string> keys;    // "ITEM.ITEM_KEY"
    std::vector<std::string> values;  // "A100"

    // Raises std::runtime_error with a one-line text for an empty type or a pair without "=".
    static ParentObject Parse(const std::string& type, const std::string& keyValues);
    // "ITEM ITEM_KEY=A100, REVISION=B".
    std::string Describe() const;
};

}  // namespace desktop
