// Multi-method requests: one response per nested method in order, each method in its own
// transaction, and the overall code from how many succeeded.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

std::string DeleteCustomer(const std::string& customer) {
    return LinkRequest("DeleteLinkWithoutConnection", "ITEM", kA100B, "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", customer}}, "RELATED_CUSTOMER");
}

std::string StripRequestTags(std::string text) {
    for (const std::string tag : {"<Request>", "</Request>"})
        for (size_t at; (at = text.find(tag)) != std::string::npos;) text.erase(at, tag.size());
    return text;
}

struct MultiCase {
    const char* name;
    std::string request;
    std::string overall;  // when "FAILED", the store is as before
    std::vector<std::string> codes;
    size_t customersLeft;
};

void PrintTo(const MultiCase& c, std::ostream* out) { *out << c.name; }

class MultiMethod : public ::testing::TestWithParam<MultiCase> {};

TEST_P(MultiMethod, AnswersEachMethodAndTheOverallCode) {
    SampleServer server;
    std::string before = server.Fingerprint();
    Answer answer = server.Send(GetParam().request);
    EXPECT_EQ(answer.code, GetParam().overall);
    ASSERT_EQ(answer.methods.size(), GetParam().codes.size());
    for (size_t i = 0; i < answer.methods.size(); ++i) {
        EXPECT_EQ(answer.methods[i].code, GetParam().codes[i]) << i;
        EXPECT_EQ(answer.methods[i].code == "FAILED", !answer.methods[i].messages.empty()) << i;
    }
    EXPECT_EQ(server.Rows(QueryLinks("ITEM", kA100B, {"CUSTOMER.CUSTOMER_ID"}, "RELATED_CUSTOMER")).size(), GetParam().customersLeft);
    if (GetParam().overall == "FAILED") {
        EXPECT_EQ(server.Fingerprint(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MultiMethod,
    ::testing::Values(
        MultiCase{"all succeed", Multi({DeleteCustomer("C-100"), DeleteCustomer("C-200")}), "OK", {"OK", "OK"}, 0},
        MultiCase{"some fail, the others take effect",
                  Multi({DeleteCustomer("C-100"), DeleteCustomer("C-999"), DeleteCustomer("C-100")}), "WARNING",
                  {"OK", "FAILED", "FAILED"}, 1},
        MultiCase{"none succeed", Multi({DeleteCustomer("C-999"), Request("NoSuchMethod", "")}), "FAILED", {"FAILED", "FAILED"}, 2},
        // PRJ-1 removed from A100 and its parts, then refused on P140's owner project PRJ-2.
        MultiCase{"a failed method's own changes are taken back", Multi({UnAuthorize({"PRJ-1", "PRJ-2"})}, "GeneralRequest"),
                  "FAILED", {"FAILED"}, 2},
        MultiCase{"request tags stripped from the body", Multi({StripRequestTags(DeleteCustomer("C-100") + DeleteCustomer("C-200"))}),
                  "OK", {"OK", "OK"}, 0},
        MultiCase{"a nested multi-method request is refused", Multi({Multi({DeleteCustomer("C-100")})}), "FAILED", {"FAILED"}, 2}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(MultiMethodRequest, QueriesAnswerTheirRowsInOrder) {
    SampleServer server;
    Answer answer = server.Send(Multi({DeleteCustomer("C-100"), QueryType("CUSTOMER", {"CUSTOMER.NAME"})}));
    ASSERT_EQ(answer.code, "OK");
    EXPECT_EQ(answer.methods.at(0).name, "DeleteLinkWithoutConnection");
    EXPECT_EQ(answer.methods.at(1).rows.size(), 2u);
}

}  // namespace
