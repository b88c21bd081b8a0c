#pragma once
// What the node objects read off a pugixml node: names, node types, text and markup.
#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace platform {

// The node type numbers of the document object model.
enum XmlNodeType : int32_t {
    kXmlElement = 1,
    kXmlAttribute = 2,
    kXmlText = 3,
    kXmlCData = 4,
    kXmlProcessingInstruction = 7,
    kXmlComment = 8,
    kXmlDocument = 9,
};

int32_t NodeTypeOf(pugi::xml_node node);
// "ITEM" for "ITEM", "row" for "z:row".
std::string_view LocalName(std::string_view name);
std::string_view PrefixOf(std::string_view name);
// The element name, or "#text", "#cdata-section", "#comment", "#document".
std::string NodeNameOf(pugi::xml_node node);
// The text of a node: for elements and documents all character data below them, in order.
std::string TextOf(pugi::xml_node node);
// The node as XML text, written without added white space.
std::string MarkupOf(pugi::xml_node node);
// The same, appended to `out`.
void AppendMarkupOf(std::string& out, pugi::xml_node node);
std::string MarkupOf(pugi::xml_attribute attribute);
// Whether a text may stand as an element or attribute name.
bool IsXmlName(std::string_view name);
// Raises "Invalid procedure call" naming the text when it is not an XML name.
void RequireXmlName(std::string_view name);

}  // namespace platform
