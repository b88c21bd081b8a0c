#pragma once
// The bars of the toolbar, in order, found by 1-based index or by name.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/toolbar/Band.h"
#include "platform/toolbar/KeyedList.h"

namespace platform {

class BandsCollection : public automation::Dispatchable<BandsCollection> {
public:
    static constexpr const char* kTypeName = "Toolbars";
    static const automation::MemberTable<BandsCollection>& Members();

    explicit BandsCollection(std::weak_ptr<ToolsCollection> registry) : registry_(std::move(registry)) {}

    // A name already used raises 457.
    std::shared_ptr<Band> Add(const std::string& name);
    // An unknown name or index raises 5 naming it.
    std::shared_ptr<Band> Item(const automation::Variant& indexOrName) const { return bands_.Item(indexOrName); }
    void Remove(const automation::Variant& indexOrName) { bands_.Remove(indexOrName); }
    void Clear() { bands_.Clear(); }
    int32_t Count() const { return bands_.Count(); }
    const std::vector<std::shared_ptr<Band>>& Items() const { return bands_.Items(); }

private:
    std::weak_ptr<ToolsCollection> registry_;
    KeyedList<Band> bands_{"bar", "name"};
};

}  // namespace platform
