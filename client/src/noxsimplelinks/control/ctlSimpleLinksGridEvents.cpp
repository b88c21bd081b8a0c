// The grid's events, which reach the control as one generic event: a click selects the clicked row
// and Ctrl+A every data row, with the tools following the selection; a right click opens the pane's
// pop-up menu over the rows or the column menu over the header; columns that are not movable keep
// their place; and the layout is kept after a resize, a move or a sort.
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/grid/clsGrid.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

constexpr int16_t kCtrlBit = 2;
constexpr int16_t kKeyA = 65;
constexpr int16_t kRightButton = 2;
constexpr const char* kHeaderMenu = "ID_Prop_PopUp_Grid_Header_Right_Click";
constexpr const char* kRemoveColumnTool = "ID_Prop_Remove_Column";

struct PopupRow {
    const char* pane;
    const char* underOrder;  // the tool under an engineering-order parent; nullptr: as otherwise
    const char* otherwise;
    const char* orderParent = "EO";
};

// The pane's pop-up tool; the REFERENCE pane's alternative is for a formula parent.
constexpr PopupRow kPopupTools[] = {
    {"ITEM", "ID_Prop_PopUp_Attached_Item", "ID_Prop_PopUp_Item"},
    {"ATTACHED_ITEM", nullptr, "ID_Prop_PopUp_AttacedItem"},
    {"CHILD", nullptr, "ID_Prop_PopUp_Child"},
    {"PARENT", nullptr, "ID_Prop_PopUp_UsedBy"},
    {"KEYWORD", nullptr, "ID_Prop_PopUp_Keywords"},
    {"FILE", nullptr, "ID_Prop_PopUp_File"},
    {"HARD_COPY", nullptr, "ID_Prop_PopUp_HardCopy"},
    {"PROJECT", nullptr, "ID_Prop_PopUp_Projects"},
    {"REFERENCE", "ID_Prop_PopUp_ProcessObjReference", "ID_Prop_PopUp_Reference", "FORMULA"},
    {"FOLDER", nullptr, "ID_Prop_PopUp_Folder"},
    {"CUSTOMERS", nullptr, "ID_Prop_PopUp_Customers"},
    {"HISTORY", nullptr, "ID_Prop_PopUp_History"},
    {"ROLLUP_HISTORY", nullptr, "ID_Prop_PopUp_RollupHistory"},
    {"SEND_HISTORY", nullptr, "ID_Prop_PopUp_SendHistory"},
    {"WHEREUSED", nullptr, "ID_Prop_PopUp_WhereUsed"},
    {"ITEM_AFFECTED", nullptr, "ID_PopUpItems"},
    {"ATTACHED_STEP_ITEM", nullptr, "ID_Prop_PopUp_AttacedItemStep"},
    {"FORMULA", "ID_Prop_PopUp_Attached_Item", "ID_Prop_PopUp_ProcessObjReference"},
    {"MATERIAL", "ID_Prop_PopUp_Attached_Item", "ID_Prop_PopUp_ProcessObjReference"},
    {"ATTACHED_FORMULA", nullptr, "ID_Prop_PopUp_AttacedFormula"},
    {"ATTACHED_MATERIAL", nullptr, "ID_Prop_PopUp_AttacedMaterial"},
};

// The event's parameter at a position; parameters the grid did not send are Empty.
Variant& Parameter(automation::Arguments& args, size_t position) {
    if (args.size() <= position) args.resize(position + 1);
    return args[position];
}

}  // namespace

void ctlSimpleLinks::OnGridEvent(std::string_view event, automation::Arguments& args) {
    ReportedStep("ctlSimpleLinks.fg_ObjectEvent", [&] {
        GridClass();
        auto integer = [&](size_t position) { return Parameter(args, position).ToInteger(); };
        if (event == "Click") {
            OnGridClick();
        } else if (event == "MouseUp") {
            OnGridMouseUp(integer(0), integer(1), Parameter(args, 2).ToSingle(), Parameter(args, 3).ToSingle());
        } else if (event == "AfterUserResize" || event == "AfterMoveColumn") {
            savePane();
        } else if (event == "AfterSort") {
            GridClass().SetSortColumn(Variant(grid_), integer(0), integer(1));
            savePane();
        } else if (event == "BeforeMoveColumn") {
            // A refused move: the position parameter says so to the grid, which leaves every column in place.
            if (!CheckColumnMove(integer(0), integer(1))) Parameter(args, 1) = Variant(int32_t{-1});
        } else if (event == "KeyUp") {
            OnGridKeyUp(integer(0), integer(1));
        }
    });
}

void ctlSimpleLinks::OnGridClick() {
    ReportedStep("ctlSimpleLinks:fg_Click", [&] {
        if (Fg().Get("Row").ToLong() <= 0) return;
        Fg().Let("RowSel", Fg().Get("Row"));
        UpdateToolStates(GetSelectionState());
    });
}

void ctlSimpleLinks::OnGridKeyUp(int16_t keyCode, int16_t shift) {
    ReportedStep("ctlSimpleLinks:fg_keyUp", [&] {
        if (!(shift & kCtrlBit) || keyCode != kKeyA) return;
        SelectAllRows();
        UpdateToolStates(GetSelectionState());
    });
}

void ctlSimpleLinks::SelectAllRows() {
    try {
        const int32_t rows = Fg().Get("Rows").ToLong(), cols = Fg().Get("Cols").ToLong();
        Fg().Call("Select", Fg().Get("FixedRows"), Variant(int32_t{1}), Variant(rows - 1), Variant(cols - 1));
    } catch (...) {
        // Selecting every row fails silently (an empty grid).
    }
}

void ctlSimpleLinks::OnGridMouseUp(int16_t button, int16_t /*shift*/, float /*x*/, float /*y*/) {
    if (button != kRightButton) return;
    const int32_t mouseRow = Fg().Get("MouseRow").ToLong();
    if (mouseRow < 0) return;
    if (mouseRow == 0) {
        Fg().Let("Col", Fg().Get("MouseCol"));
        const std::string key = Fg().Get("ColKey", Fg().Get("Col")).TextOr("");
        SetTool(kRemoveColumnTool, "Enabled", IsColumnFlagSet(objectType_, key, "UI_REMOVABLE"));
        automation::CallOn(Variant(toolbar_), "PopupMenu", kHeaderMenu);
        return;
    }
    if (Fg().Get("SelectedRows").ToLong() == 1)
        Fg().Call("Select", Variant(mouseRow), Variant(int32_t{1}), Variant(mouseRow), Variant(Fg().Get("Cols").ToLong() - 1));
    UpdateToolStates(GetSelectionState());
    const std::string popup = GetPopupToolId();
    if (!popup.empty()) automation::CallOn(Variant(toolbar_), "PopupMenu", popup);
}

std::string ctlSimpleLinks::GetPopupToolId() const {
    for (const PopupRow& row : kPopupTools) {
        if (intName_ != row.pane) continue;
        return row.underOrder && parentType_ == row.orderParent ? row.underOrder : row.otherwise;
    }
    return {};
}

bool ctlSimpleLinks::IsColumnFlagSet(const std::string& objectType, const std::string& key, const std::string& flag) {
    try {
        const size_t dot = key.find('.');
        if (dot == std::string::npos) return false;
        const std::string prefix = key.substr(0, dot);
        auto values = [&](const std::string& type) {
            return prefix != type ? UIDef()->Call("GetLinkAttributeValuesCol", type, prefix, key).ToObject()
                                  : UIDef()->Call("GetAttributeValuesCol", prefix, key).ToObject();
        };
        DispatchPtr found = values(objectType);
        if (!found) {
            DispatchPtr columns = SectionNode("GRID_COLS");
            found = values(columns ? columns->Call("getAttribute", "BASE_OBJECT").TextOr("") : std::string());
        }
        return found && found->Call("Item", flag).ToBool();
    } catch (...) {
        return false;
    }
}

bool ctlSimpleLinks::CheckColumnMove(int16_t col, int16_t position) {
    auto movable = [&](int16_t column) {
        return IsColumnFlagSet(objectType_, Fg().Get("ColKey", Variant(column)).TextOr(""), "UI_MOVABLE");
    };
    return movable(col) && movable(position);
}

}  // namespace noxsimplelinks
