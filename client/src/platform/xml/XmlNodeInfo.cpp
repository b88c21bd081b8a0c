#include "platform/xml/XmlNodeInfo.h"


#include "automation/AutomationError.h"
#include "platform/xml/XmlEscape.h"

namespace platform {
namespace {

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool IsNameChar(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-'; }

class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& text) : text(text) {}
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string& text;
};

}  // namespace

int32_t NodeTypeOf(pugi::xml_node node) {
    switch (node.type()) {
        case pugi::node_element: return kXmlElement;
        case pugi::node_pcdata: return kXmlText;
        case pugi::node_cdata: return kXmlCData;
        case pugi::node_comment: return kXmlComment;
        case pugi::node_document: return kXmlDocument;
        default: return kXmlProcessingInstruction;
    }
}

std::string_view LocalName(std::string_view name) {
    size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string_view PrefixOf(std::string_view name) {
    size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view{} : name.substr(0, colon);
}

std::string NodeNameOf(pugi::xml_node node) {
    switch (node.type()) {
        case pugi::node_pcdata: return "#text";
        case pugi::node_cdata: return "#cdata-section";
        case pugi::node_comment: return "#comment";
        case pugi::node_document: return "#document";
        default: return node.name();
    }
}

std::string TextOf(pugi::xml_node node) {
    if (node.type() != pugi::node_element && node.type() != pugi::node_document) return node.value();
    std::string text;
    for (pugi::xml_node n = node.first_child(); n && n != node;) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n != node && !n.next_sibling()) n = n.parent();
        if (n != node) n = n.next_sibling();
    }
    return text;
}

std::string MarkupOf(pugi::xml_node node) {
    std::string text;
    AppendMarkupOf(text, node);
    return text;
}

void AppendMarkupOf(std::string& out, pugi::xml_node node) {
    StringWriter writer(out);
    node.print(writer, "", pugi::format_raw | pugi::format_no_declaration);
}

std::string MarkupOf(pugi::xml_attribute attribute) {
    return std::string(attribute.name()) + "=\"" + EscapeXml(attribute.value()) + "\"";
}

bool IsXmlName(std::string_view name) {
    if (name.empty() || !IsNameStart(static_cast<unsigned char>(name[0]))) return false;
    for (char c : name)
        if (!IsNameChar(static_cast<unsigned char>(c))) return false;
    return true;
}

void RequireXmlName(std::string_view name) {
    if (!IsXmlName(name))
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "\"" + std::string(name) + "\" is not a valid XML name.");
}

}  // namespace platform
