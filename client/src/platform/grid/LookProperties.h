#pragma once
// Named appearance and behaviour settings of a control (colours, borders, scroll bars, what the user
// may do), each with a default whose type every assigned value is converted to.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "automation/Variant.h"

namespace platform {

class LookProperties {
public:
    using Entry = std::pair<std::string, automation::Variant>;

    explicit LookProperties(std::vector<Entry> defaults);

    // An unknown name raises 438; Let converts to the default's type (13 or 6 when it cannot).
    const automation::Variant& Get(std::string_view name) const;
    void Let(std::string_view name, const automation::Variant& value);
    // Lets each of `values` whose name is known, after check(name, value) (which may raise), all or
    // none: a value refused leaves every property as it was. Unknown names are passed over. Values
    // listed in this object's own order (a saved layout's) are found without a search.
    void LetKnown(const std::vector<Entry>& values, void (*check)(const std::string&, const automation::Variant&));
    int32_t Long(std::string_view name) const { return Get(name).ToLong(); }
    bool Flag(std::string_view name) const { return Get(name).ToBool(); }

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    Entry* Find(std::string_view name);
    const Entry* Find(std::string_view name) const;
    std::vector<Entry> entries_;
};

}  // namespace platform
