#include "noxsimplelinks/grid/clsClipboard.h"

#include <optional>
#include <vector>

#include "automation/SafeArray.h"
#include "noxsimplelinks/common/PdmObjectElement.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "platform/Clipboard.h"
#include "platform/grid/LateGrid.h"

namespace noxsimplelinks {

using automation::Variant;

namespace {

struct FormatRow {
    const char* objectType;
    const char* base;
    bool byStatus;  // "_RELEASED" or "_UNDEFINED" by the objects' status
};

constexpr FormatRow kTypeFormats[] = {
    {"ITEM", "NOX_ITEM", true},         {"FORMULA", "NOX_FORMULA", true},
    {"MATERIAL", "NOX_MATERIAL", true}, {"DOC", "NOX_DOC", true},
    {"FOLDER", "NOX_FOLDER", true},     {"EO", "NOX_EO", false},
    {"MANUFACTURERS", "NOX_MANUFACTURERS", false}, {"CUSTOMER", "NOX_CUSTOMER", false},
    {"SUPPLIER", "NOX_SUPPLIER", false}, {"SUB_CONTRACTOR", "NOX_SUB_CONTRACTOR", false},
};
constexpr FormatRow kDataset{"DATASET", "NOX_DATASET", false};

// The types a type format is read back as, in the order they are looked for.
constexpr const char* kReadBackTypes[] = {"ITEM", "MATERIAL", "FORMULA", "DOC", "FOLDER", "EO",
                                          "MANUFACTURERS", "CUSTOMER", "SUPPLIER", "SUB_CONTRACTOR", "KEYWORD"};

constexpr const char* kPlaceholderKey = "DUMMY_NODE_TEXT";
constexpr const char* kFieldIndent = "     ";

const FormatRow* TypeFormatRow(const std::string& objectType) {
    for (const FormatRow& row : kTypeFormats)
        if (objectType == row.objectType) return &row;
    return nullptr;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

std::string ByStatus(const FormatRow& row, bool released) {
    return std::string(row.base) + (row.byStatus ? (released ? "_RELEASED" : "_UNDEFINED") : "");
}

// A column holds the status when its key, or the attribute part of it, is "STATUS" (in any case).
bool IsStatusColumn(const std::string& key) {
    return automation::SameName(key, "STATUS") || automation::SameName(key.substr(key.rfind('.') + 1), "STATUS");
}

std::vector<std::string> Texts(const Variant& array) {
    std::vector<std::string> texts;
    if (!array.IsArray()) return texts;
    const automation::SafeArray& list = array.ToArray();
    for (int32_t i = list.LBound(1); i <= list.UBound(1); ++i) texts.push_back(list.At(i).TextOr(""));
    return texts;
}

struct ClipboardContent {
    std::string typeFormat;
    std::string records;
};

// The clipboard text read as XML; nothing when it is not XML or holds no type format.
std::optional<ClipboardContent> ReadClipboard() {
    clsXmlWrapper xml;
    std::string error;
    if (!xml.loadXmlString(platform::Clip().GetText(), error) || !xml.selectNode("//TYPE_FORMAT")) return std::nullopt;
    ClipboardContent content{xml.getNodeText("//TYPE_FORMAT"), {}};
    if (automation::DispatchPtr data = xml.selectNode("//XML_DATA")) {
        const std::string text = data->Get("xml").TextOr("");
        const size_t start = text.find("<XML_DATA>"), end = text.rfind("</XML_DATA>");
        if (start != std::string::npos && end != std::string::npos && end >= start + 10)
            content.records = text.substr(start + 10, end - start - 10);
    }
    return content;
}

}  // namespace

const automation::MemberTable<clsClipboard>& clsClipboard::Members() {
    using C = clsClipboard;
    static const automation::MemberTable<C> table = [] {
        automation::MemberTable<C> t;
        t.Method("putGridOnClipboard", &C::putGridOnClipboard)
            .Method("putGridOnClipboardAsText", &C::putGridOnClipboardAsText)
            .Method("DefineDraggedObjectFormat", &C::DefineDraggedObjectFormat)
            .Method("GetClipboardObjects", &C::GetClipboardObjects)
            .Method("GetClipboardObjectsAndFormat", &C::GetClipboardObjectsAndFormat)
            .Method("GetClipboardTypeFormat", &C::GetClipboardTypeFormat)
            .Method("BuildTypeFormat", &C::BuildTypeFormat)
            .Method("ParseTypeFormat", &C::ParseTypeFormat)
            .Method("putDataOnClipboard", &C::putDataOnClipboard)
            .Method("PutTextOnClipboard", &C::PutTextOnClipboard);
        return t;
    }();
    return table;
}

void clsClipboard::putGridOnClipboard(const Variant& grid, const std::string& objectType, bool flag) {
    ReportedStep("clsClipboard:putGridOnClipboard", [&] {
        platform::LateGrid source(grid);
        const std::vector<std::string> keyNames = Texts(GetObjectKeyNames(objectType));
        const int32_t selected = source.Long("SelectedRows"), cols = source.Long("Cols");
        auto cell = [&](int32_t row, const std::string& key) {
            return source.Cell(row, source.Call("ColIndex", key).ToLong());
        };
        std::string records, status;
        for (int32_t i = 0; i < selected; ++i) {
            int32_t row = source.Long("SelectedRow", i);
            if (row == 0) row = source.Long("Row");
            std::vector<NamedValue> keys, fields;
            for (const std::string& key : keyNames) keys.push_back({key, cell(row, key)});
            bool placeholder = false;
            for (const NamedValue& key : keys) placeholder = placeholder || key.value == kPlaceholderKey;
            if (placeholder) break;
            for (int32_t c = 0; c < cols; ++c) {
                const std::string key = source.Text("ColKey", c);
                fields.push_back({key, cell(row, key)});
                if (IsStatusColumn(key)) status = fields.back().value;
            }
            records += PdmObjectElement(clsXmlWrapper().encodeXml(objectType), keys, fields);
        }
        int16_t formatId = 0;
        if (!DefineDraggedObjectFormat(objectType, status, flag, formatId)) return;
        const std::string typeFormat = BuildTypeFormat(objectType, status, flag, selected > 1);
        if (typeFormat.empty()) return;
        putDataOnClipboard(typeFormat, records);
    });
}

void clsClipboard::putDataOnClipboard(const std::string& typeFormat, const std::string& xmlData) {
    PutTextOnClipboard("<NOX_CLIPBOARD><TYPE_FORMAT>" + typeFormat + "</TYPE_FORMAT><XML_DATA>" + xmlData +
                       "</XML_DATA></NOX_CLIPBOARD>");
}

void clsClipboard::putGridOnClipboardAsText(const Variant& grid) {
    ReportedStep("clsClipboard:putGridOnClipboardAsText", [&] {
        platform::LateGrid source(grid);
        const int32_t rows = source.Long("Rows"), cols = source.Long("Cols");
        std::string text;
        for (int32_t r = 0; r < rows; ++r) {
            if (!source.Get("IsSelected", r).ToBool()) continue;
            for (int32_t c = 0; c < cols; ++c)
                if (!source.Get("ColHidden", c).ToBool()) text += kFieldIndent + source.Cell(r, c);
            text += "\r\n";
        }
        PutTextOnClipboard(text);
    });
}

std::string clsClipboard::DraggedObjectFormatName(const std::string& objectType, const std::string& status, bool flag) {
    const FormatRow* row = objectType == kDataset.objectType ? &kDataset : TypeFormatRow(objectType);
    if (!row) return {};
    return ByStatus(*row, status == "RELEASED" || status == "UNDER_CHANGE" || status == "OBSOLETE") + (flag ? "+" : "");
}

bool clsClipboard::DefineDraggedObjectFormat(const std::string& objectType, const std::string& status, bool flag,
                                             int16_t& formatId) {
    return ReportedCall<bool>("clsClipboard:DefineDraggedObjectFormat", [&] {
        const std::string name = DraggedObjectFormatName(objectType, status, flag);
        if (name.empty()) return false;
        // The identifier's 16 bits, as a 16-bit caller holds it (0xC000 reads -16384).
        formatId = static_cast<int16_t>(platform::Clip().RegisterFormat(name));
        return true;
    });
}

std::string clsClipboard::BuildTypeFormat(const std::string& objectType, const std::string& status, bool flag,
                                          bool several) {
    const FormatRow* row = TypeFormatRow(objectType);
    if (!row) return {};
    const std::string format = several ? std::string(row->base) + "_MULTI"
                                       : ByStatus(*row, status == "RELEASED" || status == "UNDER_CHANGE");
    return format + (flag ? "+" : "");
}

bool clsClipboard::ParseTypeFormat(const std::string& typeFormat, std::string& objectType, std::string& status,
                                   bool& flag) {
    for (const char* type : kReadBackTypes) {
        if (!Contains(typeFormat, type)) continue;
        objectType = type;
        status = Contains(typeFormat, "_MULTI")      ? ""
                 : Contains(typeFormat, "RELEASED")  ? "RELEASED"
                 : Contains(typeFormat, "UNDEFINED") ? "UNDEFINED"
                                                     : "";
        flag = Contains(typeFormat, "+");
        return true;
    }
    return false;
}

std::string clsClipboard::GetClipboardObjects(const std::string& typeFormat) {
    return ReportedCall<std::string>("clsClipboard:GetClipboardObjects", [&] {
        const auto content = ReadClipboard();
        return content && content->typeFormat == typeFormat ? content->records : std::string();
    });
}

std::string clsClipboard::GetClipboardObjectsAndFormat(std::string& typeFormat) {
    return ReportedCall<std::string>("clsClipboard:GetClipboardObjectsAndFormat", [&] {
        const auto content = ReadClipboard();
        typeFormat = content ? content->typeFormat : std::string();
        return content ? content->records : std::string();
    });
}

std::string clsClipboard::GetClipboardTypeFormat() {
    return ReportedCall<std::string>("clsClipboard:GetClipboardTypeFormat", [&] {
        const auto content = ReadClipboard();
        return content ? content->typeFormat : std::string();
    });
}

void clsClipboard::PutTextOnClipboard(const std::string& text) {
    ReportedStep("clsClipboard:PutTextOnClipboard", [&] {
        platform::Clip().Clear();
        platform::Clip().SetText(text);
    });
}

}  // namespace noxsimplelinks
