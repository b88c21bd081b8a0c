#include "Database.h"

#include <sqlite3.h>

#include "StoreError.h"

namespace server {

Database::Database(const std::string& path) : path_(path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw StoreError("The store cannot open " + path + ": " + why);
    }
    sqlite3_busy_timeout(db_, 5000);
    Exec("PRAGMA journal_mode=WAL");
    // A commit reaches the disk before the answer leaves: an answered change survives a crash.
    Exec("PRAGMA synchronous=FULL");
    Exec("PRAGMA foreign_keys=ON");
}

Database::~Database() {
    statements_.clear();
    sqlite3_close(db_);
}

void Database::Exec(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::string why = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw StoreError(std::string("The store cannot run \"") + sql + "\": " + why);
    }
}

Statement& Database::Prepare(const std::string& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end()) it = statements_.emplace(sql, std::make_unique<Statement>(db_, sql)).first;
    return it->second->Reset();
}

int64_t Database::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }
int Database::Changes() const { return sqlite3_changes(db_); }

}  // namespace server
