#include <gtest/gtest.h>

#include <algorithm>

#include "support/ErrorOf.h"
#include "automation/SafeArray.h"
#include "components/noxcbars/CommandBarsErrors.h"
#include "components/noxcbars/ICommandBars.h"
#include "components/noxcbars/ToolbarDefinition.h"
#include "platform/toolbar/ToolMenu.h"
#include "platform/toolbar/ToolbarControl.h"
#include "support/TestWorld.h"

using automation::AutomationError;
using automation::SafeArray;
using automation::Variant;
using components::ICommandBars;
using platform::ToolbarControl;
using testsupport::Raises;
using Ids = std::vector<std::string>;

namespace {

const std::string kSample = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/simplelinks_toolbars.xml";

Ids IdsOf(const platform::ToolsCollection& tools) {
    Ids ids;
    for (const auto& tool : tools.Items()) ids.push_back(tool->ID());
    return ids;
}

// The first column of a state or mapping table, and the row whose first cell is `id` (none: empty).
Ids FirstColumn(const Variant& table) {
    Ids cells;
    for (int32_t row = 0; row <= table.ToArray().UBound(1); ++row) cells.push_back(table.ToArray().At(row, 0).TextOr(""));
    return cells;
}
Ids RowOf(const Variant& table, const std::string& id) {
    const SafeArray& cells = table.ToArray();
    Ids row;
    for (int32_t r = 0; r <= cells.UBound(1) && row.empty(); ++r)
        if (cells.At(r, 0).TextOr("") == id)
            for (int32_t c = 0; c <= cells.UBound(2); ++c) row.push_back(cells.At(r, c).TextOr(""));
    return row;
}
bool Holds(const Ids& ids, const std::string& id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

class CommandBarsTest : public ::testing::Test {
protected:
    void Build(const std::string& bar, const std::string& removed = "", const std::string& valid = "") {
        bars.BuildToolBar(kSample, Variant(toolbar), bar, removed, Variant::Missing(), valid, Variant::Missing());
    }
    Ids BandTools(const std::string& bar) const { return IdsOf(*toolbar->Bands()->Item(Variant(bar))->Tools()); }
    Ids MenuItems(const std::string& menu) const { return IdsOf(*toolbar->ToolById(menu)->Menu()->Tools()); }

    testsupport::TestWorld world;
    ICommandBars bars;
    std::shared_ptr<ToolbarControl> toolbar = std::make_shared<ToolbarControl>();
};

// Every pane kind has its bar, and every bar brings the popup menus it names, each with items.
TEST_F(CommandBarsTest, EveryPaneKindHasItsBarWithItsPopupMenus) {
    const auto definition = components::ToolbarDefinition::Load(kSample);
    for (const char* pane : {"FILE", "HARD_COPY", "FOLDER", "ITEM", "FORMULA", "MATERIAL", "PROJECT", "ITEM_AFFECTED",
                             "DOC_DATASET", "DOC", "CHILD", "PARENT", "REFERENCE", "WHEREUSED", "KEYWORD", "CUSTOMERS",
                             "HISTORY", "ROLLUP_HISTORY", "SEND_HISTORY", "ATTACHED_ITEM", "ATTACHED_STEP_ITEM",
                             "ATTACHED_FORMULA", "ATTACHED_MATERIAL", "ATTACHED_STEP_FORMULA", "ATTACHED_STEP_MATERIAL"}) {
        SCOPED_TRACE(pane);
        toolbar->Reset();
        Build(pane);
        EXPECT_EQ(toolbar->Bands()->Count(), 1);
        EXPECT_FALSE(BandTools(pane).empty());
        for (const std::string& popup : definition.Bar(pane)->popups) {
            EXPECT_EQ(toolbar->ToolById(popup)->Type(), platform::kToolMenu);
            EXPECT_FALSE(MenuItems(popup).empty()) << popup;
        }
        // The state tables hold rows of built tools only.
        for (const Variant* table : {&bars.StaticState(), &bars.ActionState()}) {
            const Ids ids = FirstColumn(*table);
            for (size_t i = 1; i < ids.size(); ++i) EXPECT_TRUE(toolbar->Tools()->Exists(ids[i])) << ids[i];
        }
    }
}

TEST_F(CommandBarsTest, BuildsTheFileBarWithItsTagsMenusAndStateTables) {
    Build("FILE");
    auto view = toolbar->ToolById("ID_Prop_View_Drp");
    EXPECT_EQ(view->Type(), platform::kToolDropDownButton);
    EXPECT_EQ(view->TagVariant().ToString(), "ID_Prop_View_Drp;ID_Prop_View_Drp;;ID_Prop_View_Menu");
    EXPECT_EQ(MenuItems("ID_Prop_View_Menu"),
              (Ids{"ID_Prop_View_File", "ID_Prop_ViewWithRedlineFile", "ID_Prop_View_File_In_Integration"}));
    auto edit = toolbar->ToolById("ID_Prop_Edit_File");
    EXPECT_EQ(edit->Name(), "Edit");
    EXPECT_EQ(edit->TagVariant().ToString(), "ID_Prop_Edit_File;ID_Prop_Edit_File;;");
    EXPECT_EQ(edit->Picture().ToString(), "edit_file");
    // Popup menus are tools of the toolbar but not on the bar.
    EXPECT_TRUE(toolbar->Tools()->Exists("ID_Prop_PopUp_File"));
    EXPECT_FALSE(Holds(BandTools("FILE"), "ID_Prop_PopUp_File"));

    EXPECT_EQ(RowOf(bars.ActionState(), "ID_Prop_Edit_File"), (Ids{"ID_Prop_Edit_File", "0", "1", "0", "0", "EDIT_FILE"}));
    EXPECT_EQ(bars.StaticState().ToArray().At(1, 1).Type(), automation::VarType::Long);
}

TEST_F(CommandBarsTest, RemovedActionsAndValidCommandsLimitWhatIsBuilt) {
    Build("FILE", "[ID_Prop_Delete_File][ID_Prop_Lock_File]");
    EXPECT_FALSE(toolbar->Tools()->Exists("ID_Prop_Delete_File"));
    EXPECT_FALSE(toolbar->Tools()->Exists("ID_Prop_Lock_File"));
    EXPECT_FALSE(Holds(MenuItems("ID_Prop_PopUp_File"), "ID_Prop_Delete_File"));
    EXPECT_FALSE(Holds(FirstColumn(bars.ActionState()), "ID_Prop_Delete_File"));

    toolbar->Reset();
    Build("FILE", "", "ID_Prop_Refresh; ID_Prop_View_File,ID_Prop_Edit_File");
    EXPECT_EQ(BandTools("FILE"), (Ids{"ID_Prop_Refresh", "ID_Prop_View_Drp", "ID_Prop_Edit_File", "ID_Create_Drp"}));
    EXPECT_EQ(MenuItems("ID_Prop_View_Menu"), (Ids{"ID_Prop_View_File"}));
    EXPECT_TRUE(MenuItems("ID_Create_Menu").empty());
    EXPECT_EQ(FirstColumn(bars.StaticState()), (Ids{"TOOL_ID", "ID_Prop_Refresh", "ID_Prop_View_File"}));
}

TEST_F(CommandBarsTest, BuildingAgainReplacesTheBarAndKeepsOtherBars) {
    Build("FILE");
    const int32_t tools = toolbar->Tools()->Count();
    toolbar->ToolById("ID_Prop_Edit_File")->SetEnabled(false);
    Build("FILE");
    EXPECT_EQ(toolbar->Tools()->Count(), tools);
    EXPECT_EQ(toolbar->Bands()->Count(), 1);
    EXPECT_TRUE(toolbar->ToolById("ID_Prop_Edit_File")->Enabled());
    EXPECT_EQ(MenuItems("ID_Prop_View_Menu").size(), 3u);

    bars.BuildCommandBars("HARD_COPY", Variant(toolbar), "", Variant(false), Variant::Missing());
    EXPECT_EQ(toolbar->Bands()->Count(), 2);
    EXPECT_FALSE(toolbar->Bands()->Item(Variant("HARD_COPY"))->Visible());
    EXPECT_TRUE(toolbar->Bands()->Item(Variant("FILE"))->Visible());
}

TEST_F(CommandBarsTest, ActionMappingIsTheMappingElementAsATable) {
    bars.Init(kSample);
    const Variant& mapping = bars.ActionMapping();
    EXPECT_EQ(mapping.ToArray().At(0, 0).ToString(), "ACTION_MAPPING");
    EXPECT_EQ(RowOf(mapping, "ID_Prop_View_File"), (Ids{"ID_Prop_View_File", "InternalAction", "", "ShowViewFileDlg"}));
    EXPECT_FALSE(Holds(FirstColumn(mapping), "ID_Prop_Get_File"));  // the host runs it

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
std::string StaticRow(const std::string& states, const std::string& rows) {
    return "<STATE_TABLES STATES=\"" + states + "\"><STATIC_STATE>" + rows + "</STATIC_STATE></STATE_TABLES>";
}

TEST_F(CommandBarsTest, BadDefinitionFilesGiveErrorsThatSayWhatIsWrong) {
    const std::pair<std::string, std::string> cases[] = {
        {"<COMMANDBARS><TOOLS>", "at offset"},
        {"<TOOLBARS/>", "the root element is not <COMMANDBARS>"},
        {Definition("", "<TOOL ID=\"ID_Missing\"/>"), "command bar BAR names the tool ID_Missing, which is not in <TOOLS>"},
        {Definition("<TOOL ID=\"ID_B\" TYPE=\"SLIDER\"/>", ""), "tool ID_B has the type \"SLIDER\""},
        {Definition("<TOOL ID=\"ID_A\"/>", ""), "tool ID_A is defined twice"},
        {Definition("<TOOL ID=\"ID_D\" TYPE=\"DROPDOWN\" MENU=\"ID_A\"/>", ""), "names ID_A, which is not a MENU"},
        {Definition("", "<POPUP ID=\"ID_A\"/>"), "names ID_A, which is not a MENU"},
        {Definition("", "<TOOL ID=\"ID_A\"/>"), "lists the tool ID_A twice"},
        {Definition("", "", StaticRow("NEW_EMPTY", "<TOOL ID=\"ID_A\" NEW_EMPTY=\"5\"/>")), "has \"5\" for NEW_EMPTY (0, 1 or 2)"},
        {Definition("", "", StaticRow("NEW_EMPTY", "<TOOL ID=\"ID_A\" ROW_SELECT=\"1\"/>")), "names \"ROW_SELECT\", which is not in STATES"},
        {Definition("", "", "<ACTION_MAPPING><ID_A METHOD=\"Refresh\" TYPE=\"InternalAction\" PROGID=\"\"/></ACTION_MAPPING>"),
         "TYPE, PROGID, METHOD and optionally PARAMS, in this order"},
        {Definition("", "", "<ACTION_MAPPING><ID_A TYPE=\"ShellAction\" PROGID=\"\" METHOD=\"Refresh\"/></ACTION_MAPPING>"),
         "has the type \"ShellAction\""},
    };
    for (const auto& [content, says] : cases) {
        SCOPED_TRACE(content);
        const std::string path = world.WriteFile("bad.xml", content).string();
        EXPECT_TRUE(Raises([&] { bars.Init(path); }, components::kBadToolbarDefinition, says));
        EXPECT_TRUE(Raises([&] { bars.Init(path); }, components::kBadToolbarDefinition, "'" + path + "'"));
    }
    EXPECT_TRUE(Raises([&] { bars.Init((world.Root() / "none.xml").string()); }, automation::errors::kFileNotFound));
}

TEST_F(CommandBarsTest, NamesThatAreNotInTheFileGiveErrorsOrAreLeftOut) {
    EXPECT_TRUE(Raises([&] { bars.BuildCommandBars("FILE", Variant(toolbar), "", Variant(), Variant()); },
                       components::kNoToolbarDefinition));
    EXPECT_TRUE(Raises([&] { Build("NO_SUCH_PANE"); }, components::kUnknownCommandBar, "no command bar named \"NO_SUCH_PANE\""));
    EXPECT_EQ(toolbar->Tools()->Count(), 0);
    EXPECT_TRUE(Raises([&] { bars.CommandItem("ID_Nope"); }, automation::errors::kInvalidProcedureCall));

    // A state row of a tool the file does not define is left out of the tables handed back.
    const std::string path = world.WriteFile("rows.xml",
        Definition("", "", StaticRow("NEW_EMPTY MRS", "<TOOL ID=\"ID_Ghost\" MRS=\"1\"/><TOOL ID=\"ID_A\" MRS=\"1\"/>"))).string();
    bars.BuildToolBar(path, Variant(toolbar), "BAR", "", Variant(), "", Variant());
    EXPECT_EQ(FirstColumn(bars.StaticState()), (Ids{"TOOL_ID", "ID_A"}));
    EXPECT_EQ(RowOf(bars.StaticState(), "ID_A"), (Ids{"ID_A", "0", "1"}));
    EXPECT_EQ(RowOf(bars.ActionState(), "TOOL_ID"), (Ids{"TOOL_ID", "NEW_EMPTY", "MRS", "AUTH_ACTION"}));
    EXPECT_TRUE(bars.ActionMapping().IsEmpty());

    // A failed load keeps the file loaded before.
    EXPECT_THROW(bars.Init(world.WriteFile("broken.xml", "<COMMANDBARS>").string()), AutomationError);
    EXPECT_EQ(bars.DefinitionFile(), path);
}

}  // namespace
