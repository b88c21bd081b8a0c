#include "platform/xml/XmlDocument.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "automation/AutomationError.h"
#include "platform/xml/XmlAttribute.h"
#include "platform/xml/XmlNode.h"
#include "platform/xml/XmlNodeInfo.h"

namespace platform {

using automation::DispatchPtr;
using automation::Variant;

namespace {

std::string Position(std::string_view text, ptrdiff_t offset) {
    auto end = text.begin() + std::clamp<ptrdiff_t>(offset, 0, static_cast<ptrdiff_t>(text.size()));
    auto line = std::count(text.begin(), end, '\n') + 1;
    auto lineStart = std::find(std::make_reverse_iterator(end), text.rend(), '\n').base();
    return "line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1);
}

// As a fragment, so that text beside the document element is kept and can be refused below; an
// element whose only content is white space keeps it.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_fragment | pugi::parse_ws_pcdata_single;

bool HasDuplicateAttribute(pugi::xml_node element) {
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
        for (pugi::xml_attribute b = a.next_attribute(); b; b = b.next_attribute())
            if (std::strcmp(a.name(), b.name()) == 0) return true;
    return false;
}

// What pugixml accepts beyond a well-formed document: several top-level elements, text beside the
// document element, an attribute given twice.
std::string WellFormednessProblem(const pugi::xml_document& doc) {
    int elements = 0;
    for (pugi::xml_node child : doc.children()) {
        if (child.type() == pugi::node_element) ++elements;
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            return "Text is not allowed outside the document element.";
    }
    if (elements == 0) return "No document element found.";
    if (elements > 1) return "Only one top level element is allowed.";
    for (pugi::xpath_node found : doc.select_nodes("//*[@*]"))
        if (HasDuplicateAttribute(found.node()))
            return "The element " + std::string(found.node().name()) + " has an attribute twice.";
    return "";
}

}  // namespace

const automation::MemberTable<XmlDocument>& XmlDocument::Members() {
    static const automation::MemberTable<XmlDocument> table = [] {
        automation::MemberTable<XmlDocument> t;
        AddNodeMembers(t);
        t.Method("load", &XmlDocument::Load)
            .Method("loadXML", &XmlDocument::LoadXml)
            .Method("save", &XmlDocument::Save)
            .Property("documentElement", &XmlDocument::DocumentElement)
            .Method("createElement", &XmlDocument::CreateElement)
            .Method("createAttribute", &XmlDocument::CreateAttribute)
            .Method("createTextNode", &XmlDocument::CreateTextNode)
            .Method("setProperty", &XmlDocument::SetProperty)
            .Method("getProperty", &XmlDocument::GetProperty)
            .Property("Attributes", [](XmlDocument&) { return Variant::Nothing(); })
            .Property("ownerDocument", [](XmlDocument&) { return Variant::Nothing(); });
        return t;
    }();
    return table;
}

XmlDocument::XmlDocument() : tree_(std::make_shared<XmlTree>()) { properties_["SelectionLanguage"] = "XPath"; }

bool XmlDocument::Accept(const pugi::xml_parse_result& result, std::string_view text, std::string_view where,
                         std::shared_ptr<XmlTree> parsed, std::string& error) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        error = "The document " + std::string(where) + " is empty.";
    } else if (!result) {
        error = "XML error in " + std::string(where) + " at " + Position(text, result.offset) + ": " +
                result.description();
    } else {
        error = WellFormednessProblem(parsed->doc);
        if (!error.empty()) error = "XML error in " + std::string(where) + ": " + error;
    }
    tree_ = error.empty() ? std::move(parsed) : std::make_shared<XmlTree>();
    return error.empty();
}

bool XmlDocument::LoadText(std::string_view text, std::string& error) {
    auto parsed = std::make_shared<XmlTree>();
    auto result = parsed->doc.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
    return Accept(result, text, "text", std::move(parsed), error);
}

bool XmlDocument::LoadFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        tree_ = std::make_shared<XmlTree>();
        error = "The file \"" + path + "\" cannot be opened: it does not exist or is not readable.";
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto parsed = std::make_shared<XmlTree>();
    auto result = parsed->doc.load_buffer(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_auto);
    return Accept(result, bytes, "\"" + path + "\"", std::move(parsed), error);
}

bool XmlDocument::Load(const std::string& path) {
    std::string error;
    return LoadFile(path, error);
}

bool XmlDocument::LoadXml(const std::string& text) {
    std::string error;
    return LoadText(text, error);
}

void XmlDocument::Save(const std::string& path) const {
    if (!tree_->doc.save_file(path.c_str(), "\t", pugi::format_default, pugi::encoding_utf8))
        throw automation::AutomationError(automation::errors::kPathNotFound,
                                          "The document cannot be written to \"" + path + "\".");
}

DispatchPtr XmlDocument::DocumentElement() { return Wrap(tree_, pugi::xpath_node(tree_->doc.document_element())); }

DispatchPtr XmlDocument::CreateElement(const std::string& name) {
    RequireXmlName(name);
    auto fresh = std::make_shared<XmlTree>();
    return std::make_shared<XmlNode>(Owner(), fresh, fresh->doc.append_child(name.c_str()));
}

DispatchPtr XmlDocument::CreateAttribute(const std::string& name) {
    RequireXmlName(name);
    auto fresh = std::make_shared<XmlTree>();
    pugi::xml_node holder = fresh->doc.append_child("attribute");
    return std::make_shared<XmlAttribute>(Owner(), fresh, holder, holder.append_attribute(name.c_str()));
}

DispatchPtr XmlDocument::CreateTextNode(const std::string& text) {
    auto fresh = std::make_shared<XmlTree>();
    pugi::xml_node node = fresh->doc.append_child(pugi::node_pcdata);
    node.set_value(text.c_str());
    return std::make_shared<XmlNode>(Owner(), fresh, node);
}

void XmlDocument::SetProperty(const std::string& name, const Variant& value) { properties_[name] = value; }

Variant XmlDocument::GetProperty(const std::string& name) const {
    auto it = properties_.find(name);
    return it == properties_.end() ? Variant() : it->second;
}

DispatchPtr XmlDocument::Wrap(const std::shared_ptr<XmlTree>& tree, const pugi::xpath_node& found) {
    if (!found) return nullptr;
    const void* handle = found.attribute() ? found.attribute().internal_object()
                                           : static_cast<const void*>(found.node().internal_object());
    if (XmlTree::Member* member = tree->Find(handle))
        if (DispatchPtr object = member->Object()) return object;
    if (found.attribute()) return std::make_shared<XmlAttribute>(Owner(), tree, found.parent(), found.attribute());
    if (found.node().type() == pugi::node_document) return tree == tree_ ? shared_from_this() : nullptr;
    return std::make_shared<XmlNode>(Owner(), tree, found.node());
}

}  // namespace platform
