// Bad input: every kind gets an answer with "ERROR" and a clear message, and changes nothing.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"
#include "PlmServer.h"

using namespace plmtest;

namespace {

struct BadCase {
    const char* name;
    std::string request;
    std::string code;
    std::string messagePart;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.name; }

std::string Update(const std::string& field, const std::string& value) {
    return Request("UpdateCollectionObjectsWC", "<OBJECTS>" +
        Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}, {field, value}}) + "</OBJECTS>");
}

std::string PartList(const std::string& params) {
    return Request("ZerakPartList", "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}}) +
                                        "</OBJECTS>", params);
}

std::vector<BadCase> Cases() {
    return {
        {"not XML", "<Request><Method>", "E-000100-BAD_REQUEST", "not well-formed"},
        {"empty text", "", "E-000100-BAD_REQUEST", "not well-formed"},
        {"another root", "<Answer/>", "E-000100-BAD_REQUEST", "<Answer>"},
        {"no method", "<Request/>", "E-000100-BAD_REQUEST", "no <Method>"},
        {"unknown method", Request("ZerakDoEverything", ""), "E-000102-UNKNOWN_METHOD", "ZerakDoEverything"},
        {"missing object", Request("ZerakQueryLinks", "<OBJECTS></OBJECTS>"), "E-000103-MISSING_VALUE", "<IN_OBJECT>"},
        {"missing key", Request("ZerakPartList", "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {{"ITEM.REVISION", "B"}}) + "</OBJECTS>"),
         "E-000103-MISSING_VALUE", "ITEM.ITEM_KEY"},
        {"unknown type", Request("ZerakPartList", "<OBJECTS>" + Obj("IN_OBJECT", "SPACESHIP", {{"X.Y", "1"}}) + "</OBJECTS>"),
         "E-000105-UNKNOWN_NAME", "SPACESHIP"},
        {"no such object", Request("ZerakPartList", "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A999"}}) + "</OBJECTS>"),
         "E-000106-NOT_FOUND", "There is no ITEM A999"},
        {"number field given text", Update("ITEM.WEIGHT", "heavy"), "E-000104-BAD_VALUE", "ITEM.WEIGHT"},
        {"date field given text", Update("ITEM.CREATION_DATE", "02/30/2024"), "E-000104-BAD_VALUE", "not a date"},
        {"unknown attribute", Update("ITEM.COLOUR", "red"), "E-000105-UNKNOWN_NAME", "COLOUR"},
        {"bad effectivity date", PartList("<PARAMS><Date>yesterday</Date></PARAMS>"), "E-000104-BAD_VALUE", "yesterday"},
        {"bad revision option", PartList("<PARAMS><REVISION_OPTION>LATEST</REVISION_OPTION></PARAMS>"), "E-000104-BAD_VALUE", "LATEST"},
        {"bad mode", PartList("<PARAMS><Mode>DRAFT</Mode></PARAMS>"), "E-000104-BAD_VALUE", "DRAFT"},
        {"oversized", "<Request>" + std::string(server::PlmServer::kMaxRequestBytes, ' ') + "</Request>",
         "E-000101-REQUEST_TOO_LARGE", "at most"},
        {"empty multi-method body", Multi({}), "E-000100-BAD_REQUEST", "no method"},
        {"multi-method body of text", Request("MultiMethodsRequest", "", "<PARAMS><RequestBody>&lt;Request&gt;</RequestBody></PARAMS>"),
         "E-000100-BAD_REQUEST", "request body"},
    };
}

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, IsAnsweredWithErrorAndChangesNothing) {
    SampleServer server;
    std::string before = server.Fingerprint();
    Answer answer = server.Send(GetParam().request);
    EXPECT_EQ(answer.code, "ERROR");
    ASSERT_FALSE(answer.messages.empty());
    if (!GetParam().code.empty()) {
        EXPECT_EQ(answer.messageCodes[0], GetParam().code);
    }
    EXPECT_NE(answer.messages[0].find(GetParam().messagePart), std::string::npos) << answer.messages[0];
    EXPECT_EQ(server.Fingerprint(), before);
}

INSTANTIATE_TEST_SUITE_P(Table, BadInput, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(BadInputValues, QuotesAndMarkupInKeysFindNothingAndBreakNothing) {
    SampleServer server;
    Answer answer = server.Send(Request("ZerakPartList", "<OBJECTS>" +
        Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100' OR '1'='1"}, {"ITEM.REVISION", "B\"; DROP TABLE objects; --"}}) +
        "</OBJECTS>"));
    EXPECT_EQ(answer.code, "ERROR");
    EXPECT_EQ(answer.messageCodes.at(0), "E-000106-NOT_FOUND");
    EXPECT_EQ(server.Send(PartList("")).code, "OK");
}

}  // namespace
