// The grid's events, which reach the control as one generic event: a click selects the clicked
// row and Ctrl+A every data row, and the tools follow the new selection.
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/metadata/ReportedCall.h"

namespace noxsimplelinks {

using automation::Variant;

namespace {

constexpr int16_t kCtrlBit = 2;
constexpr int16_t kKeyA = 65;

template <class Fn>
void Reporting(const char* source, Fn handle) {
    ReportedCall(source, [&] { return handle(), true; }, false);
}

}  // namespace

void ctlSimpleLinks::fg_ObjectEvent(std::string_view event, automation::Arguments& args) {
    Reporting("ctlSimpleLinks.fg_ObjectEvent", [&] {
        if (event == "Click") {
            fg_Click();
        } else if (event == "KeyUp") {
            args.resize(2);
            fg_keyUp(args[0].ToInteger(), args[1].ToInteger());
        }
    });
}

void ctlSimpleLinks::fg_Click() {
    Reporting("ctlSimpleLinks:fg_Click", [&] {
        if (fg_->Get("Row").ToLong() <= 0) return;
        fg_->Let("RowSel", fg_->Get("Row"));
        UpdateToolStates(GetSelectionState());
    });
}

void ctlSimpleLinks::fg_keyUp(int16_t keyCode, int16_t shift) {
    Reporting("ctlSimpleLinks:fg_keyUp", [&] {
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
