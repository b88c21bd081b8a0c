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

void ctlSimpleLinks::OnGridEvent(std::string_view event, automation::Arguments& args) {
    ReportedStep("ctlSimpleLinks.fg_ObjectEvent", [&] {
        if (event == "Click") {
            OnGridClick();
        } else if (event == "KeyUp") {
            args.resize(2);
            OnGridKeyUp(args[0].ToInteger(), args[1].ToInteger());
        }
    });
}

void ctlSimpleLinks::OnGridClick() {
    ReportedStep("ctlSimpleLinks:fg_Click", [&] {
        if (grid_->Get("Row").ToLong() <= 0) return;
        grid_->Let("RowSel", grid_->Get("Row"));
        UpdateToolStates(GetSelectionState());
    });
}

void ctlSimpleLinks::OnGridKeyUp(int16_t keyCode, int16_t shift) {
    ReportedStep("ctlSimpleLinks:fg_keyUp", [&] {
        if (!(shift & kCtrlBit) || keyCode != kKeyA) return;
        try {
            const int32_t rows = grid_->Get("Rows").ToLong(), cols = grid_->Get("Cols").ToLong();
            grid_->Call("Select", grid_->Get("FixedRows"), Variant(int32_t{1}), Variant(rows - 1), Variant(cols - 1));
        } catch (...) {
            // Selecting every row fails silently (an empty grid).
        }
        UpdateToolStates(GetSelectionState());
    });
}

}  // namespace noxsimplelinks
