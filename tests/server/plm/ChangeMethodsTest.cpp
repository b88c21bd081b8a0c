// The change methods on the sample data: what each changes and what it records. What they refuse
// is in the bad-input table.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

const KeyList kP110 = {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}};
const KeyList kP140 = {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}};
const KeyList kA300 = {{"ITEM.ITEM_KEY", "A300"}, {"ITEM.REVISION", "A"}};
const KeyList kEo = {{"EO.EO_ID", "EO-1001"}};

std::string LinkRequest(const std::string& method, const std::string& parentType, const KeyList& parent,
                        const std::string& childType, const KeyList& child, const std::string& link,
                        const std::string& linkAttributes = {}) {
    return Request(method, "<OBJECTS>" + Obj("PARENT_OBJECT", parentType, parent) + Obj("CHILD_OBJECT", childType, child) +
                               Link(link, linkAttributes) + "</OBJECTS>");
}

std::string OnOrder(const std::string& method, const std::string& lock = {}) {
    return Request(method, "<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>EO-1001</EO.EO_ID><EO.ROUTE_ID>R1</EO.ROUTE_ID></IN_OBJECT>" +
                               Obj("IN_OBJECT1", "ITEM", kA300) + "</OBJECTS>",
                   lock.empty() ? "" : "<PARAMS><LOCK>" + lock + "</LOCK></PARAMS>");
}

std::string LockTree(const std::string& action) {
    return "<Request><CONNECTION><USER>mbrown</USER><PROJECT></PROJECT></CONNECTION><Method><Name>LockTree</Name><_ACTION>" +
           action + "</_ACTION><OBJECT>DATASET</OBJECT><KEY>F1001</KEY><REVISION>1</REVISION>"
           "<DATE>06/03/2024</DATE><LEVELS>1</LEVELS></Method></Request>";
}

// The value of one field of a file, "<null>" without one, "<no file>" once the file is gone.
std::string FileField(SampleServer& server, const std::string& file, const std::string& field) {
    for (const Row& row : server.Rows(QueryType("FILE", {"FILE.FILE_ID", "FILE." + field})))
        if (row.at("FILE.FILE_ID") == file) return row.count("FILE." + field) ? row.at("FILE." + field) : "<null>";
    return "<no file>";
}

TEST(LinkChanges, DeleteLinkRemovesOneCustomerAndRecordsTheUser) {
    SampleServer server;
    std::string request = LinkRequest("DeleteLink", "ITEM", kA100B, "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}},
                                      "RELATED_CUSTOMER", "<CUSTOMER_CAT_NO>NW-5512</CUSTOMER_CAT_NO>");
    request.replace(request.find("<Method>"), 0, "<CONNECTION><USER>akhan</USER></CONNECTION>");
    EXPECT_EQ(server.Send(request).code, "OK");
    EXPECT_EQ(Column(server.Rows(QueryLinks("ITEM", kA100B, {"CUSTOMER.CUSTOMER_ID"}, "RELATED_CUSTOMER")), "CUSTOMER.CUSTOMER_ID"),
              std::vector<std::string>{"C-100"});
    std::vector<Row> history = server.Rows(
        ByKeys("QueryObjectVaultHistory", "ITEM", kA100B, {"ITEM_VAULT_HISTORY.CHECK_TYPE", "ITEM_VAULT_HISTORY.USER_NAME"}));
    EXPECT_EQ(history.back().at("ITEM_VAULT_HISTORY.CHECK_TYPE"), "UNLINK");
    EXPECT_EQ(history.back().at("ITEM_VAULT_HISTORY.USER_NAME"), "akhan");
}

// Seen from the part P140 in its where-used pane: the row A100/B is its parent.
TEST(LinkChanges, FindNumberChoosesOneOfTwoLinksBetweenTheSameItems) {
    SampleServer server;
    EXPECT_EQ(server.Send(LinkRequest("DeleteLinkWithoutConnection", "ITEM", kP140, "ITEM", kA100B, "PARENT_LINKS",
                                      "<PARENT_LINKS.FIND_NO>50</PARENT_LINKS.FIND_NO>")).code, "OK");
    EXPECT_EQ(Column(server.Rows(ByKeys("ZerakPartList", "ITEM", kA100B, {"CHILD_LINKS.FIND_NO"})), "CHILD_LINKS.FIND_NO"),
              (std::vector<std::string>{"10", "20", "30", "40"}));
}

TEST(LinkChanges, UnlinkAndDeleteFileDeletesTheFile) {
    SampleServer server;
    EXPECT_EQ(server.Send(LinkRequest("UnlinkAndDeleteFile", "DOC", kD100B, "FILE", {{"FILE.FILE_ID", "F1002"}, {"FILE.REVISION", "1"}},
                                      "REFERENCE_LINK")).code, "OK");
    EXPECT_EQ(FileField(server, "F1002", "FILE_NAME"), "<no file>");
}

TEST(LinkChanges, UnlinkFromTopTakesTheObjectsStructureAlong) {
    SampleServer server;
    const KeyList mod = {{"MODIFICATION.MODIFICATION_ID", "MOD-1"}};
    EXPECT_EQ(server.Send(Request("UnlinkObjectFromTop", "<OBJECTS>" + Obj("IN_OBJECT1", "MODIFICATION", mod) +
                                                             Obj("IN_OBJECT2", "ITEM", kA100B) + "</OBJECTS>")).code, "OK");
    EXPECT_EQ(Column(server.Rows(QueryLinks("MODIFICATION", mod, {"ITEM.ITEM_KEY"}, "AFFECTED_ITEM")), "ITEM.ITEM_KEY"),
              std::vector<std::string>{"A300"});
}

std::string UnAuthorize(const std::string& item, const std::vector<std::string>& projects) {
    std::string objects = "<OBJECTS><IN_OBJECT ID='ITEM'><ITEM.ITEM_KEY>" + item + "</ITEM.ITEM_KEY></IN_OBJECT>";
    for (size_t i = 0; i < projects.size(); ++i)
        objects += "<Object" + std::to_string(i) + " ID='PROJECT' TYPE='PARAM_ARRAY'><id>" + projects[i] + "</id></Object" +
                   std::to_string(i) + ">";
    return Request("UnAuthorizeToProject", objects + "</OBJECTS>", "<PARAMS><Recursive>Yes</Recursive></PARAMS>");
}

// Refused on P140's owner project PRJ-2, the request takes back the PRJ-1 it had already removed.
TEST(LinkChanges, UnAuthorizeRemovesRecursivelyAndRefusesTheOwnerProject) {
    SampleServer server;
    std::string before = server.Fingerprint();
    Answer refused = server.Send(UnAuthorize("A100", {"PRJ-1", "PRJ-2"}));
    ASSERT_EQ(refused.Only().code, "FAILED");
    EXPECT_EQ(refused.Only().messageCodes.at(0), "E-140003-ERR_UNAUTH_OWNER_PROJ");
    EXPECT_EQ(refused.Only().messageData.at(0), "<Data><Replace Arg1=\"PRJ-2\" Arg2=\"ITEM\" Arg3=\"P140\"/></Data>");
    EXPECT_EQ(server.Fingerprint(), before);

    EXPECT_EQ(server.Send(UnAuthorize("A100", {"PRJ-1"})).code, "OK");
    EXPECT_TRUE(server.Rows(QueryLinks("ITEM", kP110, {"PROJECT.PROJECT_ID"}, "RELATED_PROJECT")).empty());
}

TEST(EngineeringOrders, AttachToAllStepsLockAndDetach) {
    SampleServer server;
    ASSERT_EQ(server.Send(OnOrder("EoAttachObjectAllSteps", "true")).code, "OK");
    for (const char* step : {"10", "20"}) {
        std::vector<Row> rows = server.Rows(QueryLinks("EO_ROUTE_STEP", Step("EO_ROUTE_STEP", step), {"ITEM.ITEM_KEY"}, "STEP_ATTACHED"));
        EXPECT_EQ(Column(rows, "ITEM.ITEM_KEY").back(), "A300") << step;
    }
    EXPECT_EQ(server.Send(OnOrder("EoLockObjectWithoutConnection", "FALSE")).code, "OK");
    EXPECT_EQ(Column(server.Rows(QueryLinks("EO", kEo, {"ITEM.LOCK_TYPE"}, "EO_ATTACHED")), "ITEM.LOCK_TYPE").back(), "Unlocked");
    EXPECT_EQ(server.Send(OnOrder("ZerakEoDetachObjectWithoutInObject")).code, "OK");
    EXPECT_EQ(server.Rows(QueryLinks("EO", kEo, {"ITEM.ITEM_KEY"}, "EO_ATTACHED")).size(), 2u);
}

TEST(EngineeringOrders, ApprovalIsRecordedOnTheStepLink) {
    SampleServer server;
    EXPECT_EQ(server.Send(Request("StepObjectResponse", "<OBJECTS>" + Obj("IN_OBJECT", "EO_USER_TASK", Step("EO_USER_TASK", "10")) +
                                                            Obj("IN_OBJECT1", "ITEM", kA100B) + "</OBJECTS>",
                                  "<PARAMS><RESPONSE>REJECT</RESPONSE></PARAMS>", "jsmith")).code, "OK");
    std::vector<Row> rows =
        server.Rows(QueryLinks("EO_ROUTE_STEP", Step("EO_ROUTE_STEP", "10"), {"STEP_ATTACHED.APPROVAL"}, "STEP_ATTACHED"));
    EXPECT_EQ(rows.at(0).at("STEP_ATTACHED.APPROVAL"), "REJECTED");
}

TEST(ObjectChanges, UpdateSetsTypedAttributesFoundByKeysOrByMethodId) {
    SampleServer server;
    ASSERT_EQ(server.Send(ByKeys("UpdateCollectionObjectsWC", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"},
        {"ITEM.DESCRIPTION", "Quiet <pump> & \"more\" 'x'"}, {"ITEM.WEIGHT", "45.75"}, {"VOLTAGE", "230"}})).code, "OK");
    EXPECT_EQ(server.Send("<Request><Method><Name>UpdateCollectionObjectsWC</Name><METHOD_ID><![CDATA[ID=A100, REV=C]]></METHOD_ID>"
                          "<CATEGORY_METHOD><![CDATA[ELECTRICAL]]></CATEGORY_METHOD><OBJECTS><IN_OBJECT ID=\"ITEM\">"
                          "<ITEM.UOM>KG</ITEM.UOM></IN_OBJECT></OBJECTS></Method></Request>").code, "OK");
    std::vector<Row> rows = server.Rows(QueryType("ITEM", {"ITEM.DESCRIPTION", "ITEM.WEIGHT", "ITEM.UOM"},
        "<CONDITION0><Field>ITEM.ITEM_KEY</Field><Condition>EQU</Condition><Value>A100</Value></CONDITION0><CONDITION1><Relation>AND"
        "</Relation><Field>ITEM.WEIGHT</Field><Condition>GRT</Condition><Value>45</Value></CONDITION1>"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("ITEM.DESCRIPTION"), "Quiet <pump> & \"more\" 'x'");
    EXPECT_EQ(rows[0].at("ITEM.WEIGHT"), "45.75");
    EXPECT_EQ(rows[0].at("ITEM.UOM"), "KG");
}

TEST(ObjectChanges, LockTreeRecordsWhoAndWhen) {
    SampleServer server;
    ASSERT_EQ(server.Send(LockTree("LOCK")).code, "OK");
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_BY"), "mbrown");
    EXPECT_EQ(FileField(server, "F1001", "LOCK_FLAG"), "Y");
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_DATE").size(), 19u);
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_TIME").size(), 8u);
    ASSERT_EQ(server.Send(LockTree("UNLOCK")).code, "OK");
    EXPECT_EQ(FileField(server, "F1001", "LOCK_FLAG"), "N");
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_BY"), "<null>");
}

}  // namespace
