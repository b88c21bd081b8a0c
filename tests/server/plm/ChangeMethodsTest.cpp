// The change methods on the sample data: what each changes and what it records. What they refuse
// is in the bad-input table.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

const KeyList kA300 = {{"ITEM.ITEM_KEY", "A300"}, {"ITEM.REVISION", "A"}};
const KeyList kA100C = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}};

std::string StepItems(const std::string& step, const std::string& field) {
    return QueryLinks("EO_ROUTE_STEP", Step("EO_ROUTE_STEP", step), {field}, "STEP_ATTACHED");
}

struct ChangeCase {
    const char* name;
    std::vector<std::string> changes;  // each answered "OK"
    std::string query, field, expected;  // the field's Column afterwards
};

void PrintTo(const ChangeCase& c, std::ostream* out) { *out << c.name; }

std::vector<ChangeCase> Cases() {
    const std::string deleteCustomer = LinkRequest("DeleteLink", "ITEM", kA100B, "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}},
                                                   "RELATED_CUSTOMER", "<CUSTOMER_CAT_NO>NW-5512</CUSTOMER_CAT_NO>", "akhan");
    const std::string createKeyword = LinkRequest("CreateLink", "ITEM", kA100B, "KEY_GLOSS",
                                                  {{"KEY_GLOSS.KEYWORD", "STAINLESS"}, {"KEY_GLOSS.KEYWORD_CLASS", "MATERIAL"}},
                                                  "RELATED_KEYWORD");
    const std::string updateCustomer = Request(
        "UpdateLink",
        "<OBJECTS>" + Obj("PARENT_OBJECT", "ITEM", kA100B) + Obj("CHILD_OBJECT", "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}}) +
            Link("RELATED_CUSTOMER", "<CUSTOMER_CAT_NO>NW-5512</CUSTOMER_CAT_NO>") + "</OBJECTS>",
        "<PARAMS><LINK_VALUES><RELATED_CUSTOMER.CONTROLLED_BY>Quality &lt;QA&gt;</RELATED_CUSTOMER.CONTROLLED_BY></LINK_VALUES></PARAMS>");
    const std::string history =
        ByKeys("QueryObjectVaultHistory", "ITEM", kA100B, {"ITEM_VAULT_HISTORY.CHECK_TYPE", "ITEM_VAULT_HISTORY.USER_NAME"});
    const std::string attach = OnOrder("EoAttachObjectAllSteps", kA300, "true");
    const std::string unlock = OnOrder("EoLockObjectWithoutConnection", kA300, "FALSE");
    const std::string attached = QueryLinks("EO", {{"EO.EO_ID", "EO-1001"}}, {"ITEM.ITEM_KEY", "ITEM.LOCK_TYPE"}, "EO_ATTACHED");
    const KeyList mod = {{"MODIFICATION.MODIFICATION_ID", "MOD-1"}};
    const std::string a100 = Condition("ITEM", "ITEM.ITEM_KEY", "A100");
    const std::string heavyA100 = QueryType("ITEM", {"ITEM.DESCRIPTION", "ITEM.WEIGHT", "ITEM.UOM"}, a100 +
        "<CONDITION1><Relation>AND</Relation><Field>ITEM.WEIGHT</Field><Condition>GRT</Condition><Value>45</Value></CONDITION1>");
    const std::string update = ByKeys("UpdateCollectionObjectsWC", "ITEM", {kA100C[0], kA100C[1],
        {"ITEM.DESCRIPTION", "Quiet <pump> & \"more\" 'x'"}, {"ITEM.WEIGHT", "45.75"}, {"VOLTAGE", "230"}});
    return {
        {"delete link removes the one customer", {deleteCustomer},
         QueryLinks("ITEM", kA100B, {"CUSTOMER.CUSTOMER_ID"}, "RELATED_CUSTOMER"), "CUSTOMER.CUSTOMER_ID", "C-100"},
        {"delete link is recorded", {deleteCustomer}, history, "ITEM_VAULT_HISTORY.CHECK_TYPE", "CHECK_IN,REVISE,CHECK_OUT,UNLINK"},
        {"delete link records the user", {deleteCustomer}, history, "ITEM_VAULT_HISTORY.USER_NAME", "jsmith,jsmith,mbrown,akhan"},
        // Seen from the part P140 in its where-used pane: the row A100/B is its parent.
        {"find number chooses one of two links between the same items",
         {LinkRequest("DeleteLinkWithoutConnection", "ITEM", {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}}, "ITEM", kA100B,
                      "PARENT_LINKS", "<PARENT_LINKS.FIND_NO>50</PARENT_LINKS.FIND_NO>")},
         ByKeys("ZerakPartList", "ITEM", kA100B, {"CHILD_LINKS.FIND_NO"}), "CHILD_LINKS.FIND_NO", "10,20,30,40"},
        {"unlink and delete file", {LinkRequest("UnlinkAndDeleteFile", "DOC", kD100B, "FILE",
                                                {{"FILE.FILE_ID", "F1002"}, {"FILE.REVISION", "1"}}, "REFERENCE_LINK")},
         QueryType("FILE", {"FILE.FILE_ID"}), "FILE.FILE_ID", "F1001,F1003,F1004,F2001,F2002"},
        {"unlink from top takes the object's structure along",
         {Request("UnlinkObjectFromTop",
                  "<OBJECTS>" + Obj("IN_OBJECT1", "MODIFICATION", mod) + Obj("IN_OBJECT2", "ITEM", kA100B) + "</OBJECTS>")},
         QueryLinks("MODIFICATION", mod, {"ITEM.ITEM_KEY"}, "AFFECTED_ITEM"), "ITEM.ITEM_KEY", "A300"},
        {"unauthorize reaches the parts", {UnAuthorize({"PRJ-1"})},
         QueryLinks("ITEM", {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}}, {"PROJECT.PROJECT_ID"}, "RELATED_PROJECT"),
         "PROJECT.PROJECT_ID", ""},
        {"attach to all steps, the first", {attach}, StepItems("10", "ITEM.ITEM_KEY"), "ITEM.ITEM_KEY", "A100,P110,A300"},
        {"attach to all steps, the second", {attach}, StepItems("20", "ITEM.ITEM_KEY"), "ITEM.ITEM_KEY", "A100,A300"},
        {"unlock an attached object", {attach, unlock}, attached, "ITEM.LOCK_TYPE", "Locked,Unlocked,Unlocked"},
        {"detach of an unlocked object", {attach, unlock, OnOrder("ZerakEoDetachObjectWithoutInObject", kA300)}, attached,
         "ITEM.ITEM_KEY", "A100,P110"},
        {"approval is recorded on the step link", {StepResponse("10", kA100B, "REJECT")}, StepItems("10", "STEP_ATTACHED.APPROVAL"),
         "STEP_ATTACHED.APPROVAL", "REJECTED,APPROVED,NONE,NONE"},
        {"create link adds a keyword", {createKeyword},
         QueryLinks("ITEM", kA100B, {"KEY_GLOSS.KEYWORD"}, "RELATED_KEYWORD"), "KEY_GLOSS.KEYWORD", "PUMP,STAINLESS"},
        {"create link with a find number, seen as a parent", {LinkRequest("CreateLink", "ITEM", {{"ITEM.ITEM_KEY", "P130"}, {"ITEM.REVISION", "B"}},
                                                                          "ITEM", kA100B, "PARENT_LINKS", "<FIND_NO>60</FIND_NO>")},
         ByKeys("ZerakPartList", "ITEM", kA100B, {"CHILD_LINKS.FIND_NO"}), "CHILD_LINKS.FIND_NO", "10,20,30,40,50,60"},
        {"update link sets the data of the chosen link", {updateCustomer},
         QueryLinks("ITEM", kA100B, {"RELATED_CUSTOMER.CONTROLLED_BY"}, "RELATED_CUSTOMER"), "RELATED_CUSTOMER.CONTROLLED_BY",
         "Sales,Quality <QA>"},
        {"update link is recorded", {updateCustomer}, history, "ITEM_VAULT_HISTORY.CHECK_TYPE", "CHECK_IN,REVISE,CHECK_OUT,UPDATE_LINK"},
        {"update sets text", {update}, heavyA100, "ITEM.DESCRIPTION", "Quiet <pump> & \"more\" 'x'"},
        {"update sets numbers", {update}, heavyA100, "ITEM.WEIGHT", "45.75"},
        {"update finds the object by its method id",
         {"<Request><Method><Name>UpdateCollectionObjectsWC</Name><METHOD_ID><![CDATA[ID=A100, REV=C]]></METHOD_ID>"
          "<CATEGORY_METHOD><![CDATA[ELECTRICAL]]></CATEGORY_METHOD><OBJECTS><IN_OBJECT ID=\"ITEM\"><ITEM.UOM>KG</ITEM.UOM>"
          "</IN_OBJECT></OBJECTS></Method></Request>"},
         QueryType("ITEM", {"ITEM.UOM"}, a100), "ITEM.UOM", "EA,EA,KG"},
    };
}

class ChangeMethods : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeMethods, ChangeTheSampleRows) {
    SampleServer server;
    for (const std::string& change : GetParam().changes) ASSERT_EQ(server.Send(change).code, "OK");
    EXPECT_EQ(Column(server.Rows(GetParam().query), GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sample, ChangeMethods, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Backends, AnswerTheChangesAlike) {
    std::vector<std::vector<std::string>> series;
    for (const ChangeCase& c : Cases()) {
        series.push_back(c.changes);
        series.back().push_back(c.query);
    }
    ExpectSameAnswersOnBothBackends(series);
}

TEST(ChangeMethod, LockTreeRecordsWhoAndWhenAndUnlockClearsThem) {
    SampleServer server;
    const std::string f1001 = QueryType("FILE", {"FILE.LOCKED_BY", "FILE.LOCK_FLAG", "FILE.LOCKED_DATE", "FILE.LOCKED_TIME"},
                                        Condition("FILE", "FILE.FILE_ID", "F1001"));
    ASSERT_EQ(server.Send(LockTree("LOCK", "F1001", "mbrown")).code, "OK");
    Row locked = server.Rows(f1001).at(0);
    EXPECT_EQ(locked.at("FILE.LOCKED_BY"), "mbrown");
    EXPECT_EQ(locked.at("FILE.LOCK_FLAG"), "Y");
    EXPECT_EQ(locked.at("FILE.LOCKED_DATE").size(), 19u);
    EXPECT_EQ(locked.at("FILE.LOCKED_TIME").size(), 8u);
    ASSERT_EQ(server.Send(LockTree("UNLOCK", "F1001", "mbrown")).code, "OK");
    EXPECT_EQ(Column(server.Rows(f1001), "FILE.LOCK_FLAG"), "N");
    EXPECT_EQ(Column(server.Rows(f1001), "FILE.LOCKED_BY"), "<null>");
}

// Refused on P140's owner project PRJ-2, the request takes back the PRJ-1 it had already removed.
TEST(ChangeMethod, UnAuthorizeRefusesTheOwnerProjectAndChangesNothing) {
    SampleServer server;
    std::string before = server.Fingerprint();
    Answer refused = server.Send(UnAuthorize({"PRJ-1", "PRJ-2"}));
    ASSERT_EQ(refused.Only().code, "FAILED");
    EXPECT_EQ(refused.Only().messageCodes.at(0), "E-140003-ERR_UNAUTH_OWNER_PROJ");
    EXPECT_EQ(refused.Only().messageData.at(0), "<Data><Replace Arg1=\"PRJ-2\" Arg2=\"ITEM\" Arg3=\"P140\"/></Data>");
    EXPECT_EQ(server.Fingerprint(), before);
}

TEST(ChangeMethod, CreateLinkRefusesALinkThatIsThereAndUpdateLinkOneThatIsNot) {
    SampleServer server;
    const std::string again = LinkRequest("CreateLink", "ITEM", kA100B, "KEY_GLOSS",
                                          {{"KEY_GLOSS.KEYWORD", "PUMP"}, {"KEY_GLOSS.KEYWORD_CLASS", "FUNCTION"}}, "RELATED_KEYWORD");
    EXPECT_EQ(server.Send(again).Only().messageCodes.at(0), "E-000107-REFUSED");
    const std::string missing = Request(
        "UpdateLink",
        "<OBJECTS>" + Obj("PARENT_OBJECT", "ITEM", kA100B) + Obj("CHILD_OBJECT", "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}}) +
            Link("RELATED_CUSTOMER", "<CUSTOMER_CAT_NO>ACME-77</CUSTOMER_CAT_NO>") + "</OBJECTS>",
        "<PARAMS><LINK_VALUES><CONTROLLED_BY>Quality</CONTROLLED_BY></LINK_VALUES></PARAMS>");
    EXPECT_EQ(server.Send(missing).Only().messageCodes.at(0), "E-000106-NOT_FOUND");
    const std::string unknown = Request(
        "UpdateLink",
        "<OBJECTS>" + Obj("PARENT_OBJECT", "ITEM", kA100B) + Obj("CHILD_OBJECT", "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}}) +
            Link("RELATED_CUSTOMER") + "</OBJECTS>",
        "<PARAMS><LINK_VALUES><COLOUR>red</COLOUR></LINK_VALUES></PARAMS>");
    EXPECT_EQ(server.Send(unknown).Only().messageCodes.at(0), "E-000105-UNKNOWN_NAME");
}

}  // namespace
