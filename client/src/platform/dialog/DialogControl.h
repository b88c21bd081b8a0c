#pragma once
// One control of a dialog model: its name, kind, caption, value, list items, whether it is enabled and
// visible, and its font; a grid control holds rows of texts under its items (the column captions).
// The dialog that holds a control hears of every change of its value.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "platform/grid/ControlFont.h"

namespace platform {

enum class DialogControlKind { Label, TextBox, CheckBox, Option, ComboBox, ListBox, Button, Image, Grid };

// "label", "textbox", "checkbox", "option", "combobox", "listbox", "button", "image", "grid".
std::string KindName(DialogControlKind kind);
// The kind a name gives (ignoring case); an unknown name raises 5.
DialogControlKind KindNamed(const std::string& name);

class DialogControl : public automation::Dispatchable<DialogControl> {
public:
    static constexpr const char* kTypeName = "DialogControl";
    static const automation::MemberTable<DialogControl>& Members();
    using ChangeHandler = std::function<void(const DialogControl&)>;

    DialogControl(std::string name, DialogControlKind kind, std::string caption);

    const std::string& Name() const { return name_; }
    DialogControlKind Kind() const { return kind_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    // Text box and combo box: any text; list box: one of its items or ""; check box and option: a
    // Boolean; grid: the selected row (0-based, -1 for none). Labels, buttons and images take none.
    const automation::Variant& Value() const { return value_; }
    void SetValue(const automation::Variant& value);
    // The value as a script writes it: "1", "true", "yes" or "on" checks a box or an option, "0",
    // "false", "no", "off" or "" clears it; a grid takes its row number.
    void SetValueText(const std::string& text);
    // The value as a script writes it ("1"/"0" for check boxes and options, "" for no grid row).
    std::string ValueText() const;
    bool TakesValue() const;

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items) { items_ = std::move(items); }
    void AddItem(const std::string& item) { items_.push_back(item); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // Options of one group exclude each other.
    const std::string& Group() const { return group_; }
    void SetGroup(const std::string& group) { group_ = group; }
    std::shared_ptr<ControlFont> Font() const { return font_; }

    const std::vector<std::vector<std::string>>& GridRows() const { return rows_; }
    void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    void ClearRows();

    void OnChange(ChangeHandler handler) { changed_ = std::move(handler); }

private:
    std::string name_;
    DialogControlKind kind_;
    std::string caption_;
    automation::Variant value_;
    std::vector<std::string> items_;
    std::vector<std::vector<std::string>> rows_;
    std::string group_;
    bool enabled_ = true;
    bool visible_ = true;
    std::shared_ptr<ControlFont> font_ = std::make_shared<ControlFont>();
    ChangeHandler changed_;
};

}  // namespace platform
