#include <gtest/gtest.h>

#include "ToolbarFakes.h"
#include "automation/ObjectFactory.h"
#include "components/noxxmlutil/IXmlUtil.h"
#include "noxsimplelinks/toolbar/clsActions.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

using automation::Arguments;
using automation::DispatchPtr;
using automation::InvokeKind;
using automation::Variant;
using noxsimplelinks::clsActions;
using testsupport::ScopedProgId;
using toolbartest::Table;

namespace {

// Records the calls made on it by name; a method named "Fail" raises.
class Recorder : public automation::Dispatch {
public:
    Variant Invoke(std::string_view name, InvokeKind, Arguments& args) override {
        std::string call(name);
        for (const Variant& arg : args) call += " " + arg.TextOr("?");
        calls.push_back(call);
        if (name == "Fail") automation::Raise(automation::errors::kInvalidProcedureCall);
        return Variant();
    }
    std::string TypeName() const override { return "Recorder"; }
    std::vector<std::string> calls;
};

// An action object: keeps what it was given and reports the result the test chose.
class FakeAction : public automation::Dispatch {
public:
    FakeAction() { ++alive; }
    ~FakeAction() override { --alive; }
    Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) override {
        if (name == "CallingClass" && kind == InvokeKind::PropertySet) {
            callingClass = args.back().ToObject();
        } else if (name == "LastResult") {
            return Variant(nextResult);
        } else if (name == "lastError") {
            return Variant(nextError);
        } else {
            std::string call(name);
            for (const Variant& arg : args) call += " " + arg.TextOr("?");
            calls.push_back(call);
        }
        return Variant();
    }
    std::string TypeName() const override { return "FakeAction"; }

    static FakeAction& last() { return *lastMade; }
    static inline int alive = 0;
    static inline FakeAction* lastMade = nullptr;
    static inline std::string nextResult;
    static inline std::string nextError;
    std::vector<std::string> calls;
    DispatchPtr callingClass;
};

class ActionsTest : public ::testing::Test {
protected:
    ActionsTest() {
        FakeAction::nextResult.clear();
        FakeAction::nextError.clear();
        actions.SetCallingClass(pane);
        actions.SetActionMapping(Table({
            {"ACTION_MAPPING", "", "", "", ""},
            {"ID_Internal", "InternalAction", "", "Refresh", ""},
            {"ID_Internal_Fails", "InternalAction", "", "Fail", ""},
            {"ID_Dll", "DllAction", "test.Action", "Run", ""},
            {"ID_Exe", "ExeAction", "test.Action", "Start", ""},
            {"ID_Nowhere", "DllAction", "test.NotRegistered", "Run", ""},
            {"ID_Odd", "ShellAction", "", "Run", ""},
            {"ID_Dll", "InternalAction", "", "Second", ""},
        }));
    }

    std::shared_ptr<Recorder> pane = std::make_shared<Recorder>();
    ScopedProgId action{"test.Action", [] {
        auto made = std::make_shared<FakeAction>();
        FakeAction::lastMade = made.get();
        return made;
    }};
    testsupport::TestWorld world;
    clsActions actions;
};

TEST_F(ActionsTest, InternalActionsCallTheCallingClassByNameAndAlwaysSucceed) {
    EXPECT_TRUE(actions.ExecuteAction("ID_Internal"));
    EXPECT_EQ(pane->calls, (std::vector<std::string>{"Refresh"}));
    EXPECT_EQ(actions.ActionType(), "InternalAction");
    EXPECT_TRUE(actions.ExecuteAction("ID_Internal_Fails"));
    actions.SetCallingClass(nullptr);
    EXPECT_TRUE(actions.ExecuteAction("ID_Internal"));
}

TEST_F(ActionsTest, LookupIsExactAndSkipsTheHeaderRowAndAnObjectNotCreatedCountsAsDone) {
    EXPECT_FALSE(actions.ExecuteAction(""));
    EXPECT_FALSE(actions.ExecuteAction("ACTION_MAPPING"));
    EXPECT_FALSE(actions.ExecuteAction("id_internal"));
    EXPECT_FALSE(actions.ExecuteAction("ID_Unknown"));
    EXPECT_FALSE(actions.ExecuteAction("ID_Odd"));
    EXPECT_EQ(actions.ActionType(), "ShellAction");
    EXPECT_TRUE(pane->calls.empty());
    EXPECT_TRUE(actions.ExecuteAction("ID_Nowhere")) << "an object that cannot be created counts as done";
    EXPECT_TRUE(world.Ui().Messages().empty());
    actions.SetActionMapping(Variant("not a table"));
    EXPECT_FALSE(actions.ExecuteAction("ID_Internal"));
}

TEST_F(ActionsTest, DllActionsReportTheObjectsResult) {
    struct Case {
        std::string result, error;
        bool outcome;
        size_t boxes;
    };
    const std::vector<Case> cases = {
        {"OK", "", true, 0},
        {"ok", "ignored", true, 0},
        {"", "", true, 0},
        {"FAILED", "The file is locked", false, 1},
        {"FAILED", "", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result + "/" + c.error);
        world.Ui().Reset();
        FakeAction::nextResult = c.result;
        FakeAction::nextError = c.error;
        EXPECT_EQ(actions.ExecuteAction("ID_Dll"), c.outcome);
        const auto messages = world.Ui().Messages();
        ASSERT_EQ(messages.size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(messages[0].text, c.error);
            EXPECT_EQ(messages[0].flags, 0);
        }
        EXPECT_EQ(FakeAction::alive, 0);  // released after the call
    }
}

TEST_F(ActionsTest, ObjectActionsGetTheCallingClassAndTheParameter) {
    FakeAction::nextResult = "OK";
    actions.ExecuteAction("ID_Exe");
    EXPECT_EQ(FakeAction::last().callingClass, pane);
    EXPECT_EQ(FakeAction::last().calls, (std::vector<std::string>{"Start"}));

    actions.SetActionMapping(Table({{"H", "", "", "", ""}, {"ID_P", "ExeAction", "test.Action", "Run", "a;b"}}));
    EXPECT_TRUE(actions.ExecuteAction("ID_P"));
    EXPECT_EQ(FakeAction::last().calls, (std::vector<std::string>{"Run a;b"})) << "the parameter as one text";
    // A table without the parameter column calls without an argument.
    actions.SetActionMapping(Table({{"H", "", "", ""}, {"ID_Exe", "ExeAction", "test.Action", "Run"}}));
    EXPECT_TRUE(actions.ExecuteAction("ID_Exe"));
    EXPECT_EQ(FakeAction::last().calls, (std::vector<std::string>{"Run"}));
}

TEST_F(ActionsTest, AnExeActionObjectLivesUntilTheNextObjectAction) {
    EXPECT_TRUE(actions.ExecuteAction("ID_Exe"));
    EXPECT_EQ(FakeAction::alive, 1);
    EXPECT_TRUE(actions.ExecuteAction("ID_Internal"));
    EXPECT_EQ(FakeAction::alive, 1);
    EXPECT_TRUE(actions.ExecuteAction("ID_Dll"));
    EXPECT_EQ(FakeAction::alive, 0);
    EXPECT_TRUE(actions.ExecuteAction("ID_Exe"));
    {
        clsActions other;
        other.SetActionMapping(actions.ActionMapping());
        other.ExecuteAction("ID_Exe");
        EXPECT_EQ(FakeAction::alive, 2);
    }
    EXPECT_EQ(FakeAction::alive, 1);
}

TEST_F(ActionsTest, TheMappingIsReadFromTheDefinitionFile) {
    ScopedProgId xml = ScopedProgId::Of<components::IXmlUtil>("noxxmlutil.IXmlUtil");
    actions.LoadActionMapping(std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/simplelinks_toolbars.xml");
    EXPECT_TRUE(actions.ExecuteAction("ID_Prop_Edit_File"));
    EXPECT_TRUE(actions.ExecuteAction("ID_Prop_Rev_Effective"));
    EXPECT_FALSE(actions.ExecuteAction("ID_Prop_Get_File"));  // left to the host
    EXPECT_EQ(pane->calls, (std::vector<std::string>{"ShowEditFileDlg", "FilterEffective"}));

    actions.LoadActionMapping(world.WriteFile("plain.xml", "<COMMANDBARS/>").string());
    EXPECT_TRUE(actions.ActionMapping().IsEmpty());
    try {
        actions.LoadActionMapping(world.WriteFile("broken.xml", "<COMMANDBARS>").string());
        ADD_FAILURE() << "no error";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Number(), automation::errors::kUserError);
        EXPECT_NE(e.Description().find("broken.xml"), std::string::npos);
    }
}

}  // namespace
