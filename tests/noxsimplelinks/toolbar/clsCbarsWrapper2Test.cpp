#include <gtest/gtest.h>

#include <functional>

#include "support/ErrorOf.h"
#include "ToolbarTables.h"
#include "components/noxauth/IAuthorization.h"
#include "components/noxcbars/ICommandBars.h"
#include "noxsimplelinks/toolbar/clsCbarsWrapper2.h"
#include "platform/toolbar/ToolMenu.h"
#include "platform/toolbar/ToolbarControl.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

using automation::AutomationError;
using automation::Variant;
using noxsimplelinks::clsCbarsWrapper2;
using platform::ToolbarControl;
using testsupport::ErrorOf;
using testsupport::ScopedProgId;
using toolbartest::Table;

namespace {

const std::string kSettings = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/";

// The facade over the real component and the sample definitions, with the sample rights.
class FacadeWithSampleBars : public ::testing::Test {
protected:
    FacadeWithSampleBars() {
        auth->LoadRights(kSettings + "noxrights.xml");
        facade->SetNoxAuth(auth);
    }
    void Build(const std::string& bar) {
        facade->BuildToolBar(kSettings + "simplelinks_toolbars.xml", Variant(toolbar), bar, "", Variant::Missing(), "", Variant::Missing());
    }
    void Toggle(const std::string& state, const std::string& parentStatus = "IN_WORK", const std::string& rowStatus = "") {
        facade->ToggleState(state, parentStatus, rowStatus, "FILE", "DESIGNER", "jdoe", "");
    }
    bool Enabled(const std::string& id) const { return toolbar->ToolById(id)->Enabled(); }

    testsupport::TestWorld world;
    ScopedProgId component = ScopedProgId::Of<components::ICommandBars>("noxcbars.ICommandBars");
    std::shared_ptr<components::IAuthorization> auth = std::make_shared<components::IAuthorization>();
    std::shared_ptr<clsCbarsWrapper2> facade = std::make_shared<clsCbarsWrapper2>();
    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
};

// The file tools the control's tests leave out, with a designer's rights; the view drop-down follows
// its first enabled view tool.
TEST_F(FacadeWithSampleBars, FileBarFollowsTheSelectionStateAndTheRights) {
    Build("FILE");
    for (const std::string state : {"NEW_EMPTY", "MRS", "ROW_SELECTED"}) {
        Toggle(state);
        EXPECT_TRUE(Enabled("ID_Prop_Find_Files") && Enabled("ID_Create_Drp")) << state;
        EXPECT_EQ(Enabled("ID_Prop_Display_File_Lock_Info"), state == "ROW_SELECTED") << state;
        EXPECT_EQ(Enabled("ID_Prop_View_Drp"), state == "ROW_SELECTED") << state;
    }
    EXPECT_EQ(toolbar->ToolById("ID_Prop_View_Drp")->TagVariant().ToString(),
              "ID_Prop_View_Drp;ID_Prop_View_File;;ID_Prop_View_Menu");
    // A row status takes the place of the parent status when given.
    for (const auto& [parent, row, editable] : {std::tuple("IN_WORK", "RELEASED", false), std::tuple("RELEASED", "", false),
                                                std::tuple("RELEASED", "IN_WORK", true)}) {
        Toggle("ROW_SELECTED", parent, row);
        EXPECT_EQ(Enabled("ID_Prop_Edit_File"), editable) << parent << "/" << row;
    }
}

// Outside a project a tool is refused when its ID stands in brackets in the list, exactly.
TEST(clsCbarsWrapper2, AuthorizeByProjectSearchesTheBracketedId) {
    clsCbarsWrapper2 facade;
    facade.SetNoneProject(true);
    facade.SetDisableNoneProject("[ID_A][ID_B_LONG]");
    for (const auto& [tool, authorized] : {std::pair("ID_A", false), std::pair("ID_B_LONG", false), std::pair("ID_B", true),
                                           std::pair("id_a", true), std::pair("ID_C", true), std::pair("", true)})
        EXPECT_EQ(facade.AuthorizeByProject(tool), authorized) << tool;
    facade.SetNoneProject(false);
    EXPECT_TRUE(facade.AuthorizeByProject("ID_A"));
}

TEST(clsCbarsWrapper2, StripBufferStringEndsAtTheFirstNul) {
    clsCbarsWrapper2 facade;
    EXPECT_EQ(facade.StripBufferString("plain"), "plain");
    EXPECT_EQ(facade.StripBufferString(std::string("name\0rest\0", 10)), "name");
    EXPECT_EQ(facade.StripBufferString(""), "");
}

// A toolbar with a drop-down button over a menu of three items, the tests' own.
class DropDownTest : public ::testing::Test {
protected:
    DropDownTest() {
        auto menu = toolbar->Tools()->Add("ID_Menu", platform::kToolMenu, "Menu");
        for (const std::string name : kItems) {
            auto tool = toolbar->Tools()->Add("ID_" + name, platform::kToolButton, name);
            tool->SetPicture(Variant("p" + name));
            tool->SetToolTipText("tip " + name);
            tool->SetTagVariant(Variant("ID_" + name + ";OP_" + name + ";;"));
            menu->Menu()->Tools()->Add("ID_" + name, std::nullopt, std::nullopt);
        }
        drop = toolbar->Tools()->Add("ID_Drp", platform::kToolDropDownButton, "Drop");
        drop->SetTagVariant(Variant("ID_Drp;OWN;free;ID_Menu"));
        facade.SetToolBar(toolbar);
    }
    // The items enabled as the text says, one character a item ("010": only the second).
    void enable(const std::string& which) {
        for (size_t i = 0; i < which.size(); ++i) toolbar->ToolById("ID_" + std::string(kItems[i]))->SetEnabled(which[i] == '1');
    }

    static constexpr const char* kItems[] = {"One", "Two", "Three"};

    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
    std::shared_ptr<platform::Tool> drop;
    clsCbarsWrapper2 facade;
};

// The button takes the operation and look of the first enabled item; with none enabled at first it
// stays disabled looking like the first item.
TEST_F(DropDownTest, TakesTheOperationAndLookOfTheFirstEnabledItem) {
    for (const auto& [enabled, name] : {std::pair("000", "One"), std::pair("011", "Two"), std::pair("001", "Three")}) {
        SCOPED_TRACE(enabled);
        enable(enabled);
        facade.replaceDropDownButtonOperation();
        EXPECT_EQ(drop->Enabled(), std::string(enabled) != "000");
        EXPECT_EQ(drop->TagVariant().ToString(), std::string("ID_Drp;OP_") + name + ";free;ID_Menu");
        EXPECT_EQ(drop->Name(), name);
        EXPECT_EQ(drop->Picture().ToString(), std::string("p") + name);
        EXPECT_EQ(drop->ToolTipText(), std::string("tip ") + name);
    }
}

TEST_F(DropDownTest, TagsAreWrittenBackWithFourFieldsAndAMissingMenuFailsTheCall) {
    auto shortTag = toolbar->Tools()->Add("ID_Short", platform::kToolDropDownButton, "Short");
    shortTag->SetTagVariant(Variant("ID_Short"));
    auto longTag = toolbar->Tools()->Add("ID_Long", platform::kToolDropDownButton, "Long");
    longTag->SetTagVariant(Variant("ID_Long;OWN;free;ID_Menu;more"));
    enable("111");
    facade.replaceDropDownButtonOperation();
    EXPECT_FALSE(shortTag->Enabled());
    EXPECT_EQ(shortTag->TagVariant().ToString(), "ID_Short;;;");
    EXPECT_EQ(longTag->TagVariant().ToString(), "ID_Long;OP_One;free;ID_Menu");
    EXPECT_TRUE(drop->Enabled());

    toolbar->Tools()->Add("ID_Lost", platform::kToolDropDownButton, "Lost")->SetTagVariant(Variant("ID_Lost;OP;;ID_Nowhere"));
    auto late = toolbar->Tools()->Add("ID_Late", platform::kToolDropDownButton, "Late");
    late->SetTagVariant(Variant("x;y;z;ID_Menu"));
    const AutomationError error = ErrorOf([&] { facade.replaceDropDownButtonOperation(); });
    EXPECT_EQ(error.Number(), automation::errors::kInvalidProcedureCall);
    EXPECT_EQ(error.Description(), "There is no tool with the ID \"ID_Nowhere\"");
    EXPECT_EQ(late->TagVariant().ToString(), "x;y;z;ID_Menu") << "the buttons after the failure are not reached";
}

// An authorization object that records its calls as text, answering as the test chooses.
class RecordingAuth : public automation::Dispatch {
public:
    Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments& args) override {
        if (!automation::SameName(name, "IAuthorization_Authorize")) automation::Raise(automation::errors::kObjectDoesNotSupportMember);
        std::string call;
        for (size_t i = 0; i < args.size(); ++i) call += (i ? "|" : "") + args[i].TextOr("?");
        calls.push_back(call);
        return Variant(answer(args[1].TextOr("")));
    }
    std::string TypeName() const override { return "RecordingAuth"; }

    std::vector<std::string> calls;  // the arguments of each call joined by "|", "?" for one left out
    std::function<bool(const std::string& action)> answer = [](const std::string&) { return true; };
};

// A command-bars component that hands out the state tables a test gives it.
class TablesComponent : public automation::Dispatch {
public:
    Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments&) override {
        if (automation::SameName(name, "StaticState")) return staticState;
        if (automation::SameName(name, "ActionState")) return actionState;
        if (automation::SameName(name, "BuildToolBar")) return Variant();
        automation::Raise(automation::errors::kObjectDoesNotSupportMember);
    }
    std::string TypeName() const override { return "TablesComponent"; }

    Variant staticState;
    Variant actionState;
};

// ToggleState over tables handed out by a fake component.
class ToggleStateTest : public ::testing::Test {
protected:
    ToggleStateTest() {
        for (const char* id : kTools) toolbar->Tools()->Add(id, platform::kToolButton, std::nullopt);
        facade.SetToolBar(toolbar);
        facade.SetNoxAuth(auth);
    }
    void Tables(Variant staticState, Variant actionState = Variant()) {
        tables->staticState = std::move(staticState);
        tables->actionState = std::move(actionState);
        facade.BuildToolBar("any.xml", Variant(toolbar), "BAR", "", Variant::Missing(), "", Variant::Missing());
    }
    // Each tool in the order made as 1 (enabled), 0 (disabled) or h (hidden).
    std::string Look() const {
        std::string look;
        for (const char* id : kTools) {
            const auto tool = toolbar->ToolById(id);
            look += !tool->Visible() ? 'h' : tool->Enabled() ? '1' : '0';
        }
        return look;
    }

    static constexpr const char* kTools[] = {"ID_T1", "ID_T2", "ID_T3", "ID_T4", "ID_T5", "ID_Act", "ID_Create_Drp"};
    std::shared_ptr<TablesComponent> tables = std::make_shared<TablesComponent>();
    ScopedProgId component{"noxcbars.ICommandBars", [this] { return tables; }};
    std::shared_ptr<RecordingAuth> auth = std::make_shared<RecordingAuth>();
    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
    clsCbarsWrapper2 facade;
};

TEST_F(ToggleStateTest, AsksTheAuthorizationObjectInItsArgumentOrder) {
    Tables(Table({{"TOOL_ID", "NEW_EMPTY", "ROW_SELECTED"}}),
           Table({{"TOOL_ID", "NEW_EMPTY", "ROW_SELECTED", "AUTH_ACTION"},
                  {"ID_Act", "1", "1", "EDIT_FILE"},
                  {"ID_Create_Drp", "1", "1", "LINK_OBJECT"}}));
    facade.ToggleState("ROW_SELECTED", "PARENT_ST", "", "OBJ_TYPE", "USER_TYPE", "USER_NAME", "LAST");
    facade.ToggleState("NEW_EMPTY", "PARENT_ST", "ROW_ST", "OBJ_TYPE", "USER_TYPE", "USER_NAME", "LAST");
    EXPECT_EQ(auth->calls, (std::vector<std::string>{"USER_TYPE|EDIT_FILE||OBJ_TYPE|PARENT_ST|PARENT_ST|?|?|?|LAST",
                                                     "USER_TYPE|LINK_TO_CHILD||OBJ_TYPE|PARENT_ST|PARENT_ST|?|?|?|LAST",
                                                     "USER_TYPE|EDIT_FILE||OBJ_TYPE|ROW_ST|PARENT_ST|?|?|?|LAST",
                                                     "USER_TYPE|LINK_OBJECT||OBJ_TYPE|ROW_ST|PARENT_ST|?|?|?|LAST"}));
}

// Each row sets its tool after the project rule and the rights; the action table's rows for tools
// the toolbar lacks are passed over.
TEST_F(ToggleStateTest, ValuesEnableDisableOrHideTheirTools) {
    Tables(Table({{"TOOL_ID", "S"}, {"ID_T1", int32_t{1}}, {"ID_T2", int32_t{1}}, {"ID_T3", int32_t{0}}, {"ID_T4", int32_t{2}}}),
           Table({{"TOOL_ID", "S", "AUTH_ACTION"}, {"ID_Gone", "1", "X"}, {"ID_T5", "7", "X"}, {"ID_Act", "1", "DENIED"}}));
    auth->answer = [](const std::string& action) { return action != "DENIED"; };
    facade.SetNoneProject(true);
    facade.SetDisableNoneProject("[ID_T1]");
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_EQ(Look(), "010h101") << "T1 by the project, T3 by its value, Act by the rights";
    EXPECT_TRUE(toolbar->Redraw());
    facade.SetNoneProject(false);
    auth->answer = [](const std::string&) { return true; };
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_EQ(Look(), "110h111") << "a state never shows a tool again";

    // A state without a column changes no tool; without tables drawing stays off.
    toolbar->ToolById("ID_T1")->SetEnabled(false);
    facade.ToggleState("OTHER", "", "", "", "", "", "");
    EXPECT_EQ(Look(), "010h111");
    EXPECT_TRUE(toolbar->Redraw());
    Tables(Variant());
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_FALSE(toolbar->Redraw());
    EXPECT_NO_THROW(clsCbarsWrapper2().ToggleState("S", "", "", "", "", "", "")) << "no toolbar";
}

// The first failure ends ToggleState where it stands, drawing left off.
TEST_F(ToggleStateTest, TheFirstFailureEndsIt) {
    const struct {
        const char* failure;
        Variant staticState, actionState;
        bool authorization;
    } cases[] = {
        {"a tool of the static table the toolbar lacks",
         Table({{"TOOL_ID", "S"}, {"ID_T1", int32_t{0}}, {"ID_Missing", int32_t{0}}, {"ID_T2", int32_t{0}}}), Variant(), true},
        {"a value that is no number",
         Table({{"TOOL_ID", "S"}, {"ID_T1", int32_t{0}}, {"ID_T2", "x"}, {"ID_T3", int32_t{0}}}), Variant(), true},
        {"no authorization object", Table({{"TOOL_ID", "S"}, {"ID_T1", int32_t{0}}}),
         Table({{"TOOL_ID", "S", "AUTH_ACTION"}, {"ID_Act", "1", "X"}, {"ID_T2", "0", "X"}}), false},
    };
    for (const auto& c : cases) {
        for (const char* id : kTools) toolbar->ToolById(id)->SetEnabled(true);
        Tables(c.staticState, c.actionState);
        facade.SetNoxAuth(c.authorization ? auth : nullptr);
        toolbar->Let("Redraw", Variant(true));
        facade.ToggleState("S", "", "", "", "", "", "");
        EXPECT_EQ(Look(), "0111111") << c.failure;
        EXPECT_FALSE(toolbar->Redraw()) << c.failure;
    }
}

// The project rule is given by name and read only inside the library.
TEST(clsCbarsWrapper2, TheProjectRuleIsWrittenByNameOnly) {
    automation::DispatchPtr byName = std::make_shared<clsCbarsWrapper2>();
    byName->Let("NoneProject", Variant(true));
    byName->Let("DisableNoneProject", Variant("[ID_A]"));
    EXPECT_FALSE(byName->Call("AuthorizeByProject", "ID_A").ToBool());
    for (const char* name : {"NoneProject", "DisableNoneProject"})
        EXPECT_EQ(ErrorOf([&] { byName->Get(name); }).Number(), automation::errors::kObjectDoesNotSupportMember) << name;
}

TEST_F(ToggleStateTest, ForwardedMembersReachTheToolbar) {
    automation::DispatchPtr byName = std::make_shared<clsCbarsWrapper2>();
    byName->Set("ToolBar", Variant(toolbar));
    automation::Arguments args{Variant("ID_T1"), Variant(int16_t{1})};
    byName->Invoke("ToolState", automation::InvokeKind::PropertyLet, args);
    EXPECT_EQ(byName->Get("ToolState", "ID_T1").ToInteger(), 1);
    byName->Call("PopupMenu", "ID_T1");
    EXPECT_EQ(toolbar->LastPopupMenu(), "ID_T1");

    const AutomationError noToolbar = ErrorOf([] { clsCbarsWrapper2().ToolEnabled("ID_T1"); });
    EXPECT_EQ(noToolbar.Number(), automation::errors::kObjectVariableNotSet);
    EXPECT_EQ(noToolbar.Description(), "The toolbar facade has no ToolBar");
}

TEST(clsCbarsWrapper2, AComponentThatCannotBeCreatedFailsTheForwardedCallsClearly) {
    ScopedProgId broken("noxcbars.ICommandBars", []() -> automation::DispatchPtr { throw AutomationError(429, "gone"); });
    EXPECT_EQ(ErrorOf([] { clsCbarsWrapper2().ActionMapping(); }).Description(),
              "The command-bars component \"noxcbars.ICommandBars\" could not be created");
}

}  // namespace
