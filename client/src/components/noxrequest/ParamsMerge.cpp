#include "components/noxrequest/ParamsMerge.h"

#include <set>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/xml/XmlElementEnd.h"

namespace components {
namespace {

constexpr std::string_view kParams = "PARAMS";

// Whether the text is one <PARAMS> element and nothing else but white space, comments and the like.
bool IsParamsElement(const std::string& xml) {
    pugi::xml_document doc;
    if (!doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8)) return false;
    int elements = 0;
    for (pugi::xml_node child : doc.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) return false;
        if (child.type() == pugi::node_element) ++elements;
    }
    return elements == 1 && doc.document_element().name() == kParams;
}

// One child of the element as it stands in the text; the name is empty for anything but an element.
struct Child {
    std::string_view name;
    std::string_view text;
};

// Where the <PARAMS> element of a text checked by IsParamsElement keeps its children.
struct Layout {
    size_t contentBegin = 0;  // just past the start tag; at its "/>" when it has no end tag
    size_t contentEnd = 0;    // at the end tag; the same as contentBegin without one
    bool emptyElement = false;
    std::vector<Child> children;
};

std::string_view ElementName(std::string_view text, size_t start) {
    size_t end = text.find_first_of(" \t\r\n/>", start + 1);
    return text.substr(start + 1, end - start - 1);
}

Layout LayoutOf(std::string_view text) {
    size_t root = 0;
    while (text[root] != '<' || text[root + 1] == '?' || text[root + 1] == '!') root = platform::XmlNodeEnd(text, root);
    Layout layout;
    size_t startTagEnd = platform::XmlTagEnd(text, root);
    layout.emptyElement = text[startTagEnd - 2] == '/';
    if (layout.emptyElement) {
        layout.contentBegin = layout.contentEnd = startTagEnd - 2;
        return layout;
    }
    layout.contentBegin = startTagEnd;
    layout.contentEnd = text.rfind("</", platform::XmlElementEnd(text, root));
    for (size_t at = layout.contentBegin; at < layout.contentEnd;) {
        size_t end = platform::XmlNodeEnd(text, at);
        bool element = text[at] == '<' && text[at + 1] != '!' && text[at + 1] != '?';
        layout.children.push_back({element ? ElementName(text, at) : std::string_view(), text.substr(at, end - at)});
        at = end;
    }
    return layout;
}

}  // namespace

std::optional<std::string> MergeParams(const std::string& held, const std::string& incoming) {
    if (!IsParamsElement(held) || !IsParamsElement(incoming)) return std::nullopt;
    const Layout kept = LayoutOf(held), added = LayoutOf(incoming);
    std::set<std::string_view> replaced;
    for (const Child& child : added.children)
        if (!child.name.empty()) replaced.insert(child.name);

    std::string merged(held, 0, kept.contentBegin);
    if (kept.emptyElement) merged += '>';
    for (const Child& child : kept.children)
        if (child.name.empty() || !replaced.count(child.name)) merged += child.text;
    merged.append(incoming, added.contentBegin, added.contentEnd - added.contentBegin);
    if (kept.emptyElement) {
        merged.append("</").append(kParams).append(">");
        merged.append(held, held.find('>', kept.contentEnd) + 1);
    } else {
        merged.append(held, kept.contentEnd);
    }
    return merged;
}

}  // namespace components
