#pragma once
// The tools of the toolbar, of one bar or of one menu, in order. The toolbar's own collection makes
// the tools; a bar's or a menu's collection shows tools of the toolbar, so that a tool added there
// by an ID the toolbar does not know yet is made in the toolbar too.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/toolbar/KeyedList.h"
#include "platform/toolbar/Tool.h"
#include "platform/toolbar/ToolLookup.h"

namespace platform {

class ToolsCollection : public automation::Dispatchable<ToolsCollection>, public ToolLookup {
public:
    static constexpr const char* kTypeName = "Tools";
    static const automation::MemberTable<ToolsCollection>& Members();

    // The toolbar's own collection. Removing a tool from it takes the tool out of every menu too,
    // and tells the owner (who knows the bars) through the callback set with OnRemove.
    static std::shared_ptr<ToolsCollection> MakeRegistry();
    void OnRemove(std::function<void(const std::string&)> onRemove) { onRemove_ = std::move(onRemove); }
    // A bar's or a menu's collection, showing tools of the registry.
    explicit ToolsCollection(std::weak_ptr<ToolsCollection> registry);

    // An ID already in this collection raises 457.
    std::shared_ptr<Tool> Add(const std::string& id, std::optional<int32_t> type, std::optional<std::string> name);
    // By 1-based index or by ID; an unknown ID raises 5 naming it.
    std::shared_ptr<Tool> Item(const automation::Variant& indexOrId) const { return tools_.Item(indexOrId); }
    std::shared_ptr<Tool> Find(const std::string& id) const { return tools_.Find(id); }
    bool Exists(const std::string& id) const override { return tools_.Find(id) != nullptr; }
    void Remove(const automation::Variant& indexOrId);
    // Drops the tool without telling anyone (the registry purging bars and menus).
    void Forget(const std::string& id) { tools_.RemoveKey(id); }
    void Clear() { tools_.Clear(); }
    int32_t Count() const { return tools_.Count(); }
    const std::vector<std::shared_ptr<Tool>>& Items() const { return tools_.Items(); }

private:
    ToolsCollection() = default;

    bool isRegistry_ = false;
    std::weak_ptr<ToolsCollection> registry_;
    std::function<void(const std::string&)> onRemove_;
    KeyedList<Tool> tools_{"tool", "ID"};
};

}  // namespace platform
