#include "platform/xml/XmlTreeNode.h"

#include "automation/AutomationError.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlNode.h"
#include "platform/xml/XmlNodeInfo.h"
#include "platform/xml/XmlNodeList.h"
#include "platform/xml/XmlQuery.h"

namespace platform {

using automation::DispatchPtr;
using automation::Variant;

namespace {

std::shared_ptr<XmlNode> InsertableNode(const DispatchPtr& object) {
    auto node = std::dynamic_pointer_cast<XmlNode>(object);
    if (!node)
        throw automation::AutomationError(automation::errors::kTypeMismatch,
                                          "Only elements, texts and comments can be inserted into a tree.");
    return node;
}

[[noreturn]] void RaiseNotAChild() {
    throw automation::AutomationError(automation::errors::kInvalidProcedureCall, "The node is not a child of this node.");
}

}  // namespace

template <class Self>
DispatchPtr XmlTreeNode<Self>::Wrap(pugi::xml_node node) {
    return Me().Owner()->Wrap(Me().Tree(), pugi::xpath_node(node));
}

template <class Self>
std::string XmlTreeNode<Self>::Text() const { return TextOf(Me().Node()); }

template <class Self>
void XmlTreeNode<Self>::SetText(const std::string& text) {
    pugi::xml_node node = Me().Node();
    if (node.type() == pugi::node_document)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall, "A document has no text of its own.");
    if (node.type() != pugi::node_element) {
        node.set_value(text.c_str());
        return;
    }
    while (node.first_child()) Me().Tree()->RemoveNode(node.first_child());
    if (!text.empty()) node.append_child(pugi::node_pcdata).set_value(text.c_str());
}

template <class Self>
std::string XmlTreeNode<Self>::Xml() const { return MarkupOf(Me().Node()); }

template <class Self>
std::string XmlTreeNode<Self>::BaseName() const {
    pugi::xml_node node = Me().Node();
    return node.type() == pugi::node_element ? std::string(LocalName(node.name())) : std::string();
}

template <class Self>
std::string XmlTreeNode<Self>::NodeName() const { return NodeNameOf(Me().Node()); }

template <class Self>
std::string XmlTreeNode<Self>::Prefix() const { return std::string(PrefixOf(Me().Node().name())); }

template <class Self>
int32_t XmlTreeNode<Self>::NodeType() const { return NodeTypeOf(Me().Node()); }

template <class Self>
Variant XmlTreeNode<Self>::NodeValue() const {
    pugi::xml_node node = Me().Node();
    if (node.type() == pugi::node_element || node.type() == pugi::node_document) return Variant::Null();
    return Variant(node.value());
}

template <class Self>
DispatchPtr XmlTreeNode<Self>::ChildNodes() {
    std::vector<pugi::xpath_node> children;
    for (pugi::xml_node child : Me().Node().children()) children.emplace_back(child);
    return std::make_shared<XmlNodeList>(Me().Owner(), Me().Tree(), std::move(children));
}

template <class Self>
DispatchPtr XmlTreeNode<Self>::FirstChild() { return Wrap(Me().Node().first_child()); }

template <class Self>
DispatchPtr XmlTreeNode<Self>::LastChild() { return Wrap(Me().Node().last_child()); }

template <class Self>
DispatchPtr XmlTreeNode<Self>::ParentNode() { return Wrap(Me().Node().parent()); }

template <class Self>
DispatchPtr XmlTreeNode<Self>::NextSibling() { return Wrap(Me().Node().next_sibling()); }

template <class Self>
DispatchPtr XmlTreeNode<Self>::PreviousSibling() { return Wrap(Me().Node().previous_sibling()); }

template <class Self>
bool XmlTreeNode<Self>::HasChildNodes() const { return static_cast<bool>(Me().Node().first_child()); }

template <class Self>
DispatchPtr XmlTreeNode<Self>::SelectSingleNode(const std::string& xpath) {
    return Me().Owner()->Wrap(Me().Tree(), XmlQuery::SelectFirst(pugi::xpath_node(Me().Node()), xpath));
}

template <class Self>
DispatchPtr XmlTreeNode<Self>::SelectNodes(const std::string& xpath) {
    pugi::xpath_node_set found = XmlQuery::SelectAll(pugi::xpath_node(Me().Node()), xpath);
    found.sort();
    return std::make_shared<XmlNodeList>(Me().Owner(), Me().Tree(), std::vector<pugi::xpath_node>(found.begin(), found.end()));
}

template <class Self>
DispatchPtr XmlTreeNode<Self>::AppendChild(const DispatchPtr& child) {
    return InsertBefore(child, Variant::Missing());
}

template <class Self>
DispatchPtr XmlTreeNode<Self>::InsertBefore(const DispatchPtr& child, const Variant& reference) {
    auto node = InsertableNode(child);
    pugi::xml_node parent = Me().Node();
    pugi::xml_node before;
    if (reference.IsObject() && !reference.IsNothing()) {
        before = InsertableNode(reference.ToObject())->Node();
        if (before.parent() != parent) RaiseNotAChild();
    }
    pugi::xml_node root = parent.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; });
    if (parent.type() == pugi::node_document && node->Node().type() == pugi::node_element && root &&
        root != node->Node())
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "Only one top level element is allowed.");
    Me().Tree()->MoveNode(*node->Tree(), node->Node(), parent, before);
    return child;
}

template <class Self>
DispatchPtr XmlTreeNode<Self>::RemoveChild(const DispatchPtr& child) {
    auto node = InsertableNode(child);
    if (node->Tree() != Me().Tree() || node->Node().parent() != Me().Node()) RaiseNotAChild();
    Me().Tree()->RemoveNode(node->Node());
    return child;
}

template <class Self>
void XmlTreeNode<Self>::AddNodeMembers(automation::MemberTable<Self>& t) {
    using Base = XmlTreeNode<Self>;
    t.Property("Text", &Base::Text, &Base::SetText)
        .Property("xml", &Base::Xml)
        .Property("baseName", &Base::BaseName)
        .Property("nodeName", &Base::NodeName)
        .Property("prefix", &Base::Prefix)
        .Property("nodeType", &Base::NodeType)
        .Property("nodeValue", &Base::NodeValue)
        .Property("childNodes", &Base::ChildNodes)
        .Property("firstChild", &Base::FirstChild)
        .Property("lastChild", &Base::LastChild)
        .Property("parentNode", &Base::ParentNode)
        .Property("nextSibling", &Base::NextSibling)
        .Property("previousSibling", &Base::PreviousSibling)
        .Method("hasChildNodes", &Base::HasChildNodes)
        .Method("selectSingleNode", &Base::SelectSingleNode)
        .Method("selectNodes", &Base::SelectNodes)
        .Method("appendChild", &Base::AppendChild)
        .Method("insertBefore", &Base::InsertBefore)
        .Method("removeChild", &Base::RemoveChild);
}

template class XmlTreeNode<XmlNode>;
template class XmlTreeNode<XmlDocument>;

}  // namespace platform
