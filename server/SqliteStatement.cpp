#include "SqliteStatement.h"

#include <sqlite3.h>

#include "StoreError.h"

namespace server {

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql) : db_(db), sql_(sql) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        Fail("cannot prepare");
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

void SqliteStatement::Fail(const char* what) const {
    std::string message = std::string("The store ") + what + " \"" + sql_ + "\": " + sqlite3_errmsg(db_);
    // Another process held the write lock longer than the busy time-out: the transaction may run again.
    if ((sqlite3_extended_errcode(db_) & 0xFF) == SQLITE_BUSY) throw StoreConflict(message);
    // Stopped because the request's time was up.
    if ((sqlite3_extended_errcode(db_) & 0xFF) == SQLITE_INTERRUPT) throw StoreTimeout(message);
    throw StoreError(message);
}

Statement& SqliteStatement::Check(int code, const char* what) {
    if (code != SQLITE_OK) Fail(what);
    return *this;
}

Statement& SqliteStatement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    return *this;
}

Statement& SqliteStatement::BindText(int index, std::string_view text) {
    return Check(sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT),
                 "cannot bind a value of");
}

Statement& SqliteStatement::BindInt(int index, int64_t value) {
    return Check(sqlite3_bind_int64(stmt_, index, value), "cannot bind a value of");
}

Statement& SqliteStatement::BindReal(int index, double value) {
    return Check(sqlite3_bind_double(stmt_, index, value), "cannot bind a value of");
}

Statement& SqliteStatement::BindNull(int index) { return Check(sqlite3_bind_null(stmt_, index), "cannot bind a value of"); }

bool SqliteStatement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Fail("cannot run");
}

// A text or blob is read as the bytes it holds (sqlite3_column_blob converts nothing), its length
// asked after them, as SQLite wants.
Cell SqliteStatement::At(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_NULL: return {};
        case SQLITE_INTEGER: return {Cell::Kind::Integer, sqlite3_column_int64(stmt_, column), 0, {}};
        case SQLITE_FLOAT: return {Cell::Kind::Real, 0, sqlite3_column_double(stmt_, column), {}};
        default: break;
    }
    const void* bytes = sqlite3_column_blob(stmt_, column);
    return {Cell::Kind::Text, 0, 0,
            {static_cast<const char*>(bytes), static_cast<size_t>(sqlite3_column_bytes(stmt_, column))}};
}

int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string_view SqliteStatement::TextView(int column) const {
    const unsigned char* text = sqlite3_column_text(stmt_, column);
    if (!text) return {};
    return {reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt_, column))};
}

}  // namespace server
