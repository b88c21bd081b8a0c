#include "PostgresDatabase.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace server {

namespace {

// The SQL text with its "?" placeholders numbered as PostgreSQL wants them ($1, $2, …), outside
// quotes; `count` is how many there are.
std::string Numbered(const std::string& sql, int& count) {
    std::string out;
    char quote = 0;
    for (char c : sql) {
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            out += "$" + std::to_string(++count);
            continue;
        }
        out += c;
    }
    return out;
}

// A value in COPY's text format.
void AppendCopyValue(std::string& out, const SqlValue& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        out += "\\N";
    } else if (const auto* integer = std::get_if<int64_t>(&value)) {
        out += std::to_string(*integer);
    } else if (const auto* real = std::get_if<double>(&value)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", *real);
        out += buffer;
    } else {
        for (char c : std::get<std::string>(value)) {
            switch (c) {
                case '\\': out += "\\\\"; break;
                case '\t': out += "\\t"; break;
                case '\n': out += "\\n"; break;
                case '\r': out += "\\r"; break;
                default: out += c;
            }
        }
    }
}

// Rows sent with COPY … FROM STDIN, a megabyte at a time.
class PostgresBulkInsert : public BulkInsert {
public:
    PostgresBulkInsert(PostgresDatabase& db, const std::string& table, const std::vector<std::string>& columns)
        : db_(db) {
        db_.SendHeldBegin();  // COPY is not pipelined
        std::string names;
        for (const std::string& column : columns) names += (names.empty() ? "" : ", ") + column;
        what_ = "cannot copy rows into " + table;
        PGresult* result = PQexec(db_.Connection(), ("COPY " + table + "(" + names + ") FROM STDIN").c_str());
        if (PQresultStatus(result) != PGRES_COPY_IN) db_.Check(result, what_);
        PQclear(result);
        copying_ = true;
    }
    ~PostgresBulkInsert() override {
        if (copying_) End("abandoned");
    }
    void Add(const std::vector<SqlValue>& row) override {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) buffer_ += '\t';
            AppendCopyValue(buffer_, row[i]);
        }
        buffer_ += '\n';
        if (buffer_.size() > (1 << 20)) Send();
    }
    void Finish() override {
        Send();
        copying_ = false;
        End(nullptr);
    }

private:
    void Send() {
        if (!buffer_.empty() && PQputCopyData(db_.Connection(), buffer_.data(), static_cast<int>(buffer_.size())) != 1)
            throw StoreError("The store " + what_ + ": " + PQerrorMessage(db_.Connection()));
        buffer_.clear();
    }
    void End(const char* failure) {
        PQputCopyEnd(db_.Connection(), failure);
        PGresult* result = PQgetResult(db_.Connection());
        if (!failure) PQclear(db_.Check(result, what_));
        else PQclear(result);
        while ((result = PQgetResult(db_.Connection()))) PQclear(result);
    }

    PostgresDatabase& db_;
    std::string what_, buffer_;
    bool copying_ = false;
};

void Quiet(void*, const char*) {}  // "relation already exists, skipping" and other notices

}  // namespace

std::string WithoutPassword(const std::string& url) {
    size_t start = url.find("://"), at = url.find('@');
    if (start == std::string::npos || at == std::string::npos) return url;
    size_t colon = url.find(':', start + 3);
    return colon < at ? url.substr(0, colon) + url.substr(at) : url;
}

PostgresDatabase::PostgresDatabase(const std::string& url) : Database(WithoutPassword(url)) {
    const char* keywords[] = {"dbname", "client_encoding", "fallback_application_name", nullptr};
    const char* values[] = {url.c_str(), "UTF8", "simplelinks", nullptr};
    conn_ = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        std::string why = conn_ ? PQerrorMessage(conn_) : "out of memory";
        PQfinish(conn_);
        while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
        throw StoreError("The store cannot connect to " + Location() + ": " + why);
    }
    PQsetNoticeProcessor(conn_, Quiet, nullptr);
    std::string encoding = PQparameterStatus(conn_, "server_encoding") ? PQparameterStatus(conn_, "server_encoding") : "";
    if (encoding != "UTF8") {
        PQfinish(conn_);
        throw StoreError("The database at " + Location() + " is in the encoding " + encoding + "; the store needs UTF8");
    }
}

PostgresDatabase::~PostgresDatabase() {
    ForgetStatements();
    PQfinish(conn_);
}

PGresult* PostgresDatabase::Check(PGresult* result, const std::string& what) const {
    ExecStatusType status = PQresultStatus(result);
    if (result && (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_EMPTY_QUERY)) return result;
    std::string state = result && PQresultErrorField(result, PG_DIAG_SQLSTATE) ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : "";
    std::string why = result ? PQresultErrorMessage(result) : PQerrorMessage(conn_);
    PQclear(result);
    while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
    std::string message = "The store " + what + ": " + why;
    // A serialization failure or a deadlock: another server's transaction changed the same rows.
    if (state == "40001" || state == "40P01") throw StoreConflict(message);
    // Stopped by the statement time-out: the request's time was up.
    if (state == "57014") throw StoreTimeout(message);
    throw StoreError(message);
}

void PostgresDatabase::OpenAgainIfLost() {
    if (PQstatus(conn_) != CONNECTION_BAD) return;
    ForgetStatements();  // prepared on the connection that was lost
    PQreset(conn_);
    if (PQstatus(conn_) != CONNECTION_OK)
        throw StoreError("The store lost its connection to " + Location() + " and cannot open it again: " +
                         PQerrorMessage(conn_));
}

void PostgresDatabase::Begin(Access access) {
    OpenAgainIfLost();
    heldBegin_ = Sql().Begin(access);
}

void PostgresDatabase::SendHeldBegin() {
    if (const char* begin = std::exchange(heldBegin_, nullptr))
        PQclear(Check(PQexec(conn_, begin), "cannot begin a transaction"));
}

void PostgresDatabase::Exec(const std::string& sql) {
    const char* begin = std::exchange(heldBegin_, nullptr);
    if (begin && (sql == "COMMIT" || sql == "ROLLBACK")) return;  // the transaction sent nothing: nothing to end
    if (!begin) OpenAgainIfLost();
    // Several statements in one text run in order, and stop at the first that fails.
    const std::string text = begin ? std::string(begin) + "; " + sql : sql;
    PQclear(Check(PQexec(conn_, text.c_str()), "cannot run \"" + sql + "\""));
}

PGresult* PostgresDatabase::ExecPrepared(const std::string& name, const std::vector<const char*>& values,
                                         const std::string& what) {
    if (const char* begin = std::exchange(heldBegin_, nullptr)) return ExecAfterBegin(begin, name, values, what);
    return Check(PQexecPrepared(conn_, name.c_str(), static_cast<int>(values.size()), values.data(), nullptr, nullptr, 0),
                 what);
}

PGresult* PostgresDatabase::ExecAfterBegin(const char* begin, const std::string& name,
                                           const std::vector<const char*>& values, const std::string& what) {
    if (PQenterPipelineMode(conn_) != 1) {  // not idle: one after the other, as without a pipeline
        heldBegin_ = begin;
        SendHeldBegin();
        return ExecPrepared(name, values, what);
    }
    PQsendQueryParams(conn_, begin, 0, nullptr, nullptr, nullptr, nullptr, 0);
    PQsendQueryPrepared(conn_, name.c_str(), static_cast<int>(values.size()), values.data(), nullptr, nullptr, 0);
    PQpipelineSync(conn_);
    // Each command's results end with a null; the pipeline ends with its sync. Two nulls in a row: the
    // connection failed, and the results read so far say how.
    std::vector<PGresult*> results;
    for (int nulls = 0; nulls < 2;) {
        PGresult* result = PQgetResult(conn_);
        nulls = result ? 0 : nulls + 1;
        if (!result) continue;
        if (PQresultStatus(result) == PGRES_PIPELINE_SYNC) {
            PQclear(result);
            break;
        }
        results.push_back(result);
    }
    PQexitPipelineMode(conn_);
    PGresult* began = results.size() > 0 ? results[0] : nullptr;
    PGresult* ran = results.size() > 1 ? results[1] : nullptr;
    for (size_t i = 2; i < results.size(); ++i) PQclear(results[i]);
    try {
        PQclear(Check(began, "cannot begin a transaction"));
    } catch (...) {
        PQclear(ran);
        throw;
    }
    return Check(ran, what);
}

void PostgresDatabase::LimitTransaction() {
    const Deadline& deadline = GetDeadline();
    if (!deadline) return;
    using std::chrono::milliseconds;
    long long left = std::max<long long>(1, std::chrono::duration_cast<milliseconds>(*deadline - std::chrono::steady_clock::now()).count());
    // For this transaction only: the next one has no limit unless it sets one.
    Prepare("SELECT set_config('statement_timeout', ?, true)").Bind(1, std::to_string(left)).Step();
}

std::unique_ptr<Statement> PostgresDatabase::NewStatement(const std::string& sql) {
    int parameters = 0;
    std::string numbered = Numbered(sql, parameters);
    return std::make_unique<PostgresStatement>(*this, "s" + std::to_string(++prepared_), numbered, parameters);
}

std::unique_ptr<BulkInsert> PostgresDatabase::Bulk(const std::string& table, const std::vector<std::string>& columns) {
    return std::make_unique<PostgresBulkInsert>(*this, table, columns);
}

}  // namespace server
