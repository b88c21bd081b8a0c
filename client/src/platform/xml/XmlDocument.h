#pragma once
// A whole XML document: loads from a file or a text, saves, creates nodes, and answers the members
// of a tree node. Loading replaces the whole content; nodes taken from the earlier content stay
// readable on their own.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/xml/DomAccess.h"
#include "platform/xml/XmlTreeNode.h"

namespace platform {

class XmlDocument : public XmlTreeNode<XmlDocument>, public DomAccess {
public:
    static constexpr const char* kTypeName = "XmlDocument";
    static const automation::MemberTable<XmlDocument>& Members();

    XmlDocument();

    // False, an empty document and a readable reason in `error` when the file or text is not a
    // well-formed document.
    bool LoadFile(const std::string& path, std::string& error);
    bool LoadText(std::string_view text, std::string& error);
    bool Load(const std::string& path);
    bool LoadXml(const std::string& text);
    void Save(const std::string& path) const;

    automation::DispatchPtr DocumentElement();
    automation::DispatchPtr CreateElement(const std::string& name);
    automation::DispatchPtr CreateAttribute(const std::string& name);
    automation::DispatchPtr CreateTextNode(const std::string& text);
    // Named settings such as "SelectionLanguage" (only "XPath" is spoken; it is the default).
    void SetProperty(const std::string& name, const automation::Variant& value);
    automation::Variant GetProperty(const std::string& name) const;

    pugi::xml_node Node() const override { return tree_->doc; }
    const std::shared_ptr<XmlTree>& Tree() const override { return tree_; }
    std::shared_ptr<XmlDocument> Owner() { return std::static_pointer_cast<XmlDocument>(shared_from_this()); }

    // The object of a node of one of this document's trees (the document itself for its root), or
    // null for no node.
    automation::DispatchPtr Wrap(const std::shared_ptr<XmlTree>& tree, const pugi::xpath_node& found);

private:
    // Takes the parsed tree, or an empty one with the reason in `error`.
    bool Accept(const pugi::xml_parse_result& result, std::string_view text, std::string_view where,
                std::shared_ptr<XmlTree> parsed, std::string& error);

    std::shared_ptr<XmlTree> tree_;
    std::map<std::string, automation::Variant> properties_;
};

}  // namespace platform
