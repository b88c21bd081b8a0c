#pragma once
// The reference server over a fresh copy of the sample data set, and its answers read into plain
// values. The stores are SQLite files, or, when NOX_TEST_STORE is "postgresql", schemas of a
// PostgreSQL cluster the test program starts once (PostgresCluster); NOX_SKIP_POSTGRESQL=1 skips
// that run outside CI, where PostgreSQL that cannot start fails every test.
#include <filesystem>
#include <chrono>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "PlmRequests.h"
#include "PlmServer.h"
#include "SqlText.h"

namespace plmtest {

using Row = std::map<std::string, std::string>;

// A result code with its messages: their texts, codes and <Data> as written.
struct Reply {
    std::string code;
    std::vector<std::string> messages, messageCodes, messageData;
};

struct MethodAnswer : Reply {
    std::string name;
    std::vector<Row> rows;
    std::map<std::string, std::string> columnTypes;  // field name -> dt:type
};

struct Answer : Reply {
    std::vector<MethodAnswer> methods;
    const MethodAnswer& Only() const { return methods.at(0); }
};

// The rights file of the all-users profile, which the sample servers check.
inline const std::string kSampleRights = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/noxrights.xml";

// Reads an answer document; a document that is not one fails the test.
Answer ReadAnswer(const std::string& text);

// A temporary folder removed at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::shared_ptr<const objdefs::ObjectDefinitions> SampleDefinitions();
// Whether the stores of this run are PostgreSQL's.
bool OnPostgres();
// The location of a new, empty store: a file in `folder`, or a schema of the cluster.
std::string NewStore(const TempFolder& folder);
// A store at `location` filled with the sample data set.
void SeedSample(const std::string& location);
// The first column of the first row the store answers to the SQL, as text ("<no row>" without one).
std::string Scalar(server::Database& db, const std::string& sql);
std::string Scalar(server::Database& db, const server::SqlText& sql);

// The sample server of one test, on the run's backend or on SQLite.
class SampleServer {
public:
    explicit SampleServer(bool onPostgres = OnPostgres());
    Answer Send(const std::string& request) { return ReadAnswer(Handle(request)); }
    std::string Handle(const std::string& request) { return plm_->Handle(request); }
    // A request of an authenticated user, within a time limit when one is given.
    Answer SendAs(const server::Account& account, const std::string& request,
                  std::optional<std::chrono::milliseconds> timeLimit = {}) {
        return ReadAnswer(plm_->Serve(request, {&account, timeLimit}).answer);
    }
    server::PlmServer& Plm() { return *plm_; }
    // The rows of a one-method query that must succeed.
    std::vector<Row> Rows(const std::string& request);
    // A count of the store's links, objects and history rows, to see that nothing changed.
    std::string Fingerprint();

private:
    TempFolder folder_;
    std::unique_ptr<server::PlmServer> plm_;
};

// On the PostgreSQL run: sends each series of requests to a PostgreSQL and a SQLite sample
// server, and expects the very same answer text from both, request by request. Skips otherwise.
void ExpectSameAnswersOnBothBackends(const std::vector<std::vector<std::string>>& series);

// The values of one field over the rows, joined with ",", "<null>" where a row has none.
std::string Column(const std::vector<Row>& rows, const std::string& field);

}  // namespace plmtest
