#include "RowSetWriter.h"

#include <charconv>

#include "RecycledText.h"
#include "XmlText.h"

namespace server {

namespace {

const char* SchemaType(objdefs::DataType type) {
    switch (type) {
        case objdefs::DataType::Number: return "float";
        case objdefs::DataType::Date: return "dateTime";
        default: return "string";
    }
}

// A number as "%.15g" writes it, an integer with all its digits.
template <class Number, class... Format>
void AppendNumber(std::string& out, Number number, Format... format) {
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, number, format...).ptr);
}

void AppendCell(std::string& out, const Cell& cell) {
    switch (cell.kind) {
        case Cell::Kind::Integer: AppendNumber(out, cell.integer); break;
        case Cell::Kind::Real: AppendNumber(out, cell.real, std::chars_format::general, 15); break;
        default: AppendEscaped(out, cell.text);
    }
}

}  // namespace

// The schema is known from the columns: written first, the rows follow it in the same text.
RowSetWriter::RowSetWriter(std::vector<Column> columns) : columns_(std::move(columns)), text_(RecycledText::Take()) {
    text_ +=
        "<xml xmlns:s=\"uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882\" "
        "xmlns:dt=\"uuid:C2F41010-65B3-11d1-A29F-00AA00C14882\" xmlns:rs=\"urn:schemas-microsoft-com:rowset\" "
        "xmlns:z=\"#RowsetSchema\"><s:Schema id=\"RowsetSchema\"><s:ElementType name=\"row\" content=\"eltOnly\">";
    for (size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        openings_.push_back(" " + Escaped(c.name) + "=\"");
        text_ += "<s:AttributeType name=\"" + Escaped(c.name) + "\" rs:number=\"" + std::to_string(i + 1) +
                 "\" rs:nullable=\"true\"><s:datatype dt:type=\"" + SchemaType(c.type) + "\"";
        if (c.type == objdefs::DataType::Text && c.maxLength > 0)
            text_ += " dt:maxLength=\"" + std::to_string(c.maxLength) + "\"";
        text_ += "/></s:AttributeType>";
    }
    text_ += "<s:extends type=\"rs:rowbase\"/></s:ElementType></s:Schema><rs:data>";
}

size_t RowSetWriter::AddRows(Statement& statement, size_t limit) {
    size_t added = 0;
    const int count = static_cast<int>(columns_.size());
    while (rows_ < limit && statement.Step()) {
        text_ += "<z:row";
        for (int c = 0; c < count; ++c) {
            Cell cell = statement.At(c);
            if (cell.kind == Cell::Kind::Null) continue;
            text_ += openings_[c];
            AppendCell(text_, cell);
            text_ += '"';
        }
        text_ += "/>";
        ++rows_;
        ++added;
    }
    return added;
}

std::string RowSetWriter::Finish() {
    text_ += "</rs:data></xml>";
    return std::move(text_);
}

}  // namespace server
