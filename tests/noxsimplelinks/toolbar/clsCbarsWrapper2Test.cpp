#include <gtest/gtest.h>

#include "../../automation/ErrorOf.h"
#include "ToolbarFakes.h"
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
    EXPECT_EQ(facade->ToolBar(), toolbar);  // taken from the build
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

TEST(clsCbarsWrapper2, AuthorizeByProjectSearchesTheBracketedId) {
    struct Case {
        bool noneProject;
        const char *list, *tool;
        bool authorized;
    } cases[] = {
        {true, "[ID_A][ID_B]", "ID_A", false}, {true, "[ID_A][ID_B]", "ID_B", false}, {true, "[ID_A][ID_B]", "ID_C", true},
        {true, "[ID_A_LONG]", "ID_A", true},  // only part of a longer bracketed ID
        {true, "[ID_A][ID_B]", "id_a", true},  // the search is case-sensitive
        {true, "[ID_A]", "", true},            {true, "", "ID_A", true},               {false, "[ID_A][ID_B]", "ID_A", true},
    };
    clsCbarsWrapper2 facade;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + c.tool);
        facade.SetNoneProject(c.noneProject);
        facade.SetDisableNoneProject(c.list);
        EXPECT_EQ(facade.AuthorizeByProject(c.tool), c.authorized);
    }
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
        auto tools = toolbar->Tools();
        add("ID_One", "One", "p1", "ID_One;OP_ONE;;");
        add("ID_Two", "Two", "p2", "ID_Two;OP_TWO;;");
        add("ID_Three", "Three", "p3", "ID_Three;OP_THREE;;");
        auto menu = tools->Add("ID_Menu", platform::kToolMenu, "Menu");
        for (const char* id : {"ID_One", "ID_Two", "ID_Three"}) menu->Menu()->Tools()->Add(id, std::nullopt, std::nullopt);
        drop = tools->Add("ID_Drp", platform::kToolDropDownButton, "Drop");
        drop->SetTagVariant(Variant("ID_Drp;OWN;free;ID_Menu"));
        facade.SetToolBar(toolbar);
    }
    void add(const char* id, const char* name, const char* picture, const char* tag) {
        auto tool = toolbar->Tools()->Add(id, platform::kToolButton, name);
        tool->SetPicture(Variant(picture));
        tool->SetToolTipText(std::string("tip ") + name);
        tool->SetTagVariant(Variant(tag));
    }
    void enable(bool one, bool two, bool three) {
        toolbar->ToolById("ID_One")->SetEnabled(one);
        toolbar->ToolById("ID_Two")->SetEnabled(two);
        toolbar->ToolById("ID_Three")->SetEnabled(three);
    }

    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
    std::shared_ptr<platform::Tool> drop;
    clsCbarsWrapper2 facade;
};

// The button takes the operation and look of the first enabled item; with none enabled at first it
// stays disabled looking like the first item.
TEST_F(DropDownTest, TakesTheOperationAndLookOfTheFirstEnabledItem) {
    struct Case {
        bool one, two, three, enabled;
        const char *tag, *name, *picture, *tip;
    } cases[] = {
        {false, false, false, false, "ID_Drp;OP_ONE;free;ID_Menu", "One", "p1", "tip One"},
        {false, true, true, true, "ID_Drp;OP_TWO;free;ID_Menu", "Two", "p2", "tip Two"},
        {false, false, true, true, "ID_Drp;OP_THREE;free;ID_Menu", "Three", "p3", "tip Three"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        enable(c.one, c.two, c.three);
        facade.replaceDropDownButtonOperation();
        EXPECT_EQ(drop->Enabled(), c.enabled);
        EXPECT_EQ(drop->TagVariant().ToString(), c.tag);
        EXPECT_EQ(drop->Name(), c.name);
        EXPECT_EQ(drop->Picture().ToString(), c.picture);
        EXPECT_EQ(drop->ToolTipText(), c.tip);
    }
}

TEST_F(DropDownTest, ShortTagsAndMissingMenusLeaveTheButtonDisabledAndTheOthersRight) {
    auto shortTag = toolbar->Tools()->Add("ID_Short", platform::kToolDropDownButton, "Short");
    shortTag->SetTagVariant(Variant("ID_Short"));
    auto lost = toolbar->Tools()->Add("ID_Lost", platform::kToolDropDownButton, "Lost");
    lost->SetTagVariant(Variant("ID_Lost;OP;;ID_Nowhere"));
    toolbar->Tools()->Add("ID_Late", platform::kToolDropDownButton, "Late")->SetTagVariant(Variant("x;y;z;ID_Menu"));
    enable(true, true, true);
    facade.replaceDropDownButtonOperation();
    EXPECT_FALSE(shortTag->Enabled());
    EXPECT_EQ(shortTag->TagVariant().ToString(), "ID_Short;;;");
    EXPECT_FALSE(lost->Enabled());
    EXPECT_EQ(lost->TagVariant().ToString(), "ID_Lost;OP;;ID_Nowhere");
    EXPECT_TRUE(drop->Enabled());
    EXPECT_TRUE(toolbar->ToolById("ID_Late")->Enabled());
    EXPECT_EQ(toolbar->ToolById("ID_Late")->TagVariant().ToString(), "x;OP_ONE;z;ID_Menu");
}

// ToggleState over tables handed out by a fake component.
class ToggleStateTest : public ::testing::Test {
protected:
    ToggleStateTest() {
        for (const char* id : {"ID_T1", "ID_T2", "ID_T3", "ID_Create_Drp", "ID_Act"})
            toolbar->Tools()->Add(id, platform::kToolButton, std::nullopt);
        facade.SetToolBar(toolbar);
        facade.SetNoxAuth(auth);
    }
    void Tables(Variant staticState, Variant actionState = Variant()) {
        tables->staticState = std::move(staticState);
        tables->actionState = std::move(actionState);
        facade.BuildToolBar("any.xml", Variant(toolbar), "BAR", "", Variant::Missing(), "", Variant::Missing());
    }
    bool Enabled(const std::string& id) const { return toolbar->ToolById(id)->Enabled(); }

    std::shared_ptr<toolbartest::TablesComponent> tables = std::make_shared<toolbartest::TablesComponent>();
    ScopedProgId component{"noxcbars.ICommandBars", [this] { return tables; }};
    std::shared_ptr<toolbartest::RecordingAuth> auth = std::make_shared<toolbartest::RecordingAuth>();
    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
    clsCbarsWrapper2 facade;
};

TEST_F(ToggleStateTest, AsksTheAuthorizationObjectInItsArgumentOrder) {
    Tables(Table({{"TOOL_ID", "NEW_EMPTY", "ROW_SELECTED"}}),
           Table({{"TOOL_ID", "NEW_EMPTY", "ROW_SELECTED", "AUTH_ACTION"},
                  {"ID_Act", "1", "1", "EDIT_FILE"},
                  {"ID_Create_Drp", "1", "1", "LINK_OBJECT"}}));
    facade.ToggleState("ROW_SELECTED", "PARENT_ST", "", "OBJ_TYPE", "USER_TYPE", "USER_NAME", "LAST");
    ASSERT_EQ(auth->calls.size(), 2u);
    const automation::Arguments& call = auth->calls[0];
    ASSERT_EQ(call.size(), 10u);
    const std::vector<std::string> texts = {"USER_TYPE", "EDIT_FILE", "", "OBJ_TYPE", "PARENT_ST", "PARENT_ST"};
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(call[i].ToString(), texts[i]) << i;
    EXPECT_TRUE(call[6].IsMissing() && call[7].IsMissing() && call[8].IsMissing());
    EXPECT_EQ(call[9].ToString(), "LAST");
    EXPECT_EQ(auth->calls[1][1].ToString(), "LINK_TO_CHILD");

    facade.ToggleState("NEW_EMPTY", "PARENT_ST", "ROW_ST", "OBJ_TYPE", "USER_TYPE", "USER_NAME", "LAST");
    EXPECT_EQ(auth->calls[2][4].ToString(), "ROW_ST");
    EXPECT_EQ(auth->calls[3][1].ToString(), "LINK_OBJECT");
}

TEST_F(ToggleStateTest, ValuesEnableDisableOrHideAndRightsAndProjectsCount) {
    Tables(Table({{"TOOL_ID", "S"}, {"ID_T1", int32_t{1}}, {"ID_T2", int32_t{0}}, {"ID_T3", int32_t{2}}}),
           Table({{"TOOL_ID", "S", "AUTH_ACTION"}, {"ID_Act", "1", "DENIED"}}));
    auth->answer = [](const std::string& action) { return action != "DENIED"; };
    facade.SetNoneProject(true);
    facade.SetDisableNoneProject("[ID_T1]");
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_FALSE(Enabled("ID_T1"));  // the project rule
    EXPECT_FALSE(Enabled("ID_T2"));
    EXPECT_FALSE(toolbar->ToolById("ID_T3")->Visible());
    EXPECT_TRUE(Enabled("ID_T3"));
    EXPECT_FALSE(Enabled("ID_Act"));  // the rights
    facade.SetNoneProject(false);
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_TRUE(Enabled("ID_T1"));
    EXPECT_FALSE(toolbar->ToolById("ID_T3")->Visible());  // a state never shows a tool again
}

TEST_F(ToggleStateTest, BadRowsAndStatesLeaveTheirToolsAloneAndTheOtherToolsRight) {
    for (const char* id : {"ID_T1", "ID_T2", "ID_T3", "ID_Act"}) toolbar->ToolById(id)->SetEnabled(false);
    Tables(Table({{"TOOL_ID", "S"}, {"ID_Missing", int32_t{1}}, {"ID_T1", int32_t{1}}, {"ID_T2", "not a number"}, {"ID_T3", int32_t{1}}}),
           Table({{"TOOL_ID", "S", "AUTH_ACTION"}, {"ID_Gone", "1", "X"}, {"ID_T2", "7", "X"}, {"ID_Act", "1", "X"}}));
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_TRUE(Enabled("ID_T1"));
    EXPECT_FALSE(Enabled("ID_T2"));
    EXPECT_TRUE(Enabled("ID_T3"));
    EXPECT_TRUE(Enabled("ID_Act"));
    EXPECT_TRUE(toolbar->Redraw());

    // Without an authorization object a row that needs it is left alone too.
    facade.SetNoxAuth(nullptr);
    toolbar->ToolById("ID_Act")->SetEnabled(false);
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_FALSE(Enabled("ID_Act"));
    EXPECT_TRUE(Enabled("ID_T3"));

    // A state without a column changes no tool; without tables drawing stays off.
    toolbar->ToolById("ID_T1")->SetEnabled(false);
    facade.ToggleState("OTHER", "", "", "", "", "", "");
    EXPECT_FALSE(Enabled("ID_T1"));
    EXPECT_TRUE(toolbar->Redraw());
    Tables(Variant());
    facade.ToggleState("S", "", "", "", "", "", "");
    EXPECT_FALSE(toolbar->Redraw());
    EXPECT_NO_THROW(clsCbarsWrapper2().ToggleState("S", "", "", "", "", "", "")) << "no toolbar";
}

TEST_F(ToggleStateTest, ForwardedMembersReachTheToolbar) {
    automation::DispatchPtr byName = std::make_shared<clsCbarsWrapper2>();
    byName->Set("ToolBar", Variant(toolbar));
    for (const auto& [member, value] : {std::pair("ToolEnabled", Variant(false)), std::pair("ToolVisible", Variant(false)),
                                        std::pair("ToolState", Variant(int16_t{1}))}) {
        automation::Arguments args{Variant("ID_T1"), value};
        byName->Invoke(member, automation::InvokeKind::PropertyLet, args);
    }
    EXPECT_FALSE(toolbar->ToolById("ID_T1")->Enabled());
    EXPECT_FALSE(toolbar->ToolById("ID_T1")->Visible());
    EXPECT_EQ(byName->Get("ToolState", "ID_T1").ToInteger(), 1);
    byName->Let("Redraw", Variant(false));
    EXPECT_FALSE(toolbar->Redraw());
    EXPECT_EQ(byName->Get("Tools").ToObject(), toolbar->Tools());
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
