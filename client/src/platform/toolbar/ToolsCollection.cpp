#include "platform/toolbar/ToolsCollection.h"

#include "platform/toolbar/ToolMenu.h"

namespace platform {

using automation::Variant;

const automation::MemberTable<ToolsCollection>& ToolsCollection::Members() {
    static const automation::MemberTable<ToolsCollection> table = [] {
        automation::MemberTable<ToolsCollection> t;
        t.Method("Add", &ToolsCollection::Add)
            .Property("Item", &ToolsCollection::Item)
            .Method("Exists", &ToolsCollection::Exists)
            .Method("Remove", &ToolsCollection::Remove)
            .Property("Count", &ToolsCollection::Count);
        return t;
    }();
    return table;
}

std::shared_ptr<ToolsCollection> ToolsCollection::MakeRegistry() {
    std::shared_ptr<ToolsCollection> registry(new ToolsCollection());
    registry->isRegistry_ = true;
    return registry;
}

ToolsCollection::ToolsCollection(std::weak_ptr<ToolsCollection> registry) : registry_(std::move(registry)) {}

std::shared_ptr<Tool> ToolsCollection::Add(const std::string& id, std::optional<int32_t> type,
                                           std::optional<std::string> name) {
    std::shared_ptr<Tool> tool;
    if (isRegistry_) {
        tool = std::make_shared<Tool>(id, type.value_or(kToolButton),
                                      std::static_pointer_cast<ToolsCollection>(shared_from_this()));
    } else {
        auto registry = registry_.lock();
        if (!registry) automation::Raise(automation::errors::kObjectVariableNotSet);
        tool = registry->Find(id);
        if (!tool) tool = registry->Add(id, type, std::nullopt);
    }
    tools_.Append(tool);
    if (name) tool->SetName(*name);
    return tool;
}

void ToolsCollection::Remove(const Variant& indexOrId) {
    std::shared_ptr<Tool> removed = tools_.Remove(indexOrId);
    if (!isRegistry_) return;
    for (const auto& tool : tools_.Items())
        if (tool->HasMenuItems()) tool->Menu()->Tools()->Forget(removed->ID());
    if (onRemove_) onRemove_(removed->ID());
}

}  // namespace platform
