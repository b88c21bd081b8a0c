#include "components/noxxmlutil/IXmlUtil.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "automation/SafeArray.h"
#include "platform/recordset/Recordset.h"
#include "platform/xml/XmlEscape.h"
#include "platform/xml/XmlNodeInfo.h"
#include "platform/xml/XmlQuery.h"

namespace components {

using automation::Bounds;
using automation::DispatchPtr;
using automation::SafeArray;
using automation::Variant;

namespace {

std::vector<pugi::xml_node> ChildElements(pugi::xml_node node) {
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) children.push_back(child);
    return children;
}

}  // namespace

const automation::MemberTable<IXmlUtil>& IXmlUtil::Members() {
    static const automation::MemberTable<IXmlUtil> table = [] {
        automation::MemberTable<IXmlUtil> t;
        t.Method("loadXmlFile", &IXmlUtil::loadXmlFile)
            .Method("loadXmlString", &IXmlUtil::loadXmlString)
            .Method("getXml", &IXmlUtil::getXml)
            .Method("getDocument", &IXmlUtil::getDocument)
            .Method("selectNode", &IXmlUtil::selectNode)
            .Method("selectNodes", &IXmlUtil::selectNodes)
            .Method("getNodeText", &IXmlUtil::getNodeText)
            .Method("getNamedNode", &IXmlUtil::getNamedNode)
            .Method("getNodeAsArray", &IXmlUtil::getNodeAsArray)
            .Method("getChildrenNodeValuePairs", &IXmlUtil::getChildrenNodeValuePairs)
            // Reads the answer text where it is, shared with whoever holds it: answers are large.
            .Method("getRecordset", [](IXmlUtil& self, automation::Arguments& args) -> Variant {
                automation::detail::CheckArgumentCount(args, 1);
                automation::RequirePresent(args[0]);
                return self.getRecordset(std::move(args[0]).ShareText());
            })
            .Method("encodeXml", &IXmlUtil::encodeXml)
            .Method("decodeXml", &IXmlUtil::decodeXml);
        return t;
    }();
    return table;
}

IXmlUtil::IXmlUtil() : document_(std::make_shared<platform::XmlDocument>()) {}

bool IXmlUtil::loadXmlFile(const std::string& path, std::string& error) { return document_->LoadFile(path, error); }

bool IXmlUtil::loadXmlString(const std::string& xml, std::string& error) { return document_->LoadText(xml, error); }

std::string IXmlUtil::getXml() const { return document_->Xml(); }

DispatchPtr IXmlUtil::selectNode(const std::string& xpath) { return document_->SelectSingleNode(xpath); }

DispatchPtr IXmlUtil::selectNodes(const std::string& xpath) { return document_->SelectNodes(xpath); }

std::string IXmlUtil::getNodeText(const std::string& xpath) {
    pugi::xpath_node found = platform::XmlQuery::SelectFirst(pugi::xpath_node(document_->Node()), xpath);
    if (found.attribute()) return found.attribute().value();
    return found ? platform::TextOf(found.node()) : std::string();
}

DispatchPtr IXmlUtil::getNamedNode(const std::string& xpath) { return selectNode(xpath); }

pugi::xml_node IXmlUtil::FirstElement(const std::string& xpath) const {
    pugi::xml_node found = platform::XmlQuery::SelectFirst(pugi::xpath_node(document_->Node()), xpath).node();
    return found.type() == pugi::node_element ? found : pugi::xml_node();
}

Variant IXmlUtil::getNodeAsArray(const std::string& xpath) {
    pugi::xml_node element = FirstElement(xpath);
    if (!element) return Variant();
    std::vector<pugi::xml_node> rows = ChildElements(element);
    rows.insert(rows.begin(), element);
    int32_t columns = 1;
    for (pugi::xml_node row : rows)
        columns = std::max(columns, 1 + static_cast<int32_t>(std::distance(row.attributes_begin(), row.attributes_end())));
    SafeArray table(Bounds{0, static_cast<int32_t>(rows.size()) - 1}, Bounds{0, columns - 1});
    for (int32_t r = 0; r < static_cast<int32_t>(rows.size()); ++r) {
        table.At(r, 0) = Variant(rows[r].name());
        int32_t c = 1;
        for (pugi::xml_attribute a : rows[r].attributes()) table.At(r, c++) = Variant(a.value());
    }
    return Variant(std::move(table));
}

Variant IXmlUtil::getChildrenNodeValuePairs(const std::string& xpath) {
    pugi::xml_node element = FirstElement(xpath);
    std::vector<pugi::xml_node> children = ChildElements(element);
    if (children.empty()) return Variant();
    SafeArray pairs(Bounds{0, static_cast<int32_t>(children.size()) - 1}, Bounds{0, 1});
    for (int32_t r = 0; r < static_cast<int32_t>(children.size()); ++r) {
        pairs.At(r, 0) = Variant(children[r].name());
        pairs.At(r, 1) = Variant(platform::TextOf(children[r]));
    }
    return Variant(std::move(pairs));
}

DispatchPtr IXmlUtil::getRecordset(std::shared_ptr<const std::string> xml) {
    return platform::Recordset::FromXml(std::move(xml));
}

std::string IXmlUtil::encodeXml(const std::string& text) const { return platform::EscapeXml(text); }

std::string IXmlUtil::decodeXml(const std::string& text) const { return platform::UnescapeXml(text); }

}  // namespace components
