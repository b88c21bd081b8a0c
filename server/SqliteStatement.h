#pragma once
// A prepared SQLite statement: the Statement of the SQLite backend.
#include <string>

#include "Statement.h"

struct sqlite3;
struct sqlite3_stmt;

namespace server {

class SqliteStatement : public Statement {
public:
    SqliteStatement(sqlite3* db, const std::string& sql);
    ~SqliteStatement() override;

    Statement& Reset() override;
    Statement& BindText(int index, std::string_view text) override;
    Statement& BindInt(int index, int64_t value) override;
    Statement& BindReal(int index, double value) override;
    Statement& BindNull(int index) override;
    bool Step() override;
    Cell At(int column) const override;
    int64_t Int(int column) const override;
    std::string_view TextView(int column) const override;

private:
    Statement& Check(int code, const char* what);
    [[noreturn]] void Fail(const char* what) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::string sql_;
};

}  // namespace server
