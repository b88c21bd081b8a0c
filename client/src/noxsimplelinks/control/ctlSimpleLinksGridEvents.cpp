// The grid's events, which reach the control as one generic event: a click selects the clicked
// row and Ctrl+A every data row, and the tools follow the new selection.
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"

namespace noxsimplelinks {

using automation::Variant;

namespace {

constexpr int16_t kCtrlBit = 2;
constexpr int16_t kKeyA = 65;

}  // namespace

void ctlSimpleLinks::fg_ObjectEvent(std::string_view event, automation::Arguments& args) {
    ReportedStep("ctlSimpleLinks.fg_ObjectEvent", [&] {
        if (event == "Click") {
            fg_Click();
        } else if (event == "KeyUp") {
            args.resize(2);
            fg_keyUp(args[0].ToInteger(), args[1].ToInteger());
        }
    });
}

void ctlSimpleLinks::fg_Click() {
    ReportedStep("ctlSimpleLinks:fg_Click", [&] {
        if (fg_->Get("Row").ToLong() <= 0) return;
        fg_->Let("RowSel", fg_->Get("Row"));
        UpdateToolStates(GetSelectionState());
    });
}

void ctlSimpleLinks::fg_keyUp(int16_t keyCode, int16_t shift) {
    ReportedStep("ctlSimpleLinks:fg_keyUp", [&] {
        if (!(shift & kCtrlBit) || keyCode != kKeyA) return;
        try {
            const int32_t rows = fg_->Get("Rows").ToLong(), cols = fg_->Get("Cols").ToLong();
            fg_->Call("Select", fg_->Get("FixedRows"), Variant(int32_t{1}), Variant(rows - 1), Variant(cols - 1));
        } catch (...) {
            // Selecting every row fails silently (an empty grid).
        }
        UpdateToolStates(GetSelectionState());
    });
}

}  // namespace noxsimplelinks
