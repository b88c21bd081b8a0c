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
using KeyList = std::vector<std::pair<std::string, std::string>>;

// The objects most tests look at.
inline const KeyList kA100B = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}};
inline const KeyList kD100B = {{"DOC.DOC_ID", "D100"}, {"DOC.REVISION", "B"}};

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

// Fragment builders, as the client writes them; no fields, no <SELECT_FIELDS>.
std::string Obj(const std::string& role, const std::string& type, const KeyList& keys);
std::string Fields(const std::vector<std::string>& fields);
std::string Link(const std::string& name, const std::string& attributes = {});
std::string Request(const std::string& method, const std::string& objects, const std::string& params = {},
                    const std::string& user = {});
// A change to the link between two objects.
std::string LinkRequest(const std::string& method, const std::string& parentType, const KeyList& parent, const std::string& childType,
                        const KeyList& child, const std::string& link, const std::string& linkAttributes = {},
                        const std::string& user = {});
// A method of the order EO-1001's route R1 on one item; an approver's response to the item on one step.
std::string OnOrder(const std::string& method, const KeyList& item, const std::string& lock = {});
std::string StepResponse(const std::string& step, const KeyList& item, const std::string& response);
// The keys of step `step` of the order EO-1001's route R1, as `type` (EO_ROUTE_STEP or EO_USER_TASK).
KeyList Step(const std::string& type, const std::string& step);
// A method on one object; the objects linked to one object; the objects of one type.
std::string ByKeys(const std::string& method, const std::string& type, const KeyList& keys,
                   const std::vector<std::string>& fields = {}, const std::string& params = {});
std::string QueryLinks(const std::string& type, const KeyList& keys, const std::vector<std::string>& fields,
                       const std::string& link, const std::string& params = {},
                       const std::string& method = "ZerakQueryLinks");
std::string QueryType(const std::string& type, const std::vector<std::string>& fields, const std::string& conditions = {});
// The first condition of a query: `field` of `object` (through `link`, given as its element) equals `value`.
std::string Condition(const std::string& object, const std::string& field, const std::string& value, const std::string& link = {});
// A multi-method request nesting the documents, escaped in PARAMS/RequestBody.
std::string Multi(const std::vector<std::string>& requests, const std::string& name = "MultiMethodsRequest");
std::string Escape(const std::string& text);

// The sample server of one test.
class SampleServer {
public:
    SampleServer();
    Answer Send(const std::string& request) { return ReadAnswer(plm_->Handle(request)); }
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
