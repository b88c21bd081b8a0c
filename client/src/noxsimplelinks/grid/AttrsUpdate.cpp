#include "noxsimplelinks/grid/AttrsUpdate.h"

#include <algorithm>
#include <cctype>

#include "automation/AutomationError.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/RequestFragments.h"
#include "noxsimplelinks/request/clsRequestWrapper.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "platform/UserInterface.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::InvokeKind;
using automation::SafeArray;
using automation::Variant;

namespace {

Variant Property(const Variant& target, const char* name) {
    Arguments none;
    return automation::InvokeOn(target, name, InvokeKind::PropertyGet, none);
}

Variant TextArray(const std::vector<std::string>& texts) {
    return Variant(SafeArray::Of(std::vector<Variant>(texts.begin(), texts.end())));
}

// The column of a table's header row (row 0) with the name, ignoring case; -1 when none has it.
int32_t HeaderColumn(const SafeArray& table, const std::string& name) {
    for (int32_t c = table.LBound(2); c <= table.UBound(2); ++c)
        if (automation::SameName(table.At(table.LBound(1), c).TextOr(""), name)) return c;
    return -1;
}

std::string CellOr(const SafeArray& table, int32_t row, int32_t column) {
    return column < 0 ? std::string() : table.At(row, column).TextOr("");
}

// The request object of the host, or one of the library's own.
Variant RequestBuilder(const Variant& host) {
    if (host.IsObject() && !host.IsNothing() && host.ToObject()->Describe("objRequest").exists) {
        Variant request = Property(host, "objRequest");
        if (!request.IsNothing()) return request;
    }
    return Variant(std::make_shared<clsRequestWrapper>());
}

}  // namespace

AttrsUpdate::AttrsUpdate(std::string objectType, const Variant& shown, const Variant& edited)
    : objectType_(std::move(objectType)) {
    Variant keys = GetObjectKeyNames(objectType_);
    if (!keys.IsArray())
        throw automation::AutomationError(automation::errors::kUserError,
                                          "The key attributes of " + objectType_ + " are not known");
    for (const Variant& key : keys.ToArray().Cells()) keyNames_.push_back(key.ToString());
    ReadRows(shown, edited);
}

void AttrsUpdate::ReadRows(const Variant& shown, const Variant& edited) {
    if (!edited.IsArray() || edited.ToArray().Dimensions() != 2) return;
    const SafeArray& rows = edited.ToArray();
    const SafeArray* before = shown.IsArray() && shown.ToArray().Dimensions() == 2 ? &shown.ToArray() : nullptr;
    int32_t statusColumn = HeaderColumn(rows, objectType_ + ".STATUS");
    std::vector<int32_t> keyColumns;
    for (const std::string& key : keyNames_) keyColumns.push_back(HeaderColumn(rows, key));

    for (int32_t r = rows.LBound(1) + 1; r <= rows.UBound(1); ++r) {
        Row row;
        for (int32_t column : keyColumns) row.keyValues.push_back(CellOr(rows, r, column));
        if (CellOr(rows, r, statusColumn) == "RELEASED") {
            released_.push_back(row.keyValues.empty() ? std::string() : row.keyValues.front());
            continue;
        }
        for (int32_t c = rows.LBound(2); c <= rows.UBound(2); ++c) {
            std::string name = rows.At(rows.LBound(1), c).TextOr("");
            bool ownField = name.starts_with(objectType_ + ".");
            bool isKey = std::find(keyColumns.begin(), keyColumns.end(), c) != keyColumns.end();
            std::string value = CellOr(rows, r, c);
            bool changed = !before || r > before->UBound(1) || c > before->UBound(2) || CellOr(*before, r, c) != value;
            if (ownField && !isKey && changed) {
                row.fieldNames.push_back(name);
                row.fieldValues.push_back(value);
            }
        }
        if (!row.fieldNames.empty()) rows_.push_back(std::move(row));
    }
}

bool AttrsUpdate::Send(const Variant& comm, const Variant& host, const std::string& categoryMethod,
                       const std::string& failureTitle) {
    if (rows_.empty()) return false;
    clsUtils utils;
    Variant request = RequestBuilder(host);
    automation::CallOn(request, "setparams", "");
    std::string body;
    for (const Row& row : rows_) {
        automation::CallOn(request, "setobjects",
                           RequestFragments::UpdatedObject(utils, objectType_, TextArray(keyNames_),
                                                           TextArray(row.keyValues), TextArray(row.fieldNames),
                                                           TextArray(row.fieldValues)));
        std::string method = automation::CallOn(request, "buildrequest", "UpdateCollectionObjectsWC").ToString();
        body += utils.fillCollectionMethodRequest(method, categoryMethod, TextArray(row.keyValues));
    }
    automation::CallOn(request, "setobjects", "");
    automation::CallOn(request, "setparams", utils.GetParamsXMLForMultiMethodRequest(body));
    std::string multi = automation::CallOn(request, "buildrequest", "MultiMethodsRequest").ToString();

    Arguments send{Variant(multi), Variant(), Variant()};
    automation::InvokeOn(comm, "SendRequest", InvokeKind::Method, send);
    Variant answer = Property(comm, "Response");
    if (answer.IsNothing() || !answer.IsObject()) return false;
    Variant methods = Property(answer, "MethodResponses");
    for (int32_t i = 1, count = Property(methods, "Count").ToLong(); i <= count; ++i) {
        Variant method = automation::CallOn(methods, "Item", i);
        if (Property(method, "ResultCode").TextOr("") != "FAILED") continue;
        Variant messages = Property(method, "Messages");
        std::string text = Property(messages, "Count").ToLong() > 0
                               ? Property(automation::CallOn(messages, "Item", int32_t{1}), "Description").TextOr("")
                               : std::string();
        platform::Ui().MsgBox(text, ModGeneral::kIconExclamation, failureTitle);
    }
    std::string code = Property(answer, "ResultCode").TextOr("");
    for (char& ch : code) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return code == "OK" || code == "WARNING";
}

}  // namespace noxsimplelinks
