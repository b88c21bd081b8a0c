// Bad input and refused changes: every kind gets an answer with "ERROR" and a clear message, and
// changes nothing.
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

std::string Update(const std::string& revision, const std::string& field, const std::string& value) {
    return ByKeys("UpdateCollectionObjectsWC", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", revision}, {field, value}});
}

std::string PartList(const std::string& params) { return ByKeys("ZerakPartList", "ITEM", kA100B, {}, params); }

std::vector<BadCase> Cases() {
    const KeyList p110 = {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}};
    const KeyList p140 = {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}};
    return {
        {"not XML", "<Request><Method>", "E-000100-BAD_REQUEST", "not well-formed"},
        {"empty text", "", "E-000100-BAD_REQUEST", "not well-formed"},
        {"another root", "<Answer/>", "E-000100-BAD_REQUEST", "<Answer>"},
        {"no method", "<Request/>", "E-000100-BAD_REQUEST", "no <Method>"},
        {"unknown method", Request("ZerakDoEverything", ""), "E-000102-UNKNOWN_METHOD", "ZerakDoEverything"},
        {"missing object", Request("ZerakQueryLinks", "<OBJECTS></OBJECTS>"), "E-000103-MISSING_VALUE", "<IN_OBJECT>"},
        {"missing key", ByKeys("ZerakPartList", "ITEM", {{"ITEM.REVISION", "B"}}), "E-000103-MISSING_VALUE", "ITEM.ITEM_KEY"},
        {"unknown type", ByKeys("ZerakPartList", "SPACESHIP", {{"X.Y", "1"}}), "E-000105-UNKNOWN_NAME", "SPACESHIP"},
        {"no such object", ByKeys("ZerakPartList", "ITEM", {{"ITEM.ITEM_KEY", "A999"}}), "E-000106-NOT_FOUND", "There is no ITEM A999"},
        {"quotes and markup in keys", ByKeys("ZerakPartList", "ITEM", {{"ITEM.ITEM_KEY", "A100' OR '1'='1"},
                                                                      {"ITEM.REVISION", "B\"; DROP TABLE objects; --"}}),
         "E-000106-NOT_FOUND", "There is no ITEM"},
        {"number field given text", Update("C", "ITEM.WEIGHT", "heavy"), "E-000104-BAD_VALUE", "ITEM.WEIGHT"},
        {"date field given text", Update("C", "ITEM.CREATION_DATE", "02/30/2024"), "E-000104-BAD_VALUE", "not a date"},
        {"unknown attribute", Update("C", "ITEM.COLOUR", "red"), "E-000105-UNKNOWN_NAME", "COLOUR"},
        {"bad effectivity date", PartList("<PARAMS><Date>yesterday</Date></PARAMS>"), "E-000104-BAD_VALUE", "yesterday"},
        {"bad revision option", PartList("<PARAMS><REVISION_OPTION>LATEST</REVISION_OPTION></PARAMS>"), "E-000104-BAD_VALUE", "LATEST"},
        {"bad mode", PartList("<PARAMS><Mode>DRAFT</Mode></PARAMS>"), "E-000104-BAD_VALUE", "DRAFT"},
        {"oversized", "<Request>" + std::string(server::PlmServer::kMaxRequestBytes, ' ') + "</Request>",
         "E-000101-REQUEST_TOO_LARGE", "at most"},
        {"empty multi-method body", Multi({}), "E-000100-BAD_REQUEST", "no method"},
        {"multi-method body of text", Request("MultiMethodsRequest", "", "<PARAMS><RequestBody>&lt;Request&gt;</RequestBody></PARAMS>"),
         "E-000100-BAD_REQUEST", "request body"},
        {"update of a released revision", Update("B", "ITEM.DESCRIPTION", "x"), "E-000107-REFUSED", "released and cannot be changed"},
        {"attach of an object locked on top by another order", OnOrder("EoAttachObjectAllSteps", p140, "false"), "W-009180-TOP-LOCK-OBJ",
         "W-009180-TOP-LOCK-OBJ: the ITEM P140/A is locked on top by engineering order EO-1002"},
        {"detach of an object locked on top", OnOrder("ZerakEoDetachObjectWithoutInObject", kA100B), "W-009180-TOP-LOCK-OBJ",
         "it cannot be detached"},
        {"response for an object not on the step", StepResponse("10", {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}}, "APPROVE"),
         "E-000106-NOT_FOUND", "not attached to step"},
        {"response by a user without the step's task", StepResponse("20", kA100B, "APPROVE"), "E-009190-NO-USER-TASK",
         "the user jsmith holds no task on step EO_USER_TASK EO-1001/R1/20"},
        {"detach from a step the object is not on", OnOrder("WfDetachObjectFromSteps", p110, "", "20"), "E-000106-NOT_FOUND",
         "attached to none of the chosen steps"},
        {"attach to a step the route lacks", OnOrder("WfAttachObjectToSteps", p110, "", "40"), "E-000106-NOT_FOUND", "has no step 40"},
        {"response neither approval nor rejection", StepResponse("10", kA100B, "MAYBE"), "E-000104-BAD_VALUE", "\"MAYBE\""},
        {"delete of a locked file",
         LinkRequest("UnlinkAndDeleteFile", "DOC", kD100B, "FILE", {{"FILE.FILE_ID", "F1004"}, {"FILE.REVISION", "1"}}, "REFERENCE_LINK"),
         "E-000108-FILE_LOCKED", "locked by jdoe"},
        {"unlock by another user", LockTree("UNLOCK", "F1004", "jsmith"), "E-000108-FILE_LOCKED", "only jdoe can unlock it"},
    };
}

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, IsAnsweredWithErrorAndChangesNothing) {
    SampleServer server;
    std::string before = server.Fingerprint();
    Answer answer = server.Send(GetParam().request);
    EXPECT_EQ(answer.code, "ERROR");
    ASSERT_FALSE(answer.messages.empty());
    EXPECT_EQ(answer.messageCodes[0], GetParam().code);
    EXPECT_NE(answer.messages[0].find(GetParam().messagePart), std::string::npos) << answer.messages[0];
    EXPECT_EQ(server.Fingerprint(), before);
}

TEST(Backends, RefuseAlike) {
    std::vector<std::string> requests;
    for (const BadCase& c : Cases()) requests.push_back(c.request);
    ExpectSameAnswersOnBothBackends({requests});
}

INSTANTIATE_TEST_SUITE_P(Table, BadInput, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
