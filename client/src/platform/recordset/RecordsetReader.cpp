#include "platform/recordset/RecordsetReader.h"

#include <cstring>

#include <pugixml.hpp>

#include "automation/AutomationError.h"
#include "platform/xml/XmlNodeInfo.h"

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

bool HasLocalName(pugi::xml_node node, std::string_view local) {
    return node.type() == pugi::node_element && LocalName(node.name()) == local;
}

// The first element named usualPrefix:local, or else the first one with that local name.
pugi::xml_node FindElement(pugi::xml_node root, std::string_view usualPrefix, std::string_view local) {
    std::string usual = std::string(usualPrefix) + ":" + std::string(local);
    if (root.name() == usual) return root;
    if (pugi::xml_node found = root.find_node([&](pugi::xml_node n) { return n.name() == usual; })) return found;
    if (HasLocalName(root, local)) return root;
    return root.find_node([&](pugi::xml_node n) { return HasLocalName(n, local); });
}

// An attribute by local name, with or without a prefix as asked.
const char* AttributeValue(pugi::xml_node node, std::string_view local, bool prefixed) {
    for (pugi::xml_attribute a : node.attributes()) {
        std::string_view name = a.name();
        if (LocalName(name) == local && (name.size() != local.size()) == prefixed) return a.value();
    }
    return nullptr;
}

void AddSchemaColumn(RecordsetData& data, pugi::xml_node attributeType) {
    const char* xmlName = AttributeValue(attributeType, "name", false);
    if (!xmlName) return;
    const char* fieldName = AttributeValue(attributeType, "name", true);
    pugi::xml_node datatype = attributeType.find_child([](pugi::xml_node n) { return HasLocalName(n, "datatype"); });
    const char* dataType = datatype ? AttributeValue(datatype, "type", true) : nullptr;
    if (!dataType) dataType = AttributeValue(attributeType, "type", true);
    const char* dbType = datatype ? AttributeValue(datatype, "dbtype", true) : nullptr;

    TypeRule rule{"string", 202, FieldKind::Text};
    for (const TypeRule& r : kTypeRules)
        if (dataType && r.dataType == dataType) rule = r;
    for (auto [name, type] : kDbTypes)
        if (dbType && name == dbType) rule.type = type;
    data.AddColumn(fieldName ? fieldName : xmlName, xmlName, rule.type, rule.kind);
}

class RowFiller {
public:
    explicit RowFiller(RecordsetData& data) : data_(data) {
        for (size_t c = 0; c < data_.ColumnCount(); ++c) byXmlName_.emplace(data_.Column(c).xmlName, c);
    }

    void Fill(size_t record, pugi::xml_node row) {
        size_t expected = 0;  // attributes come in field order as a rule: try the next field first
        for (pugi::xml_attribute a : row.attributes()) {
            size_t column = expected < data_.ColumnCount() && std::strcmp(data_.Column(expected).xmlName.c_str(), a.name()) == 0
                                ? expected
                                : Lookup(a.name());
            data_.Column(column).cells[record] = a.value();
            expected = column + 1;
        }
    }

private:
    // A row attribute the schema does not name becomes a text field of its own.
    size_t Lookup(const char* name) {
        auto it = byXmlName_.find(name);
        if (it != byXmlName_.end()) return it->second;
        size_t column = data_.AddColumn(name, name, 202, FieldKind::Text);
        byXmlName_.emplace(name, column);
        return column;
    }

    RecordsetData& data_;
    std::unordered_map<std::string, size_t> byXmlName_;
};

}  // namespace

std::shared_ptr<RecordsetData> RecordsetReader::Read(std::string_view text) {
    auto buffer = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(buffer.get(), text.data(), text.size());
    pugi::xml_document doc;
    pugi::xml_parse_result result =
        doc.load_buffer_inplace(buffer.get(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result)
        throw automation::AutomationError(kNotReadable, "The row set cannot be read: XML error at offset " +
                                                            std::to_string(result.offset) + ": " + result.description());
    pugi::xml_node root = doc.document_element();
    pugi::xml_node rowsElement = FindElement(root, "rs", "data");
    if (!rowsElement) return nullptr;

    std::vector<pugi::xml_node> rows;
    for (pugi::xml_node n : rowsElement.children())
        if (HasLocalName(n, "row")) rows.push_back(n);
    auto data = std::make_shared<RecordsetData>(std::move(buffer), rows.size());
    if (pugi::xml_node schema = FindElement(root, "s", "Schema"))
        for (pugi::xml_node n = schema.find_node([](pugi::xml_node x) { return HasLocalName(x, "AttributeType"); }); n;
             n = n.next_sibling())
            if (HasLocalName(n, "AttributeType")) AddSchemaColumn(*data, n);

    RowFiller filler(*data);
    for (size_t r = 0; r < rows.size(); ++r) filler.Fill(r, rows[r]);
    return data;
}

}  // namespace platform
