#pragma once
// The toolbar model as a Qt tool bar: its visible bars one after the other, each tool a button with
// its picture, name and tooltip; state buttons checkable, drop-down buttons and menus with their
// menus. Sync shows the model's state; a click goes through the model as a person's click
// (ClickTool, RequestPopup). The pop-up menus the control shows (PopupMenu) open at the mouse.
#include <QMenu>
#include <QToolBar>
#include <map>
#include <string>
#include <vector>

#include "platform/toolbar/ToolbarControl.h"

namespace desktop {

class ToolbarView : public QToolBar {
    Q_OBJECT
public:
    explicit ToolbarView(platform::ToolbarControl& toolbar, QWidget* parent = nullptr);

    // Shows the tools as the model holds them now; the bars are laid out again when their tools changed.
    void Sync();
    // The menu of a pop-up the control asked for since the last look, for the caller to open (it is
    // deleted when closed); nullptr when the control asked for none.
    QMenu* TakeRequestedPopup();
    QAction* Action(const std::string& id) const;

signals:
    // A person clicked a tool or a menu item.
    void acted();

private:
    std::vector<std::string> Layout() const;
    void Build();
    QAction* MakeAction(const std::shared_ptr<platform::Tool>& tool);
    void ShowTool(QAction* action, const platform::Tool& tool) const;
    void FillMenu(QMenu* menu, const std::string& menuId);
    void Click(const std::string& id);
    bool RequestPopup(const std::string& id);
    bool PopupRequested() const { return toolbar_.PopupMenus().size() > popupsSeen_; }

    platform::ToolbarControl& toolbar_;
    std::vector<std::string> layout_;
    std::map<std::string, QAction*> actions_;
    size_t popupsSeen_ = 0;
};

}  // namespace desktop
