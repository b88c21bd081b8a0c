#include "SqliteDatabase.h"

#include <sqlite3.h>

#include "StoreError.h"

namespace server {

namespace {

// Rows inserted one prepared statement at a time: SQLite's fastest way inside a transaction.
class SqliteBulkInsert : public BulkInsert {
public:
    SqliteBulkInsert(Database& db, const std::string& table, const std::vector<std::string>& columns) {
        std::string names, places;
        for (const std::string& column : columns) {
            names += (names.empty() ? "" : ", ") + column;
            places += places.empty() ? "?" : ", ?";
        }
        insert_ = &db.Prepare("INSERT INTO " + table + "(" + names + ") VALUES(" + places + ")");
    }
    void Add(const std::vector<SqlValue>& row) override {
        insert_->Reset();
        for (size_t i = 0; i < row.size(); ++i) insert_->Bind(static_cast<int>(i) + 1, row[i]);
        insert_->Run();
    }
    void Finish() override {}

private:
    Statement* insert_;
};

// Called while a statement runs: a non-zero answer stops it (SQLITE_INTERRUPT) once the deadline
// has passed.
int PastDeadline(void* database) {
    const Database::Deadline& deadline = static_cast<const Database*>(database)->GetDeadline();
    return deadline && std::chrono::steady_clock::now() > *deadline ? 1 : 0;
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::string& path) : Database(path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw StoreError("The store cannot open " + path + ": " + why);
    }
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_progress_handler(db_, 10000, PastDeadline, this);
    Exec("PRAGMA journal_mode=WAL");
    // A commit reaches the disk before the answer leaves: an answered change survives a crash.
    Exec("PRAGMA synchronous=FULL");
    Exec("PRAGMA foreign_keys=ON");
    Exec("PRAGMA cache_size=-65536");  // 64 MiB of pages: a large transaction stays in memory until its commit
}

SqliteDatabase::~SqliteDatabase() {
    ForgetStatements();
    sqlite3_close(db_);
}

void SqliteDatabase::Exec(const std::string& sql) {
    char* message = nullptr;
    Deadline deadline = GetDeadline();
    SetDeadline({});  // transaction control and the schema are never stopped
    int code = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
    SetDeadline(deadline);
    if (code != SQLITE_OK) {
        std::string text = std::string("The store cannot run \"") + sql + "\": " + (message ? message : sqlite3_errmsg(db_));
        sqlite3_free(message);
        if ((sqlite3_extended_errcode(db_) & 0xFF) == SQLITE_BUSY) throw StoreConflict(text);
        throw StoreError(text);
    }
}

std::unique_ptr<Statement> SqliteDatabase::NewStatement(const std::string& sql) {
    return std::make_unique<SqliteStatement>(db_, sql);
}

std::unique_ptr<BulkInsert> SqliteDatabase::Bulk(const std::string& table, const std::vector<std::string>& columns) {
    return std::make_unique<SqliteBulkInsert>(*this, table, columns);
}

}  // namespace server
