// The navigation commands against the sample server: the exact workspace descriptions the host
// object receives, the structure modes, the history's revisions and orders (with the server's status
// and effectivity), the selection queries, printing, the find dialog, toolbar clicks on mapped tools,
// the attributes of a selection, and the error sources of each command.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SamplePane.h"
#include "automation/Collection.h"
#include "components/noxAttrs/IclsAttributes.h"
#include "components/noxcomm2/Icomm.h"
#include "components/noxprint/IclsPrint.h"
#include "support/ScopedProgId.h"

namespace controltest {
namespace {

using automation::SafeArray;

std::string Object(const std::string& type, const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string element = "<NOX_PDM_OBJECT><SOURCE Value = \"NoxSpace\" /> <OBJECT_TYPE Value = \"" + type + "\" /> <KEYS>";
    for (const auto& [key, value] : keys) element += "<" + key + " Value = \"" + value + "\" />";
    return element + "</KEYS><FIELDS></FIELDS></NOX_PDM_OBJECT>";
}

std::vector<std::string> Texts(const Variant& value) {
    std::vector<std::string> texts;
    if (!value.IsArray()) return texts;
    for (int32_t i = value.ToArray().LBound(1); i <= value.ToArray().UBound(1); ++i) texts.push_back(value.ToArray().At(i).TextOr(""));
    return texts;
}

// A print component whose every print reports no success.
struct RefusingPrinter : automation::Dispatchable<RefusingPrinter> {
    static constexpr const char* kTypeName = "RefusingPrinter";
    static const automation::MemberTable<RefusingPrinter>& Members() {
        static const automation::MemberTable<RefusingPrinter> table = [] {
            automation::MemberTable<RefusingPrinter> t;
            t.Method("printGridContents", [](RefusingPrinter&, automation::Arguments&) { return Variant(false); });
            return t;
        }();
        return table;
    }
};

SamplePane Files() { return SamplePane("FILES", "DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"}); }
SamplePane History() { return SamplePane("HISTORY", "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"}); }

TEST(Workspaces, OpenInCollectionDescribesEverySelectedObjectExactly) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1001", "F1004"});
    pane.Call("OpenInCollection");
    ASSERT_EQ(pane.Workspaces().size(), 1u);
    EXPECT_EQ(pane.Workspaces()[0],
              "<NOX_WORKSPACE_INFO><TYPE>DOC_COLLECTION</TYPE><WORKSPACE_MODE></WORKSPACE_MODE><EFFECTIVITY_DATE>"
              "</EFFECTIVITY_DATE><EFFECTIVITY_FROM></EFFECTIVITY_FROM><EFFECTIVITY_THRU></EFFECTIVITY_THRU><ROOT_OBJECTS>" +
                  Object("FILE", {{"FILE.FILE_ID", "F1001"}, {"FILE.REVISION", "1"}}) +
                  Object("FILE", {{"FILE.FILE_ID", "F1004"}, {"FILE.REVISION", "1"}}) +
                  "</ROOT_OBJECTS></NOX_WORKSPACE_INFO>");

    pane.Call("OpenAllInCollection");
    ASSERT_EQ(pane.Workspaces().size(), 2u);
    EXPECT_TRUE(pane.Workspaces()[1].starts_with("<NOX_WORKSPACE_INFO><TYPE>FILE_COLLECTION</TYPE>"));
    EXPECT_NE(pane.Workspaces()[1].find(Object("FILE", {{"FILE.FILE_ID", "F1002"}, {"FILE.REVISION", "1"}})), std::string::npos);

    SamplePane none = Files();
    none.Call("OpenInCollection");  // nothing selected: nothing to open
    EXPECT_TRUE(none.Workspaces().empty());
}

TEST(Workspaces, AStructureOpensReleasedForReleasedAndUnderChangeRows) {
    struct Case {
        const char* pane;
        const char *parentType, *parentKey;
        std::string key, keyValue;
        std::string expected;  // the description's start
    } cases[] = {
        {"DOCUMENTS", "ITEM", "A100", "DOC.DOC_ID", "D200",
         "<NOX_WORKSPACE_INFO><TYPE>DOC_STRUCTURE</TYPE><WORKSPACE_MODE>Released</WORKSPACE_MODE>"},
        {"RELATED_ITEMS", "ITEM", "A100", "ITEM.ITEM_KEY", "P140",
         "<NOX_WORKSPACE_INFO><TYPE>ITEM_STRUCTURE</TYPE><WORKSPACE_MODE>Released</WORKSPACE_MODE>"},
        {"FILES", "DOC", "D100", "FILE.FILE_ID", "F1002",
         "<NOX_WORKSPACE_INFO><TYPE>DOC_STRUCTURE</TYPE><WORKSPACE_MODE>Work-in-progress</WORKSPACE_MODE>"},
    };
    for (const Case& c : cases) {
        const std::string type = c.parentType;
        SamplePane pane(c.pane, type, {type + "." + (type == "ITEM" ? "ITEM_KEY" : "DOC_ID"), type + ".REVISION"},
                        {c.parentKey, "B"});
        pane.Select(c.key, {c.keyValue});
        pane.Call("OpenInStructure", Variant::Missing(), Variant::Missing(), "Released");  // the mode given is not used
        ASSERT_EQ(pane.Workspaces().size(), 1u) << c.keyValue;
        EXPECT_TRUE(pane.Workspaces()[0].starts_with(c.expected)) << pane.Workspaces()[0];
    }
    SamplePane documents("DOCUMENTS", "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"});
    documents.Select("DOC.STATUS", {"IN_WORK"});
    documents.Call("OpenInStructure", List({"DOC.DOC_ID", "DOC.REVISION"}), List({"D999", "Z"}));
    EXPECT_NE(documents.Workspaces()[0].find("<WORKSPACE_MODE>Work-in-progress</WORKSPACE_MODE>"), std::string::npos);
    EXPECT_NE(documents.Workspaces()[0].find(Object("DOC", {{"DOC.DOC_ID", "D999"}, {"DOC.REVISION", "Z"}})), std::string::npos);
}

TEST(Workspaces, HistoryRowsOpenTheirRevisionsAndOrders) {
    SamplePane pane = History();
    std::vector<std::string> requests;
    components::Icomm::RequestSent().Install([&](const std::string& request) { requests.push_back(request); });
    pane.Select("ITEM_VAULT_HISTORY.CHECK_TYPE", {"REVISE"});
    pane.Call("OpenRevFromStr");
    pane.Call("OpenRevToCol");
    components::Icomm::RequestSent().Install(nullptr);
    ASSERT_EQ(pane.Workspaces().size(), 2u);
    // Revision A of A100, released and effective from 1/10/2023 as the server says.
    EXPECT_EQ(pane.Workspaces()[0],
              "<NOX_WORKSPACE_INFO><TYPE>ITEM_STRUCTURE</TYPE><WORKSPACE_MODE>Released</WORKSPACE_MODE><EFFECTIVITY_DATE>"
              "1/10/2023</EFFECTIVITY_DATE><EFFECTIVITY_FROM></EFFECTIVITY_FROM><EFFECTIVITY_THRU></EFFECTIVITY_THRU>"
              "<ROOT_OBJECTS>" +
                  Object("ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "A"}}) + "</ROOT_OBJECTS></NOX_WORKSPACE_INFO>");
    ASSERT_EQ(requests.size(), 1u);  // a collection does not ask the server
    EXPECT_NE(requests[0].find("<Name>ZerakQuery</Name>"), std::string::npos);
    EXPECT_TRUE(pane.Workspaces()[1].starts_with("<NOX_WORKSPACE_INFO><TYPE>ITEM_COLLECTION</TYPE><WORKSPACE_MODE>"
                                                 "</WORKSPACE_MODE><EFFECTIVITY_DATE></EFFECTIVITY_DATE>"));
    EXPECT_NE(pane.Workspaces()[1].find(Object("ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "B"}})), std::string::npos);

    pane.Select("ITEM_VAULT_HISTORY.CHECK_TYPE", {"CHECK_IN", "REVISE"});
    pane.Call("OpenEO");
    ASSERT_EQ(pane.Workspaces().size(), 3u);
    EXPECT_EQ(pane.Workspaces()[2], "<NOX_WORKSPACE_INFO><TYPE>EO_COLLECTION</TYPE><WORKSPACE_MODE></WORKSPACE_MODE>"
                                    "<EFFECTIVITY_DATE></EFFECTIVITY_DATE><EFFECTIVITY_FROM></EFFECTIVITY_FROM>"
                                    "<EFFECTIVITY_THRU></EFFECTIVITY_THRU><ROOT_OBJECTS>" +
                                        Object("EO", {{"EO.EO_ID", "EO-0900"}}) + Object("EO", {{"EO.EO_ID", "EO-1001"}}) +
                                        "</ROOT_OBJECTS></NOX_WORKSPACE_INFO>");

    pane.Select("ITEM_VAULT_HISTORY.CHECK_TYPE", {"CHECK_OUT"});  // a row of no order
    pane.Call("OpenEO");
    EXPECT_EQ(pane.Workspaces().size(), 3u);
    ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(pane.world.Ui().Messages()[0].text,
              "This history entry (CHECK_OUT) belongs to no engineering order and cannot be opened in a collection.");
    EXPECT_EQ(pane.world.Ui().Messages()[0].title, "Cannot open in collection");
    EXPECT_EQ(pane.world.Ui().Messages()[0].flags, 48);
}

TEST(SelectionQueries, ReadTheRowsByColumnKey) {
    SamplePane pane = Files();
    EXPECT_EQ(pane.Call("collSelectedObjects").ToObject()->Get("Count").ToLong(), 1);  // the key names alone
    pane.Select("FILE.FILE_ID", {"F1002"});
    const Variant fields = List({"FILE.FILE_ID", "FILE.FILE_NAME"});
    const int16_t lastRow = static_cast<int16_t>(pane.RowOf("FILE.FILE_ID", "F1004"));
    struct Case {
        const char* what;
        Variant answer;
        std::vector<std::string> expected;
    } cases[] = {
        {"current row", pane.Call("getValuesFromGrid", fields), {"F1002", "pump_assy.pdf"}},
        {"row 0 is the current row", pane.Call("getValuesFromGrid", fields, int16_t{0}), {"F1002", "pump_assy.pdf"}},
        {"a row", pane.Call("getValuesFromGrid", fields, lastRow), {"F1004", "pump_assy_markup.xml"}},
        {"row 0 by grid is the header", pane.Call("getValuesFromGridByGrid", fields, int16_t{0}), {"File id", "File name"}},
        {"a field without a column", pane.Call("getValuesFromGrid", List({"FILE.NOPE"})), {}},
        {"selected keys", pane.control->Get("SelectedKeys"), {"FILE.FILE_ID", "FILE.REVISION"}},
        {"selected values", pane.control->Get("SelectedValues"), {"F1002", "1"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Texts(c.answer), c.expected) << c.what;
    EXPECT_TRUE(pane.Call("getValuesFromGrid", List({"FILE.NOPE"})).IsEmpty());

    automation::Arguments byKey{Variant("FILE_NAME"), Variant("")};
    EXPECT_EQ(pane.control->Invoke("getValueFromGridByKey", automation::InvokeKind::Method, byKey).ToString(), "pump_assy.pdf");
    EXPECT_EQ(byKey[1].ToString(), "OK");
    automation::Arguments missing{Variant("NOPE"), Variant("stale")};
    EXPECT_EQ(pane.control->Invoke("getValueFromGridByKey", automation::InvokeKind::Method, missing).ToString(), "");
    EXPECT_EQ(missing[1].ToString(), "");

    pane.Select("FILE.FILE_ID", {"F1004", "F1001"});
    const DispatchPtr selected = pane.Call("collSelectedObjects").ToObject();
    ASSERT_EQ(selected->Get("Count").ToLong(), 3);
    EXPECT_EQ(Texts(selected->Call("Item", 1)), (std::vector<std::string>{"FILE.FILE_ID", "FILE.REVISION"}));
    EXPECT_EQ(Texts(selected->Call("Item", 2)), (std::vector<std::string>{"F1004", "1"}));
    EXPECT_EQ(Texts(selected->Call("Item", 3)), (std::vector<std::string>{"F1001", "1"}));
}

TEST(Printing, WritesTheReportWithTheResourceTexts) {
    SamplePane pane = Files();
    std::vector<std::string> reports;
    components::IclsPrint::ReportWritten().Install([&](const std::string& path) { reports.push_back(path); });
    pane.Call("printGrid");
    components::IclsPrint::ReportWritten().Install(nullptr);
    ASSERT_EQ(reports.size(), 1u);
    std::stringstream html;
    html << std::ifstream(reports[0]).rdbuf();
    for (const char* text : {"<title>Attached objects</title>", "<div class=\"page-header\">Files of Document D100 Revision B</div>",
                             "<div class=\"report-header\">Attached objects report</div>", "<div class=\"page-footer\">Printed on ",
                             "<div class=\"report-footer\">End of report</div>", "<td>pump_assy_markup.xml</td>"})
        EXPECT_NE(html.str().find(text), std::string::npos) << text;
    EXPECT_EQ(pane.world.Ui().MousePointer(), 0);

    // A print component that reports no success: the user is told.
    testsupport::ScopedProgId refusing = testsupport::ScopedProgId::Of<RefusingPrinter>("noxprint.IclsPrint");
    pane.Call("printGrid");
    ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(pane.world.Ui().Messages()[0].text, "The list could not be printed.");
    EXPECT_EQ(pane.world.Ui().Messages()[0].title, "Print error");
    EXPECT_EQ(pane.world.Ui().Messages()[0].flags, 48);
}

TEST(Find, TheDialogSelectsTheRowsThatHoldTheText) {
    SamplePane pane = Files();
    platform::Ui().ScriptDialog("noxFind", platform::DialogScript({"txtFind=PUMP_ASSY.PDF", "chkWholeCell=1", "cmdFind"}));
    pane.Call("ShowFind");
    ASSERT_EQ(pane.world.Ui().Dialogs().size(), 1u);
    const platform::DialogRecord found = pane.world.Ui().Dialogs()[0];
    EXPECT_EQ(found.caption, "Files");
    EXPECT_FALSE(found.modal);
    EXPECT_EQ(found.steps, (std::vector<std::string>{"txtFind=PUMP_ASSY.PDF", "chkWholeCell=1", "cmdFind", "cmdClose"}));
    EXPECT_EQ(pane.Grid().SelectedRows(), 1);
    EXPECT_EQ(pane.Grid().Row(), pane.RowOf("FILE.FILE_ID", "F1002"));
    EXPECT_TRUE(pane.Toolbar().ToolById("ID_Prop_Display_File")->Enabled());  // the tools follow the rows found

    platform::Ui().ScriptDialog("noxFind", platform::DialogScript({"txtFind=dwg", "chkMatchCase=1", "cmdFind"}));
    pane.Call("ShowFind");
    EXPECT_EQ(pane.Grid().SelectedRows(), 1);  // "dwg" in lower case: pump_assy.dwg; F1003's is not listed
    EXPECT_EQ(pane.world.Ui().Dialogs()[1].closed[3].caption, "1 row found");
}

TEST(ToolbarClicks, AMappedToolRunsItsCommand) {
    struct Case {
        const char* pane;
        const char* tool;
        std::function<bool(SamplePane&)> done;
    } cases[] = {
        {"DOCUMENTS", "ID_Prop_Open_In_Collection", [](SamplePane& p) { return p.Workspaces().size() == 1; }},
        {"DOCUMENTS", "ID_Prop_Open_All_In_Collection", [](SamplePane& p) { return p.Workspaces().size() == 1; }},
        {"DOCUMENTS", "ID_Prop_Open_In_Structure", [](SamplePane& p) { return p.Workspaces().size() == 1; }},
        {"DOCUMENTS", "ID_Prop_Custom_Fields", [](SamplePane& p) { return p.Raised("ShowCustFields"); }},
        {"DOCUMENTS", "ID_Prop_Find", [](SamplePane& p) { return p.world.Ui().Dialogs().size() == 1; }},
        {"HISTORY", "ID_Prop_Open_EO", [](SamplePane& p) { return p.Workspaces().size() == 1; }},
        {"HISTORY", "ID_Prop_Open_Rev_To_Collection", [](SamplePane& p) { return p.Workspaces().size() == 1; }},
    };
    for (const Case& c : cases) {
        SamplePane pane(c.pane, "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"});
        platform::GridUser(pane.Grid()).Click(pane.Grid().FixedRows() + 1, 0);
        EXPECT_TRUE(pane.Toolbar().ClickTool(c.tool)) << c.tool;
        EXPECT_TRUE(c.done(pane)) << c.tool;
        EXPECT_TRUE(pane.world.Ui().Messages().empty()) << c.tool;
    }
}

TEST(Attributes, UpdateAndTheHistoryRevisionsReachTheAttributesComponent) {
    SamplePane pane("ITEMS", "EO", {"EO.EO_ID"}, {"EO-1001"});  // registers the stand-ins first
    std::shared_ptr<components::IclsAttributes> dialog;
    testsupport::ScopedProgId attributes("noxAttrs.IclsAttributes", [&] {
        dialog = std::make_shared<components::IclsAttributes>();
        return dialog;
    });
    pane.Select("ITEM.ITEM_KEY", {"P110"});
    pane.Call("Update");
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->ShownDialogs().size(), 1u);
    EXPECT_EQ(dialog->ShownDialogs()[0].arguments[1].ToLong(), 2);  // update mode
    EXPECT_TRUE(pane.Raised("SimpleLinkUpdate"));

    SamplePane history = History();
    history.Select("ITEM_VAULT_HISTORY.CHECK_TYPE", {"REVISE"});
    dialog = nullptr;
    history.Call("DisplayRevFrom");
    ASSERT_TRUE(dialog);
    const auto& shown = dialog->ShownDialogs().at(0).arguments;
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].ToString(), "ITEM");
    EXPECT_EQ(shown[1].ToLong(), 3);
    EXPECT_EQ(Texts(shown[3]), (std::vector<std::string>{"ITEM.ITEM_KEY", "ITEM.REVISION"}));
    EXPECT_EQ(Texts(shown[4]), (std::vector<std::string>{"A100", "A"}));
}

TEST(Failures, EachCommandReportsWithItsSource) {
    struct Case {
        const char* command;
        const char* source;
    } cases[] = {
        {"OpenInCollection", "ctlWorkspace:OpenInCollection"},
        {"OpenAllInCollection", "ctlWorkspace:OpenInCollection"},
        {"OpenInStructure", "ctlWorkspace:OpenInStructure"},
        {"OpenRevToCol", "ctlSimpleLinks:OpenHistoryObjectInNewSpace"},
        {"OpenEO", "ctlSimpleLinks:OpenEO"},
    };
    for (const Case& c : cases) {
        SamplePane pane = History();
        pane.Select("ITEM_VAULT_HISTORY.CHECK_TYPE", {"REVISE"});
        pane.control->SetHost(Variant(DispatchPtr(std::make_shared<automation::Collection>())));  // no AddWorkspace
        pane.Call(c.command);
        EXPECT_NE(pane.ReportNaming(c.source), "") << c.command;
    }
    SamplePane pane = History();
    testsupport::ScopedProgId noFind("noxFind.IclsFind", []() -> DispatchPtr { return nullptr; });
    pane.Call("ShowFind");
    EXPECT_NE(pane.ReportNaming("PropertPane:showFind"), "");
}

TEST(Failures, EveryCommandBeforeInitReportsInsteadOfFailing) {
    ControlWorld w;
    for (const char* command : {"OpenInCollection", "OpenAllInCollection", "OpenInStructure", "OpenRevFromStr", "OpenEO",
                                "ShowFind", "printGrid", "DisplayRevTo", "RemoveCol", "savePane", "Display", "Update"})
        w.control->Call(command);
    w.control->SetWidth(500);
    EXPECT_TRUE(w.control->Call("getValuesFromGrid", List({"ITEM.ITEM_KEY"})).IsEmpty());
    EXPECT_EQ(w.control->collSelectedObjects()->Get("Count").ToLong(), 1);
    EXPECT_FALSE(w.world.Ui().Messages().empty());
}

}  // namespace
}  // namespace controltest
