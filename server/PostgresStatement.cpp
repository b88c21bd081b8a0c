#include "PostgresStatement.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "PostgresDatabase.h"

namespace server {

namespace {

// Type numbers of PostgreSQL's catalogue that the store's queries answer.
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kOid = 26, kJson = 114, kFloat4 = 700, kFloat8 = 701,
              kNumeric = 1700, kJsonb = 3802;

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

uint32_t Hex4(std::string_view text, size_t at) {
    uint32_t value = 0;
    if (at + 4 > text.size() || std::from_chars(text.data() + at, text.data() + at + 4, value, 16).ptr != text.data() + at + 4)
        return 0xFFFD;
    return value;
}

// The characters of a JSON string (without its quotes).
std::string Unescaped(std::string_view json) {
    std::string out;
    out.reserve(json.size());
    for (size_t i = 0; i < json.size(); ++i) {
        if (json[i] != '\\' || i + 1 == json.size()) {
            out += json[i];
            continue;
        }
        char escape = json[++i];
        switch (escape) {
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                uint32_t c = Hex4(json, i + 1);
                i += 4;
                if (c >= 0xD800 && c < 0xDC00 && i + 6 < json.size() && json[i + 1] == '\\' && json[i + 2] == 'u') {
                    uint32_t low = Hex4(json, i + 3);
                    if (low >= 0xDC00 && low < 0xE000) {
                        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                        i += 6;
                    }
                }
                AppendUtf8(out, c);
                break;
            }
            default: out += escape;  // \" \\ \/
        }
    }
    return out;
}

bool IsIntegerText(std::string_view text) {
    int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

PostgresStatement::PostgresStatement(PostgresDatabase& db, std::string name, const std::string& sql, int parameters)
    : db_(db), name_(std::move(name)), sql_(sql), parameters_(parameters) {
    PQclear(db_.Check(PQprepare(db_.Connection(), name_.c_str(), sql.c_str(), 0, nullptr), "cannot prepare \"" + sql + "\""));
}

PostgresStatement::~PostgresStatement() { PQclear(result_); }

Statement& PostgresStatement::Reset() {
    PQclear(result_);
    result_ = nullptr;
    row_ = -1;
    rows_ = 0;
    for (auto& parameter : parameters_) parameter.reset();
    return *this;
}

std::optional<std::string>& PostgresStatement::Parameter(int index) {
    if (index < 1) throw StoreError("The store cannot bind a value at " + std::to_string(index) + " of \"" + sql_ + "\"");
    if (static_cast<size_t>(index) > parameters_.size()) parameters_.resize(index);
    return parameters_[index - 1];
}

Statement& PostgresStatement::BindText(int index, std::string_view text) {
    Parameter(index) = std::string(text);
    return *this;
}

Statement& PostgresStatement::BindInt(int index, int64_t value) {
    Parameter(index) = std::to_string(value);
    return *this;
}

Statement& PostgresStatement::BindReal(int index, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    Parameter(index) = std::string(buffer);
    return *this;
}

Statement& PostgresStatement::BindNull(int index) {
    Parameter(index).reset();
    return *this;
}

void PostgresStatement::Execute() {
    std::vector<const char*> values;
    for (const auto& parameter : parameters_) values.push_back(parameter ? parameter->c_str() : nullptr);
    result_ = db_.Check(PQexecPrepared(db_.Connection(), name_.c_str(), static_cast<int>(values.size()), values.data(),
                                       nullptr, nullptr, 0),
                        "cannot run \"" + sql_ + "\"");
    rows_ = PQntuples(result_);
    const int columns = PQnfields(result_);
    columnKinds_.assign(columns, Kind::Text);
    json_.assign(columns, false);
    for (int c = 0; c < columns; ++c) {
        Oid type = PQftype(result_, c);
        if (type == kInt8 || type == kInt4 || type == kInt2 || type == kOid || type == kBool) columnKinds_[c] = Kind::Integer;
        if (type == kFloat8 || type == kFloat4 || type == kNumeric) columnKinds_[c] = Kind::Real;
        json_[c] = type == kJsonb || type == kJson;
    }
    cells_.assign(columns, Cell{});
    cellRow_.assign(columns, -1);
}

bool PostgresStatement::Step() {
    if (!result_) Execute();
    return ++row_ < rows_;
}

// A cell as SQLite would hold it: a jsonb scalar decoded (a string's text, a number, true as 1,
// null as Null), any other column by its type.
const PostgresStatement::Cell& PostgresStatement::At(int column) const {
    Cell& cell = cells_.at(column);
    if (cellRow_[column] == row_) return cell;
    cellRow_[column] = row_;
    cell.text.clear();
    if (PQgetisnull(result_, row_, column)) {
        cell.kind = Kind::Null;
        return cell;
    }
    std::string_view raw(PQgetvalue(result_, row_, column), PQgetlength(result_, row_, column));
    if (columnKinds_[column] == Kind::Integer && raw.size() == 1 && (raw[0] == 't' || raw[0] == 'f')) raw = raw[0] == 't' ? "1" : "0";
    cell.kind = columnKinds_[column];
    if (!json_[column]) {
        cell.text.assign(raw);
    } else if (raw == "null") {
        cell.kind = Kind::Null;
    } else if (raw == "true" || raw == "false") {
        cell = {Kind::Integer, raw == "true" ? "1" : "0"};
    } else if (raw.front() == '"') {
        cell = {Kind::Text, Unescaped(raw.substr(1, raw.size() - 2))};
    } else if (raw.front() == '{' || raw.front() == '[') {
        cell = {Kind::Text, std::string(raw)};
    } else {
        cell = {IsIntegerText(raw) ? Kind::Integer : Kind::Real, std::string(raw)};
    }
    return cell;
}

bool PostgresStatement::IsNull(int column) const { return At(column).kind == Kind::Null; }
bool PostgresStatement::IsInteger(int column) const { return At(column).kind == Kind::Integer; }
bool PostgresStatement::IsReal(int column) const { return At(column).kind == Kind::Real; }

int64_t PostgresStatement::Int(int column) const {
    const Cell& cell = At(column);
    if (cell.kind == Kind::Real) return static_cast<int64_t>(std::strtod(cell.text.c_str(), nullptr));
    int64_t value = 0;
    std::from_chars(cell.text.data(), cell.text.data() + cell.text.size(), value);
    return value;
}

double PostgresStatement::Real(int column) const { return std::strtod(At(column).text.c_str(), nullptr); }

std::string_view PostgresStatement::TextView(int column) const { return At(column).text; }

}  // namespace server
