#include "platform/dialog/DialogControl.h"

#include <algorithm>

#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "platform/grid/ControlErrors.h"

namespace platform {

using automation::Variant;

namespace {

constexpr std::pair<DialogControlKind, const char*> kKindNames[] = {
    {DialogControlKind::Label, "label"},       {DialogControlKind::TextBox, "textbox"},
    {DialogControlKind::CheckBox, "checkbox"}, {DialogControlKind::Option, "option"},
    {DialogControlKind::ComboBox, "combobox"}, {DialogControlKind::ListBox, "listbox"},
    {DialogControlKind::Button, "button"},     {DialogControlKind::Image, "image"},
    {DialogControlKind::Grid, "grid"},
};

bool IsChoice(DialogControlKind kind) { return kind == DialogControlKind::CheckBox || kind == DialogControlKind::Option; }

Variant Texts(const std::vector<std::string>& texts) {
    std::vector<Variant> cells(texts.begin(), texts.end());
    return Variant(automation::SafeArray::Of(std::move(cells)));
}

std::vector<std::string> TextsOf(const Variant& value) {
    std::vector<std::string> texts;
    if (!value.IsArray()) return {value.ToString()};
    const automation::SafeArray& array = value.ToArray();
    for (int32_t i = array.LBound(1); i <= array.UBound(1); ++i) texts.push_back(array.At(i).TextOr(""));
    return texts;
}

}  // namespace

std::string KindName(DialogControlKind kind) {
    for (const auto& [k, name] : kKindNames)
        if (k == kind) return name;
    return {};
}

DialogControlKind KindNamed(const std::string& name) {
    const std::string folded = automation::Lower(name);
    for (const auto& [kind, known] : kKindNames)
        if (folded == known) return kind;
    throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                      "There is no kind of dialog control named \"" + name + "\"");
}

const automation::MemberTable<DialogControl>& DialogControl::Members() {
    using C = DialogControl;
    static const automation::MemberTable<C> table = [] {
        automation::MemberTable<C> t;
        t.Property("Name", [](C& c) { return c.name_; })
            .Property("Kind", [](C& c) { return KindName(c.kind_); })
            .Property("Caption", [](C& c) { return c.caption_; }, &C::SetCaption)
            .Property("Value", [](C& c) { return c.value_; }, &C::SetValue)
            .Property("Items", [](C& c) { return Texts(c.items_); },
                      [](C& c, const Variant& items) { c.SetItems(TextsOf(items)); })
            .Method("AddItem", &C::AddItem)
            .Property("ListCount", [](C& c) { return static_cast<int32_t>(c.items_.size()); })
            .Property("Enabled", &C::Enabled, &C::SetEnabled)
            .Property("Visible", &C::Visible, &C::SetVisible)
            .Property("Group", [](C& c) { return c.group_; }, &C::SetGroup)
            .Property("Font", [](C& c) { return Variant(automation::DispatchPtr(c.font_)); })
            .Method("AddRow", [](C& c, const Variant& cells) { c.AddRow(TextsOf(cells)); })
            .Method("ClearRows", &C::ClearRows)
            .Property("RowCount", [](C& c) { return static_cast<int32_t>(c.rows_.size()); })
            .Property("Cell", [](C& c, int32_t row, int32_t col) {
                CheckIndex(row, 0, static_cast<int32_t>(c.rows_.size()) - 1, "Row");
                const auto& cells = c.rows_[static_cast<size_t>(row)];
                CheckIndex(col, 0, static_cast<int32_t>(cells.size()) - 1, "Column");
                return cells[static_cast<size_t>(col)];
            });
        return t;
    }();
    return table;
}

DialogControl::DialogControl(std::string name, DialogControlKind kind, std::string caption)
    : name_(std::move(name)), kind_(kind), caption_(std::move(caption)) {
    if (IsChoice(kind_)) value_ = Variant(false);
    else if (kind_ == DialogControlKind::Grid) value_ = Variant(int32_t{-1});
    else if (TakesValue()) value_ = Variant(std::string());
}

bool DialogControl::TakesValue() const {
    return kind_ != DialogControlKind::Label && kind_ != DialogControlKind::Button && kind_ != DialogControlKind::Image;
}

void DialogControl::SetValue(const Variant& value) {
    if (!TakesValue()) RaiseInvalidValue("the " + KindName(kind_) + " \"" + name_ + "\" takes no value");
    if (IsChoice(kind_)) {
        value_ = Variant(value.ToBool());
    } else if (kind_ == DialogControlKind::Grid) {
        const int32_t row = value.ToLong();
        CheckIndex(row, -1, static_cast<int32_t>(rows_.size()) - 1, "Row");
        value_ = Variant(row);
    } else {
        std::string text = value.ToString();
        if (kind_ == DialogControlKind::ListBox && !text.empty() &&
            std::find(items_.begin(), items_.end(), text) == items_.end())
            RaiseInvalidValue("\"" + text + "\" is not an item of the list \"" + name_ + "\"");
        value_ = Variant(std::move(text));
    }
    if (changed_) changed_(*this);
}

void DialogControl::SetValueText(const std::string& text) {
    if (IsChoice(kind_)) {
        const std::string folded = automation::Lower(automation::Trimmed(text, " "));
        if (folded == "1" || folded == "true" || folded == "yes" || folded == "on") return SetValue(Variant(true));
        if (folded.empty() || folded == "0" || folded == "false" || folded == "no" || folded == "off")
            return SetValue(Variant(false));
        RaiseInvalidValue("\"" + text + "\" for the " + KindName(kind_) + " \"" + name_ + "\" (1 or 0)");
    }
    if (kind_ == DialogControlKind::Grid) return SetValue(text.empty() ? Variant(int32_t{-1}) : Variant(text));
    SetValue(Variant(text));
}

std::string DialogControl::ValueText() const {
    if (IsChoice(kind_)) return value_.ToBool() ? "1" : "0";
    if (kind_ == DialogControlKind::Grid) return value_.ToLong() < 0 ? std::string() : value_.ToString();
    return value_.TextOr("");
}

void DialogControl::ClearRows() {
    rows_.clear();
    if (kind_ == DialogControlKind::Grid) SetValue(Variant(int32_t{-1}));
}

}  // namespace platform
