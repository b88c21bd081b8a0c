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

// A number's text as strtod reads it: from_chars, the faster, where it reads the whole text (as it
// does every number PostgreSQL writes), strtod otherwise.
double ReadReal(std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size()) return value;
    return std::strtod(std::string(text).c_str(), nullptr);
}

// Whether the whole text is an integer, read into `value`.
bool ReadInteger(std::string_view text, int64_t& value) {
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
    result_ = db_.ExecPrepared(name_, values, "cannot run \"" + sql_ + "\"");
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
    cells_.assign(columns, Decoded{});
    cellRow_.assign(columns, -1);
    unescaped_.assign(columns, std::string());
}

bool PostgresStatement::Step() {
    if (!result_) Execute();
    return ++row_ < rows_;
}

// A cell as SQLite would hold it: a jsonb scalar decoded (a string's text, a number, true as 1,
// null as Null), any other column by its type. Texts are views of the result, but for a JSON
// string with escapes, whose characters are kept per column.
const PostgresStatement::Decoded& PostgresStatement::Decode(int column) const {
    Decoded& decoded = cells_.at(column);
    if (cellRow_[column] == row_) return decoded;
    cellRow_[column] = row_;
    decoded = {};
    if (PQgetisnull(result_, row_, column)) return decoded;
    std::string_view raw(PQgetvalue(result_, row_, column), PQgetlength(result_, row_, column));
    Cell& cell = decoded.cell;
    cell.kind = columnKinds_[column];
    if (cell.kind == Kind::Integer && raw.size() == 1 && (raw[0] == 't' || raw[0] == 'f')) raw = raw[0] == 't' ? "1" : "0";
    if (json_[column]) {
        if (raw == "null") return decoded;
        if (raw == "true" || raw == "false") {
            cell.kind = Kind::Integer;
            raw = raw == "true" ? "1" : "0";
        } else if (raw.front() == '"') {
            raw = raw.substr(1, raw.size() - 2);
            if (raw.find('\\') != std::string_view::npos) raw = unescaped_[column] = Unescaped(raw);
        } else if (raw.front() != '{' && raw.front() != '[') {
            cell.kind = ReadInteger(raw, cell.integer) ? Kind::Integer : Kind::Real;
        }
    }
    decoded.text = raw;
    if (cell.kind == Kind::Text) cell.text = raw;
    if (cell.kind == Kind::Integer) ReadInteger(raw, cell.integer);
    if (cell.kind == Kind::Real) cell.real = ReadReal(raw);
    return decoded;
}

Cell PostgresStatement::At(int column) const { return Decode(column).cell; }

int64_t PostgresStatement::Int(int column) const {
    const Cell& cell = Decode(column).cell;
    if (cell.kind == Kind::Real) return static_cast<int64_t>(cell.real);
    if (cell.kind == Kind::Integer) return cell.integer;
    int64_t value = 0;
    ReadInteger(cell.text, value);
    return value;
}

std::string_view PostgresStatement::TextView(int column) const { return Decode(column).text; }

}  // namespace server
