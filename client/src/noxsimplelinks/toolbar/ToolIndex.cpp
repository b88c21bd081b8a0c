#include "noxsimplelinks/toolbar/ToolIndex.h"

#include "automation/AutomationError.h"

namespace noxsimplelinks {

using automation::DispatchPtr;

DispatchPtr RequireObject(const automation::Variant& value) {
    DispatchPtr object = value.ToObject();
    if (!object) automation::Raise(automation::errors::kObjectVariableNotSet);
    return object;
}

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

}  // namespace noxsimplelinks
