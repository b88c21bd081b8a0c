#include "Database.h"

#include "Dialect.h"
#include "PostgresDatabase.h"
#include "SqliteDatabase.h"
#include "StoreError.h"

namespace server {

bool IsPostgresUrl(std::string_view location) {
    return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::unique_ptr<Database> OpenDatabase(const std::string& location) {
    if (IsPostgresUrl(location)) return std::make_unique<PostgresDatabase>(location);
    return std::make_unique<SqliteDatabase>(location);
}

Statement& Database::Prepare(const std::string& sql) {
    if (deadline_ && std::chrono::steady_clock::now() > *deadline_) throw StoreTimeout("The request's time is up");
    auto it = statements_.find(sql);
    if (it == statements_.end()) it = statements_.emplace(sql, NewStatement(sql)).first;
    return it->second->Reset();
}

void Database::ResetStatements() {
    for (auto& entry : statements_) entry.second->Reset();
}

void Database::Begin(Access access) { Exec(Sql().Begin(access)); }

Transaction::Transaction(Database& db, Access access) : db_(db) {
    db_.Begin(access);
    try {
        db_.LimitTransaction();
    } catch (...) {
        RollBack();
        throw;
    }
}

Transaction::~Transaction() {
    if (open_) RollBack();
}

void Transaction::RollBack() noexcept {
    try {
        db_.ResetStatements();
        db_.Exec("ROLLBACK");
    } catch (...) {
    }
}

void Transaction::Commit() {
    db_.ResetStatements();  // a statement left open would keep its snapshot into the next transaction
    db_.Exec("COMMIT");
    open_ = false;
}

}  // namespace server
