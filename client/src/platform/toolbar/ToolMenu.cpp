#include "platform/toolbar/ToolMenu.h"

namespace platform {

const automation::MemberTable<ToolMenu>& ToolMenu::Members() {
    static const automation::MemberTable<ToolMenu> table = [] {
        automation::MemberTable<ToolMenu> t;
        t.Property("Tools", [](ToolMenu& menu, automation::Arguments& args) { return CollectionOrItem(menu.Tools(), args); });
        return t;
    }();
    return table;
}

ToolMenu::ToolMenu(std::weak_ptr<ToolsCollection> registry) : tools_(std::make_shared<ToolsCollection>(std::move(registry))) {}

}  // namespace platform
