#pragma once
// The items of a toolbar collection (tools, bars) in their order, found by 1-based index or by
// their key, ignoring case; an index or key that names nothing raises 5 with a description.
#include <memory>
#include <string>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"

namespace platform {

template <class T>
class KeyedList {
public:
    using Ptr = std::shared_ptr<T>;

    // noun and keyName word the errors: "There is no tool with the ID \"X\"".
    KeyedList(std::string noun, std::string keyName) : noun_(std::move(noun)), keyName_(std::move(keyName)) {}

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    const std::vector<Ptr>& Items() const { return items_; }

    Ptr Find(const std::string& key) const {
        for (const Ptr& item : items_)
            if (automation::SameName(item->Key(), key)) return item;
        return nullptr;
    }

    // A number is a 1-based index, anything else a key.
    Ptr Item(const automation::Variant& indexOrKey) const { return items_[Position(indexOrKey)]; }

    void Append(Ptr item) {
        if (Find(item->Key()))
            throw automation::AutomationError(automation::errors::kKeyAlreadyAssociated,
                                              "There is already a " + noun_ + " with the " + keyName_ + " \"" + item->Key() + "\"");
        items_.push_back(std::move(item));
    }

    Ptr Remove(const automation::Variant& indexOrKey) {
        size_t position = Position(indexOrKey);
        Ptr removed = items_[position];
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
        return removed;
    }

    void RemoveKey(const std::string& key) {
        std::erase_if(items_, [&](const Ptr& item) { return automation::SameName(item->Key(), key); });
    }

    void Clear() { items_.clear(); }

private:
    size_t Position(const automation::Variant& indexOrKey) const {
        if (indexOrKey.IsMissing()) automation::Raise(automation::errors::kArgumentNotOptional);
        if (indexOrKey.IsString()) {
            std::string key = indexOrKey.ToString();
            for (size_t i = 0; i < items_.size(); ++i)
                if (automation::SameName(items_[i]->Key(), key)) return i;
            throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                              "There is no " + noun_ + " with the " + keyName_ + " \"" + key + "\"");
        }
        int32_t index = indexOrKey.ToLong();
        if (index < 1 || index > Count())
            throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                              "There is no " + noun_ + " number " + std::to_string(index) + " (there are " +
                                                  std::to_string(Count()) + ")");
        return static_cast<size_t>(index - 1);
    }

    std::string noun_;
    std::string keyName_;
    std::vector<Ptr> items_;
};

// What a property such as Tools gives: the collection itself, or with an argument the item it names.
template <class Collection>
automation::Variant CollectionOrItem(const std::shared_ptr<Collection>& collection, const automation::Arguments& args) {
    if (args.empty() || args[0].IsMissing()) return automation::Variant(collection);
    if (args.size() > 1) automation::Raise(automation::errors::kWrongNumberOfArguments);
    return automation::Variant(collection->Item(args[0]));
}

}  // namespace platform
