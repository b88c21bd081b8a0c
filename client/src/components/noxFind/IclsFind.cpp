#include "components/noxFind/IclsFind.h"

#include <vector>

#include "automation/Text.h"
#include "platform/grid/LateGrid.h"

namespace components {

using automation::Variant;
using platform::DialogControlKind;

namespace {

constexpr int32_t kListBoxSelection = 3;

bool Holds(const std::string& cell, const std::string& text, bool wholeCell, bool matchCase) {
    const std::string a = matchCase ? cell : automation::Lower(cell);
    const std::string b = matchCase ? text : automation::Lower(text);
    return wholeCell ? a == b : a.find(b) != std::string::npos;
}

std::string FoundText(int32_t rows) {
    if (rows == 0) return "Not found";
    return std::to_string(rows) + (rows == 1 ? " row found" : " rows found");
}

}  // namespace

const automation::MemberTable<IclsFind>& IclsFind::Members() {
    static const automation::MemberTable<IclsFind> table = [] {
        automation::MemberTable<IclsFind> t;
        t.Property("Caption", &IclsFind::Caption, &IclsFind::SetCaption)
            .Method("Show", [](IclsFind& f, const Variant& grid, const Variant& modal) {
                f.Show(grid, modal.IsMissing() || modal.ToBool());
            })
            .Property("Dialog", [](IclsFind& f) { return Variant(automation::DispatchPtr(f.dialog_)); })
            .Method("FindRows", [](IclsFind&, const Variant& grid, const std::string& text, bool wholeCell, bool matchCase) {
                return FindRows(grid, text, wholeCell, matchCase);
            });
        return t;
    }();
    return table;
}

IclsFind::IclsFind() : dialog_(std::make_shared<platform::Dialog>(kDialogName, "Find")) {
    dialog_->Add(DialogControlKind::TextBox, "txtFind", "Find what");
    dialog_->Add(DialogControlKind::CheckBox, "chkWholeCell", "Match whole cell");
    dialog_->Add(DialogControlKind::CheckBox, "chkMatchCase", "Match case");
    dialog_->Add(DialogControlKind::Label, "lblResult", "");
    dialog_->Add(DialogControlKind::Button, "cmdFind", "Find");
    dialog_->Add(DialogControlKind::Button, "cmdClose", "Close");
    dialog_->SetDefaultButton("cmdFind");
    dialog_->SetCancelButton("cmdClose");
}

void IclsFind::Show(const Variant& grid, bool modal) {
    automation::RequireObject(grid);
    // The handler holds the dialog weakly and the grid itself, so that a dialog a host keeps open
    // outlives this object safely.
    std::weak_ptr<platform::Dialog> weak = dialog_;
    if (clickCookie_) dialog_->Events()->Disconnect(clickCookie_);
    clickCookie_ = dialog_->Events()->On("Click", [weak, grid](std::string button) {
        auto dialog = weak.lock();
        if (!dialog) return;
        if (automation::SameName(button, "cmdClose")) return dialog->Close("Close");
        const int32_t found = FindRows(grid, dialog->Control("txtFind")->ValueText(),
                                       dialog->Control("chkWholeCell")->Value().ToBool(),
                                       dialog->Control("chkMatchCase")->Value().ToBool());
        dialog->Control("lblResult")->SetCaption(FoundText(found));
    });
    dialog_->Control("lblResult")->SetCaption("");
    dialog_->Show(modal);
}

int32_t IclsFind::FindRows(const Variant& grid, const std::string& text, bool wholeCell, bool matchCase) {
    if (text.empty()) return 0;
    platform::LateGrid g(grid);
    const int32_t rows = g.Long("Rows"), cols = g.Long("Cols");
    std::vector<int32_t> visible, found;
    for (int32_t c = 0; c < cols; ++c)
        if (!g.Get("ColHidden", c).ToBool()) visible.push_back(c);
    for (int32_t r = g.Long("FixedRows"); r < rows; ++r)
        for (int32_t c : visible)
            if (Holds(g.Cell(r, c), text, wholeCell, matchCase)) {
                found.push_back(r);
                break;
            }
    if (found.empty()) return 0;
    g.Put("Row", Variant(found.front()));
    if (g.Long("SelectionMode") == kListBoxSelection) {
        for (int32_t r : found) g.Put("IsSelected", r, Variant(true));
        return static_cast<int32_t>(found.size());
    }
    g.Put("RowSel", Variant(found.front()));
    return static_cast<int32_t>(found.size());
}

}  // namespace components
