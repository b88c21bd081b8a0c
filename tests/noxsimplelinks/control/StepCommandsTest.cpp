// The engineering-order step commands against the sample server: the approval requests and their
// failure mixes, the order's identifiers handed to the workflow component (the order's own, else the
// user task's), the all-steps attachment with its top-lock message, and the step dialogs and the
// single-step detach writing to the store.
#include <gtest/gtest.h>

#include "SamplePane.h"
#include "ScriptedServer.h"
#include "automation/Dispatchable.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "support/ScopedProgId.h"

namespace controltest {
namespace {

constexpr int kNo = platform::kAnswerNo;

SamplePane Task(const std::string& pane, const std::string& step) {
    return SamplePane(pane, "EO_USER_TASK", {"EO_USER_TASK.EO_ID", "EO_USER_TASK.ROUTE_ID", "EO_USER_TASK.STEP_ID"},
                      {"EO-1001", "R1", step});
}
SamplePane Order(const std::string& pane) { return SamplePane(pane, "EO", {"EO.EO_ID"}, {"EO-1001"}); }

std::vector<std::string> ErrorBoxes(SamplePane& pane) {
    std::vector<std::string> texts;
    for (const auto& message : pane.world.Ui().Messages()) texts.push_back(message.text);
    return texts;
}

TEST(Approvals, EachCommandSendsItsObjectTypeAndResponseInOneMultiMethodRequest) {
    struct Case {
        const char *pane, *command, *column, *row, *type, *keys, *response;
    } cases[] = {
        {"TASK_MATERIALS", "RejectMaterial", "MATERIAL.MATERIAL_KEY", "M-RUBBER", "MATERIAL",
         "<MATERIAL.MATERIAL_KEY>M-RUBBER</MATERIAL.MATERIAL_KEY><MATERIAL.REVISION>A</MATERIAL.REVISION>", "REJECT"},
        {"TASK_FORMULAS", "ApproveFormula", "FORMULA.FORMULA_KEY", "FRM-2", "FORMULA",
         "<FORMULA.FORMULA_KEY>FRM-2</FORMULA.FORMULA_KEY><FORMULA.REVISION>A</FORMULA.REVISION>", "APPROVE"},
        {"TASK_ITEMS", "RejectItem", "ITEM.ITEM_KEY", "P110", "ITEM",
         "<ITEM.ITEM_KEY>P110</ITEM.ITEM_KEY><ITEM.REVISION>A</ITEM.REVISION>", "REJECT"},
    };
    for (const Case& c : cases) {
        SamplePane pane = Task(c.pane, "30");
        pane.Select(c.column, {c.row});
        SentRequests sent;
        pane.Call(c.command);
        const std::string multi = sent.Of("MultiMethodsRequest");
        EXPECT_NE(multi.find(Escaped(std::string("<OBJECTS><IN_OBJECT ID='EO_USER_TASK'><EO_USER_TASK.EO_ID>EO-1001"
                                                 "</EO_USER_TASK.EO_ID><EO_USER_TASK.ROUTE_ID>R1</EO_USER_TASK.ROUTE_ID>"
                                                 "<EO_USER_TASK.STEP_ID>30</EO_USER_TASK.STEP_ID></IN_OBJECT><IN_OBJECT1 ID='") +
                                     c.type + "'>" + c.keys + "</IN_OBJECT1></OBJECTS>")),
                  std::string::npos)
            << c.command << "\n" << multi;
        EXPECT_NE(multi.find(Escaped(std::string("<PARAMS><RESPONSE>") + c.response + "</RESPONSE></PARAMS>")), std::string::npos)
            << c.command;
        EXPECT_EQ(Occurrences(multi, "&lt;Name&gt;StepObjectResponseWithoutConnection&lt;/Name&gt;"), 1u) << c.command;
        EXPECT_TRUE(pane.world.Ui().Messages().empty()) << c.command << ": " << ErrorBoxes(pane).front();
        EXPECT_TRUE(pane.Raised("ObjectApproved")) << c.command;
    }
}

TEST(Approvals, TwoRowsGoTogetherAndTheFailedMethodsDecideTheRefresh) {
    struct Case {
        const char* name;
        std::string answer;
        std::vector<std::string> boxes;
        bool refreshed;
    } cases[] = {
        {"one of two failed", Answer("WARNING", Method("OK") + Method("FAILED", "P110 is released")), {"P110 is released"}, true},
        {"both failed", Answer("FAILED", Method("FAILED", "a") + Method("FAILED", "b")), {"a", "b"}, false},
        {"an error without methods", Answer("ERROR", ""), {}, false},
        {"both succeeded", Answer("OK", Method("OK") + Method("OK")), {}, true},
    };
    for (const Case& c : cases) {
        SamplePane pane = Task("TASK_ITEMS", "30");
        pane.Select("ITEM.ITEM_KEY", {"A100", "P110"});
        ScriptedChanges scripted(c.answer);
        SentRequests sent;
        pane.Call("ApproveItem");
        EXPECT_EQ(sent.Count("MultiMethodsRequest"), 1u) << c.name;
        EXPECT_EQ(Occurrences(sent.Of("MultiMethodsRequest"), "&lt;Name&gt;StepObjectResponseWithoutConnection&lt;/Name&gt;"), 2u)
            << c.name;
        EXPECT_EQ(ErrorBoxes(pane), c.boxes) << c.name;
        for (const auto& message : pane.world.Ui().Messages()) EXPECT_EQ(message.flags, 48) << c.name;
        EXPECT_EQ(sent.Count("QueryTaskRelatedObjects"), c.refreshed ? 1u : 0u) << c.name;
        EXPECT_EQ(pane.Raised("ObjectApproved"), c.refreshed) << c.name;
    }
}

TEST(Approvals, TheServerRecordsTheResponseOnlyForTheTaskHolder) {
    SamplePane own = Task("TASK_ITEMS", "30");  // jsmith's task
    own.Select("ITEM.ITEM_KEY", {"A100"});
    own.Call("RejectItem");
    EXPECT_TRUE(own.world.Ui().Messages().empty());
    own.Call("EoDitachObjTOSteps");  // the route as the workflow component reads it back
    ASSERT_FALSE(own.world.Ui().Dialogs().empty());
    const auto route = own.world.Ui().Dialogs().back().shown;
    bool rejected = false;
    for (const auto& control : route)
        for (const auto& row : control.rows)
            rejected |= row[0] == "30" && row[4].find("ITEM A100/B (REJECTED)") != std::string::npos;
    EXPECT_TRUE(rejected);

    SamplePane other = Task("TASK_ITEMS", "20");  // mbrown's task
    other.Select("ITEM.ITEM_KEY", {"A100"});
    other.Call("ObjectStepOperationOld", std::string("ITEM"), std::string("APPROVE"));
    ASSERT_EQ(other.world.Ui().Messages().size(), 1u);
    EXPECT_NE(other.world.Ui().Messages()[0].text.find("E-009190-NO-USER-TASK"), std::string::npos)
        << other.world.Ui().Messages()[0].text;
    EXPECT_FALSE(other.Raised("ObjectApproved"));
}

TEST(Approvals, TheOldFormSendsOneSingleRequestForTheCurrentRow) {
    SamplePane pane = Task("TASK_ITEMS", "30");
    pane.Select("ITEM.ITEM_KEY", {"P110"});
    SentRequests sent;
    pane.Call("ObjectStepOperationOld", std::string("ITEM"), std::string("APPROVE"));
    EXPECT_EQ(sent.Count("MultiMethodsRequest"), 0u);
    EXPECT_NE(sent.Of("StepObjectResponse").find("<IN_OBJECT1 ID='ITEM'><ITEM.ITEM_KEY>P110</ITEM.ITEM_KEY>"), std::string::npos);
    EXPECT_TRUE(pane.Raised("ObjectApproved"));
}

// A workflow component that records how it was called.
class RecordingWorkflow : public automation::Dispatchable<RecordingWorkflow> {
public:
    static constexpr const char* kTypeName = "RecordingWorkflow";
    static inline std::vector<std::string> calls;
    static const automation::MemberTable<RecordingWorkflow>& Members() {
        static const automation::MemberTable<RecordingWorkflow> table = [] {
            automation::MemberTable<RecordingWorkflow> t;
            t.Method("Show", [](RecordingWorkflow&, const std::string& type, const Variant& keys, const Variant& values,
                                const std::string& eo, const std::string& route, int32_t mode) {
                 calls.push_back("Show " + type + " " + keys.ToArray().At(0).TextOr("") + "=" +
                                 values.ToArray().At(0).TextOr("") + " " + eo + " " + route + " " + std::to_string(mode));
             })
                .Method("CloseMe", [](RecordingWorkflow&) { calls.push_back("CloseMe"); });
            return t;
        }();
        return table;
    }
};

TEST(StepDialogs, TheOrderOrElseTheUserTaskNamesTheOrderAndRoute) {
    struct Case {
        const char* command;
        bool underTask;
        std::string show;
    } cases[] = {
        {"EoAttachObjTOSteps", false, "Show ITEM ITEM.ITEM_KEY=P110 EO-1001 R9 0"},
        {"EoDitachObjTOSteps", false, "Show ITEM ITEM.ITEM_KEY=P110 EO-1001 R9 1"},
        {"EoViewDitachObjTOSteps", true, "Show ITEM ITEM.ITEM_KEY=P110 EO-1001 R1 2"},
    };
    for (const Case& c : cases) {
        SamplePane pane = c.underTask ? Task("TASK_ITEMS", "10") : Order("ORDER_ITEMS");
        pane.Param("EO.ROUTE_ID", Variant(std::string("R9")));  // taken only under an order
        pane.Select("ITEM.ITEM_KEY", {"P110"});
        auto scoped = testsupport::ScopedProgId::Of<RecordingWorkflow>("noxwfattached.Iclswfattached");
        RecordingWorkflow::calls.clear();
        SentRequests sent;
        pane.Call(c.command);
        EXPECT_EQ(RecordingWorkflow::calls, (std::vector<std::string>{c.show, "CloseMe"})) << c.command;
        EXPECT_TRUE(sent.requests.empty()) << c.command;  // no refresh: the dialog does its own work
        EXPECT_EQ(pane.world.Ui().MousePointer(), 0) << c.command;
    }
}

TEST(StepDialogs, ViewingTheDetachedObjectsListsThemAndChangesNothing) {
    SamplePane pane = Order("ORDER_ITEMS");
    pane.Select("ITEM.ITEM_KEY", {"P110"});
    SentRequests sent;
    pane.Call("EoViewDitachObjTOSteps");
    EXPECT_EQ(sent.requests.size(), 1u);
    EXPECT_EQ(sent.Count("WfQueryRoute"), 1u);
    ASSERT_EQ(pane.world.Ui().Dialogs().size(), 1u);
    const auto dialog = pane.world.Ui().Dialogs().back();
    EXPECT_EQ(dialog.steps, (std::vector<std::string>{"cmdClose"}));
    EXPECT_EQ(dialog.caption, "Objects detached from the steps");
    const auto& grid = dialog.shown.at(1);
    ASSERT_EQ(grid.rows.size(), 3u);
    EXPECT_EQ(grid.rows[1][0], "20");
    EXPECT_NE(grid.rows[1][4].find("ITEM P110/A"), std::string::npos);  // step 20 holds only A100
    EXPECT_EQ(grid.rows[1][4].find("ITEM A100/B"), std::string::npos);
}

TEST(StepDialogs, TicksAttachAndDetachTheObjectOnTheServer) {
    SamplePane pane = Order("ORDER_ITEMS");
    pane.Select("ITEM.ITEM_KEY", {"P110"});
    pane.world.Ui().ScriptDialog("noxwfattached", platform::DialogScript({"chkStep20=1", "cmdOK"}));
    pane.Call("EoAttachObjTOSteps");
    ASSERT_EQ(pane.world.Ui().Dialogs().size(), 1u);
    ASSERT_EQ(pane.world.Ui().Dialogs().back().result, "OK");
    pane.world.Ui().ScriptDialog("noxwfattached", platform::DialogScript({"chkStep10=1", "chkStep20=1", "cmdOK"}));
    pane.Call("EoDitachObjTOSteps");  // step 20's box is enabled only when the attach took
    EXPECT_EQ(pane.world.Ui().Dialogs().back().result, "OK");
    pane.world.Ui().ScriptDialog("noxwfattached", platform::DialogScript({"chkStep20=1"}));
    pane.Call("EoAttachObjTOSteps");  // and it is free again
    EXPECT_TRUE(pane.world.Ui().Messages().empty());
}

TEST(StepDialogs, TheSingleStepDetachRefreshesOnlyWhenSomethingWasDetached) {
    SamplePane pane = Task("TASK_ITEMS", "10");
    pane.Select("ITEM.ITEM_KEY", {"P110"});
    pane.world.Ui().Answer({kNo});
    pane.Call("EoDetachObjFromSingleStep");
    EXPECT_GE(pane.RowOf("ITEM.ITEM_KEY", "P110"), 0);
    EXPECT_EQ(pane.world.Ui().Messages().at(0).text, "Detach ITEM P110/A from step 10 of engineering order EO-1001?");

    pane.Select("ITEM.ITEM_KEY", {"P110", "A100"});
    pane.Call("EoDetachObjFromSingleStep");  // the default answer: Yes
    EXPECT_EQ(pane.RowOf("ITEM.ITEM_KEY", "P110"), -1);
    EXPECT_EQ(pane.RowOf("ITEM.ITEM_KEY", "A100"), -1);
}

TEST(AllSteps, AttachesTheCurrentRowWithItsLockAndSaysSoWhenItIsLockedOnTop) {
    SamplePane pane = Order("ORDER_ITEMS");
    pane.Select("ITEM.ITEM_KEY", {"P110"});
    SentRequests sent;
    pane.Call("EoAttachObjAllSteps");
    EXPECT_NE(sent.Of("EoAttachObjectAllSteps")
                  .find("<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>EO-1001</EO.EO_ID><EO.ROUTE_ID></EO.ROUTE_ID></IN_OBJECT>"
                        "<IN_OBJECT1 ID='ITEM'><ITEM.ITEM_KEY>P110</ITEM.ITEM_KEY><ITEM.REVISION>A</ITEM.REVISION>"
                        "</IN_OBJECT1></OBJECTS>"),
              std::string::npos)
        << sent.Of("EoAttachObjectAllSteps");
    EXPECT_NE(sent.Of("EoAttachObjectAllSteps").find("<PARAMS><LOCK>False</LOCK></PARAMS>"), std::string::npos);
    EXPECT_TRUE(pane.world.Ui().Messages().empty());
    EXPECT_EQ(sent.Count("ZerakQueryLinks"), 1u);  // refreshed

    struct Case {
        const char* message;
        std::string box;
        int flags;
    } failures[] = {
        {"W-009180-TOP-LOCK-OBJ: locked on top", "The object is locked by another engineering order and cannot be attached to this step.", 16},
        {"no such step", "ERROR = [no such step]", 48},
    };
    for (const Case& c : failures) {
        pane.world.Ui().Reset();
        ScriptedChanges scripted(Answer("ERROR", Method("FAILED", c.message), c.message));  // as the server fails one method
        pane.Call("EoAttachObjAllSteps");
        ASSERT_EQ(pane.world.Ui().Messages().size(), 1u) << c.message;
        EXPECT_EQ(pane.world.Ui().Messages()[0].text.substr(0, c.box.size()), c.box) << pane.world.Ui().Messages()[0].text;
        EXPECT_EQ(pane.world.Ui().Messages()[0].flags, c.flags) << c.message;
        EXPECT_TRUE(pane.Toolbar().ToolById("ID_Prop_Refresh")->Enabled()) << c.message;  // the tools follow the selection again
    }
}

TEST(Failures, EveryStepCommandBeforeInitReportsInsteadOfFailing) {
    ControlWorld w;
    for (const char* command : {"EoAttachObjTOSteps", "EoDitachObjTOSteps", "EoViewDitachObjTOSteps", "EoDetachObjFromSingleStep",
                                "EoAttachObjAllSteps", "ApproveItem", "RejectMaterial"})
        EXPECT_NO_THROW(w.control->Call(command)) << command;
    EXPECT_FALSE(w.world.Ui().Messages().empty());
}

}  // namespace
}  // namespace controltest
