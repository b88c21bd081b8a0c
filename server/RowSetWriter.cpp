#include "RowSetWriter.h"

#include <cstdio>

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

void AppendNumber(std::string& out, const Statement& s, int column) {
    if (s.IsInteger(column)) {
        out += std::to_string(s.Int(column));
    } else if (s.IsReal(column)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", s.Real(column));
        out += buffer;
    } else {
        AppendEscaped(out, s.TextView(column));
    }
}

}  // namespace

RowSetWriter::RowSetWriter(std::vector<Column> columns) : columns_(std::move(columns)) {
    for (const Column& c : columns_) openings_.push_back(" " + Escaped(c.name) + "=\"");
}

size_t RowSetWriter::AddRows(Statement& statement, size_t limit) {
    size_t added = 0;
    const int count = static_cast<int>(columns_.size());
    while (rows_ < limit && statement.Step()) {
        data_ += "<z:row";
        for (int c = 0; c < count; ++c) {
            if (statement.IsNull(c)) continue;
            data_ += openings_[c];
            AppendNumber(data_, statement, c);
            data_ += '"';
        }
        data_ += "/>";
        ++rows_;
        ++added;
    }
    return added;
}

std::string RowSetWriter::Finish() {
    std::string out =
        "<xml xmlns:s=\"uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882\" "
        "xmlns:dt=\"uuid:C2F41010-65B3-11d1-A29F-00AA00C14882\" xmlns:rs=\"urn:schemas-microsoft-com:rowset\" "
        "xmlns:z=\"#RowsetSchema\"><s:Schema id=\"RowsetSchema\"><s:ElementType name=\"row\" content=\"eltOnly\">";
    for (size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        out += "<s:AttributeType name=\"" + Escaped(c.name) + "\" rs:number=\"" + std::to_string(i + 1) +
               "\" rs:nullable=\"true\"><s:datatype dt:type=\"" + SchemaType(c.type) + "\"";
        if (c.type == objdefs::DataType::Text && c.maxLength > 0)
            out += " dt:maxLength=\"" + std::to_string(c.maxLength) + "\"";
        out += "/></s:AttributeType>";
    }
    out += "<s:extends type=\"rs:rowbase\"/></s:ElementType></s:Schema><rs:data>";
    out += data_;
    out += "</rs:data></xml>";
    data_.clear();
    return out;
}

}  // namespace server
