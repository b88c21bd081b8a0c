#include "components/noxrequest/IRequest.h"

#include "components/noxrequest/ParamsMerge.h"
#include "automation/SafeArray.h"
#include "platform/xml/XmlEscape.h"

namespace components {
namespace {

// The method whose document carries the places for a method id and a category method, which the
// caller fills in. They stand in character data, so any text may go there.
constexpr std::string_view kCollectionMethod = "UpdateCollectionObjectsWC";
constexpr std::string_view kCollectionPlaceholders =
    "<METHOD_ID><![CDATA[%METHOD_ID%]]></METHOD_ID><CATEGORY_METHOD><![CDATA[%CATEGORY_METHOD%]]></CATEGORY_METHOD>";

void AppendElement(std::string& xml, const std::string& name, const automation::Variant& value) {
    xml.append("<").append(name).append(">").append(platform::EscapeXml(value.TextOr(""))).append("</").append(name).append(">");
}

}  // namespace

const automation::MemberTable<IRequest>& IRequest::Members() {
    static const automation::MemberTable<IRequest> table = [] {
        automation::MemberTable<IRequest> t;
        t.Method("setuserparams", &IRequest::setuserparams)
            .Method("setparams", &IRequest::setparams)
            .Method("setobjects", &IRequest::setobjects)
            .Method("setrequestfile", &IRequest::setrequestfile)
            .Method("initresfile", &IRequest::initresfile)
            .Method("buildrequest", &IRequest::buildrequest)
            .Method("getObjByKeysValuesAndArrayAsXml", &IRequest::getObjByKeysValuesAndArrayAsXml);
        return t;
    }();
    return table;
}

bool IRequest::setuserparams(const std::string& xml) {
    userParams_ = xml;
    return true;
}

bool IRequest::setparams(const std::string& xml) {
    std::optional<std::string> merged;
    if (!replaceParams_ && !params_.empty() && !xml.empty()) merged = MergeParams(params_, xml);
    params_ = merged ? std::move(*merged) : xml;
    replaceParams_ = false;
    return true;
}

bool IRequest::setobjects(const std::string& xml) {
    objects_ = xml;
    return true;
}

std::string IRequest::buildrequest(const std::string& method) {
    replaceParams_ = true;
    std::string name = platform::EscapeXml(method);
    std::string_view placeholders = method == kCollectionMethod ? kCollectionPlaceholders : "";
    std::string document;
    document.reserve(64 + name.size() + placeholders.size() + userParams_.size() + objects_.size() + params_.size());
    document += "<Request><Method><Name>";
    document += name;
    document += "</Name>";
    document += placeholders;
    document += userParams_;
    document += objects_;
    document += params_;
    document += "</Method></Request>";
    return document;
}

std::string IRequest::getObjByKeysValuesAndArrayAsXml(const std::string& objectType, const automation::Variant& keys,
                                                    const automation::Variant& values,
                                                    const automation::Variant& attributes) const {
    std::string xml = "<OBJECTS><OBJECT ID='" + platform::EscapeXml(objectType) + "'>";
    if (keys.IsArray()) {
        const automation::SafeArray& names = keys.ToArray();
        for (int32_t i = names.LBound(); i <= names.UBound(); ++i)
            AppendElement(xml, names.At(i).ToString(), values.ToArray().At(i));
    }
    if (attributes.IsArray()) {
        const automation::SafeArray& table = attributes.ToArray();
        const int32_t name = table.LBound(2), value = name + 1;
        for (int32_t row = table.LBound(1); row <= table.UBound(1); ++row)
            AppendElement(xml, table.At(row, name).ToString(), table.At(row, value));
    }
    return xml + "</OBJECT></OBJECTS>";
}

}  // namespace components
