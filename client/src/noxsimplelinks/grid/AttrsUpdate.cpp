#include "noxsimplelinks/grid/AttrsUpdate.h"

#include <algorithm>

#include "automation/AutomationError.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "noxsimplelinks/common/ModGeneral.h"
#include "noxsimplelinks/env/clsDate.h"
#include "noxsimplelinks/env/modRegional.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "platform/UserInterface.h"
#include "platform/grid/LateGrid.h"

namespace noxsimplelinks {

using automation::Arguments;
using automation::Bounds;
using automation::InvokeKind;
using automation::SafeArray;
using automation::Variant;

namespace {

Variant Property(const Variant& target, const char* name) {
    Arguments none;
    return automation::InvokeOn(target, name, InvokeKind::PropertyGet, none);
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

// A field of the object that the update sends, with the form its texts are shown in.
struct Field {
    int32_t column;
    std::string name;
    enum class Shown { AsText, Date, Number } shown;
};

// How the grid shows a field: its column's data type (a date column formatted to show the time
// shows it as text).
Field::Shown ShownIn(platform::LateGrid& grid, const std::string& name) {
    const int32_t column = grid.Call("ColIndex", name).ToLong();
    if (column < 0) return Field::Shown::AsText;
    const int32_t type = grid.Long("ColDataType", column);
    if (type == clsGrid::kDateType && grid.Text("ColFormat", column) != clsGrid::kShortTime) return Field::Shown::Date;
    if (type == clsGrid::kLongType || type == clsGrid::kDoubleType) return Field::Shown::Number;
    return Field::Shown::AsText;
}

// The text as the server reads it; a date the user's format does not read goes as it was typed.
std::string ServerText(const std::string& text, Field::Shown shown) {
    if (text.empty()) return text;
    if (shown == Field::Shown::Number) return modRegional::NumberToServer(text);
    if (shown == Field::Shown::Date) {
        try {
            return clsDate().DateToServer(Variant(text));
        } catch (const std::exception&) {
            return text;
        }
    }
    return text;
}

// The request object of the host, or a request-document component of the update's own.
Variant RequestBuilder(const Variant& host) {
    if (host.IsObject() && !host.IsNothing() && host.ToObject()->Describe("objRequest").exists) {
        Variant request = Property(host, "objRequest");
        if (!request.IsNothing()) return request;
    }
    return Variant(automation::CreateObject("noxrequest.IRequest"));
}

}  // namespace

AttrsUpdate::AttrsUpdate(std::string objectType, const Variant& edited, const Variant& grid)
    : objectType_(std::move(objectType)) {
    Variant keys = GetObjectKeyNames(objectType_);
    if (!keys.IsArray())
        throw automation::AutomationError(automation::errors::kUserError,
                                          "The key attributes of " + objectType_ + " are not known");
    for (const Variant& key : keys.ToArray().Cells()) keyNames_.push_back(key.ToString());
    ReadRows(edited, grid);
}

void AttrsUpdate::ReadRows(const Variant& edited, const Variant& grid) {
    if (!edited.IsArray() || edited.ToArray().Dimensions() != 2) return;
    const SafeArray& rows = edited.ToArray();
    platform::LateGrid shownIn(grid);
    const int32_t header = rows.LBound(1);
    const int32_t statusColumn = HeaderColumn(rows, objectType_ + ".STATUS");
    std::vector<int32_t> keyColumns;
    for (const std::string& key : keyNames_) keyColumns.push_back(HeaderColumn(rows, key));
    std::vector<Field> fields;
    for (int32_t c = rows.LBound(2); c <= rows.UBound(2); ++c) {
        std::string name = rows.At(header, c).TextOr("");
        bool isKey = std::find(keyColumns.begin(), keyColumns.end(), c) != keyColumns.end();
        if (name.starts_with(objectType_ + ".") && !isKey) fields.push_back({c, name, ShownIn(shownIn, name)});
    }

    for (int32_t r = header + 1; r <= rows.UBound(1); ++r) {
        std::vector<Variant> keyValues;
        for (int32_t column : keyColumns) keyValues.emplace_back(CellOr(rows, r, column));
        if (CellOr(rows, r, statusColumn) == "RELEASED") {
            released_.push_back(keyValues.empty() ? std::string() : keyValues.front().ToString());
            continue;
        }
        Variant attributes;
        if (!fields.empty()) {
            SafeArray table(Bounds{0, static_cast<int32_t>(fields.size()) - 1}, Bounds{0, 1});
            for (size_t i = 0; i < fields.size(); ++i) {
                const auto row = static_cast<int32_t>(i);
                table.At(row, 0) = Variant(fields[i].name);
                table.At(row, 1) = Variant(ServerText(CellOr(rows, r, fields[i].column), fields[i].shown));
            }
            attributes = Variant(std::move(table));
        }
        rows_.push_back({Variant(SafeArray::Of(std::move(keyValues))), std::move(attributes)});
    }
}

bool AttrsUpdate::Send(const Variant& comm, const Variant& host, const std::string& categoryMethod,
                       const std::string& failureTitle) {
    clsUtils utils;
    Variant request = RequestBuilder(host);
    const Variant keyNames(SafeArray::Of(std::vector<Variant>(keyNames_.begin(), keyNames_.end())));
    std::string body;
    for (const Row& row : rows_) {
        automation::CallOn(request, "setobjects",
                           automation::CallOn(request, "getObjByKeysValuesAndArrayAsXml", objectType_, keyNames,
                                              row.keyValues, row.attributes));
        std::string method = automation::CallOn(request, "buildrequest", "UpdateCollectionObjectsWC").ToString();
        body += utils.fillCollectionMethodRequest(method, categoryMethod, row.keyValues);
    }
    if (body.empty()) return false;
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
    std::string code = automation::Upper(Property(answer, "ResultCode").TextOr(""));
    return code == "OK" || code == "WARNING";
}

}  // namespace noxsimplelinks
