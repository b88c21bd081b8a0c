#include "platform/toolbar/BandsCollection.h"

namespace platform {

const automation::MemberTable<BandsCollection>& BandsCollection::Members() {
    static const automation::MemberTable<BandsCollection> table = [] {
        automation::MemberTable<BandsCollection> t;
        t.Method("Add", &BandsCollection::Add)
            .Property("Item", &BandsCollection::Item)
            .Method("Remove", &BandsCollection::Remove)
            .Property("Count", &BandsCollection::Count);
        return t;
    }();
    return table;
}

std::shared_ptr<Band> BandsCollection::Add(const std::string& name) {
    auto band = std::make_shared<Band>(name, registry_);
    bands_.Append(band);
    return band;
}

}  // namespace platform
