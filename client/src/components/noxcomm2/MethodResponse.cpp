#include "components/noxcomm2/MethodResponse.h"

#include "platform/xml/XmlElementEnd.h"

namespace components {

automation::Variant CollectionOrItem(const std::shared_ptr<automation::Collection>& collection,
                                     const automation::Variant& index) {
    if (index.IsMissing()) return automation::Variant(collection);
    return collection->Item(index);
}

const automation::MemberTable<MethodResponse>& MethodResponse::Members() {
    static const automation::MemberTable<MethodResponse> table = [] {
        automation::MemberTable<MethodResponse> t;
        t.Property("Name", &MethodResponse::Name)
            .Property("ResultCode", &MethodResponse::ResultCode)
            .Property("Messages", &MethodResponse::Messages)
            .Property("xml", &MethodResponse::xml);
        return t;
    }();
    return table;
}

automation::Variant MethodResponse::Messages(const automation::Variant& index) const {
    return CollectionOrItem(messages_, index);
}

std::string MethodResponse::xml() const {
    if (!xml_) {
        size_t end = platform::XmlElementEnd(*answer_, documentStart_);
        xml_ = end == std::string::npos ? std::string() : answer_->substr(documentStart_, end - documentStart_);
    }
    return *xml_;
}

}  // namespace components
