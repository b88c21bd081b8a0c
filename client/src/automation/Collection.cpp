#include "automation/Collection.h"

namespace automation {

const MemberTable<Collection>& Collection::Members() {
    static const MemberTable<Collection> table = [] {
        MemberTable<Collection> t;
        t.Method("Add", &Collection::Add)
            .Property("Item", &Collection::Item)
            .Method("Remove", &Collection::Remove)
            .Property("Count", &Collection::Count);
        return t;
    }();
    return table;
}

void Collection::Add(const Variant& item, const Variant& key, const Variant& before, const Variant& after) {
    std::string folded;
    if (!key.IsMissing() && !key.IsEmpty()) {
        if (!key.IsString()) Raise(errors::kTypeMismatch);
        folded = FoldName(key.ToString());
        if (keys_.count(folded)) Raise(errors::kKeyAlreadyAssociated);
    }
    if (!before.IsMissing() && !after.IsMissing()) Raise(errors::kInvalidProcedureCall);
    size_t position = InsertPosition(before, after);
    items_.insert(items_.begin() + static_cast<ptrdiff_t>(position), Entry{item, folded});
    if (position + 1 < items_.size()) {
        Reindex();
    } else if (!folded.empty()) {
        keys_[folded] = position;
    }
}

size_t Collection::InsertPosition(const Variant& before, const Variant& after) const {
    if (!before.IsMissing()) return PositionOf(before);
    if (!after.IsMissing()) return PositionOf(after) + 1;
    return items_.size();
}

size_t Collection::PositionOf(const Variant& indexOrKey) const {
    if (indexOrKey.IsString()) {
        auto it = keys_.find(FoldName(indexOrKey.ToString()));
        if (it == keys_.end()) Raise(errors::kInvalidProcedureCall);
        return it->second;
    }
    int32_t index = indexOrKey.ToLong();
    if (index < 1 || index > Count()) Raise(errors::kInvalidProcedureCall);
    return static_cast<size_t>(index - 1);
}

const Variant& Collection::Item(const Variant& indexOrKey) const { return items_[PositionOf(indexOrKey)].value; }

bool Collection::Contains(const std::string& key) const { return keys_.count(FoldName(key)) > 0; }

void Collection::Remove(const Variant& indexOrKey) {
    items_.erase(items_.begin() + static_cast<ptrdiff_t>(PositionOf(indexOrKey)));
    Reindex();
}

void Collection::Reindex() {
    keys_.clear();
    for (size_t i = 0; i < items_.size(); ++i)
        if (!items_[i].key.empty()) keys_[items_[i].key] = i;
}

}  // namespace automation
