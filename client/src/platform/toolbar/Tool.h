#pragma once
// One tool of the toolbar: a button, a state button, a drop-down button or a menu, with its look
// (name, picture, tooltip), its state (enabled, visible, checked) and its tag. A menu tool holds its
// items in Menu.Tools.
#include <memory>
#include <string>

#include "automation/Dispatchable.h"

namespace platform {

class ToolMenu;
class ToolsCollection;

enum ToolType : int32_t { kToolButton = 0, kToolStateButton = 1, kToolDropDownButton = 2, kToolMenu = 3 };

class Tool : public automation::Dispatchable<Tool> {
public:
    static constexpr const char* kTypeName = "Tool";
    static const automation::MemberTable<Tool>& Members();

    // registry: the toolbar's collection of all tools, where the items of this tool's menu live.
    Tool(std::string id, int32_t type, std::weak_ptr<ToolsCollection> registry);

    const std::string& ID() const { return id_; }
    const std::string& Key() const { return id_; }
    int32_t Type() const { return type_; }
    void SetType(int32_t type);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // 0 unchecked, 1 checked; any other number given is taken as checked.
    int16_t State() const { return state_; }
    void SetState(int16_t state) { state_ = state == 0 ? 0 : 1; }
    const automation::Variant& TagVariant() const { return tag_; }
    void SetTagVariant(const automation::Variant& tag) { tag_ = tag; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const automation::Variant& Picture() const { return picture_; }
    void SetPicture(const automation::Variant& picture) { picture_ = picture; }
    bool HasPicture() const;
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& text) { toolTip_ = text; }
    // Sets one property on every place the tool is shown; the property is named by its name
    // ("Name", "Picture", ...) or by its number (1 Name, 2 Picture, 3 ToolTipText, 4 Enabled,
    // 5 Visible, 6 State, 7 TagVariant).
    void ChangeAll(const automation::Variant& property, const automation::Variant& value);
    // The menu of a menu tool (empty for the other kinds).
    std::shared_ptr<ToolMenu> Menu();
    bool HasMenuItems() const;
    // Name, or the ID when the tool has no name.
    std::string Caption() const { return name_.empty() ? id_ : name_; }

private:
    std::string id_;
    int32_t type_;
    bool enabled_ = true;
    bool visible_ = true;
    int16_t state_ = 0;
    automation::Variant tag_;
    std::string name_;
    automation::Variant picture_;
    std::string toolTip_;
    std::weak_ptr<ToolsCollection> registry_;
    std::shared_ptr<ToolMenu> menu_;
};

}  // namespace platform
