#pragma once
// The classic collection: 1-based items with optional case-insensitive string keys.
#include <string>
#include <unordered_map>
#include <vector>

#include "automation/Dispatchable.h"

namespace automation {

class Collection : public Dispatchable<Collection> {
public:
    static constexpr const char* kTypeName = "Collection";
    static const MemberTable<Collection>& Members();

    // key, before and after are Missing when not given; before/after take an index or a key.
    void Add(const Variant& item, const Variant& key = Variant::Missing(), const Variant& before = Variant::Missing(),
             const Variant& after = Variant::Missing());
    const Variant& Item(const Variant& indexOrKey) const;  // a missing index or key raises 5
    bool Contains(const std::string& key) const;
    void Remove(const Variant& indexOrKey);
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

private:
    struct Entry {
        Variant value;
        std::string key;  // folded; empty when the item has none
    };
    size_t PositionOf(const Variant& indexOrKey) const;
    size_t InsertPosition(const Variant& before, const Variant& after) const;
    void Reindex();
    std::vector<Entry> items_;
    std::unordered_map<std::string, size_t> keys_;
};

}  // namespace automation
