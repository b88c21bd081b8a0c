#pragma once
// The tools of a toolbar control read once, by member name: in the toolbar's order and by ID
// (ignoring case), so that setting every tool costs one pass instead of one search per tool.
#include <string>
#include <unordered_map>
#include <vector>

#include "automation/Dispatch.h"

namespace noxsimplelinks {

class ToolIndex {
public:
    explicit ToolIndex(const automation::DispatchPtr& toolbar);

    // nullptr when the toolbar has no tool of that ID.
    automation::DispatchPtr Find(const std::string& id) const;
    // The tool of that ID; raises 5 when the toolbar has none, as the toolbar's Tools(id) does.
    automation::DispatchPtr Get(const std::string& id) const;
    const std::vector<automation::DispatchPtr>& InOrder() const { return tools_; }

private:
    std::vector<automation::DispatchPtr> tools_;
    std::unordered_map<std::string, automation::DispatchPtr> byId_;
};

}  // namespace noxsimplelinks
