#pragma once
// The reference server over a fresh copy of the sample data set, and the requests and answers of
// its tests: request texts built the way the client writes them, answers read into plain values.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PlmServer.h"

namespace plmtest {

using Row = std::map<std::string, std::string>;

struct MethodAnswer {
    std::string name, code;
    std::vector<std::string> messages, messageCodes, messageData;
    std::vector<Row> rows;
    std::map<std::string, std::string> columnTypes;  // field name -> dt:type
};

struct Answer {
    std::string code;
    std::vector<std::string> messages, messageCodes;
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

// Fragment builders, as the client writes them.
std::string Keys(const std::vector<std::pair<std::string, std::string>>& keys);
std::string Obj(const std::string& role, const std::string& type,
                const std::vector<std::pair<std::string, std::string>>& keys);
std::string Fields(const std::vector<std::string>& fields);
std::string Link(const std::string& name, const std::string& attributes = {});
std::string Request(const std::string& method, const std::string& objects, const std::string& params = {},
                    const std::string& user = {});
// A multi-method request nesting the documents, escaped in PARAMS/RequestBody.
std::string Multi(const std::vector<std::string>& requests, const std::string& name = "MultiMethodsRequest");
std::string Escape(const std::string& text);

// The sample server of one test.
class SampleServer {
public:
    SampleServer();
    Answer Send(const std::string& request) { return ReadAnswer(plm_->Handle(request)); }
    std::string Raw(const std::string& request) { return plm_->Handle(request); }
    server::PlmServer& Plm() { return *plm_; }
    // The rows of a one-method query that must succeed.
    std::vector<Row> Rows(const std::string& request);
    // A count of the store's links, objects and history rows, to see that nothing changed.
    std::string Fingerprint();

private:
    TempFolder folder_;
    std::unique_ptr<server::PlmServer> plm_;
};

// The values of one field over the rows.
std::vector<std::string> Column(const std::vector<Row>& rows, const std::string& field);

}  // namespace plmtest
