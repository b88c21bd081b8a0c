// Multi-method requests: one response per nested method in order, each method in its own
// transaction, and the overall code from how many succeeded.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

std::string DeleteCustomer(const std::string& customer) {
    return Request("DeleteLinkWithoutConnection",
                   "<OBJECTS>" + Obj("PARENT_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}}) +
                       Obj("CHILD_OBJECT", "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", customer}}) + Link("RELATED_CUSTOMER") +
                       "</OBJECTS>");
}

std::string StripRequestTags(std::string text) {
    for (const std::string tag : {"<Request>", "</Request>"})
        for (size_t at; (at = text.find(tag)) != std::string::npos;) text.erase(at, tag.size());
    return text;
}

size_t CustomerCount(SampleServer& server) {
    return server.Rows(Request("ZerakQueryLinks", "<OBJECTS>" + Fields({"CUSTOMER.CUSTOMER_ID"}) +
                                                      Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}}) +
                                                      Link("RELATED_CUSTOMER") + "</OBJECTS>"))
        .size();
}

struct MultiCase {
    const char* name;
    std::vector<std::string> methods;
    std::string overall;
    std::vector<std::string> codes;
    size_t customersLeft;
};

void PrintTo(const MultiCase& c, std::ostream* out) { *out << c.name; }

class MultiMethod : public ::testing::TestWithParam<MultiCase> {};

TEST_P(MultiMethod, AnswersEachMethodAndTheOverallCode) {
    SampleServer server;
    Answer answer = server.Send(Multi(GetParam().methods));
    EXPECT_EQ(answer.code, GetParam().overall);
    ASSERT_EQ(answer.methods.size(), GetParam().codes.size());
    for (size_t i = 0; i < answer.methods.size(); ++i) {
        EXPECT_EQ(answer.methods[i].code, GetParam().codes[i]) << i;
        if (answer.methods[i].code == "FAILED") {
            EXPECT_FALSE(answer.methods[i].messages.empty());
        }
    }
    EXPECT_EQ(CustomerCount(server), GetParam().customersLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MultiMethod,
    ::testing::Values(
        MultiCase{"all succeed", {DeleteCustomer("C-100"), DeleteCustomer("C-200")}, "OK", {"OK", "OK"}, 0},
        MultiCase{"some fail, the others take effect",
                  {DeleteCustomer("C-100"), DeleteCustomer("C-999"), DeleteCustomer("C-100")}, "WARNING",
                  {"OK", "FAILED", "FAILED"}, 1},
        MultiCase{"none succeed", {DeleteCustomer("C-999"), Request("NoSuchMethod", "")}, "FAILED", {"FAILED", "FAILED"}, 2},
        MultiCase{"request tags stripped from the body", {StripRequestTags(DeleteCustomer("C-100") + DeleteCustomer("C-200"))},
                  "OK", {"OK", "OK"}, 0},
        MultiCase{"a nested multi-method request is refused", {Multi({DeleteCustomer("C-100")})}, "FAILED", {"FAILED"}, 2}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(MultiMethodRequest, FailedMethodChangesNothingOfItsOwn) {
    SampleServer server;
    // The second unauthorization removes PRJ-1 from A100, then is refused on P140's owner project:
    // its first change is rolled back with it.
    std::string objects = "<OBJECTS><IN_OBJECT ID='ITEM'><ITEM.ITEM_KEY>P140</ITEM.ITEM_KEY></IN_OBJECT>"
                          "<Object0 ID='PROJECT' TYPE='PARAM_ARRAY'><id>PRJ-2</id></Object0></OBJECTS>";
    std::string before = server.Fingerprint();
    Answer answer = server.Send(Multi({Request("UnAuthorizeToProject", objects, "<PARAMS><Recursive>No</Recursive></PARAMS>")},
                                      "GeneralRequest"));
    EXPECT_EQ(answer.code, "FAILED");
    EXPECT_EQ(server.Fingerprint(), before);
}

TEST(MultiMethodRequest, QueriesAnswerTheirRowsInOrder) {
    SampleServer server;
    std::string query = Request("ZerakQuery", "<OBJECTS>" + Fields({"CUSTOMER.NAME"}) +
                                                  "<QUERIEID_OBJECTS_LINKS><Object>CUSTOMER</Object></QUERIEID_OBJECTS_LINKS></OBJECTS>");
    Answer answer = server.Send(Multi({DeleteCustomer("C-100"), query}));
    ASSERT_EQ(answer.code, "OK");
    EXPECT_EQ(answer.methods.at(0).name, "DeleteLinkWithoutConnection");
    EXPECT_EQ(answer.methods.at(1).rows.size(), 2u);
}

}  // namespace
