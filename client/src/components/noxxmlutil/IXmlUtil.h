#pragma once
// The XML utility component ("noxxmlutil.IXmlUtil"): holds one document and loads, queries and
// escapes it; reads node contents as arrays and persisted row sets as row sets.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/xml/XmlDocument.h"

namespace components {

class IXmlUtil : public automation::Dispatchable<IXmlUtil> {
public:
    static constexpr const char* kTypeName = "IXmlUtil";
    static const automation::MemberTable<IXmlUtil>& Members();

    IXmlUtil();

    // False with a readable reason in `error` for a missing file or a text that is not a
    // well-formed document; the document is then empty.
    bool loadXmlFile(const std::string& path, std::string& error);
    bool loadXmlString(const std::string& xml, std::string& error);
    std::string getXml() const;
    automation::DispatchPtr getDocument() const { return document_; }
    // The first node matching the XPath, or nothing.
    automation::DispatchPtr selectNode(const std::string& xpath);
    automation::DispatchPtr selectNodes(const std::string& xpath);
    // The text of the first match; "" when nothing matches.
    std::string getNodeText(const std::string& xpath);
    // The first node matching the XPath, as a rule an attribute ("//ATTR[@ID='X']/@UI_FLAGS").
    automation::DispatchPtr getNamedNode(const std::string& xpath);
    // The matched element and its child elements as a table: row 0 the element, rows 1.. its child
    // elements in order; column 0 the element name, columns 1.. its attribute values in order.
    // Empty when nothing matches.
    automation::Variant getNodeAsArray(const std::string& xpath);
    // The child elements of the match as rows of (name, text). Empty when nothing matches or the
    // match has no child elements.
    automation::Variant getChildrenNodeValuePairs(const std::string& xpath);
    // The row set of a persisted row-set text; nothing when it holds no data element.
    automation::DispatchPtr getRecordset(std::shared_ptr<const std::string> xml);
    std::string encodeXml(const std::string& text) const;
    std::string decodeXml(const std::string& text) const;

private:
    pugi::xml_node FirstElement(const std::string& xpath) const;

    std::shared_ptr<platform::XmlDocument> document_;
};

}  // namespace components
