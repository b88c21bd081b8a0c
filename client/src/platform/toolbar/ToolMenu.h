#pragma once
// The menu of a menu tool: its items, which are tools of the toolbar shown in the menu.
#include <memory>

#include "automation/Dispatchable.h"
#include "platform/toolbar/ToolsCollection.h"

namespace platform {

class ToolMenu : public automation::Dispatchable<ToolMenu> {
public:
    static constexpr const char* kTypeName = "Menu";
    static const automation::MemberTable<ToolMenu>& Members();

    explicit ToolMenu(std::weak_ptr<ToolsCollection> registry);
    const std::shared_ptr<ToolsCollection>& Tools() const { return tools_; }

private:
    std::shared_ptr<ToolsCollection> tools_;
};

}  // namespace platform
