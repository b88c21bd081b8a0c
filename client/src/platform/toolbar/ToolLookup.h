#pragma once
// What a tools collection offers callers in this process that ask for many tools a toolbar may lack:
// whether it holds a tool, without raising. The library asks this way when the collection offers
// it, and asks for the tool (which raises for a missing one) otherwise.
#include <string>

namespace platform {

class ToolLookup {
public:
    virtual ~ToolLookup() = default;
    virtual bool Exists(const std::string& id) const = 0;
};

}  // namespace platform
