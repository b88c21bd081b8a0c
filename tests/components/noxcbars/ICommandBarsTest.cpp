#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "automation/SafeArray.h"
#include "components/noxcbars/CommandBarsErrors.h"
#include "components/noxcbars/ICommandBars.h"
#include "platform/toolbar/ToolMenu.h"
#include "platform/toolbar/ToolbarControl.h"
#include "support/TestWorld.h"

using automation::AutomationError;
using automation::SafeArray;
using automation::Variant;
using components::ICommandBars;
using platform::ToolbarControl;

namespace {

const std::string kSample = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/simplelinks_toolbars.xml";

std::vector<std::string> BandTools(const ToolbarControl& toolbar, const std::string& bar) {
    std::vector<std::string> ids;
    for (const auto& tool : toolbar.Bands()->Item(Variant(bar))->Tools()->Items()) ids.push_back(tool->ID());
    return ids;
}

std::vector<std::string> MenuItems(const ToolbarControl& toolbar, const std::string& menu) {
    std::vector<std::string> ids;
    for (const auto& tool : toolbar.ToolById(menu)->Menu()->Tools()->Items()) ids.push_back(tool->ID());
    return ids;
}

std::vector<std::string> Column(const Variant& table, int32_t column) {
    std::vector<std::string> cells;
    const SafeArray& cellsOf = table.ToArray();
    for (int32_t row = 0; row <= cellsOf.UBound(1); ++row) cells.push_back(cellsOf.At(row, column).TextOr(""));
    return cells;
}

std::vector<std::string> Row(const Variant& table, int32_t row) {
    std::vector<std::string> cells;
    const SafeArray& cellsOf = table.ToArray();
    for (int32_t column = 0; column <= cellsOf.UBound(2); ++column) cells.push_back(cellsOf.At(row, column).TextOr(""));
    return cells;
}

AutomationError ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AutomationError& e) {
        return e;
    }
    return AutomationError(0, "no error");
}

class CommandBarsTest : public ::testing::Test {
protected:
    void Build(const std::string& bar, const std::string& removed = "", const std::string& valid = "") {
        bars.BuildToolBar(kSample, Variant(toolbar), bar, removed, Variant::Missing(), valid, Variant::Missing());
    }

    testsupport::TestWorld world;
    ICommandBars bars;
    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
};

// Every pane kind has its bar, and every bar brings the popup menus its pane shows on a right click.
TEST_F(CommandBarsTest, EveryPaneKindHasItsBarWithItsPopupMenus) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> panes = {
        {"FILE", {"ID_Prop_PopUp_File"}},
        {"HARD_COPY", {"ID_Prop_PopUp_HardCopy"}},
        {"FOLDER", {"ID_Prop_PopUp_Folder"}},
        {"ITEM", {"ID_Prop_PopUp_Item", "ID_Prop_PopUp_Attached_Item"}},
        {"FORMULA", {"ID_Prop_PopUp_ProcessObjReference", "ID_Prop_PopUp_Attached_Item"}},
        {"MATERIAL", {"ID_Prop_PopUp_ProcessObjReference", "ID_Prop_PopUp_Attached_Item"}},
        {"PROJECT", {"ID_Prop_PopUp_Projects"}},
        {"ITEM_AFFECTED", {"ID_PopUpItems"}},
        {"DOC_DATASET", {}},
        {"DOC", {}},
        {"CHILD", {"ID_Prop_PopUp_Child"}},
        {"PARENT", {"ID_Prop_PopUp_UsedBy"}},
        {"REFERENCE", {"ID_Prop_PopUp_Reference", "ID_Prop_PopUp_ProcessObjReference"}},
        {"WHEREUSED", {"ID_Prop_PopUp_WhereUsed"}},
        {"KEYWORD", {"ID_Prop_PopUp_Keywords"}},
        {"CUSTOMERS", {"ID_Prop_PopUp_Customers"}},
        {"HISTORY", {"ID_Prop_PopUp_History"}},
        {"ROLLUP_HISTORY", {"ID_Prop_PopUp_RollupHistory"}},
        {"SEND_HISTORY", {"ID_Prop_PopUp_SendHistory"}},
        {"ATTACHED_ITEM", {"ID_Prop_PopUp_AttacedItem"}},
        {"ATTACHED_STEP_ITEM", {"ID_Prop_PopUp_AttacedItemStep"}},
        {"ATTACHED_FORMULA", {"ID_Prop_PopUp_AttacedFormula"}},
        {"ATTACHED_MATERIAL", {"ID_Prop_PopUp_AttacedMaterial"}},
    };
    for (const auto& [pane, popups] : panes) {
        SCOPED_TRACE(pane);
        toolbar->Reset();
        Build(pane);
        EXPECT_EQ(toolbar->Bands()->Count(), 1);
        EXPECT_FALSE(BandTools(*toolbar, pane).empty());
        for (const std::string& popup : popups) {
            EXPECT_EQ(toolbar->ToolById(popup)->Type(), platform::kToolMenu);
            EXPECT_GT(toolbar->ToolById(popup)->Menu()->Tools()->Count(), 0);
        }
        EXPECT_EQ(MenuItems(*toolbar, "ID_Prop_PopUp_Grid_Header_Right_Click").front(), "ID_Prop_Remove_Column");
        // The state tables hold rows of built tools only, and every tool with a mapped click is mapped.
        for (const Variant* table : {&bars.StaticState(), &bars.ActionState()}) {
            std::vector<std::string> ids = Column(*table, 0);
            for (size_t i = 1; i < ids.size(); ++i) EXPECT_TRUE(toolbar->Tools()->Exists(ids[i])) << ids[i];
        }
    }
}

TEST_F(CommandBarsTest, BuildsTheFileBarWithItsTagsMenusAndStateTables) {
    Build("FILE");
    const std::vector<std::string> bar = BandTools(*toolbar, "FILE");
    EXPECT_EQ(bar.front(), "ID_Prop_Refresh");
    EXPECT_EQ(bar[1], "ID_Prop_View_Drp");
    auto view = toolbar->ToolById("ID_Prop_View_Drp");
    EXPECT_EQ(view->Type(), platform::kToolDropDownButton);
    EXPECT_EQ(view->TagVariant().ToString(), "ID_Prop_View_Drp;ID_Prop_View_Drp;;ID_Prop_View_Menu");
    EXPECT_EQ(MenuItems(*toolbar, "ID_Prop_View_Menu"),
              (std::vector<std::string>{"ID_Prop_View_File", "ID_Prop_ViewWithRedlineFile", "ID_Prop_View_File_In_Integration"}));
    auto edit = toolbar->ToolById("ID_Prop_Edit_File");
    EXPECT_EQ(edit->Name(), "Edit");
    EXPECT_EQ(edit->TagVariant().ToString(), "ID_Prop_Edit_File;ID_Prop_Edit_File;;");
    EXPECT_EQ(edit->Picture().ToString(), "edit_file");
    EXPECT_FALSE(edit->ToolTipText().empty());
    // Popup menus are tools of the toolbar but not on the bar.
    EXPECT_TRUE(toolbar->Tools()->Exists("ID_Prop_PopUp_File"));
    EXPECT_EQ(std::count(bar.begin(), bar.end(), "ID_Prop_PopUp_File"), 0);

    EXPECT_EQ(Row(bars.StaticState(), 0), (std::vector<std::string>{"TOOL_ID", "NEW_EMPTY", "ROW_SELECTED", "MRS", "IN_PROCESS"}));
    EXPECT_EQ(Row(bars.ActionState(), 0),
              (std::vector<std::string>{"TOOL_ID", "NEW_EMPTY", "ROW_SELECTED", "MRS", "IN_PROCESS", "AUTH_ACTION"}));
    const std::vector<std::string> actionTools = Column(bars.ActionState(), 0);
    const auto edits = std::find(actionTools.begin(), actionTools.end(), "ID_Prop_Edit_File");
    ASSERT_NE(edits, actionTools.end());
    EXPECT_EQ(Row(bars.ActionState(), static_cast<int32_t>(edits - actionTools.begin())),
              (std::vector<std::string>{"ID_Prop_Edit_File", "0", "1", "0", "0", "EDIT_FILE"}));
    EXPECT_EQ(bars.StaticState().ToArray().At(1, 1).Type(), automation::VarType::Long);
}

TEST_F(CommandBarsTest, RemovedActionsAndValidCommandsLimitWhatIsBuilt) {
    Build("FILE", "[ID_Prop_Delete_File][ID_Prop_Lock_File]");
    EXPECT_FALSE(toolbar->Tools()->Exists("ID_Prop_Delete_File"));
    EXPECT_FALSE(toolbar->Tools()->Exists("ID_Prop_Lock_File"));
    const std::vector<std::string> popup = MenuItems(*toolbar, "ID_Prop_PopUp_File");
    EXPECT_EQ(std::count(popup.begin(), popup.end(), "ID_Prop_Delete_File"), 0);
    const std::vector<std::string> actionTools = Column(bars.ActionState(), 0);
    EXPECT_EQ(std::count(actionTools.begin(), actionTools.end(), "ID_Prop_Delete_File"), 0);

    toolbar->Reset();
    Build("FILE", "", "ID_Prop_Refresh; ID_Prop_View_File,ID_Prop_Edit_File");
    EXPECT_EQ(BandTools(*toolbar, "FILE"), (std::vector<std::string>{"ID_Prop_Refresh", "ID_Prop_View_Drp", "ID_Prop_Edit_File", "ID_Create_Drp"}));
    EXPECT_EQ(MenuItems(*toolbar, "ID_Prop_View_Menu"), (std::vector<std::string>{"ID_Prop_View_File"}));
    EXPECT_EQ(MenuItems(*toolbar, "ID_Create_Menu"), (std::vector<std::string>{}));
    EXPECT_EQ(Column(bars.StaticState(), 0), (std::vector<std::string>{"TOOL_ID", "ID_Prop_Refresh", "ID_Prop_View_File"}));
}

TEST_F(CommandBarsTest, BuildingAgainReplacesTheBarAndKeepsOtherBars) {
    Build("FILE");
    const int32_t tools = toolbar->Tools()->Count();
    toolbar->ToolById("ID_Prop_Edit_File")->SetEnabled(false);
    Build("FILE");
    EXPECT_EQ(toolbar->Tools()->Count(), tools);
    EXPECT_EQ(toolbar->Bands()->Count(), 1);
    EXPECT_TRUE(toolbar->ToolById("ID_Prop_Edit_File")->Enabled());
    EXPECT_EQ(MenuItems(*toolbar, "ID_Prop_View_Menu").size(), 3u);

    bars.BuildCommandBars("HARD_COPY", Variant(toolbar), "", Variant(false), Variant::Missing());
    EXPECT_EQ(toolbar->Bands()->Count(), 2);
    EXPECT_FALSE(toolbar->Bands()->Item(Variant("HARD_COPY"))->Visible());
    EXPECT_TRUE(toolbar->Bands()->Item(Variant("FILE"))->Visible());
}

TEST_F(CommandBarsTest, ActionMappingIsTheMappingElementAsATable) {
    bars.Init(kSample);
    const Variant& mapping = bars.ActionMapping();
    EXPECT_EQ(mapping.ToArray().At(0, 0).ToString(), "ACTION_MAPPING");
    const std::vector<std::string> ids = Column(mapping, 0);
    const auto view = std::find(ids.begin(), ids.end(), "ID_Prop_View_File");
    ASSERT_NE(view, ids.end());
    EXPECT_EQ(Row(mapping, static_cast<int32_t>(view - ids.begin())),
              (std::vector<std::string>{"ID_Prop_View_File", "InternalAction", "", "ShowViewFileDlg"}));
    EXPECT_EQ(std::count(ids.begin(), ids.end(), "ID_Prop_Get_File"), 0);  // the host runs it

    const SafeArray item = bars.CommandItem("id_prop_view_drp").ToArray();
    EXPECT_EQ(item.At(0).ToString(), "ID_Prop_View_Drp");
    EXPECT_EQ(item.At(1).ToLong(), platform::kToolDropDownButton);
    EXPECT_EQ(item.At(5).ToString(), "ID_Prop_View_Drp;ID_Prop_View_Drp;;ID_Prop_View_Menu");
}

// A definition file holding one tool and one bar, with extra text where each case needs it.
std::string Definition(const std::string& tools, const std::string& bars, const std::string& rest = "") {
    return "<COMMANDBARS><TOOLS><TOOL ID=\"ID_A\" NAME=\"A\"/>" + tools + "</TOOLS>" +
           "<COMMANDBAR NAME=\"BAR\"><TOOL ID=\"ID_A\"/>" + bars + "</COMMANDBAR>" + rest + "</COMMANDBARS>";
}

TEST_F(CommandBarsTest, BadDefinitionFilesGiveErrorsThatSayWhatIsWrong) {
    struct Case {
        std::string content;
        int32_t number;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"<COMMANDBARS><TOOLS>", components::kBadToolbarDefinition, "at offset"},
        {"<TOOLBARS/>", components::kBadToolbarDefinition, "the root element is not <COMMANDBARS>"},
        {Definition("", "<TOOL ID=\"ID_Missing\"/>"), components::kBadToolbarDefinition, "command bar BAR names the tool ID_Missing, which is not in <TOOLS>"},
        {Definition("<TOOL ID=\"ID_B\" TYPE=\"SLIDER\"/>", ""), components::kBadToolbarDefinition, "tool ID_B has the type \"SLIDER\""},
        {Definition("<TOOL ID=\"ID_A\"/>", ""), components::kBadToolbarDefinition, "tool ID_A is defined twice"},
        {Definition("<TOOL ID=\"ID_D\" TYPE=\"DROPDOWN\" MENU=\"ID_A\"/>", ""), components::kBadToolbarDefinition, "names ID_A, which is not a MENU"},
        {Definition("", "<POPUP ID=\"ID_A\"/>"), components::kBadToolbarDefinition, "names ID_A, which is not a MENU"},
        {Definition("", "<TOOL ID=\"ID_A\"/>"), components::kBadToolbarDefinition, "lists the tool ID_A twice"},
        {Definition("", "", "<STATE_TABLES STATES=\"NEW_EMPTY\"><STATIC_STATE><TOOL ID=\"ID_A\" NEW_EMPTY=\"5\"/></STATIC_STATE></STATE_TABLES>"),
         components::kBadToolbarDefinition, "has \"5\" for NEW_EMPTY (0, 1 or 2)"},
        {Definition("", "", "<STATE_TABLES STATES=\"NEW_EMPTY\"><STATIC_STATE><TOOL ID=\"ID_A\" ROW_SELECT=\"1\"/></STATIC_STATE></STATE_TABLES>"),
         components::kBadToolbarDefinition, "names \"ROW_SELECT\", which is not in STATES"},
        {Definition("", "", "<ACTION_MAPPING><ID_A METHOD=\"Refresh\" TYPE=\"InternalAction\" PROGID=\"\"/></ACTION_MAPPING>"),
         components::kBadToolbarDefinition, "TYPE, PROGID, METHOD and optionally PARAMS, in this order"},
        {Definition("", "", "<ACTION_MAPPING><ID_A TYPE=\"ShellAction\" PROGID=\"\" METHOD=\"Refresh\"/></ACTION_MAPPING>"),
         components::kBadToolbarDefinition, "has the type \"ShellAction\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const std::string path = world.WriteFile("bad.xml", c.content).string();
        const AutomationError error = ErrorOf([&] { bars.Init(path); });
        EXPECT_EQ(error.Number(), c.number);
        EXPECT_NE(error.Description().find("'" + path + "'"), std::string::npos) << error.Description();
        EXPECT_NE(error.Description().find(c.says), std::string::npos) << error.Description();
    }
    EXPECT_EQ(ErrorOf([&] { bars.Init((world.Root() / "none.xml").string()); }).Number(), automation::errors::kFileNotFound);
}

TEST_F(CommandBarsTest, NamesThatAreNotInTheFileGiveErrorsOrAreLeftOut) {
    EXPECT_EQ(ErrorOf([&] { bars.BuildCommandBars("FILE", Variant(toolbar), "", Variant(), Variant()); }).Number(),
              components::kNoToolbarDefinition);
    const AutomationError unknownBar = ErrorOf([&] { Build("NO_SUCH_PANE"); });
    EXPECT_EQ(unknownBar.Number(), components::kUnknownCommandBar);
    EXPECT_NE(unknownBar.Description().find("no command bar named \"NO_SUCH_PANE\""), std::string::npos);
    EXPECT_EQ(toolbar->Tools()->Count(), 0);
    EXPECT_EQ(ErrorOf([&] { bars.CommandItem("ID_Nope"); }).Number(), automation::errors::kInvalidProcedureCall);

    // A state row of a tool the file does not define is left out of the tables handed back.
    const std::string path = world.WriteFile("rows.xml",
        Definition("", "", "<STATE_TABLES STATES=\"NEW_EMPTY MRS\"><STATIC_STATE><TOOL ID=\"ID_Ghost\" MRS=\"1\"/>"
                           "<TOOL ID=\"ID_A\" MRS=\"1\"/></STATIC_STATE></STATE_TABLES>")).string();
    bars.BuildToolBar(path, Variant(toolbar), "BAR", "", Variant(), "", Variant());
    EXPECT_EQ(Column(bars.StaticState(), 0), (std::vector<std::string>{"TOOL_ID", "ID_A"}));
    EXPECT_EQ(Row(bars.StaticState(), 1), (std::vector<std::string>{"ID_A", "0", "1"}));
    EXPECT_EQ(Row(bars.ActionState(), 0), (std::vector<std::string>{"TOOL_ID", "NEW_EMPTY", "MRS", "AUTH_ACTION"}));
    EXPECT_TRUE(bars.ActionMapping().IsEmpty());

    // A failed load keeps the file loaded before.
    EXPECT_THROW(bars.Init(world.WriteFile("broken.xml", "<COMMANDBARS>").string()), AutomationError);
    EXPECT_EQ(bars.DefinitionFile(), path);
}

}  // namespace
