#pragma once
// The store's database, behind one interface with an implementation per backend: SQLite (a file,
// the default) and PostgreSQL (a connection URL, for several server processes on one database).
// Statements are prepared from SQL text with "?" placeholders and cached by their text; what the
// backends write differently is asked of the Dialect. Not thread-safe: one owner at a time.
#include <chrono>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Statement.h"

namespace server {

class Dialect;

// What a transaction does: only reads, or changes too.
enum class Access { Reads, Changes };

// Rows added to one table in bulk (a generated data set of millions), inside the caller's
// transaction; the backend uses its fastest way.
class BulkInsert {
public:
    virtual ~BulkInsert() = default;
    // One value per column, in the order the columns were named.
    virtual void Add(const std::vector<SqlValue>& row) = 0;
    // Sends what is left; the rows are in the table afterwards.
    virtual void Finish() = 0;
};

class Database {
public:
    virtual ~Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    virtual const Dialect& Sql() const = 0;
    // Runs fixed SQL text (schema, transaction control; several statements at once); never text
    // holding a value.
    virtual void Exec(const std::string& sql) = 0;
    // Begins a transaction of the kind (the dialect's BEGIN).
    virtual void Begin(Access access);
    // The prepared statement for the text (prepared once, then kept), reset and ready to bind.
    Statement& Prepare(const std::string& sql);
    // Resets every prepared statement, so that none holds a snapshot past its transaction.
    void ResetStatements();
    // Bulk insertion into `table` (a name the server fixes) of the named columns.
    virtual std::unique_ptr<BulkInsert> Bulk(const std::string& table, const std::vector<std::string>& columns) = 0;
    // Where the database is, as given (a URL without its password).
    const std::string& Location() const { return location_; }

    using Deadline = std::optional<std::chrono::steady_clock::time_point>;
    // Statements started after the deadline, and those still running at it, fail with StoreTimeout;
    // transaction control is never stopped. None: no limit.
    void SetDeadline(Deadline deadline) { deadline_ = deadline; }
    const Deadline& GetDeadline() const { return deadline_; }
    // Bounds the statements of a transaction just begun by the time left (PostgreSQL stops a
    // statement on its side; SQLite checks the deadline while a statement runs).
    virtual void LimitTransaction() {}

protected:
    explicit Database(std::string location) : location_(std::move(location)) {}
    virtual std::unique_ptr<Statement> NewStatement(const std::string& sql) = 0;
    // Drops the prepared statements: before the connection closes, or when it was lost.
    void ForgetStatements() { statements_.clear(); }

private:
    std::string location_;
    std::map<std::string, std::unique_ptr<Statement>> statements_;
    Deadline deadline_;
};

// A PostgreSQL connection URL ("postgresql://…" or "postgres://…") rather than a SQLite file.
bool IsPostgresUrl(std::string_view location);
// Opens the database at `location`: a PostgreSQL URL, else a SQLite file (created when missing).
// Raises StoreError when it cannot.
std::unique_ptr<Database> OpenDatabase(const std::string& location);

// One transaction; rolled back unless committed. A change takes its write lock at the start
// (SQLite) or runs serializable (PostgreSQL); a conflict with another server raises StoreConflict.
class Transaction {
public:
    Transaction(Database& db, Access access);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    void RollBack() noexcept;

    Database& db_;
    bool open_ = true;
};

}  // namespace server
