#pragma once
// One bar of the toolbar: a name, whether it is shown, and the tools on it.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"
#include "platform/toolbar/ToolsCollection.h"

namespace platform {

class Band : public automation::Dispatchable<Band> {
public:
    static constexpr const char* kTypeName = "Toolbar";
    static const automation::MemberTable<Band>& Members();

    Band(std::string name, std::weak_ptr<ToolsCollection> registry);

    const std::string& Name() const { return name_; }
    const std::string& Key() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    const std::shared_ptr<ToolsCollection>& Tools() const { return tools_; }

private:
    std::string name_;
    bool visible_ = true;
    std::shared_ptr<ToolsCollection> tools_;
};

}  // namespace platform
