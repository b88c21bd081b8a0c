#include "noxsimplelinks/toolbar/ToolIndex.h"

#include "automation/AutomationError.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::RequireObject;

ToolIndex::ToolIndex(const DispatchPtr& toolbar) {
    const DispatchPtr tools = RequireObject(toolbar->Get("Tools"));
    const int32_t count = tools->Get("Count").ToLong();
    for (int32_t i = 1; i <= count; ++i) {
        DispatchPtr tool = RequireObject(tools->Get("Item", i));
        byId_.emplace(automation::FoldName(tool->Get("ID").ToString()), tool);
        tools_.push_back(std::move(tool));
    }
}

DispatchPtr ToolIndex::Find(const std::string& id) const {
    auto found = byId_.find(automation::FoldName(id));
    return found == byId_.end() ? nullptr : found->second;
}

DispatchPtr ToolIndex::Get(const std::string& id) const {
    DispatchPtr tool = Find(id);
    if (!tool)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "There is no tool with the ID \"" + id + "\"");
    return tool;
}

}  // namespace noxsimplelinks
