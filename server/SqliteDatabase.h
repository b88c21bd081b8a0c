#pragma once
// The SQLite backend: a database file in write-ahead-logging mode with foreign keys on, a commit on
// disk before its answer leaves (synchronous=FULL), and a cache of prepared statements. Another
// process's write lock is waited for up to 5 s.
#include <memory>

#include "Database.h"
#include "SqliteDialect.h"
#include "SqliteStatement.h"

namespace server {

class SqliteDatabase : public Database {
public:
    explicit SqliteDatabase(const std::string& path);
    ~SqliteDatabase() override;

    const Dialect& Sql() const override { return dialect_; }
    void Exec(const std::string& sql) override;
    std::unique_ptr<BulkInsert> Bulk(const std::string& table, const std::vector<std::string>& columns) override;

protected:
    std::unique_ptr<Statement> NewStatement(const std::string& sql) override;

private:
    sqlite3* db_ = nullptr;
    SqliteDialect dialect_;
};

}  // namespace server
