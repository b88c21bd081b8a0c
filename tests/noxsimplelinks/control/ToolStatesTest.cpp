// The tools after a load and after each selection, per pane kind, with the sample toolbar
// definitions and rights: the file and hard-copy rules, the per-user rules, and the project and
// affected-items rules; the revision-filter tools are checked with the filter's loads.
#include <gtest/gtest.h>

#include "ControlWorld.h"
#include "components/noxhostservices/EditedFiles.h"
#include "components/noxhostservices/clshostservices.h"
#include "platform/grid/GridUser.h"
#include "support/LateBoundProxy.h"
#include "support/ScopedProgId.h"

namespace controltest {
namespace {

using platform::GridUser;

// A pane loading synchronously from the sample server, with a host whose user the test chooses; rows
// are clicked as a user would.
class LoadedPane : public ControlWorld {
public:
    LoadedPane(const std::string& pane, const std::string& userName, const std::string& userType) {
        UseSampleServer();
        Synchronous();
        host->SetUserName(userName);
        host->SetUserType(userType);
        site->SetHost(Variant(DispatchPtr(host)));
        control->Init(Variant(Section(pane)));
    }
    void Load(const std::string& type, std::vector<std::string> keys, std::vector<std::string> values) {
        Parent(type, std::move(keys), std::move(values));
        control->Refresh();
    }
    void LoadD100() { Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"}); }
    // Clicks the first row, Ctrl+clicks the others (1-based data rows).
    void Select(std::vector<int> rows) {
        GridUser user(Grid());
        for (size_t i = 0; i < rows.size(); ++i) user.Click(Grid().FixedRows() + rows[i] - 1, 0, i == 0 ? 0 : GridUser::kCtrl);
    }
    // Selects the rows of these files as Select does.
    void SelectFiles(const std::vector<std::string>& ids) {
        std::vector<int> rows;
        const int32_t col = Grid().ColIndex("FILE.FILE_ID");
        for (const std::string& id : ids)
            for (int32_t r = Grid().FixedRows(); r < Grid().Rows(); ++r)
                if (Grid().TextMatrix(r, col) == id) rows.push_back(r - Grid().FixedRows() + 1);
        ASSERT_EQ(rows.size(), ids.size());
        Select(rows);
    }
    bool Enabled(const std::string& id) { return Toolbar().ToolById(id)->Enabled(); }
    bool Visible(const std::string& id) { return Toolbar().ToolById(id)->Visible(); }
    // Checks the tools of the list against one expectation.
    void Expect(const std::vector<const char*>& tools, bool enabled, const std::string& why) {
        for (const char* tool : tools) EXPECT_EQ(Enabled(tool), enabled) << tool << ": " << why;
    }

    std::shared_ptr<components::clshostservices> host = std::make_shared<components::clshostservices>();
};

// The file tools with no row and then with the rows of a case selected, per user: the single-file
// tools, the user rules and the rights.
TEST(FileTools, FollowTheSelectionTheUserAndTheRights) {
    struct Case {
        const char *user, *type;
        std::vector<std::string> files;
        std::vector<const char*> enabled, disabled;
    } cases[] = {
        {"jdoe", "GENERAL ADMINISTRATOR", {"F1001", "F1004"}, {"ID_Prop_Delete_File", "ID_Prop_Lock_File", "ID_Prop_UnLock_File"},
         {"ID_Prop_View_File", "ID_Prop_Display_File", "ID_Prop_Update_File", "ID_Prop_Edit_File", "ID_Prop_Edit_File_Complete"}},
        {"jdoe", "DESIGNER", {"F1001"}, {"ID_Prop_View_File", "ID_Prop_Update_File", "ID_Prop_Delete_File"},
         {"ID_Prop_Lock_File", "ID_Prop_UnLock_File"}},
    };
    for (const Case& c : cases) {
        LoadedPane p("FILES", c.user, c.type);
        p.Param("DOC.STATUS", Variant(std::string("IN_WORK")));
        p.host->SetprojectID("PRJ-1");
        p.LoadD100();
        p.Expect({"ID_Prop_View_File", "ID_Prop_Display_File", "ID_Prop_Update_File", "ID_Prop_Delete_File",
                  "ID_Prop_Lock_File", "ID_Prop_UnLock_File", "ID_Prop_Edit_File"},
                 false, "no row selected");
        EXPECT_TRUE(p.Enabled("ID_Prop_Refresh"));
        p.SelectFiles(c.files);
        EXPECT_EQ(p.control->GetSelectionState(), c.files.size() > 1 ? "MRS" : "ROW_SELECTED");
        p.Expect(c.enabled, true, c.type);
        p.Expect(c.disabled, false, c.type);
    }
}

// A toolbar of another make is reached by member name alone (each tool the pane lacks is asked for and
// answers with an error): its tools end as this platform's toolbar's do.
TEST(FileTools, AToolbarOfAnotherMakeEndsInTheSameStates) {
    auto states = [](platform::ToolbarControl& toolbar) {
        std::vector<std::string> all;
        DispatchPtr tools = toolbar.Get("Tools").ToObject();
        for (int32_t i = 1; i <= tools->Get("Count").ToLong(); ++i) {
            DispatchPtr tool = tools->Get("Item", i).ToObject();
            all.push_back(tool->Get("ID").ToString() + (tool->Get("Enabled").ToBool() ? " enabled" : " disabled") +
                          (tool->Get("Visible").ToBool() ? "" : ", hidden"));
        }
        return all;
    };
    auto loadAndSelect = [](LoadedPane& p) {
        p.Param("DOC.STATUS", Variant(std::string("IN_WORK")));
        p.LoadD100();
        p.SelectFiles({"F1001"});
    };
    LoadedPane own("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    loadAndSelect(own);

    std::shared_ptr<platform::ToolbarControl> inner;
    testsupport::ScopedProgId foreign(noxsimplelinks::ctlSimpleLinks::kToolbarClass, [&inner] {
        inner = std::make_shared<platform::ToolbarControl>();
        return testsupport::LateBoundProxy::Of(inner);
    });
    LoadedPane other("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    loadAndSelect(other);
    ASSERT_TRUE(inner);
    EXPECT_GT(states(own.Toolbar()).size(), 10u);
    EXPECT_EQ(states(*inner), states(own.Toolbar()));
}

// Only an anonymous user completes an edit, of a file among the host's edited files; a markup file is
// never redlined.
TEST(FileTools, CompletingAnEditNeedsTheEditedFileAndAMarkupFileIsNeverRedlined) {
    LoadedPane p("FILES", "", "DESIGNER");
    p.host->SetprojectID("PRJ-1");
    p.LoadD100();
    p.SelectFiles({"F1001"});
    EXPECT_FALSE(p.Enabled("ID_Prop_Edit_File_Complete"));
    EXPECT_TRUE(p.Enabled("ID_Prop_Redline_File"));
    p.host->GetEditedFiles()->Add("F1001");
    p.Grid().SetTextMatrix(p.Grid().Row(), p.Grid().ColIndex("FILE.FILE_TYPE"), "Markup");
    p.control->UpdateToolStates("ROW_SELECTED");
    EXPECT_TRUE(p.Enabled("ID_Prop_Edit_File_Complete"));
    EXPECT_FALSE(p.Enabled("ID_Prop_Redline_File"));
}

TEST(HardCopyTools, FollowTheSelectionAndTheRights) {
    LoadedPane p("HARD_COPIES", "jdoe", "DESIGNER");
    p.LoadD100();
    p.Select({1});
    p.Expect({"ID_Prop_Display_HardCopy", "ID_Prop_Update_HardCopy"}, true, "one row");
    p.Select({1, 2});
    EXPECT_FALSE(p.Enabled("ID_Prop_Display_HardCopy"));
}

TEST(ItemTools, UnderAParentThatIsNoOrderTheStepToolsAreHidden) {
    LoadedPane p("ITEMS", "jdoe", "DESIGNER");
    p.Load("FOLDER", {"FOLDER.FOLDER_ID"}, {"FLD-1"});
    EXPECT_FALSE(p.Visible("ID_Prop_Lock_Item_To_Business_Process"));
    EXPECT_FALSE(p.Visible("ID_Prop_Attach_Item_To_All_Steps"));
}

TEST(ProjectTools, UnlinkFromProjectIsShownOnlyUnderItemsDocumentsAndFolders) {
    LoadedPane p("PROJECTS", "jdoe", "GENERAL ADMINISTRATOR");
    p.host->SetprojectID("PRJ-1");
    p.Load("ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"});
    EXPECT_TRUE(p.Visible("ID_Prop_Unlink_From_Project"));
    EXPECT_FALSE(p.Enabled("ID_Prop_Unlink_From_Project"));
    p.Select({1});
    EXPECT_TRUE(p.Enabled("ID_Prop_Unlink_From_Project"));
    p.control->SetParentType("EO");
    p.control->UpdateToolStates("ROW_SELECTED");
    EXPECT_FALSE(p.Visible("ID_Prop_Unlink_From_Project"));
}

TEST(AffectedItemTools, OnlyTheAuthorOrAnAdministratorMayUnlink) {
    for (const auto& [user, type, allowed] : std::vector<std::tuple<std::string, std::string, bool>>{
             {"mbrown", "DESIGNER", false}, {"jsmith", "DESIGNER", true}, {"akhan", "PROJECT ADMINISTRATOR", true}}) {
        LoadedPane p("AFFECTED_ITEMS", user, type);
        p.Param("MODIFICATION.AUTHOR", Variant(std::string("jsmith")));
        p.Load("MODIFICATION", {"MODIFICATION.MODIFICATION_ID"}, {"MOD-1"});
        p.Grid().SetRow(p.Grid().FixedRows());
        p.control->UpdateToolStates(p.control->GetSelectionState());
        EXPECT_EQ(p.Enabled("ID_UnlinkObjectFromModification"), allowed) << user << " " << type;
        EXPECT_FALSE(p.Visible("ID_DisplayReason"));
    }
}

TEST(DatasetTools, TheDatasetPaneSetsOnlyTheFilterTools) {
    LoadedPane p("DATASETS", "jdoe", "DESIGNER");
    p.LoadD100();
    p.Toolbar().ToolById("ID_Prop_Refresh")->SetEnabled(false);
    p.Select({1});
    EXPECT_FALSE(p.Enabled("ID_Prop_Refresh")) << "no state rules ran";
    EXPECT_TRUE(p.Enabled("ID_Prop_Rev_Filter_DropDown"));
}

TEST(ToolClicks, AClickedToolRunsItsMappedCommandOrGoesToTheHost) {
    LoadedPane p("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    p.LoadD100();
    p.executeEvents.clear();
    p.Select({1});
    p.Toolbar().ClickTool("ID_Prop_Custom_Fields");
    EXPECT_EQ(p.executeEvents, std::vector<std::string>{"<XML><METHOD>ShowCustFields</METHOD></XML>"})
        << "mapped: the control's own command, which asks the host for its column dialog";
    p.executeEvents.clear();
    p.control->ButtonOperation("ID_Host_Only");
    EXPECT_EQ(p.executeEvents, std::vector<std::string>{"<XML><METHOD>ID_Host_Only</METHOD></XML>"});
}

}  // namespace
}  // namespace controltest
