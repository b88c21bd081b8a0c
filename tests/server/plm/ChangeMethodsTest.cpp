// The change methods on the sample data: what each changes, what it refuses, what it records.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

using KeyList = std::vector<std::pair<std::string, std::string>>;
const KeyList kA100B = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}};
const KeyList kP110 = {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}};
const KeyList kP140 = {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}};
const KeyList kD100B = {{"DOC.DOC_ID", "D100"}, {"DOC.REVISION", "B"}};

std::string LinkRequest(const std::string& method, const std::string& parentType, const KeyList& parent,
                        const std::string& childType, const KeyList& child, const std::string& link,
                        const std::string& linkAttributes = {}) {
    return Request(method, "<OBJECTS>" + Obj("PARENT_OBJECT", parentType, parent) + Obj("CHILD_OBJECT", childType, child) +
                               Link(link, linkAttributes) + "</OBJECTS>");
}

std::string Linked(const std::string& type, const KeyList& keys, const std::string& field, const std::string& link) {
    return Request("ZerakQueryLinks", "<OBJECTS>" + Fields({field}) + Obj("IN_OBJECT", type, keys) + Link(link) + "</OBJECTS>");
}

std::string EoObjects(const std::string& eo, const std::string& type, const KeyList& keys) {
    return "<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>" + eo + "</EO.EO_ID><EO.ROUTE_ID>R1</EO.ROUTE_ID></IN_OBJECT>" +
           Obj("IN_OBJECT1", type, keys) + "</OBJECTS>";
}

std::string LockParams(const std::string& value) { return "<PARAMS><LOCK>" + value + "</LOCK></PARAMS>"; }

std::string StepResponse(const std::string& step, const KeyList& object, const std::string& response) {
    return Request("StepObjectResponse",
                   "<OBJECTS><IN_OBJECT ID='EO_USER_TASK'><EO_USER_TASK.EO_ID>EO-1001</EO_USER_TASK.EO_ID>"
                   "<EO_USER_TASK.ROUTE_ID>R1</EO_USER_TASK.ROUTE_ID><EO_USER_TASK.STEP_ID>" + step +
                       "</EO_USER_TASK.STEP_ID></IN_OBJECT>" + Obj("IN_OBJECT1", "ITEM", object) + "</OBJECTS>",
                   "<PARAMS><RESPONSE>" + response + "</RESPONSE></PARAMS>", "jsmith");
}

std::string LockTree(const std::string& action, const std::string& file, const std::string& user) {
    return "<Request><CONNECTION><USER>" + user + "</USER><PROJECT></PROJECT></CONNECTION><Method><Name>LockTree</Name><_ACTION>" +
           action + "</_ACTION><OBJECT>DATASET</OBJECT><KEY>" + file + "</KEY><REVISION>1</REVISION>"
           "<DATE>06/03/2024</DATE><LEVELS>1</LEVELS></Method></Request>";
}

std::string FileField(SampleServer& server, const std::string& file, const std::string& field) {
    std::vector<Row> rows = server.Rows(Linked("DOC", kD100B, "FILE." + field, "DOC_FILE") + "");
    for (const Row& row : server.Rows(Request("ZerakQuery", "<OBJECTS>" + Fields({"FILE.FILE_ID", "FILE." + field}) +
                                                                "<QUERIEID_OBJECTS_LINKS><Object>FILE</Object></QUERIEID_OBJECTS_LINKS></OBJECTS>")))
        if (row.at("FILE.FILE_ID") == file) return row.count("FILE." + field) ? row.at("FILE." + field) : "<null>";
    return "<no file>";
}

TEST(LinkChanges, DeleteLinkRemovesOneCustomerAndRecordsTheUser) {
    SampleServer server;
    std::string request = LinkRequest("DeleteLink", "ITEM", kA100B, "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}},
                                      "RELATED_CUSTOMER", "<CUSTOMER_CAT_NO>NW-5512</CUSTOMER_CAT_NO>");
    request.replace(request.find("<Method>"), 0, "<CONNECTION><USER>akhan</USER></CONNECTION>");
    EXPECT_EQ(server.Send(request).code, "OK");
    EXPECT_EQ(Column(server.Rows(Linked("ITEM", kA100B, "CUSTOMER.CUSTOMER_ID", "RELATED_CUSTOMER")), "CUSTOMER.CUSTOMER_ID"),
              std::vector<std::string>{"C-100"});
    std::vector<Row> history = server.Rows(Request("QueryObjectVaultHistory", "<OBJECTS>" +
        Fields({"ITEM_VAULT_HISTORY.CHECK_TYPE", "ITEM_VAULT_HISTORY.USER_NAME"}) + Obj("IN_OBJECT", "ITEM", kA100B) + "</OBJECTS>"));
    EXPECT_EQ(history.back().at("ITEM_VAULT_HISTORY.CHECK_TYPE"), "UNLINK");
    EXPECT_EQ(history.back().at("ITEM_VAULT_HISTORY.USER_NAME"), "akhan");

    Answer again = server.Send(request);
    EXPECT_EQ(again.code, "ERROR");
    EXPECT_EQ(again.Only().code, "FAILED");
}

// Seen from the part P140 in its where-used pane: the row A100/B is its parent.
TEST(LinkChanges, FindNumberChoosesOneOfTwoLinksBetweenTheSameItems) {
    SampleServer server;
    EXPECT_EQ(server.Send(LinkRequest("DeleteLinkWithoutConnection", "ITEM", kP140, "ITEM", kA100B, "PARENT_LINKS",
                                      "<PARENT_LINKS.FIND_NO>50</PARENT_LINKS.FIND_NO>")).code, "OK");
    std::vector<Row> rows = server.Rows(Request("ZerakPartList", "<OBJECTS>" + Fields({"CHILD_LINKS.FIND_NO"}) +
                                                                   Obj("IN_OBJECT", "ITEM", kA100B) + "</OBJECTS>"));
    EXPECT_EQ(Column(rows, "CHILD_LINKS.FIND_NO"), (std::vector<std::string>{"10", "20", "30", "40"}));
}

TEST(LinkChanges, UnlinkAndDeleteFileDeletesAFreeFileAndRefusesALockedOne) {
    SampleServer server;
    std::string free = LinkRequest("UnlinkAndDeleteFile", "DOC", kD100B, "FILE", {{"FILE.FILE_ID", "F1002"}, {"FILE.REVISION", "1"}},
                                   "REFERENCE_LINK");
    EXPECT_EQ(server.Send(free).code, "OK");
    EXPECT_EQ(FileField(server, "F1002", "FILE_NAME"), "<no file>");

    Answer locked = server.Send(LinkRequest("UnlinkAndDeleteFile", "DOC", kD100B, "FILE",
                                            {{"FILE.FILE_ID", "F1004"}, {"FILE.REVISION", "1"}}, "REFERENCE_LINK"));
    EXPECT_EQ(locked.code, "ERROR");
    EXPECT_NE(locked.messages.at(0).find("locked by jdoe"), std::string::npos) << locked.messages.at(0);
    EXPECT_EQ(FileField(server, "F1004", "FILE_NAME"), "pump_assy_markup.xml");
}

TEST(LinkChanges, UnlinkFromTopTakesTheObjectsStructureAlong) {
    SampleServer server;
    std::string request = Request("UnlinkObjectFromTop", "<OBJECTS>" +
        Obj("IN_OBJECT1", "MODIFICATION", {{"MODIFICATION.MODIFICATION_ID", "MOD-1"}}) + Obj("IN_OBJECT2", "ITEM", kA100B) + "</OBJECTS>");
    EXPECT_EQ(server.Send(request).code, "OK");
    std::vector<Row> rows = server.Rows(Linked("MODIFICATION", {{"MODIFICATION.MODIFICATION_ID", "MOD-1"}}, "ITEM.ITEM_KEY", "AFFECTED_ITEM"));
    EXPECT_EQ(Column(rows, "ITEM.ITEM_KEY"), std::vector<std::string>{"A300"});
}

std::string UnAuthorize(const std::string& type, const std::string& key, const std::string& value,
                        const std::vector<std::string>& projects) {
    std::string objects = "<OBJECTS><IN_OBJECT ID='" + type + "'><" + key + ">" + value + "</" + key + "></IN_OBJECT>";
    for (size_t i = 0; i < projects.size(); ++i)
        objects += "<Object" + std::to_string(i) + " ID='PROJECT' TYPE='PARAM_ARRAY'><id>" + projects[i] + "</id></Object" +
                   std::to_string(i) + ">";
    return Request("UnAuthorizeToProject", objects + "</OBJECTS>", "<PARAMS><Recursive>Yes</Recursive></PARAMS>");
}

TEST(LinkChanges, UnAuthorizeRemovesRecursivelyAndRefusesTheOwnerProject) {
    SampleServer server;
    EXPECT_EQ(server.Send(UnAuthorize("ITEM", "ITEM.ITEM_KEY", "A100", {"PRJ-1"})).code, "OK");
    EXPECT_TRUE(server.Rows(Linked("ITEM", kP110, "PROJECT.PROJECT_ID", "RELATED_PROJECT")).empty());

    Answer refused = server.Send(UnAuthorize("ITEM", "ITEM.ITEM_KEY", "P140", {"PRJ-2"}));
    ASSERT_EQ(refused.Only().code, "FAILED");
    EXPECT_EQ(refused.Only().messageCodes.at(0), "E-140003-ERR_UNAUTH_OWNER_PROJ");
    EXPECT_EQ(refused.Only().messageData.at(0), "<Data><Replace Arg1=\"PRJ-2\" Arg2=\"ITEM\" Arg3=\"P140\"/></Data>");
    EXPECT_EQ(server.Rows(Linked("ITEM", kP140, "PROJECT.PROJECT_ID", "RELATED_PROJECT")).size(), 1u);
}

TEST(EngineeringOrders, ObjectsLockedOnTopAreNeitherAttachedNorDetached) {
    SampleServer server;
    Answer attach = server.Send(Request("EoAttachObjectAllSteps", EoObjects("EO-1001", "ITEM", kP140), LockParams("false")));
    EXPECT_EQ(attach.code, "ERROR");
    EXPECT_EQ(attach.Only().messageCodes.at(0), "W-009180-TOP-LOCK-OBJ");
    EXPECT_NE(attach.messages.at(0).find("W-009180-TOP-LOCK-OBJ"), std::string::npos) << "the code is in the text the client shows";

    Answer detach = server.Send(Request("ZerakEoDetachObjectWithoutInObject", EoObjects("EO-1001", "ITEM", kA100B)));
    EXPECT_EQ(detach.Only().messageCodes.at(0), "W-009180-TOP-LOCK-OBJ");
}

TEST(EngineeringOrders, AttachToAllStepsLockAndDetach) {
    SampleServer server;
    KeyList a300 = {{"ITEM.ITEM_KEY", "A300"}, {"ITEM.REVISION", "A"}};
    ASSERT_EQ(server.Send(Request("EoAttachObjectAllSteps", EoObjects("EO-1001", "ITEM", a300), LockParams("true"))).code, "OK");
    for (const char* step : {"10", "20"}) {
        std::vector<Row> rows = server.Rows(Linked("EO_ROUTE_STEP", {{"EO_ROUTE_STEP.EO_ID", "EO-1001"}, {"EO_ROUTE_STEP.ROUTE_ID", "R1"},
                                                                     {"EO_ROUTE_STEP.STEP_ID", step}}, "ITEM.ITEM_KEY", "STEP_ATTACHED"));
        EXPECT_EQ(Column(rows, "ITEM.ITEM_KEY").back(), "A300") << step;
    }
    EXPECT_EQ(server.Send(Request("EoLockObjectWithoutConnection", EoObjects("EO-1001", "ITEM", a300), LockParams("FALSE"))).code, "OK");
    std::vector<Row> attached = server.Rows(Linked("EO", {{"EO.EO_ID", "EO-1001"}}, "ITEM.LOCK_TYPE", "EO_ATTACHED"));
    EXPECT_EQ(Column(attached, "ITEM.LOCK_TYPE").back(), "Unlocked");
    EXPECT_EQ(server.Send(Request("ZerakEoDetachObjectWithoutInObject", EoObjects("EO-1001", "ITEM", a300))).code, "OK");
    EXPECT_EQ(server.Rows(Linked("EO", {{"EO.EO_ID", "EO-1001"}}, "ITEM.ITEM_KEY", "EO_ATTACHED")).size(), 2u);
}

TEST(EngineeringOrders, ApprovalIsRecordedOnTheStepLink) {
    SampleServer server;
    EXPECT_EQ(server.Send(StepResponse("10", kA100B, "REJECT")).code, "OK");
    std::vector<Row> rows = server.Rows(Linked("EO_ROUTE_STEP", {{"EO_ROUTE_STEP.EO_ID", "EO-1001"}, {"EO_ROUTE_STEP.ROUTE_ID", "R1"},
                                                                 {"EO_ROUTE_STEP.STEP_ID", "10"}}, "STEP_ATTACHED.APPROVAL", "STEP_ATTACHED"));
    EXPECT_EQ(rows.at(0).at("STEP_ATTACHED.APPROVAL"), "REJECTED");
    EXPECT_EQ(server.Send(StepResponse("20", kP110, "APPROVE")).Only().messageCodes.at(0), "E-000106-NOT_FOUND");
    EXPECT_EQ(server.Send(StepResponse("10", kA100B, "MAYBE")).Only().messageCodes.at(0), "E-000104-BAD_VALUE");
}

TEST(ObjectChanges, UpdateSetsTypedAttributesAndRefusesReleasedObjects) {
    SampleServer server;
    std::string update = Request("UpdateCollectionObjectsWC",
        "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"},
                                                {"ITEM.DESCRIPTION", "Quiet <pump> & \"more\" 'x'"}, {"ITEM.WEIGHT", "45.75"},
                                                {"VOLTAGE", "230"}}) + "</OBJECTS>");
    ASSERT_EQ(server.Send(update).code, "OK");
    std::vector<Row> rows = server.Rows(Request("ZerakQuery", "<OBJECTS>" + Fields({"ITEM.REVISION", "ITEM.DESCRIPTION", "ITEM.WEIGHT"}) +
        "<QUERIEID_OBJECTS_LINKS><Object>ITEM</Object></QUERIEID_OBJECTS_LINKS><CONDITION0><Field>ITEM.ITEM_KEY</Field>"
        "<Condition>EQU</Condition><Value>A100</Value></CONDITION0><CONDITION1><Relation>AND</Relation><Field>ITEM.WEIGHT</Field>"
        "<Condition>GRT</Condition><Value>45</Value></CONDITION1></OBJECTS>"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].at("ITEM.DESCRIPTION"), "Quiet <pump> & \"more\" 'x'");
    EXPECT_EQ(rows[0].at("ITEM.WEIGHT"), "45.75");

    std::string released = Request("UpdateCollectionObjectsWC", "<OBJECTS>" +
        Obj("IN_OBJECT", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}, {"ITEM.DESCRIPTION", "x"}}) + "</OBJECTS>");
    EXPECT_EQ(server.Send(released).Only().messageCodes.at(0), "E-000107-REFUSED");
}

TEST(ObjectChanges, UpdateFindsTheObjectByItsMethodId) {
    SampleServer server;
    std::string update = "<Request><Method><Name>UpdateCollectionObjectsWC</Name><METHOD_ID><![CDATA[ID=A100, REV=C]]></METHOD_ID>"
                         "<CATEGORY_METHOD><![CDATA[ELECTRICAL]]></CATEGORY_METHOD><OBJECTS><IN_OBJECT ID=\"ITEM\">"
                         "<ITEM.UOM>KG</ITEM.UOM></IN_OBJECT></OBJECTS></Method></Request>";
    EXPECT_EQ(server.Send(update).code, "OK");
}

TEST(ObjectChanges, LockTreeRecordsWhoAndWhenAndKeepsOthersOut) {
    SampleServer server;
    ASSERT_EQ(server.Send(LockTree("LOCK", "F1001", "mbrown")).code, "OK");
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_BY"), "mbrown");
    EXPECT_EQ(FileField(server, "F1001", "LOCK_FLAG"), "Y");
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_DATE").size(), 19u);
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_TIME").size(), 8u);

    Answer other = server.Send(LockTree("UNLOCK", "F1001", "jsmith"));
    EXPECT_EQ(other.code, "ERROR");
    EXPECT_NE(other.messages.at(0).find("only mbrown can unlock it"), std::string::npos);

    ASSERT_EQ(server.Send(LockTree("UNLOCK", "F1001", "mbrown")).code, "OK");
    EXPECT_EQ(FileField(server, "F1001", "LOCK_FLAG"), "N");
    EXPECT_EQ(FileField(server, "F1001", "LOCKED_BY"), "<null>");
}

}  // namespace
