#include "platform/toolbar/ToolbarControl.h"

#include "platform/toolbar/ToolMenu.h"

namespace platform {

using automation::Arguments;
using automation::Variant;

namespace {

std::vector<LookProperties::Entry> ToolbarLookDefaults() {
    return {{"Redraw", Variant(true)}, {"Visible", Variant(true)}, {"Enabled", Variant(true)}, {"Tag", Variant(std::string())}};
}

}  // namespace

const automation::MemberTable<ToolbarControl>& ToolbarControl::Members() {
    static const automation::MemberTable<ToolbarControl> table = [] {
        automation::MemberTable<ToolbarControl> t;
        auto bands = [](ToolbarControl& c, Arguments& args) { return CollectionOrItem(c.Bands(), args); };
        t.Property("Tools", [](ToolbarControl& c, Arguments& args) { return CollectionOrItem(c.Tools(), args); })
            .Property("Toolbars", bands)
            .Property("Bands", bands)
            .Method("PopupMenu", &ToolbarControl::PopupMenu)
            .Property("LastPopupMenu", &ToolbarControl::LastPopupMenu)
            .Method("Reset", &ToolbarControl::Reset)
            .Property("Object", [](ToolbarControl& c, Arguments&) { return Variant(c.shared_from_this()); });
        for (const auto& look : ToolbarLookDefaults()) {
            const auto name = look.first;  // a copy to capture: clang 14 captures no structured binding
            t.Property(
                name, [name](ToolbarControl& c, Arguments&) { return c.look_.Get(name); },
                [name](ToolbarControl& c, Arguments& args) {
                    c.look_.Let(name, args.back());
                    return Variant();
                });
        }
        return t;
    }();
    return table;
}

ToolbarControl::ToolbarControl()
    : tools_(ToolsCollection::MakeRegistry()),
      bands_(std::make_shared<BandsCollection>(tools_)),
      look_(ToolbarLookDefaults()),
      events_({"ToolClick", "PopupRequest"}) {
    tools_->OnRemove([bands = std::weak_ptr<BandsCollection>(bands_)](const std::string& id) {
        if (auto owner = bands.lock())
            for (const auto& band : owner->Items()) band->Tools()->Forget(id);
    });
}

void ToolbarControl::PopupMenu(const std::string& menuId) {
    ToolById(menuId);
    popups_.push_back(menuId);
}

void ToolbarControl::Reset() {
    tools_->Clear();
    bands_->Clear();
    popups_.clear();
}

bool ToolbarControl::ClickTool(const std::string& id) {
    auto tool = ToolById(id);
    if (!tool->Enabled() || !tool->Visible()) return false;
    switch (tool->Type()) {
        case kToolMenu: PopupMenu(tool->ID()); return true;
        case kToolStateButton: tool->SetState(tool->State() == 0 ? 1 : 0); break;
        default: break;
    }
    events_.Fire("ToolClick", tool);
    return true;
}

bool ToolbarControl::RequestPopup(const std::string& id) {
    auto tool = ToolById(id);
    if (tool->Type() != kToolDropDownButton || !tool->Enabled() || !tool->Visible()) return false;
    events_.Fire("PopupRequest", tool);
    return true;
}

}  // namespace platform
