#include "components/noxrequest/IRequest.h"

#include <optional>
#include <set>

#include <pugixml.hpp>

#include "platform/xml/XmlEscape.h"
#include "platform/xml/XmlNodeInfo.h"

namespace components {
namespace {

// The method whose document carries the places for a method id and a category method, which the
// caller fills in. They stand in character data, so any text may go there.
constexpr std::string_view kCollectionMethod = "UpdateCollectionObjectsWC";
constexpr std::string_view kCollectionPlaceholders =
    "<METHOD_ID><![CDATA[%METHOD_ID%]]></METHOD_ID><CATEGORY_METHOD><![CDATA[%CATEGORY_METHOD%]]></CATEGORY_METHOD>";

std::optional<pugi::xml_node> ParamsElement(pugi::xml_document& doc, const std::string& xml) {
    if (!doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8)) return std::nullopt;
    pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "PARAMS") return std::nullopt;
    return root;
}

// The held parameters with the new ones merged in by element name; nothing when either is not a
// <PARAMS> element.
std::optional<std::string> MergeParams(const std::string& held, const std::string& incoming) {
    pugi::xml_document heldDoc, incomingDoc;
    auto target = ParamsElement(heldDoc, held);
    auto source = ParamsElement(incomingDoc, incoming);
    if (!target || !source) return std::nullopt;
    std::set<std::string> names;
    for (pugi::xml_node child : source->children())
        if (child.type() == pugi::node_element) names.insert(child.name());
    for (pugi::xml_node child = target->first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (names.count(child.name())) target->remove_child(child);
        child = next;
    }
    // The new children are written after the kept ones straight from their own document (they may
    // be large: a multi-method request's nested requests), as if they had been moved in.
    std::string merged = platform::MarkupOf(*target);
    if (!source->first_child()) return merged;
    constexpr std::string_view kEnd = "</PARAMS>";
    if (merged.ends_with(kEnd)) {
        merged.resize(merged.size() - kEnd.size());
    } else {
        merged.replace(merged.size() - 2, 2, ">");  // an empty-element tag opens for the new children
    }
    for (pugi::xml_node child : source->children()) platform::AppendMarkupOf(merged, child);
    return merged.append(kEnd);
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
            .Method("buildrequest", &IRequest::buildrequest);
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
    if (!params_.empty() && !xml.empty()) merged = MergeParams(params_, xml);
    params_ = merged ? std::move(*merged) : xml;
    return true;
}

bool IRequest::setobjects(const std::string& xml) {
    objects_ = xml;
    return true;
}

std::string IRequest::buildrequest(const std::string& method) const {
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

}  // namespace components
