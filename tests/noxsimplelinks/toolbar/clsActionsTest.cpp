#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "ToolbarTables.h"
#include "components/noxxmlutil/IXmlUtil.h"
#include "noxsimplelinks/toolbar/clsActions.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

using automation::Arguments;
using automation::InvokeKind;
using automation::Variant;
using noxsimplelinks::clsActions;
using testsupport::ScopedProgId;
using toolbartest::Table;
using Calls = std::vector<std::string>;

namespace {

// Records the calls made on it by name ("Fail" raises); as an action object it keeps the calling
// class it is given and reports the result and error the test chose.
class Fake : public automation::Dispatch {
public:
    explicit Fake(std::string lastResult = {}, std::string lastError = {}) : result(std::move(lastResult)), error(std::move(lastError)) {}
    Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) override {
        if (name == "LastResult") return Variant(result);
        if (name == "lastError") return Variant(error);
        if (name == "CallingClass") {
            if (kind == InvokeKind::PropertySet) callingClass = args.back().ToObject();
            return Variant();
        }
        std::string call(name);
        for (const Variant& arg : args) call += " " + arg.TextOr("?");
        calls.push_back(call);
        if (name == "Fail") automation::Raise(automation::errors::kInvalidProcedureCall);
        return Variant();
    }
    std::string TypeName() const override { return "Fake"; }

    Calls calls;
    automation::DispatchPtr callingClass;
    std::string result, error;
};

class ActionsTest : public ::testing::Test {
protected:
    ActionsTest() {
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

    std::shared_ptr<Fake> pane = std::make_shared<Fake>();
    std::string result, error;          // what the next action object reports
    std::vector<std::weak_ptr<Fake>> made;  // the action objects, in the order made
    ScopedProgId action{"test.Action", [this] {
                            auto fake = std::make_shared<Fake>(result, error);
                            made.push_back(fake);
                            return fake;
                        }};
    testsupport::TestWorld world;
    clsActions actions;
};

// The first row of an exact id runs; an internal action calls the calling class by name and counts
// as done whatever the call does, and so does an object that cannot be created.
TEST_F(ActionsTest, TheFirstRowOfAnExactIdRunsAndOtherIdsAndTypesAreNotDone) {
    for (const auto& [id, done] : {std::pair("ID_Internal", true), std::pair("ID_Internal_Fails", true), std::pair("ID_Nowhere", true),
                                   std::pair("", false), std::pair("ACTION_MAPPING", false), std::pair("id_internal", false),
                                   std::pair("ID_Unknown", false), std::pair("ID_Odd", false)})
        EXPECT_EQ(actions.ExecuteAction(id), done) << id;
    EXPECT_EQ(pane->calls, (Calls{"Refresh", "Fail"}));
    EXPECT_EQ(actions.ActionType(), "ShellAction");
    EXPECT_TRUE(world.Ui().Messages().empty());
    actions.SetCallingClass(nullptr);
    EXPECT_TRUE(actions.ExecuteAction("ID_Internal"));
    actions.SetActionMapping(Variant("not a table"));
    EXPECT_FALSE(actions.ExecuteAction("ID_Internal"));
}

TEST_F(ActionsTest, DllActionsReportTheObjectsResultAndReleaseIt) {
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"OK", "", true}, {"ok", "ignored", true}, {"", "", true}, {"FAILED", "The file is locked", false}, {"FAILED", "", false}};
    for (const auto& [lastResult, lastError, outcome] : cases) {
        SCOPED_TRACE(lastResult + "/" + lastError);
        world.Ui().Reset();
        result = lastResult;
        error = lastError;
        EXPECT_EQ(actions.ExecuteAction("ID_Dll"), outcome);
        EXPECT_TRUE(made.back().expired());
        const auto messages = world.Ui().Messages();
        ASSERT_EQ(messages.size(), outcome || lastError.empty() ? 0u : 1u);
        if (!messages.empty()) {
            EXPECT_EQ(messages[0].text, lastError);
            EXPECT_EQ(messages[0].flags, 0);
        }
    }
    EXPECT_TRUE(pane->calls.empty()) << "the first row of an id wins";
}

TEST_F(ActionsTest, AnExeActionGetsTheCallingClassAndTheParameterAndLivesUntilTheNextObjectAction) {
    EXPECT_TRUE(actions.ExecuteAction("ID_Exe"));
    std::weak_ptr<Fake> exe = made.back();
    ASSERT_FALSE(exe.expired());
    EXPECT_EQ(exe.lock()->callingClass, pane);
    EXPECT_EQ(exe.lock()->calls, Calls{"Start"});
    EXPECT_TRUE(actions.ExecuteAction("ID_Internal"));
    EXPECT_FALSE(exe.expired());
    EXPECT_TRUE(actions.ExecuteAction("ID_Dll"));
    EXPECT_TRUE(exe.expired());

    actions.SetActionMapping(Table({{"H", "", "", "", ""}, {"ID_P", "ExeAction", "test.Action", "Run", "a;b"}}));
    EXPECT_TRUE(actions.ExecuteAction("ID_P"));
    EXPECT_EQ(made.back().lock()->calls, Calls{"Run a;b"}) << "the parameter as one text";
    actions.SetActionMapping(Table({{"H", "", "", ""}, {"ID_Exe", "ExeAction", "test.Action", "Run"}}));
    EXPECT_TRUE(actions.ExecuteAction("ID_Exe"));
    EXPECT_EQ(made.back().lock()->calls, Calls{"Run"}) << "no parameter column: no argument";
}

// The sample mapping is read and run by the control's own tests; here a file without one and a
// broken file.
TEST_F(ActionsTest, AFileWithoutAMappingGivesNoneAndABrokenFileRaisesWithItsPath) {
    ScopedProgId xml = ScopedProgId::Of<components::IXmlUtil>("noxxmlutil.IXmlUtil");
    actions.LoadActionMapping(world.WriteFile("plain.xml", "<COMMANDBARS/>").string());
    EXPECT_TRUE(actions.ActionMapping().IsEmpty());
    const std::string broken = world.WriteFile("broken.xml", "<COMMANDBARS>").string();
    EXPECT_TRUE(testsupport::Raises([&] { actions.LoadActionMapping(broken); }, automation::errors::kUserError, broken));
}

}  // namespace
