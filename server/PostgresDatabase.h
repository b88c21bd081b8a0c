#pragma once
// The PostgreSQL backend: one connection (libpq) to the database a URL names, statements prepared
// on it once and cached, bulk rows through COPY. Several server processes share the database;
// a transaction that meets another's changes fails with StoreConflict and runs again. A lost
// connection is opened again when the next transaction begins.
#include <memory>
#include <vector>

#include "Database.h"
#include "PostgresDialect.h"
#include "PostgresStatement.h"
#include "StoreError.h"

struct pg_conn;
struct pg_result;

namespace server {

class PostgresDatabase : public Database {
public:
    // Raises StoreError when the database cannot be reached or is not in UTF8.
    explicit PostgresDatabase(const std::string& url);
    ~PostgresDatabase() override;

    const Dialect& Sql() const override { return dialect_; }
    void Exec(const std::string& sql) override;
    // Holds the BEGIN back, to go with the transaction's first command in one exchange with the
    // server: a transaction that reads costs one round trip less. A lost connection is opened
    // again here.
    void Begin(Access access) override;
    std::unique_ptr<BulkInsert> Bulk(const std::string& table, const std::vector<std::string>& columns) override;
    void LimitTransaction() override;

    pg_conn* Connection() const { return conn_; }
    // Runs a prepared statement with its values, after the BEGIN held back if there is one.
    pg_result* ExecPrepared(const std::string& name, const std::vector<const char*>& values, const std::string& what);
    // Sends the BEGIN held back, on its own: before the connection is used otherwise (COPY).
    void SendHeldBegin();
    // The result when it succeeded; else it is freed and StoreError (StoreConflict for a
    // serialization failure or a deadlock) raised, saying what could not be done.
    pg_result* Check(pg_result* result, const std::string& what) const;

protected:
    std::unique_ptr<Statement> NewStatement(const std::string& sql) override;

private:
    void OpenAgainIfLost();
    // The BEGIN and the statement sent together (libpq's pipeline mode); the statement's result.
    pg_result* ExecAfterBegin(const char* begin, const std::string& name, const std::vector<const char*>& values,
                              const std::string& what);

    pg_conn* conn_ = nullptr;
    PostgresDialect dialect_;
    int prepared_ = 0;  // statements prepared on the connection, for their names
    const char* heldBegin_ = nullptr;  // the BEGIN of a transaction that has sent nothing yet
};

// The URL with its password, if any, left out: for messages.
std::string WithoutPassword(const std::string& url);

}  // namespace server
