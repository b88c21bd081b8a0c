#pragma once
// One prepared SQLite statement: values are bound by position, rows are stepped and read by column.
// The only way the server talks to SQLite, so that no value ever becomes part of SQL text.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace server {

// A value to bind: Null, integer, real or text.
using SqlValue = std::variant<std::monostate, int64_t, double, std::string>;

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Resets the statement and clears its bindings, ready for a new run.
    Statement& Reset();
    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, const std::string& text) { return Bind(index, std::string_view(text)); }
    Statement& Bind(int index, const char* text) { return Bind(index, std::string_view(text)); }
    Statement& Bind(int index, int64_t value);
    Statement& Bind(int index, double value);
    Statement& BindNull(int index);
    Statement& Bind(int index, const SqlValue& value);

    // Advances to the next row; false when there is none.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();

    int ColumnCount() const;
    bool IsNull(int column) const;
    bool IsInteger(int column) const;
    bool IsReal(int column) const;
    int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    std::string_view TextView(int column) const;

private:
    [[noreturn]] void Fail(const char* what) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::string sql_;
};

}  // namespace server
