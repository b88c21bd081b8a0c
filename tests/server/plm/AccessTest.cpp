// Who may do what, for authenticated callers: every change method needs its right in the rights
// file (an audit over the method catalogue), the user is the authenticated one and nobody else, and
// a request has its time. Each refusal changes nothing.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "DataGenerator.h"
#include "MethodTable.h"
#include "PlmTestSupport.h"

using namespace plmtest;
using std::chrono::milliseconds;

namespace {

const KeyList kA100C = {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"}};
const KeyList kA300 = {{"ITEM.ITEM_KEY", "A300"}, {"ITEM.REVISION", "A"}};
const KeyList kP140 = {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}};

// The sample's StepResponse and LockTree requests name jsmith, so the users of these tests are he.
const server::Account kGuest{"jsmith", "GUEST"};  // a type the rights file only gives "*": no change at all
const server::Account kAdministrator{"jsmith", "GENERAL ADMINISTRATOR"};
const server::Account kDesigner{"jsmith", "DESIGNER"};

std::string Update(const KeyList& item, const std::string& description, const std::string& user = {}) {
    KeyList fields = item;
    fields.push_back({"ITEM.DESCRIPTION", description});
    return Request("UpdateCollectionObjectsWC", "<OBJECTS>" + Obj("IN_OBJECT", "ITEM", fields) + "</OBJECTS>", "", user);
}

std::string Refusal(const std::string& action, const std::string& object) {
    return "The user jsmith (GUEST) has no right to " + action + " on " + object;
}

// Every change method of the catalogue: a request of it on the sample, and the refusal a user
// without rights gets.
const std::map<std::string, std::pair<std::string, std::string>>& ChangeRequests() {
    static const std::map<std::string, std::pair<std::string, std::string>> requests = {
        {"DeleteLink", {LinkRequest("DeleteLink", "ITEM", kA100B, "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}}, "RELATED_CUSTOMER"),
                        Refusal("UNLINK_CUSTOMER", "CUSTOMER C-200 in the status RELEASED")}},
        {"DeleteLinkWithoutConnection",
         {LinkRequest("DeleteLinkWithoutConnection", "ITEM", kP140, "ITEM", kA100B, "PARENT_LINKS"),
          Refusal("UNLINK_PARENT", "ITEM A100/B in the status RELEASED")}},
        {"CreateLink", {LinkRequest("CreateLink", "ITEM", kA100B, "KEY_GLOSS", {{"KEY_GLOSS.KEYWORD", "STAINLESS"},
                                                                                {"KEY_GLOSS.KEYWORD_CLASS", "MATERIAL"}},
                                    "RELATED_KEYWORD"),
                        Refusal("LINK_OBJECT", "KEY_GLOSS STAINLESS/MATERIAL in the status RELEASED")}},
        {"UpdateLink",
         {Request("UpdateLink",
                  "<OBJECTS>" + Obj("PARENT_OBJECT", "ITEM", kA100B) + Obj("CHILD_OBJECT", "CUSTOMER", {{"CUSTOMER.CUSTOMER_ID", "C-200"}}) +
                      Link("RELATED_CUSTOMER") + "</OBJECTS>",
                  "<PARAMS><LINK_VALUES><CONTROLLED_BY>Quality</CONTROLLED_BY></LINK_VALUES></PARAMS>"),
          Refusal("UPDATE_LINK", "CUSTOMER C-200 in the status RELEASED")}},
        {"UnlinkAndDeleteFile",
         {LinkRequest("UnlinkAndDeleteFile", "DOC", kD100B, "FILE", {{"FILE.FILE_ID", "F1002"}, {"FILE.REVISION", "1"}}, "REFERENCE_LINK"),
          Refusal("UNLINK_FILE_FROM_DOC", "FILE F1002/1 in the status IN_WORK")}},
        {"UnlinkAndDeleteObject",
         {LinkRequest("UnlinkAndDeleteObject", "ITEM", kP140, "DOC", {{"DOC.DOC_ID", "D300"}, {"DOC.REVISION", "A"}}, "REFERENCE_LINK"),
          Refusal("DELETE_OBJECT", "DOC D300/A in the status RELEASED")}},
        {"UnlinkObjectFromTop",
         {Request("UnlinkObjectFromTop", "<OBJECTS>" + Obj("IN_OBJECT1", "MODIFICATION", {{"MODIFICATION.MODIFICATION_ID", "MOD-1"}}) +
                                             Obj("IN_OBJECT2", "ITEM", kA100B) + "</OBJECTS>"),
          Refusal("UNLINK_AFF_OBJ", "ITEM A100/B in the status RELEASED")}},
        {"UnAuthorizeToProject", {UnAuthorize({"PRJ-1"}), Refusal("UNLINK_FROM_PROJECT", "ITEM A100 in the status IN_WORK")}},
        {"ZerakEoDetachObjectWithoutInObject",
         {OnOrder("ZerakEoDetachObjectWithoutInObject", kA300), Refusal("UNLINK_ATTACHED_OBJECT", "ITEM A300/A in the status RELEASED")}},
        {"EoAttachObjectAllSteps",
         {OnOrder("EoAttachObjectAllSteps", kA300, "true"), Refusal("ATTACH_TO_STEP", "ITEM A300/A in the status RELEASED")}},
        {"EoLockObjectWithoutConnection",
         {OnOrder("EoLockObjectWithoutConnection", kA100B, "TRUE"), Refusal("LOCK_ATTACHED_OBJECT", "ITEM A100/B in the status RELEASED")}},
        {"StepObjectResponse", {StepResponse("10", kA100B, "REJECT"), Refusal("REJECT", "ITEM A100/B in the status RELEASED")}},
        {"WfAttachObjectToSteps",
         {OnOrder("WfAttachObjectToSteps", kA300, "", "20"), Refusal("ATTACH_TO_STEP", "ITEM A300/A in the status RELEASED")}},
        {"WfDetachObjectFromSteps",
         {OnOrder("WfDetachObjectFromSteps", kA100B, "", "20"), Refusal("DETACH_FROM_STEP", "ITEM A100/B in the status RELEASED")}},
        {"StepObjectResponseWithoutConnection",
         {StepResponse("10", kA100B, "APPROVE"), Refusal("APPROVE", "ITEM A100/B in the status RELEASED")}},
        {"UpdateCollectionObjectsWC", {Update(kA100C, "quiet"), Refusal("UPDATE_OBJECT", "ITEM A100/C in the status IN_WORK")}},
        {"LockTree", {LockTree("LOCK", "F1001", "jsmith"), Refusal("LOCK_FILE", "FILE F1001/1")}},
        {"FileCheckOut", {FileRequest("FileCheckOut", "F1001"), Refusal("EDIT_FILE", "FILE F1001/1")}},
        {"FileCheckIn", {FileRequest("FileCheckIn", "F1001", "<CONTENT>AAEC</CONTENT>"), Refusal("COMPLETE_EDIT_FILE", "FILE F1001/1")}},
    };
    return requests;
}

// The request of a method, named as the catalogue names it (two methods share one builder).
std::string Named(const std::string& method, std::string request) {
    size_t name = request.find("<Name>") + 6;
    return request.replace(name, request.find("</Name>") - name, method);
}

TEST(Rights, EveryChangeMethodOfTheCatalogueNeedsItsRight) {
    SampleServer refused, allowed;
    std::string before = refused.Fingerprint();
    for (const std::string& method : server::MethodTable::Instance().Names()) {
        if (server::MethodTable::Instance().Find(method)->access == server::Access::Reads) continue;
        auto row = ChangeRequests().find(method);
        if (row == ChangeRequests().end()) {
            ADD_FAILURE() << "The change method " << method << " has no request here: its right is not audited";
            continue;
        }
        std::string request = Named(method, row->second.first);
        Answer answer = refused.SendAs(kGuest, request);
        EXPECT_EQ(answer.code, "ERROR") << method;
        EXPECT_EQ(answer.messageCodes, std::vector<std::string>{"E-000113-NO_RIGHT"}) << method;
        EXPECT_EQ(answer.messages, std::vector<std::string>{row->second.second}) << method;
        EXPECT_EQ(refused.Plm().Serve(request, {&kGuest, {}}).status, 403) << method;
        for (const std::string& code : allowed.SendAs(kAdministrator, request).messageCodes) EXPECT_NE(code, "E-000113-NO_RIGHT") << method;
    }
    EXPECT_EQ(refused.Fingerprint(), before);
}

TEST(Rights, FollowTheObjectsStatusAndApplyPerMethodOfAMultiMethodRequest) {
    SampleServer server;
    EXPECT_EQ(server.SendAs(kDesigner, Update(kA100C, "quiet")).code, "OK");
    Answer released = server.SendAs(kDesigner, Update(kA100B, "louder"));
    EXPECT_EQ(released.messages.at(0), "The user jsmith (DESIGNER) has no right to UPDATE_OBJECT on ITEM A100/B in the status RELEASED");

    std::string before = server.Fingerprint();
    Answer mixed = server.SendAs(kDesigner, Multi({Update(kA100C, "quieter"), StepResponse("10", kA100B, "APPROVE")}));
    EXPECT_EQ(mixed.code, "WARNING");
    ASSERT_EQ(mixed.methods.size(), 2u);
    EXPECT_EQ(mixed.methods[0].code, "OK");
    EXPECT_EQ(mixed.methods[1].messageCodes.at(0), "E-000113-NO_RIGHT");
    EXPECT_NE(server.Fingerprint(), before);
    EXPECT_EQ(server.Plm().Serve(Multi({StepResponse("10", kA100B, "APPROVE")}), {&kDesigner, {}}).status, 200);
}

TEST(Rights, AreNotCheckedForTrustedCallers) {
    SampleServer server;
    EXPECT_EQ(server.Send(StepResponse("10", kA100B, "APPROVE")).code, "OK");
}

TEST(Impersonation, TheAuthenticatedUserIsTheOnlyOneARequestMayName) {
    SampleServer server;
    const server::Account jdoe{"jdoe", "GENERAL ADMINISTRATOR"};
    std::string before = server.Fingerprint();
    const std::string expected = "The request names the user \"mbrown\" but comes from \"jdoe\"";
    for (const std::string& request : {Update(kA100C, "by mbrown", "mbrown"),
                                       Multi({Update(kA100C, "by jdoe"), Update(kA100C, "by mbrown", "mbrown")})}) {
        Answer answer = server.SendAs(jdoe, request);
        EXPECT_EQ(answer.code, "ERROR");
        EXPECT_EQ(answer.messageCodes, std::vector<std::string>{"E-000112-OTHER_USER"});
        EXPECT_EQ(answer.messages, std::vector<std::string>{expected});
        EXPECT_TRUE(answer.methods.empty());
        EXPECT_EQ(server.Plm().Serve(request, {&jdoe, {}}).status, 403);
    }
    EXPECT_EQ(server.Fingerprint(), before);

    ASSERT_EQ(server.SendAs(jdoe, Update(kA100C, "named", "jdoe")).code, "OK");
    ASSERT_EQ(server.SendAs(jdoe, Update(kA100C, "unnamed")).code, "OK");
    std::vector<Row> history = server.Rows(ByKeys("QueryObjectVaultHistory", "ITEM", kA100C, {"ITEM_VAULT_HISTORY.USER_NAME"}));
    EXPECT_EQ(Column(history, "ITEM_VAULT_HISTORY.USER_NAME").substr(Column(history, "ITEM_VAULT_HISTORY.USER_NAME").size() - 9),
              "jdoe,jdoe");
}

TEST(TimeLimit, AChangeOutOfTimeIsStoppedAndChangesNothing) {
    SampleServer server;
    std::string before = server.Fingerprint();
    Answer answer = server.SendAs(kAdministrator, Update(kA100C, "late"), milliseconds(0));
    EXPECT_EQ(answer.messageCodes.at(0), "E-000115-TIME_LIMIT");
    EXPECT_EQ(answer.messages.at(0),
              "UpdateCollectionObjectsWC took longer than 0 s, the server's limit for one request, and was stopped; it changed nothing");
    EXPECT_EQ(server.Plm().Serve(Update(kA100C, "late"), {&kAdministrator, milliseconds(0)}).status, 503);
    EXPECT_EQ(server.Fingerprint(), before);
}

TEST(TimeLimit, ARequestWaitingForTheOnesBeforeItGivesUp) {
    SampleServer server;
    std::thread busy([&] { server.Plm().WithStore([](server::Store&) { std::this_thread::sleep_for(milliseconds(400)); }); });
    std::this_thread::sleep_for(milliseconds(50));
    Answer answer = server.SendAs(kAdministrator, Update(kA100C, "late"), milliseconds(50));
    busy.join();
    EXPECT_EQ(answer.messages, std::vector<std::string>{"The request waited 0.05 s, the server's limit for one request, for the "
                                                        "requests before it; it was not carried out"});
}

TEST(TimeLimit, StopsAQueryWhileItRuns) {
    TempFolder folder;
    std::string location = NewStore(folder);
    server::PlmServer plm(SampleDefinitions(), location);
    server::DataGenerator::Generate(plm.GetStore(), plm.Definitions(), {50000, 60000, 50000, 7});
    std::string children = QueryLinks("ITEM", {{"ITEM.ITEM_KEY", "PROBE"}, {"ITEM.REVISION", "A"}},
                                      {"ITEM.ITEM_KEY", "ITEM.DESCRIPTION", "CHILD_LINKS.FIND_NO"}, "CHILD_LINKS");
    Answer answer = ReadAnswer(plm.Serve(children, {&kAdministrator, milliseconds(5)}).answer);
    EXPECT_EQ(answer.messageCodes, std::vector<std::string>{"E-000115-TIME_LIMIT"});
    EXPECT_EQ(ReadAnswer(plm.Serve(children, {&kAdministrator, milliseconds(60000)}).answer).Only().rows.size(), 50000u);
}

}  // namespace
