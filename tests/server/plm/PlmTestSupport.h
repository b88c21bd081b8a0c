#pragma once
// The reference server over a fresh copy of the sample data set, and its answers read into plain
// values.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PlmRequests.h"
#include "PlmServer.h"

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
// A store at `path` filled with the sample data set.
void SeedSample(const std::string& path);

// The sample server of one test.
class SampleServer {
public:
    SampleServer();
    Answer Send(const std::string& request) { return ReadAnswer(Handle(request)); }
    std::string Handle(const std::string& request) { return plm_->Handle(request); }
    // The rows of a one-method query that must succeed.
    std::vector<Row> Rows(const std::string& request);
    // A count of the store's links, objects and history rows, to see that nothing changed.
    std::string Fingerprint();

private:
    TempFolder folder_;
    std::unique_ptr<server::PlmServer> plm_;
};

// The values of one field over the rows, joined with ",", "<null>" where a row has none.
std::string Column(const std::vector<Row>& rows, const std::string& field);

}  // namespace plmtest
