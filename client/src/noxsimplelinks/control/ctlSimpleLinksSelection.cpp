// What the host and the commands read of the selection (values by column key, the selected objects'
// keys and values) and the column layout: hiding a column, keeping the layout in the section, and
// asking the host for its column choice.
#include "automation/Collection.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

Variant ctlSimpleLinks::ValuesOfRow(const Variant& fields, int32_t row) {
    try {
        const automation::SafeArray& names = fields.ToArray();
        automation::SafeArray values(automation::Bounds{0, names.UBound(1)});
        for (int32_t i = names.LBound(1); i <= names.UBound(1); ++i) {
            const int32_t col = Fg().Call("ColIndex", names.At(i)).ToLong();
            values.At(i) = Fg().Get("TextMatrix", Variant(row), Variant(col));
        }
        return Variant(std::move(values));
    } catch (...) {
        return Variant();
    }
}

Variant ctlSimpleLinks::getValuesFromGrid(const Variant& arrFields, const Variant& iRow) {
    try {
        const int32_t row = iRow.IsMissing() || iRow.ToInteger() == 0 ? Fg().Get("Row").ToLong() : iRow.ToInteger();
        return ValuesOfRow(arrFields, row);
    } catch (...) {
        return Variant();
    }
}

Variant ctlSimpleLinks::getValuesFromGridByGrid(const Variant& arrFields, int16_t iRow) {
    return ValuesOfRow(arrFields, iRow);
}

std::string ctlSimpleLinks::getValueFromGridByKey(const std::string& AttrName, std::string& Retval) {
    const std::string key = AttrName.find('.') == std::string::npos ? objectType_ + "." + AttrName : AttrName;
    Retval.clear();
    try {
        const int32_t col = Fg().Call("ColIndex", key).ToLong();
        std::string text = Fg().Get("TextMatrix", Fg().Get("Row"), Variant(col)).TextOr("");
        Retval = "OK";
        return text;
    } catch (...) {
        return {};
    }
}

Variant ctlSimpleLinks::SelectedKeys() {
    try {
        return Obj_Def()->Call("getObjectKeys", objectType_);
    } catch (...) {
        return Variant();
    }
}

Variant ctlSimpleLinks::SelectedValues() { return getValuesFromGrid(GetObjectKeyNames(objectType_)); }

DispatchPtr ctlSimpleLinks::collSelectedObjects() {
    auto selected = std::make_shared<automation::Collection>();
    const Variant keys = GetObjectKeyNames(objectType_);
    selected->Add(keys);
    try {
        const int32_t count = Fg().Get("SelectedRows").ToLong();
        for (int32_t i = 0; i < count; ++i) selected->Add(ValuesOfRow(keys, Fg().Get("SelectedRow", i).ToLong()));
    } catch (...) {
        // A grid that cannot say its selection gives the key names alone.
    }
    return selected;
}

void ctlSimpleLinks::ShowCustFields() {
    ReportedStep("ctlSimpleLinks:ShowCustFields", [&] {
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        RaiseExecuteEvent("ShowCustFields");
        ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    });
}

void ctlSimpleLinks::RemoveCol() {
    ReportedStep("ctlSimpleLinks:RemoveCol", [&] {
        ModGeneral::SetPointer(ModGeneral::kPointerHourglass);
        automation::Arguments hide{Fg().Get("Col"), Variant(true)};
        Fg().Invoke("ColHidden", automation::InvokeKind::PropertyLet, hide);
        savePane();
        ModGeneral::SetPointer(ModGeneral::kPointerDefault);
    });
}

void ctlSimpleLinks::savePane() {
    ReportedStep("ctlSimpleLinks:savePane", [&] {
        // The layout goes into the section's grid definition (the XPath third, no file to save): the
        // host stores the section when it hears "LayoutChanged".
        GridClass().SaveGridLayout(Variant(grid_), Variant(section_), "GRID_COLS", "");
        RaiseExecuteEvent("LayoutChanged");
    });
}

}  // namespace noxsimplelinks
