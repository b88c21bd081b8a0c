#pragma once
// The nodes an XPath selected, or the children of a node, in document order: length and Item(i)
// from 0, or nextNode/reset. The list is a snapshot; a node removed from the tree afterwards stays
// readable through the list.
#include <memory>
#include <unordered_map>
#include <vector>

#include "automation/Dispatchable.h"
#include "platform/xml/XmlTree.h"

namespace platform {

class XmlDocument;

class XmlNodeList : public automation::Dispatchable<XmlNodeList>, private XmlTree::Watcher {
public:
    static constexpr const char* kTypeName = "XmlNodeList";
    static const automation::MemberTable<XmlNodeList>& Members();

    XmlNodeList(std::shared_ptr<XmlDocument> owner, std::shared_ptr<XmlTree> tree, std::vector<pugi::xpath_node> nodes);
    ~XmlNodeList() override;

    int32_t Length() const { return static_cast<int32_t>(nodes_.size()); }
    // Nothing outside 0 .. length - 1.
    automation::DispatchPtr Item(int32_t index);
    automation::DispatchPtr NextNode();
    void Reset() { next_ = 0; }

private:
    void BeforeDestroy(const void* handle) override;
    static const void* HandleOf(const pugi::xpath_node& node);

    std::shared_ptr<XmlDocument> owner_;
    std::shared_ptr<XmlTree> tree_;
    std::vector<pugi::xpath_node> nodes_;
    std::vector<automation::DispatchPtr> objects_;       // made on first use, or before a node is destroyed
    std::unordered_map<const void*, size_t> positions_;  // built on the first removal in the tree
    size_t next_ = 0;
};

}  // namespace platform
