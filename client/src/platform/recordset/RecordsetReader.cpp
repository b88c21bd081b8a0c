#include "platform/recordset/RecordsetReader.h"

#include <cstdint>
#include <cstring>

#include "automation/AutomationError.h"
#include "platform/xml/XmlNodeInfo.h"
#include "platform/xml/XmlStream.h"

namespace platform {
namespace {

struct TypeRule {
    std::string_view dataType;
    int32_t type;
    FieldKind kind;
};

// Data types of the schema and the field types they give; unknown types read as text.
constexpr TypeRule kTypeRules[] = {
    {"string", 202, FieldKind::Text},     {"uuid", 72, FieldKind::Text},        {"bin.hex", 204, FieldKind::Text},
    {"bin.base64", 204, FieldKind::Text}, {"i1", 16, FieldKind::Integer},       {"ui1", 17, FieldKind::Integer},
    {"i2", 2, FieldKind::Integer},        {"ui2", 18, FieldKind::Long},         {"int", 3, FieldKind::Long},
    {"i4", 3, FieldKind::Long},           {"ui4", 19, FieldKind::Double},       {"i8", 20, FieldKind::Double},
    {"ui8", 21, FieldKind::Double},       {"r4", 4, FieldKind::Single},         {"r8", 5, FieldKind::Double},
    {"float", 5, FieldKind::Double},      {"number", 131, FieldKind::Double},   {"fixed.14.4", 6, FieldKind::Double},
    {"boolean", 11, FieldKind::Boolean},  {"dateTime", 7, FieldKind::Date},     {"dateTime.tz", 7, FieldKind::Date},
    {"date", 133, FieldKind::Date},       {"time", 134, FieldKind::Date},
};

// Database types that name the field type more closely than the data type.
constexpr std::pair<std::string_view, int32_t> kDbTypes[] = {
    {"str", 200}, {"currency", 6}, {"numeric", 131}, {"decimal", 14}, {"timestamp", 135}, {"variantdate", 7}};

bool Prefixed(std::string_view name) { return !PrefixOf(name).empty(); }

// A field as the schema describes it, collected while its element is read.
struct SchemaField {
    std::string xmlName, fieldName, dataType, dbType;

    void AddTo(RecordsetData& data) const {
        if (xmlName.empty()) return;
        TypeRule rule{"string", 202, FieldKind::Text};
        for (const TypeRule& r : kTypeRules)
            if (r.dataType == dataType) rule = r;
        for (auto [name, type] : kDbTypes)
            if (name == dbType) rule.type = type;
        data.AddColumn(fieldName.empty() ? xmlName : fieldName, xmlName, rule.type, rule.kind);
    }
};

// Builds the table while the document streams by: fields from the first schema element, one
// record per row element directly inside the first data element, whatever their prefixes.
class RowSetBuilder {
public:
    explicit RowSetBuilder(RecordsetData& data) : data_(data), textEnd_(data.Text().data() + data.Text().size()) {}

    bool FoundData() const { return dataSeen_; }

    void StartElement(std::string_view name, int depth) {
        if (depth == dataDepth_ + 1 && dataDepth_ >= 0 && name.size() == rowName_.size() &&
            xmlstream::SameBytes(name.data(), rowName_.data(), name.size()))
            return StartRow(name);
        std::string_view local = LocalName(name);
        where_ = Where::Elsewhere;
        if (!schemaSeen_ && local == "Schema") {
            schemaSeen_ = true;
            schemaDepth_ = depth;
        } else if (schemaDepth_ >= 0 && local == "AttributeType") {
            where_ = Where::AttributeType;
            field_ = SchemaField{};
        } else if (schemaDepth_ >= 0 && local == "datatype") {
            where_ = Where::DataType;
        } else if (!dataSeen_ && local == "data") {
            dataSeen_ = true;
            dataDepth_ = depth;
        } else if (dataDepth_ >= 0 && depth == dataDepth_ + 1 && local == "row") {
            rowName_ = name;
            StartRow(name);
        }
    }

    void Attribute(std::string_view name, std::string_view value) {
        if (where_ == Where::Row) return Cell(name, value);
        if (where_ != Where::Elsewhere) SchemaAttribute(name, value);
    }

    // Row attributes come in field order as a rule: the next field's name is tried first.
    std::string_view NextAttribute() const {
        return where_ == Where::Row && expected_ < data_.ColumnCount() ? data_.Column(expected_).xmlName : std::string_view();
    }

    void ExpectedAttribute(std::string_view value) { data_.SetCell(expected_++, record_, value); }

    void EndElement(std::string_view name, int depth) {
        where_ = Where::Elsewhere;
        if (depth == schemaDepth_) schemaDepth_ = -1;
        if (schemaDepth_ >= 0 && LocalName(name) == "AttributeType") field_.AddTo(data_);
        if (depth == dataDepth_) dataDepth_ = -1;
    }

private:
    enum class Where { Elsewhere, AttributeType, DataType, Row };

    // Out of the row loop's way: the schema's attributes come once per field.
    [[gnu::noinline]] void SchemaAttribute(std::string_view name, std::string_view value) {
        if (where_ == Where::AttributeType && LocalName(name) == "name")
            (Prefixed(name) ? field_.fieldName : field_.xmlName) = value;
        if (Prefixed(name) && LocalName(name) == "type") field_.dataType = value;
        if (Prefixed(name) && LocalName(name) == "dbtype") field_.dbType = value;
    }

    // The rows are named alike: a row's name is compared as a whole once the first has been seen.
    void StartRow(std::string_view name) {
        where_ = Where::Row;
        ReserveAtSecondRow(name.data());
        record_ = data_.AddRecord();
        expected_ = 0;
    }

    // A row attribute out of field order (or of a field the schema does not name).
    void Cell(std::string_view name, std::string_view value) {
        size_t column = ColumnOf(name);
        data_.SetCell(column, record_, value);
        expected_ = column + 1;
    }

    // The rows of an answer are much alike: the length of the first one tells how many there will be,
    // and the table makes room for them at once.
    void ReserveAtSecondRow(const char* start) {
        if (data_.RecordCount() == 0) firstRow_ = start;
        if (data_.RecordCount() != 1 || start <= firstRow_) return;
        data_.ReserveRecords(static_cast<size_t>((textEnd_ - firstRow_) / (start - firstRow_)) + 1);
    }

    // A row attribute the schema does not name becomes a text field of its own.
    size_t ColumnOf(std::string_view name) {
        for (size_t c = 0; c < data_.ColumnCount(); ++c)
            if (data_.Column(c).xmlName == name) return c;
        return data_.AddColumn(std::string(name), std::string(name), 202, FieldKind::Text);
    }

    RecordsetData& data_;
    Where where_ = Where::Elsewhere;
    bool schemaSeen_ = false, dataSeen_ = false;
    int schemaDepth_ = -1, dataDepth_ = -1;
    SchemaField field_;
    size_t record_ = 0, expected_ = 0;
    std::string rowName_;  // the first row's element name with its prefix
    const char* textEnd_;
    const char* firstRow_ = nullptr;
};

[[noreturn]] void TooLarge() {
    throw automation::AutomationError(RecordsetReader::kNotReadable,
                                      "The row set cannot be read: its text, with its decoded values, is 4 GB or more");
}

}  // namespace

std::shared_ptr<RecordsetData> RecordsetReader::Read(std::string text) {
    return Read(std::make_shared<const std::string>(std::move(text)));
}

std::shared_ptr<RecordsetData> RecordsetReader::Read(std::shared_ptr<const std::string> text) {
    if (!text) text = std::make_shared<const std::string>();
    if (text->size() >= CellSpan::kNowhere) TooLarge();
    auto data = std::make_shared<RecordsetData>(std::move(text));
    RowSetBuilder builder(*data);
    XmlStream::Read(data->Text(), builder, data->Decoded(), kNotReadable, "The row set");
    if (data->Text().size() + data->Decoded().size() >= CellSpan::kNowhere) TooLarge();
    data->FinishRecords();
    return builder.FoundData() ? data : nullptr;
}

}  // namespace platform
