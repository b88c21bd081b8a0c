#include "platform/grid/LookProperties.h"

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"

namespace platform {

using automation::Variant;
using automation::VarType;

namespace {

Variant ConvertLike(const Variant& model, const Variant& value) {
    switch (model.Type()) {
        case VarType::Boolean: return Variant(value.ToBool());
        case VarType::Integer: return Variant(value.ToInteger());
        case VarType::Long: return Variant(value.ToLong());
        case VarType::Single: return Variant(value.ToSingle());
        case VarType::Double: return Variant(value.ToDouble());
        case VarType::String: return Variant(value.ToString());
        default: return value;
    }
}

}  // namespace

LookProperties::LookProperties(std::vector<Entry> defaults) : entries_(std::move(defaults)) {}

const Variant& LookProperties::Get(std::string_view name) const {
    const Entry* entry = Find(name);
    if (!entry) automation::Raise(automation::errors::kObjectDoesNotSupportMember);
    return entry->second;
}

void LookProperties::Let(std::string_view name, const Variant& value) {
    Entry* entry = Find(name);
    if (!entry) automation::Raise(automation::errors::kObjectDoesNotSupportMember);
    entry->second = ConvertLike(entry->second, value);
}

void LookProperties::LetKnown(const std::vector<Entry>& values,
                              void (*check)(const std::string&, const Variant&)) {
    std::vector<std::pair<Entry*, Variant>> converted;  // all checked and converted before any is set
    converted.reserve(values.size());
    size_t next = 0;
    for (const auto& [name, value] : values) {
        Entry* entry = next < entries_.size() && entries_[next].first == name ? &entries_[next] : Find(name);
        if (!entry) continue;
        check(name, value);
        converted.emplace_back(entry, ConvertLike(entry->second, value));
        next = static_cast<size_t>(entry - entries_.data()) + 1;
    }
    for (auto& [entry, value] : converted) entry->second = std::move(value);
}

LookProperties::Entry* LookProperties::Find(std::string_view name) {
    return const_cast<Entry*>(static_cast<const LookProperties&>(*this).Find(name));
}

const LookProperties::Entry* LookProperties::Find(std::string_view name) const {
    for (const Entry& entry : entries_)
        if (automation::SameName(entry.first, name)) return &entry;
    return nullptr;
}

}  // namespace platform
