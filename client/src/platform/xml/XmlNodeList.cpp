#include "platform/xml/XmlNodeList.h"

#include "platform/xml/XmlDocument.h"

namespace platform {

using automation::DispatchPtr;

const automation::MemberTable<XmlNodeList>& XmlNodeList::Members() {
    static const automation::MemberTable<XmlNodeList> table = [] {
        automation::MemberTable<XmlNodeList> t;
        t.Property("length", &XmlNodeList::Length)
            .Property("Item", &XmlNodeList::Item)
            .Method("nextNode", &XmlNodeList::NextNode)
            .Method("reset", &XmlNodeList::Reset);
        return t;
    }();
    return table;
}

XmlNodeList::XmlNodeList(std::shared_ptr<XmlDocument> owner, std::shared_ptr<XmlTree> tree,
                         std::vector<pugi::xpath_node> nodes)
    : owner_(std::move(owner)), tree_(std::move(tree)), nodes_(std::move(nodes)), objects_(nodes_.size()) {
    tree_->Watch(this);
}

XmlNodeList::~XmlNodeList() { tree_->Unwatch(this); }

DispatchPtr XmlNodeList::Item(int32_t index) {
    if (index < 0 || index >= Length()) return nullptr;
    DispatchPtr& object = objects_[static_cast<size_t>(index)];
    if (!object) object = owner_->Wrap(tree_, nodes_[static_cast<size_t>(index)]);
    return object;
}

DispatchPtr XmlNodeList::NextNode() {
    if (next_ >= nodes_.size()) return nullptr;
    return Item(static_cast<int32_t>(next_++));
}

const void* XmlNodeList::HandleOf(const pugi::xpath_node& node) {
    return node.attribute() ? node.attribute().internal_object() : static_cast<const void*>(node.node().internal_object());
}

void XmlNodeList::BeforeDestroy(const void* handle) {
    if (positions_.empty())
        for (size_t i = 0; i < nodes_.size(); ++i) positions_.emplace(HandleOf(nodes_[i]), i);
    auto it = positions_.find(handle);
    if (it != positions_.end()) Item(static_cast<int32_t>(it->second));
}

}  // namespace platform
