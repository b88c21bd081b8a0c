#include "Statement.h"

#include <sqlite3.h>

#include "StoreError.h"

namespace server {

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db), sql_(sql) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        Fail("cannot prepare");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Fail(const char* what) const {
    throw StoreError(std::string("The store ") + what + " \"" + sql_ + "\": " + sqlite3_errmsg(db_));
}

Statement& Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        Fail("cannot bind a value of");
    return *this;
}

Statement& Statement::Bind(int index, int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) Fail("cannot bind a value of");
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) Fail("cannot bind a value of");
    return *this;
}

Statement& Statement::BindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) Fail("cannot bind a value of");
    return *this;
}

Statement& Statement::Bind(int index, const SqlValue& value) {
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                BindNull(index);
            else if constexpr (std::is_same_v<T, std::string>)
                Bind(index, std::string_view(v));
            else
                Bind(index, v);
        },
        value);
    return *this;
}

bool Statement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Fail("cannot run");
}

void Statement::Run() {
    while (Step()) {
    }
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }
bool Statement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
bool Statement::IsInteger(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER; }
bool Statement::IsReal(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_FLOAT; }
int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::Real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string_view Statement::TextView(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    if (!text) return {};
    return {reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt_, column))};
}

std::string Statement::Text(int column) const { return std::string(TextView(column)); }

}  // namespace server
