#include "ToolbarView.h"

#include <QToolButton>

#include "ToolIcon.h"
#include "platform/toolbar/Tool.h"
#include "platform/toolbar/ToolMenu.h"

namespace desktop {

ToolbarView::ToolbarView(platform::ToolbarControl& toolbar, QWidget* parent) : QToolBar(parent), toolbar_(toolbar) {
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(24, 24));
    Sync();
}

std::vector<std::string> ToolbarView::Layout() const {
    std::vector<std::string> layout;
    for (const auto& band : toolbar_.Bands()->Items()) {
        layout.push_back("|" + band->Name() + (band->Visible() ? "" : " hidden"));
        for (const auto& tool : band->Tools()->Items()) layout.push_back(tool->ID() + ":" + std::to_string(tool->Type()));
    }
    return layout;
}

void ToolbarView::Sync() {
    if (Layout() != layout_) Build();
    for (const auto& [id, action] : actions_)
        if (toolbar_.Tools()->Exists(id)) ShowTool(action, *toolbar_.ToolById(id));
    setVisible(toolbar_.Visible());
    popupsSeen_ = std::max(popupsSeen_, toolbar_.PopupMenus().size());
}

void ToolbarView::Build() {
    for (QAction* old : actions()) {
        removeAction(old);
        old->deleteLater();
    }
    actions_.clear();
    layout_ = Layout();
    for (const auto& band : toolbar_.Bands()->Items()) {
        if (!band->Visible() || band->Tools()->Count() == 0) continue;
        if (!actions().isEmpty()) addSeparator();
        for (const auto& tool : band->Tools()->Items()) {
            QAction* action = MakeAction(tool);
            addAction(action);
            if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action)); button && action->menu())
                button->setPopupMode(tool->Type() == platform::kToolMenu ? QToolButton::InstantPopup
                                                                          : QToolButton::MenuButtonPopup);
            actions_[tool->ID()] = action;
        }
    }
}

QAction* ToolbarView::MakeAction(const std::shared_ptr<platform::Tool>& tool) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromStdString(tool->ID()));
    action->setIcon(ToolIcon(tool->Picture()));
    const std::string id = tool->ID();
    if (tool->Type() == platform::kToolMenu || tool->Type() == platform::kToolDropDownButton) {
        auto* menu = new QMenu(this);
        // A menu shows its items; a drop-down button's arrow asks the control, which names the menu.
        const bool dropDown = tool->Type() == platform::kToolDropDownButton;
        connect(menu, &QMenu::aboutToShow, this, [this, menu, id, dropDown] {
            menu->clear();
            if (!dropDown) {
                FillMenu(menu, id);
            } else if (RequestPopup(id) && PopupRequested()) {
                popupsSeen_ = toolbar_.PopupMenus().size();
                FillMenu(menu, toolbar_.LastPopupMenu());
            }
        });
        action->setMenu(menu);
    }
    if (tool->Type() != platform::kToolMenu) connect(action, &QAction::triggered, this, [this, id] { Click(id); });
    return action;
}

void ToolbarView::ShowTool(QAction* action, const platform::Tool& tool) const {
    action->setText(QString::fromStdString(tool.Caption()));
    action->setToolTip(QString::fromStdString(tool.ToolTipText().empty() ? tool.Caption() : tool.ToolTipText()));
    action->setEnabled(tool.Enabled());
    action->setVisible(tool.Visible());
    action->setCheckable(tool.Type() == platform::kToolStateButton);
    action->setChecked(tool.State() != 0);
}

void ToolbarView::FillMenu(QMenu* menu, const std::string& menuId) {
    if (!toolbar_.Tools()->Exists(menuId)) return;
    for (const auto& item : toolbar_.ToolById(menuId)->Menu()->Tools()->Items()) {
        if (!item->Visible()) continue;
        QAction* action = menu->addAction(ToolIcon(item->Picture()), QString::fromStdString(item->Caption()));
        action->setObjectName(QString::fromStdString(item->ID()));
        ShowTool(action, *item);
        if (item->Type() == platform::kToolMenu) {
            auto* submenu = new QMenu(menu);
            FillMenu(submenu, item->ID());
            action->setMenu(submenu);
        } else {
            connect(action, &QAction::triggered, this, [this, id = item->ID()] { Click(id); });
        }
    }
}

QMenu* ToolbarView::TakeRequestedPopup() {
    if (!PopupRequested()) return nullptr;
    popupsSeen_ = toolbar_.PopupMenus().size();
    auto* menu = new QMenu(this);
    menu->setObjectName("popup:" + QString::fromStdString(toolbar_.LastPopupMenu()));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    FillMenu(menu, toolbar_.LastPopupMenu());
    return menu;
}

bool ToolbarView::RequestPopup(const std::string& id) {
    try {
        return toolbar_.RequestPopup(id);
    } catch (const std::exception&) {
        return false;  // a tool gone from the toolbar since it was drawn
    }
}

QAction* ToolbarView::Action(const std::string& id) const {
    auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void ToolbarView::Click(const std::string& id) {
    try {
        toolbar_.ClickTool(id);
    } catch (const std::exception&) {
        // A tool gone from the toolbar since it was drawn: nothing to click.
    }
    emit acted();
}

}  // namespace desktop
