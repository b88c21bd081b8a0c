// Editing the data of a link in the host's link dialog ("noxdialog.Iclsdialog"): the update buffer
// (m_colUpdateData) filled with the link's ends and data under the names the dialog knows, the dialog
// shown, and the grid refreshed when the dialog says it stored a change.
#include "automation/Collection.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/env/clsDate.h"
#include "noxsimplelinks/request/clsUtils.h"

namespace noxsimplelinks {

using automation::SafeArray;
using automation::Variant;

namespace {

constexpr const char* kDialogProgId = "noxdialog.Iclsdialog";
constexpr int32_t kDateType = 7;

using LinkData = std::vector<std::pair<std::string, Variant>>;

// The link data as a two-dimensional array: one row per field, its name in column 0, its value in 1.
Variant LinkDataArray(const LinkData& data) {
    SafeArray rows(automation::Bounds{0, static_cast<int32_t>(data.size()) - 1}, automation::Bounds{0, 1});
    for (size_t i = 0; i < data.size(); ++i) {
        rows.At(static_cast<int32_t>(i), 0) = Variant(data[i].first);
        rows.At(static_cast<int32_t>(i), 1) = data[i].second;
    }
    return Variant(std::move(rows));
}

Variant Column(const std::vector<std::string>& names) {
    std::vector<Variant> values(names.begin(), names.end());
    return Variant(SafeArray::Of(std::move(values)));
}

// A field list (names in column 0) of the names.
Variant FieldList(const std::vector<std::string>& names) {
    SafeArray rows(automation::Bounds{0, static_cast<int32_t>(names.size()) - 1}, automation::Bounds{0, 0});
    for (size_t i = 0; i < names.size(); ++i) rows.At(static_cast<int32_t>(i), 0) = Variant(names[i]);
    return Variant(std::move(rows));
}

// Sets the value of the field in the link data, adding it when it is not there.
void Put(LinkData& data, const std::string& name, const Variant& value) {
    for (auto& [field, held] : data)
        if (field == name) {
            held = value;
            return;
        }
    data.emplace_back(name, value);
}

// Shows the host's link dialog over the buffer; true when it stored a change.
bool ShowLinkDialog(const automation::DispatchPtr& callingClass, const automation::DispatchPtr& buffer,
                    const std::string& dialogName) {
    const Variant dialog(automation::CreateObject(kDialogProgId));
    automation::Arguments calling{Variant(callingClass)}, held{Variant(buffer)};
    automation::InvokeOn(dialog, "CallingClass", automation::InvokeKind::PropertySet, calling);
    automation::InvokeOn(dialog, "Buffer", automation::InvokeKind::PropertySet, held);
    return automation::CallOn(dialog, "showdialog", dialogName).ToBool();
}

}  // namespace

void ctlSimpleLinks::UpdateItemCustmerLink() {
    bool changed = false;
    ReportedStep("ctlSimpleLinks:UpdateItemCustmerLink", [&] {
        LinkData data;
        for (const char* field : {"ITEM.ITEM_KEY", "ITEM.REVISION", "CUSTOMER.CUSTOMER_ID", "RELATED_CUSTOMER.CUSTOMER_CAT_NO",
                                  "RELATED_CUSTOMER.CONTROLLED_BY", "RELATED_CUSTOMER.CUST_ITEM_DES"})
            data.emplace_back(field, Variant(GridCell("Row", field)));
        Variant itemKeys, itemValues;
        LinkEnd("ITEM", itemKeys, itemValues);
        for (int32_t i = 0; itemKeys.IsArray() && i <= itemKeys.ToArray().UBound(1); ++i)
            Put(data, itemKeys.ToArray().At(i).TextOr(""), itemValues.ToArray().At(i));

        // The link's own data as the server holds it.
        std::vector<std::string> fields{"CUSTOMER.CUSTOMER_ID"};
        const Variant attributes = automation::CallOn(Variant(Obj_Def()), "getLinkAttrs", "ITEM", "RELATED_CUSTOMER");
        for (int32_t i = 1, count = automation::CallOn(attributes, "Count").ToLong(); i <= count; ++i) {
            const std::string name = automation::CallOn(attributes, "Item", i).TextOr("");
            fields.push_back(name.find('.') == std::string::npos ? "RELATED_CUSTOMER." + name : name);
        }
        const Variant objects = clsUtils().getObjectsXmlForRequestWithCondition(
            "ITEM", FieldList(fields), itemKeys, itemValues, "RELATED_CUSTOMER",
            Column({"CUSTOMER.CUSTOMER_ID", "RELATED_CUSTOMER.CUSTOMER_CAT_NO"}),
            Column({GridCell("Row", "CUSTOMER.CUSTOMER_ID"), GridCell("Row", "RELATED_CUSTOMER.CUSTOMER_CAT_NO")}));
        const std::string answer = SendSingleRequest(BuildMethodRequest("ZerakQueryLinkWithCondition", objects.TextOr("")));
        if (const automation::DispatchPtr rows = clsXmlWrapper().getRecordset(answer); rows && !rows->Get("EOF").ToBool())
            for (const std::string& field : fields) Put(data, field, rows->Get("Collect", field));

        auto buffer = std::make_shared<automation::Collection>();
        buffer->Add(LinkDataArray(data), Variant("ARR_CHILD_LINK_DATA"));
        buffer->Add(Variant(std::string("UPDATE")), Variant("MODE_ACTION"));
        buffer->Add(Variant(true), Variant("PRM_WITHLOGIC"));
        buffer->Add(Variant(std::string("UPDATE")), Variant("PRM_MODE"));
        buffer->Add(Variant(std::string("ITEM")), Variant("BASE_OBJECT"));
        buffer->Add(Variant(std::string("RELATED_CUSTOMER")), Variant("LINK_TYPE"));
        buffer->Add(Variant(std::string("CUSTOMER")), Variant("LINKED_OBJECT"));
        updateData_ = buffer;
        changed = ShowLinkDialog(Self(), updateData_, "ITEM_CUSTOMER");
    });
    if (changed) Refresh(Variant(false));
}

void ctlSimpleLinks::UpdateDocItemLink() {
    UpdateToolStates("IN_PROCESS");
    bool changed = false;
    ReportedStep("ctlSimpleLinks:UpdateDocItemLink", [&] {
        const int32_t row = Fg().Get("Row").ToLong();
        Variant keys, values;
        GetRowKeyValues(row, keys, values);
        LinkData data;
        for (int32_t c = 0, cols = Fg().Get("Cols").ToLong(); c < cols; ++c) {
            Variant text = Fg().Get("TextMatrix", row, c);
            if (Fg().Get("ColDataType", c).ToLong() == kDateType && !text.TextOr("").empty()) {
                try {
                    text = Variant(clsDate().DateToServer(text));
                } catch (const std::exception&) {
                    // A cell that reads as no date goes as it is shown.
                }
            }
            data.emplace_back(Fg().Get("ColKey", c).TextOr(""), text);
        }
        const Variant link(automation::CallOn(Variant(Obj_Def()), "getLinkBetween2Obj", parentType_, objectType_,
                                              "REFERENCE_LINK"));
        auto buffer = std::make_shared<automation::Collection>();
        buffer->Add(parentKeys_, Variant("ARR_PARENT_KEYS"));
        buffer->Add(parentValues_, Variant("ARR_PARENT_VALUES"));
        buffer->Add(keys, Variant("ARR_CHILD_KEYS"));
        buffer->Add(values, Variant("ARR_CHILD_VALUES"));
        buffer->Add(LinkDataArray(data), Variant("ARR_CHILD_LINK_DATA"));
        buffer->Add(Variant(Comm()), Variant("COMM_OBJ"));
        buffer->Add(Variant(Host()), Variant("HOST_OBJ"));
        buffer->Add(Variant(std::string("UPDATE")), Variant("PRM_MODE"));
        buffer->Add(Variant(parentType_), Variant("BASE_OBJECT"));
        buffer->Add(link, Variant("LINK_TYPE"));
        buffer->Add(Variant(objectType_), Variant("LINKED_OBJECT"));
        updateData_ = buffer;
        changed = ShowLinkDialog(Self(), updateData_, "RELATED_ITEM");
    });
    if (changed) Refresh(Variant(false));
    else UpdateToolsForSelection();
}

}  // namespace noxsimplelinks
