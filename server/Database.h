#pragma once
// An open SQLite database in write-ahead-logging mode with foreign keys on, and a cache of its
// prepared statements keyed by their SQL text. Not thread-safe: one owner at a time.
#include <map>
#include <memory>
#include <string>

#include "Statement.h"

namespace server {

class Database {
public:
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs fixed SQL text (schema, pragmas, transaction control); never text holding a value.
    void Exec(const char* sql);
    // The prepared statement for the text, reset and ready to bind.
    Statement& Prepare(const std::string& sql);
    int64_t LastInsertId() const;
    int Changes() const;
    const std::string& Path() const { return path_; }

private:
    sqlite3* db_ = nullptr;
    std::string path_;
    std::map<std::string, std::unique_ptr<Statement>> statements_;
};

}  // namespace server
