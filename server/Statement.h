#pragma once
// One prepared statement of the store's database: values are bound by position, rows are stepped
// and read by column. The only way the server talks to its database, so that no value ever becomes
// part of SQL text. Each backend has its own (SqliteStatement, PostgresStatement).
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace server {

// A value to bind or read: Null, integer, real or text.
using SqlValue = std::variant<std::monostate, int64_t, double, std::string>;

// One cell of a row as the database holds it, read in one call: Null, an integer, a real, or a
// text whose bytes stay valid until the next Step or Reset.
struct Cell {
    enum class Kind { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    int64_t integer = 0;
    double real = 0;
    std::string_view text;
};

class Statement {
public:
    virtual ~Statement() = default;

    // Resets the statement and clears its bindings, ready for a new run.
    virtual Statement& Reset() = 0;
    virtual Statement& BindText(int index, std::string_view text) = 0;
    virtual Statement& BindInt(int index, int64_t value) = 0;
    virtual Statement& BindReal(int index, double value) = 0;
    virtual Statement& BindNull(int index) = 0;
    Statement& Bind(int index, std::string_view text) { return BindText(index, text); }
    Statement& Bind(int index, const std::string& text) { return BindText(index, text); }
    Statement& Bind(int index, const char* text) { return BindText(index, text); }
    Statement& Bind(int index, int64_t value) { return BindInt(index, value); }
    Statement& Bind(int index, double value) { return BindReal(index, value); }
    Statement& Bind(int index, const SqlValue& value);

    // Advances to the next row; false when there is none.
    virtual bool Step() = 0;
    // Runs a statement that returns no rows.
    void Run() {
        while (Step()) {
        }
    }

    // A column of the current row. A number is an integer or a real as the database holds it (an
    // attribute's JSON number too); TextView of a text stays valid until the next Step or Reset.
    virtual Cell At(int column) const = 0;
    virtual int64_t Int(int column) const = 0;
    virtual std::string_view TextView(int column) const = 0;
    std::string Text(int column) const { return std::string(TextView(column)); }
    // The column as a value: Null, integer, real or text.
    SqlValue Value(int column) const;
};

}  // namespace server
