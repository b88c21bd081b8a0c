// The link maintenance commands against the sample server: the requests each sends from a
// selection, the questions and what their answers do, the single-request and multi-method failure
// rules (with answers scripted where the sample cannot fail that way), and what each does to the
// store as the refreshed grid shows it.
#include <gtest/gtest.h>

#include "SamplePane.h"
#include "ScriptedServer.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "platform/Clipboard.h"
#include "support/ScopedProgId.h"

namespace controltest {
namespace {

constexpr int kYes = platform::kAnswerYes;
constexpr int kNo = platform::kAnswerNo;

SamplePane Files() { return SamplePane("FILES", "DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"}); }
SamplePane UnderA100(const std::string& pane) { return SamplePane(pane, "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"}); }

TEST(Unlink, ThreeRowsGoInOneMultiMethodRequestAfterTheQuestionWithTheirCount) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1001", "F1002", "F1004"});
    pane.world.Ui().Answer({kYes});
    SentRequests sent;
    pane.Call("UnlinkParentChild");

    ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
    const auto question = pane.world.Ui().Messages()[0];
    EXPECT_EQ(question.text, "Do you want to remove the links to the 3 selected objects?");
    EXPECT_EQ(question.title, "Are you sure?");
    EXPECT_EQ(question.flags, 4 + 32);
    const std::string multi = sent.Of("MultiMethodsRequest");
    EXPECT_EQ(Occurrences(multi, "&lt;Name&gt;DeleteLinkWithoutConnection&lt;/Name&gt;"), 3u);
    EXPECT_NE(multi.find(Escaped("<OBJECTS><PARENT_OBJECT ID=\"DOC\" TYPE=\"\"><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B"
                                 "</DOC.REVISION></PARENT_OBJECT><CHILD_OBJECT ID=\"FILE\" TYPE=\"\"><FILE.FILE_ID>F1002"
                                 "</FILE.FILE_ID><FILE.REVISION>1</FILE.REVISION></CHILD_OBJECT><LINK1  ID=\"DOC_FILE\"> "
                                 "</LINK1></OBJECTS>")),
              std::string::npos)
        << multi;
    EXPECT_EQ(pane.Rows(), 0);  // refreshed: the links are gone
    EXPECT_TRUE(pane.Raised("SimpleLinkUpdate"));
}

TEST(Unlink, ANoSendsNothing) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1002"});
    pane.world.Ui().Answer({kNo});
    SentRequests sent;
    pane.Call("UnlinkParentChild");
    EXPECT_EQ(pane.world.Ui().Messages().at(0).text, "Do you want to remove the link to the selected File?");
    EXPECT_TRUE(sent.requests.empty());
    EXPECT_EQ(pane.Rows(), 3);
    EXPECT_TRUE(pane.executeEvents.empty());
}

TEST(Unlink, ReferencesAndMaterialsGoByTheirLinkKind) {
    struct Case {
        const char *pane, *parentType, *keyName, *key, *revision, *column, *row, *link;
    } cases[] = {
        {"REFERENCES", "DOC", "DOC.DOC_ID", "D100", "B", "DOC.DOC_ID", "D200", "DOC_REFERENCE"},
        {"MATERIALS", "ITEM", "ITEM.ITEM_KEY", "P120", "A", "MATERIAL.MATERIAL_KEY", "M-STEEL", "ITEM_MATERIAL"},
    };
    for (const Case& c : cases) {
        SamplePane pane(c.pane, c.parentType, {c.keyName, std::string(c.parentType) + ".REVISION"}, {c.key, c.revision});
        pane.Select(c.column, {c.row});
        SentRequests sent;
        pane.Call("UnlinkReference");
        EXPECT_NE(sent.Of("MultiMethodsRequest").find(Escaped(std::string("<LINK1  ID=\"") + c.link + "\">")), std::string::npos)
            << c.pane;
        EXPECT_EQ(pane.RowOf(c.column, c.row), -1) << c.pane;
    }
}

TEST(Unlink, AParentLinkIsChosenByItsFindNumber) {
    SamplePane pane("WHERE_USED", "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"P140", "A"});
    pane.Select("ITEM.ITEM_KEY", {"A100"});
    SentRequests sent;
    ASSERT_TRUE(pane.Toolbar().ClickTool("ID_Prop_Unlink_Parent"));  // mapped to UnlinkChildParent
    const std::string multi = sent.Of("MultiMethodsRequest");
    EXPECT_NE(multi.find(Escaped("<CHILD_OBJECT ID=\"ITEM\" TYPE=\"\"><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY>")), std::string::npos);
    EXPECT_NE(multi.find(Escaped("<LINK1  ID=\"PARENT_LINKS\"><FIND_NO>40</FIND_NO> </LINK1>")), std::string::npos) << multi;
    EXPECT_TRUE(pane.Raised("SimpleLinkUpdate"));
}

TEST(MultiMethodRules, OneBoxPerFailedMethodAndTheRefreshOnlyWhenTheStatusCountsAsOk) {
    struct Case {
        const char* name;
        std::string answer;
        std::vector<std::string> boxes;
        bool refreshed;
    } cases[] = {
        {"one of three failed", Answer("WARNING", Method("OK") + Method("FAILED", "F1002 is locked") + Method("OK")),
         {"ERROR = [F1002 is locked]"}, true},
        {"all failed", Answer("FAILED", Method("FAILED", "a") + Method("FAILED", "b") + Method("FAILED", "c")),
         {"ERROR = [a]", "ERROR = [b]", "ERROR = [c]"}, true},
        {"an error with no failed method", Answer("ERROR", ""), {}, false},
        {"all succeeded", Answer("OK", Method("OK") + Method("OK") + Method("OK")), {}, true},
    };
    for (const Case& c : cases) {
        SamplePane pane = Files();
        pane.Select("FILE.FILE_ID", {"F1001", "F1002", "F1004"});
        ScriptedChanges scripted(c.answer);
        SentRequests sent;
        pane.Call("UnlinkParentChild");
        std::vector<std::string> boxes;
        for (const auto& message : pane.world.Ui().Messages())
            if (message.text.starts_with("ERROR")) {
                boxes.push_back(message.text);
                EXPECT_EQ(message.flags, 48) << c.name;
            }
        EXPECT_EQ(boxes, c.boxes) << c.name;
        EXPECT_EQ(sent.Count("ZerakQueryLinks"), c.refreshed ? 1u : 0u) << c.name;
        EXPECT_EQ(pane.Raised("SimpleLinkUpdate"), c.refreshed) << c.name;
    }
}

TEST(SingleRequestRule, RemoveKeyWordRemovesTheKeywordOrEndsWithTheServersMessage) {
    SamplePane pane = UnderA100("KEYWORDS");
    pane.Select("KEY_GLOSS.KEYWORD", {"PUMP"});
    SentRequests sent;
    pane.Call("RemoveKeyWord");
    EXPECT_NE(sent.Of("DeleteLink").find("<OBJECTS><PARENT_OBJECT ID=\"ITEM\" TYPE=\"\"><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY>"
                                         "<ITEM.REVISION>B</ITEM.REVISION></PARENT_OBJECT><CHILD_OBJECT ID=\"KEY_GLOSS\" "
                                         "TYPE=\"\"><KEY_GLOSS.KEYWORD>PUMP</KEY_GLOSS.KEYWORD><KEY_GLOSS.KEYWORD_CLASS>"
                                         "FUNCTION</KEY_GLOSS.KEYWORD_CLASS></CHILD_OBJECT><LINK1  ID=\"RELATED_KEYWORD\"> "
                                         "</LINK1></OBJECTS>"),
              std::string::npos)
        << sent.Of("DeleteLink");
    EXPECT_EQ(pane.Rows(), 0);
    EXPECT_TRUE(pane.world.Ui().Messages().empty());  // no question

    SamplePane refused = UnderA100("KEYWORDS");
    refused.Select("KEY_GLOSS.KEYWORD", {"PUMP"});
    ScriptedChanges scripted(Answer("ERROR", Method("FAILED", "no right"), "The user has no right"));
    SentRequests again;
    refused.Call("RemoveKeyWord");
    ASSERT_EQ(refused.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(refused.world.Ui().Messages()[0].text, "ERROR = [The user has no right]");
    EXPECT_EQ(refused.world.Ui().Messages()[0].flags, 48);
    EXPECT_EQ(again.Count("ZerakQueryLinks"), 0u);  // the grid keeps its rows
    EXPECT_EQ(refused.Rows(), 1);
}

TEST(Toolbar, TheMappedToolsRunTheLinkCommands) {
    SamplePane keywords = UnderA100("KEYWORDS");
    keywords.Select("KEY_GLOSS.KEYWORD", {"PUMP"});
    ASSERT_TRUE(keywords.Toolbar().ClickTool("ID_Prop_Remove_Keyword"));
    EXPECT_EQ(keywords.Rows(), 0);

    SamplePane customers = UnderA100("CUSTOMERS");
    customers.Select("CUSTOMER.CUSTOMER_ID", {"C-200"});
    ASSERT_TRUE(customers.Toolbar().ClickTool("ID_Prop_Unlink_Customer"));
    EXPECT_EQ(customers.RowOf("CUSTOMER.CUSTOMER_ID", "C-200"), -1);
}

TEST(Customers, UnlinkItemCustomerAsksThenRemovesTheOneLink) {
    SamplePane pane = UnderA100("CUSTOMERS");
    pane.Select("CUSTOMER.CUSTOMER_ID", {"C-100"});
    pane.world.Ui().Answer({kNo});
    SentRequests sent;
    pane.Call("UnlinkItemCustomer");
    EXPECT_EQ(pane.world.Ui().Messages().at(0).text, "Do you want to remove the link to the selected Customer?");
    EXPECT_TRUE(sent.requests.empty());

    pane.Call("UnlinkItemCustomer");  // the default answer: Yes
    EXPECT_NE(sent.Of("DeleteLink").find("<CHILD_OBJECT ID=\"CUSTOMER\" TYPE=\"\"><CUSTOMER.CUSTOMER_ID>C-100"
                                         "</CUSTOMER.CUSTOMER_ID></CHILD_OBJECT><LINK1  ID=\"RELATED_CUSTOMER\">"),
              std::string::npos)
        << sent.Of("DeleteLink");
    EXPECT_EQ(pane.RowOf("CUSTOMER.CUSTOMER_ID", "C-100"), -1);
    EXPECT_EQ(pane.Rows(), 1);
}

TEST(Modification, UnlinkObjectFromModificationRemovesTheObjectOrShowsTheServersWord) {
    SamplePane pane("AFFECTED_ITEMS", "MODIFICATION", {"MODIFICATION.MODIFICATION_ID"}, {"MOD-1"});
    pane.Select("ITEM.ITEM_KEY", {"A300"});
    SentRequests sent;
    pane.Call("UnlinkObjectFromModification");
    EXPECT_NE(sent.Of("UnlinkObjectFromTop").find("<OBJECTS><IN_OBJECT1 ID=\"MODIFICATION\" TYPE=\"\"><MODIFICATION."
                                                  "MODIFICATION_ID>MOD-1</MODIFICATION.MODIFICATION_ID></IN_OBJECT1><IN_OBJECT2 "
                                                  "ID=\"ITEM\" TYPE=\"\"><ITEM.ITEM_KEY>A300</ITEM.ITEM_KEY><ITEM.REVISION>A"
                                                  "</ITEM.REVISION></IN_OBJECT2></OBJECTS>"),
              std::string::npos);
    EXPECT_EQ(pane.RowOf("ITEM.ITEM_KEY", "A300"), -1);
    EXPECT_TRUE(pane.world.Ui().Messages().empty());

    pane.Select("ITEM.ITEM_KEY", {"A100"});
    ScriptedChanges scripted(Answer("ERROR", "<MethodResponse ResultCode='FAILED'><Messages><Message><Description>"
                                             "A100 is released</Description></Message></Messages></MethodResponse>"));
    pane.Call("UnlinkObjectFromModification");
    ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(pane.world.Ui().Messages()[0].text, "A100 is released");
    EXPECT_EQ(pane.world.Ui().Messages()[0].title, "Nox PLM");
    EXPECT_EQ(pane.world.Ui().Messages()[0].flags, 0);
}

TEST(EngineeringOrder, DetachTakesTheRouteFromParamsAndALockedObjectIsRefusedInItsOwnBox) {
    SamplePane pane("ITEMS", "EO", {"EO.EO_ID"}, {"EO-1001"});
    pane.Param("EO.ROUTE_ID", Variant(std::string("R1")));
    pane.Select("ITEM.ITEM_KEY", {"A100", "P110"});
    SentRequests sent;
    pane.Call("UnlinkAttachObject");
    const std::string multi = sent.Of("MultiMethodsRequest");
    EXPECT_NE(multi.find(Escaped("<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>EO-1001</EO.EO_ID><EO.ROUTE_ID>R1</EO.ROUTE_ID>"
                                 "</IN_OBJECT><IN_OBJECT1 ID='ITEM'><ITEM.ITEM_KEY>P110</ITEM.ITEM_KEY><ITEM.REVISION>A"
                                 "</ITEM.REVISION></IN_OBJECT1></OBJECTS>")),
              std::string::npos)
        << multi;
    std::vector<std::string> errors;
    for (const auto& message : pane.world.Ui().Messages())
        if (message.text.starts_with("ERROR = [W-009180-TOP-LOCK-OBJ")) errors.push_back(message.text);
    EXPECT_EQ(errors.size(), 1u);  // A100 is locked; P110 goes
    EXPECT_EQ(pane.RowOf("ITEM.ITEM_KEY", "P110"), -1);
    EXPECT_GE(pane.RowOf("ITEM.ITEM_KEY", "A100"), 0);
    EXPECT_TRUE(pane.Raised("SimpleLinkUpdate"));
}

TEST(EngineeringOrder, LockAttachObjectTogglesTheLockByTheLockColumn) {
    SamplePane pane("ITEMS", "EO", {"EO.EO_ID"}, {"EO-1001"});
    auto lockOf = [&](const std::string& item) {
        return pane.Grid().TextMatrix(pane.RowOf("ITEM.ITEM_KEY", item), pane.Grid().ColIndex("ITEM.LOCK_TYPE"));
    };
    ASSERT_EQ(lockOf("A100"), "Locked");
    ASSERT_EQ(lockOf("P110"), "Unlocked");
    pane.Select("ITEM.ITEM_KEY", {"A100", "P110"});
    SentRequests sent;
    pane.Call("LockAttachObject");
    const std::string multi = sent.Of("MultiMethodsRequest");
    EXPECT_NE(multi.find(Escaped("<LOCK>FALSE</LOCK>")), std::string::npos) << multi;
    EXPECT_NE(multi.find(Escaped("<LOCK>TRUE</LOCK>")), std::string::npos);
    EXPECT_NE(multi.find(Escaped("<OBJECTS><IN_OBJECT ID=\"EO\" TYPE=\"\"><EO.EO_ID>EO-1001</EO.EO_ID></IN_OBJECT><IN_OBJECT1")),
              std::string::npos);
    EXPECT_EQ(lockOf("A100"), "Unlocked");
    EXPECT_EQ(lockOf("P110"), "Locked");
}

TEST(Projects, UnAuthorizeWithdrawsTheProjectAndLeavesTheRefreshToTheHost) {
    SamplePane pane = UnderA100("PROJECTS");
    pane.Select("PROJECT.PROJECT_ID", {"PRJ-1"});
    SentRequests sent;
    pane.Call("UnAuthorizeToProject");
    const auto question = pane.world.Ui().Messages().at(0);
    EXPECT_EQ(question.text, "Do you want to remove the access of the selected projects to this Item?");
    EXPECT_EQ(question.title, "Remove project access");
    EXPECT_EQ(question.flags, 4 + 48);
    const std::string request = sent.Of("UnAuthorizeToProject");
    EXPECT_NE(request.find("<OBJECTS><IN_OBJECT ID='ITEM'><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY></IN_OBJECT><Object0 ID='PROJECT' "
                           "TYPE='PARAM_ARRAY'><id>PRJ-1</id></Object0></OBJECTS>"),
              std::string::npos)
        << request;
    EXPECT_NE(request.find("<PARAMS><Recursive>Yes</Recursive></PARAMS>"), std::string::npos);
    EXPECT_EQ(sent.Count("ZerakQueryLinks"), 0u);
    EXPECT_EQ(pane.executeEvents, (std::vector<std::string>{"<XML><METHOD>SimpleLinkUpdate</METHOD></XML>",
                                                            "<XML><METHOD>RefreshPropertyPane</METHOD></XML>"}));
    pane.control->Refresh();
    EXPECT_EQ(pane.RowOf("PROJECT.PROJECT_ID", "PRJ-1"), -1);
}

TEST(Projects, TheOwnerProjectIsRefusedWithTheServersDataAndAFailedSendIsSaid) {
    SamplePane pane = UnderA100("PROJECTS");
    pane.Select("PROJECT.PROJECT_ID", {"PRJ-2"});
    pane.Call("UnAuthorizeToProject");
    ASSERT_EQ(pane.world.Ui().Messages().size(), 2u);
    const auto refusal = pane.world.Ui().Messages()[1];
    EXPECT_EQ(refusal.text, "Project PRJ-2 owns the Item P140; its access cannot be removed.");
    EXPECT_EQ(refusal.title, "Cannot remove project access");
    EXPECT_EQ(refusal.flags, 16);
    EXPECT_TRUE(pane.executeEvents.empty());

    pane.world.Ui().Reset();
    components::EmbeddedServer::Handler sample = components::EmbeddedServer::Current();
    components::EmbeddedServer::Register([](const std::string&) -> std::string { throw std::runtime_error("down"); });
    pane.Call("UnAuthorizeToProject");
    components::EmbeddedServer::Register(sample);
    ASSERT_EQ(pane.world.Ui().Messages().size(), 2u);
    EXPECT_EQ(pane.world.Ui().Messages()[1].text, "Faild to send Request");
    EXPECT_TRUE(pane.executeEvents.empty());
}

TEST(Sources, SelectSourceAndCopyPutTheSelectionWithOrWithoutTheCopyMark) {
    SamplePane pane = UnderA100("DOCUMENTS");
    pane.Select("DOC.DOC_ID", {"D200"});
    auto formatAfter = [&](const std::string& command, const Variant& argument = Variant::Missing()) {
        platform::Clip().Clear();
        if (argument.IsMissing()) pane.Call(command);
        else pane.Call(command, argument);
        const std::string text = platform::Clip().GetText();
        const size_t start = text.find("<TYPE_FORMAT>") + 13;
        return text.substr(start, text.find("</TYPE_FORMAT>") - start);
    };
    EXPECT_EQ(formatAfter("SelectSource"), "NOX_DOC_RELEASED");
    EXPECT_EQ(formatAfter("Copy"), "NOX_DOC_RELEASED+");
    EXPECT_EQ(formatAfter("CopyObject"), "NOX_DOC_RELEASED+");
    EXPECT_EQ(formatAfter("SelectSourceCustomer", Variant(true)), "NOX_DOC_RELEASED");
    EXPECT_EQ(formatAfter("SelectSourceCustomer", Variant(false)), "NOX_DOC_RELEASED");
}

TEST(Sources, AKeywordIsPickedEscapedAndPastesIntoAnotherPane) {
    SamplePane source("KEYWORDS", "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"P120", "A"});
    source.Select("KEY_GLOSS.KEYWORD", {"STAINLESS"});
    source.Call("SelectKeywordSource");
    EXPECT_EQ(platform::Clip().GetText(),
              "<NOX_CLIPBOARD><TYPE_FORMAT>NOX_KEYWORD</TYPE_FORMAT><XML_DATA><SELECT_KEYWORD><KEYWORD ID=\"STAINLESS\"/>"
              "<CATEGORY ID=\"MATERIAL\"/></SELECT_KEYWORD></XML_DATA></NOX_CLIPBOARD>");

    const std::string picked = platform::Clip().GetText();
    SamplePane target = UnderA100("KEYWORDS");  // a world of its own, with an empty clipboard
    platform::Clip().SetText(picked);
    target.Call("PasteLinks");
    EXPECT_GE(target.RowOf("KEY_GLOSS.KEYWORD", "STAINLESS"), 0);
    EXPECT_TRUE(target.Raised("SimpleLinkUpdate"));
}

TEST(Sources, PickedDocumentsPasteAsLinksOfTheOtherParent) {
    SamplePane source = UnderA100("DOCUMENTS");
    source.Select("DOC.DOC_ID", {"D200"});
    source.Call("SelectSource");
    const std::string picked = platform::Clip().GetText();
    SamplePane target("DOCUMENTS", "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"P110", "A"});
    platform::Clip().SetText(picked);
    ASSERT_EQ(target.RowOf("DOC.DOC_ID", "D200"), -1);
    SentRequests sent;
    target.Call("PasteLinks");
    EXPECT_NE(sent.Of("MultiMethodsRequest").find("CreateLink"), std::string::npos);
    EXPECT_GE(target.RowOf("DOC.DOC_ID", "D200"), 0);
    target.Call("PasteLinks");  // the link is there already: the server's refusal in a box
    EXPECT_EQ(target.world.Ui().Messages().size(), 1u);
}

TEST(Failures, EveryLinkCommandBeforeInitReportsInsteadOfFailing) {
    ControlWorld w;
    for (const char* command : {"SelectSource", "SelectSourceCustomer", "Copy", "CopyObject", "SelectKeywordSource", "PasteLinks",
                                "UnlinkReference", "UnlinkParentChild", "UnlinkChildParent", "RemoveKeyWord",
                                "UnlinkItemCustomer", "UnlinkObjectFromModification", "UnlinkAttachObject", "LockAttachObject",
                                "UnAuthorizeToProject", "UpdateItemCustmerLink", "UpdateDocItemLink"})
        EXPECT_NO_THROW(w.control->Call(command)) << command;
    EXPECT_FALSE(w.world.Ui().Messages().empty());
}

// A link dialog that keeps what it was given and what the tools said while it was open.
struct SeenByDialog {
    std::vector<std::string> entries;  // "NAME=text" of each entry of the buffer (arrays joined by ",")
    std::string name;
    int32_t count = 0;
    bool editToolEnabled = true;
};

class KeepingDialog : public automation::Dispatchable<KeepingDialog> {
public:
    static constexpr const char* kTypeName = "KeepingDialog";
    static inline SeenByDialog* seen = nullptr;
    static inline controltest::SamplePane* pane = nullptr;
    static const automation::MemberTable<KeepingDialog>& Members() {
        static const automation::MemberTable<KeepingDialog> table = [] {
            automation::MemberTable<KeepingDialog> t;
            t.ObjectProperty("CallingClass", &KeepingDialog::Caller, &KeepingDialog::SetCaller)
                .ObjectProperty("Buffer", &KeepingDialog::Buffer, &KeepingDialog::SetBuffer)
                .Method("showdialog", &KeepingDialog::showdialog);
            return t;
        }();
        return table;
    }
    DispatchPtr Caller() const { return caller_; }
    void SetCaller(const Variant& caller) { caller_ = caller.ToObject(); }
    DispatchPtr Buffer() const { return buffer_; }
    void SetBuffer(const Variant& buffer) { buffer_ = buffer.ToObject(); }
    bool showdialog(const std::string& name) {
        seen->name = name;
        auto& collection = dynamic_cast<automation::Collection&>(*buffer_);
        seen->count = collection.Count();
        for (const char* name : {"ARR_PARENT_KEYS", "ARR_PARENT_VALUES", "ARR_CHILD_KEYS", "ARR_CHILD_VALUES",
                                 "ARR_CHILD_LINK_DATA", "COMM_OBJ", "HOST_OBJ", "PRM_MODE", "BASE_OBJECT", "LINK_TYPE",
                                 "LINKED_OBJECT"}) {
            if (!collection.Contains(name)) continue;
            const Variant item = collection.Item(Variant(std::string(name)));
            std::string text;
            if (item.IsArray() && item.ToArray().Dimensions() == 1)
                for (int32_t k = item.ToArray().LBound(1); k <= item.ToArray().UBound(1); ++k)
                    text += (k == item.ToArray().LBound(1) ? "" : ",") + item.ToArray().At(k).TextOr("");
            else if (item.IsArray()) text = "(link data)";
            else if (item.IsObject()) text = "(" + item.ToObject()->TypeName() + ")";
            else text = item.TextOr("");
            seen->entries.push_back(std::string(name) + "=" + text);
        }
        seen->editToolEnabled = pane->Toolbar().ToolById("ID_Prop_UpdateItemLink")->Enabled();
        return false;
    }

private:
    DispatchPtr caller_, buffer_;
};

TEST(LinkDialog, UpdateDocItemLinkHandsTheDialogTheNamedEntriesWithTheToolsInProcess) {
    SamplePane pane = UnderA100("RELATED_ITEMS");
    pane.Select("ITEM.ITEM_KEY", {"P140"});
    SeenByDialog seen;
    KeepingDialog::seen = &seen;
    KeepingDialog::pane = &pane;
    testsupport::ScopedProgId fake = testsupport::ScopedProgId::Of<KeepingDialog>("noxdialog.Iclsdialog");
    SentRequests sent;
    pane.Call("UpdateDocItemLink");
    EXPECT_EQ(seen.name, "RELATED_ITEM");
    EXPECT_EQ(seen.entries, (std::vector<std::string>{
                                "ARR_PARENT_KEYS=ITEM.ITEM_KEY,ITEM.REVISION", "ARR_PARENT_VALUES=A100,B",
                                "ARR_CHILD_KEYS=ITEM.ITEM_KEY,ITEM.REVISION", "ARR_CHILD_VALUES=P140,A",
                                "ARR_CHILD_LINK_DATA=(link data)", "COMM_OBJ=(XMLRequestPars)", "HOST_OBJ=(clshostservices)",
                                "PRM_MODE=UPDATE", "BASE_OBJECT=ITEM", "LINK_TYPE=RELATED_ITEM", "LINKED_OBJECT=ITEM"}));
    EXPECT_EQ(seen.count, 11);
    EXPECT_FALSE(seen.editToolEnabled);  // "IN_PROCESS" while the dialog is open
    EXPECT_TRUE(pane.Toolbar().ToolById("ID_Prop_UpdateItemLink")->Enabled());
    EXPECT_EQ(sent.Count("ZerakQueryLinks"), 0u);  // nothing changed: no refresh
}

TEST(LinkDialog, AnEditedCustomerLinkIsStoredAndTheRefreshedGridShowsIt) {
    SamplePane pane = UnderA100("CUSTOMERS");
    pane.Select("CUSTOMER.CUSTOMER_ID", {"C-100"});
    pane.world.Ui().ScriptDialog("noxdialog", platform::DialogScript({"RELATED_CUSTOMER.CONTROLLED_BY=Quality", "cmdOK"}));
    SentRequests sent;
    pane.Call("UpdateItemCustmerLink");
    ASSERT_EQ(pane.world.Ui().Dialogs().size(), 1u);
    const platform::DialogRecord dialog = pane.world.Ui().Dialogs()[0];
    EXPECT_EQ(dialog.caption, "ITEM_CUSTOMER");
    auto shown = [&](const std::string& name) {
        for (const auto& control : dialog.shown)
            if (control.name == name) return control;
        return platform::DialogControlState{};
    };
    EXPECT_EQ(shown("RELATED_CUSTOMER.CONTROLLED_BY").caption, "Controlled by");
    EXPECT_EQ(shown("RELATED_CUSTOMER.CONTROLLED_BY").value, "Sales");
    EXPECT_TRUE(shown("RELATED_CUSTOMER.CONTROLLED_BY").enabled);
    EXPECT_FALSE(shown("RELATED_CUSTOMER.CUSTOMER_CAT_NO").enabled);
    EXPECT_EQ(shown("RELATED_CUSTOMER.CUST_ITEM_DES").value, "Pump <HF> & \"quiet\" option");
    EXPECT_NE(sent.Of("ZerakQueryLinkWithCondition").find("<CONDITION1 TYPE=\"SIMPLE_CONDITION\"><Relation>AND</Relation><Link>"
                                                          "RELATED_CUSTOMER</Link>"),
              std::string::npos)
        << sent.Of("ZerakQueryLinkWithCondition");
    EXPECT_NE(sent.Of("UpdateLink").find("<LINK1 ID=\"RELATED_CUSTOMER\"><CUSTOMER_CAT_NO>ACME-77</CUSTOMER_CAT_NO></LINK1>"),
              std::string::npos)
        << sent.Of("UpdateLink");
    EXPECT_EQ(dialog.result, "OK");
    const int32_t row = pane.RowOf("CUSTOMER.CUSTOMER_ID", "C-100");
    EXPECT_EQ(pane.Grid().TextMatrix(row, pane.Grid().ColIndex("RELATED_CUSTOMER.CONTROLLED_BY")), "Quality");
}

}  // namespace
}  // namespace controltest
