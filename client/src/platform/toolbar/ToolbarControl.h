#pragma once
// The headless toolbar control: bars and tools (buttons, state buttons, drop-down buttons, menus),
// drawing suspended and resumed, popup menus (each one shown is recorded), and the tool-click and
// popup-request events, all reachable by member name. ClickTool and RequestPopup act as a user.
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "automation/EventSource.h"
#include "platform/grid/LookProperties.h"
#include "platform/toolbar/BandsCollection.h"
#include "platform/toolbar/ToolsCollection.h"

namespace platform {

class ToolbarControl : public automation::Dispatchable<ToolbarControl> {
public:
    static constexpr const char* kTypeName = "ToolbarControl";
    static constexpr const char* kProgId = "ActiveToolBars.SSActiveToolBars";
    static const automation::MemberTable<ToolbarControl>& Members();

    ToolbarControl();
    automation::EventSource* Events() override { return &events_; }

    const std::shared_ptr<ToolsCollection>& Tools() const { return tools_; }
    // Tools(id): an unknown ID raises 5 with a description naming it.
    std::shared_ptr<platform::Tool> ToolById(const std::string& id) const { return tools_->Item(automation::Variant(id)); }
    const std::shared_ptr<BandsCollection>& Bands() const { return bands_; }

    bool Redraw() const { return look_.Flag("Redraw"); }
    void SetRedraw(bool redraw) { look_.Let("Redraw", automation::Variant(redraw)); }
    bool Visible() const { return look_.Flag("Visible"); }

    // Shows the menu tool of that ID as a popup menu; the name is recorded.
    void PopupMenu(const std::string& menuId);
    const std::vector<std::string>& PopupMenus() const { return popups_; }
    std::string LastPopupMenu() const { return popups_.empty() ? std::string() : popups_.back(); }
    // Drops every tool, bar and recorded popup menu.
    void Reset();

    // A user's click on a tool. A disabled or hidden tool does nothing (false). A state button
    // toggles its State first; a menu tool opens its menu; the others raise ToolClick(tool).
    bool ClickTool(const std::string& id);
    // A user's click on the arrow of a drop-down button: raises PopupRequest(tool) when the button
    // is enabled and visible.
    bool RequestPopup(const std::string& id);

private:
    std::shared_ptr<ToolsCollection> tools_;
    std::shared_ptr<BandsCollection> bands_;
    LookProperties look_;
    std::vector<std::string> popups_;
    automation::EventSource events_;
};

}  // namespace platform
