// The tools after a load and after each selection, per pane kind, with the sample toolbar
// definitions and rights: the file and hard-copy rules, the per-user rules, the project and
// affected-items rules, and the revision-filter tools.
#include <gtest/gtest.h>

#include "ControlWorld.h"
#include "automation/ObjectFactory.h"
#include "components/noxhostservices/EditedFiles.h"
#include "components/noxhostservices/clshostservices.h"
#include "embedded/EmbeddedPlm.h"
#include "platform/grid/GridUser.h"

namespace controltest {
namespace {

using platform::GridUser;

// A loaded pane with a host whose user the test chooses; rows are clicked as a user would.
class LoadedPane {
public:
    LoadedPane(const std::string& pane, const std::string& userName, const std::string& userType) {
        server::InstallEmbeddedServer((w.world.Root() / "plm.db").string());
        host = std::make_shared<components::clshostservices>();
        host->SetUserName(userName);
        host->SetUserType(userType);
        w.site->SetHost(Variant(DispatchPtr(host)));
        w.site->SetComm(Variant(automation::CreateObject("noxrequestpars.XMLRequestPars")));
        w.control->Init(Variant(w.Section(pane)));
    }
    ~LoadedPane() { server::UninstallEmbeddedServer(); }

    void Load(const std::string& type, std::vector<std::string> keys, std::vector<std::string> values) {
        w.Parent(type, std::move(keys), std::move(values));
        w.control->Refresh();
    }
    // Clicks the first row, Ctrl+clicks the others (1-based data rows).
    void Select(std::vector<int> rows) {
        GridUser user(w.Grid());
        for (size_t i = 0; i < rows.size(); ++i) {
            user.Click(w.Grid().FixedRows() + rows[i] - 1, 0, i == 0 ? 0 : GridUser::kCtrl);
        }
    }
    // The row whose column holds the text (1-based), or 0.
    int RowWith(const std::string& column, const std::string& text) {
        const int32_t col = w.Grid().ColIndex(column);
        for (int32_t r = w.Grid().FixedRows(); r < w.Grid().Rows(); ++r) {
            if (w.Grid().TextMatrix(r, col) == text) return r - w.Grid().FixedRows() + 1;
        }
        return 0;
    }
    bool Enabled(const std::string& id) { return w.Toolbar().ToolById(id)->Enabled(); }
    bool Visible(const std::string& id) { return w.Toolbar().ToolById(id)->Visible(); }

    ControlWorld w;
    std::shared_ptr<components::clshostservices> host;
};

TEST(FileTools, AfterALoadNothingIsSelectedAndTheRowToolsAreOff) {
    LoadedPane p("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    EXPECT_EQ(p.w.control->GetSelectionState(), "NEW_EMPTY");
    for (const char* tool : {"ID_Prop_View_File", "ID_Prop_Display_File", "ID_Prop_Update_File", "ID_Prop_Delete_File",
                             "ID_Prop_Lock_File", "ID_Prop_UnLock_File", "ID_Prop_Edit_File"}) {
        EXPECT_FALSE(p.Enabled(tool)) << tool;
    }
    EXPECT_TRUE(p.Enabled("ID_Prop_Refresh"));
}

TEST(FileTools, TwoSelectedRowsDisableTheSingleFileToolsAndKeepTheRuledOnes) {
    LoadedPane p("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    p.Select({1, 3});
    EXPECT_EQ(p.w.control->GetSelectionState(), "MRS");
    for (const char* tool : {"ID_Prop_View_File", "ID_Prop_Display_File", "ID_Prop_Update_File", "ID_Prop_Edit_File"}) {
        EXPECT_FALSE(p.Enabled(tool)) << tool;
    }
    for (const char* tool : {"ID_Prop_Delete_File", "ID_Prop_Lock_File", "ID_Prop_UnLock_File"}) {
        EXPECT_TRUE(p.Enabled(tool)) << tool << ": an administrator, allowed by the rights and the project";
    }
    EXPECT_FALSE(p.Enabled("ID_Prop_Edit_File_Complete")) << "a named user never completes an edit";
}

TEST(FileTools, OneRowForADesignerFollowsTheUserRulesAndTheRights) {
    LoadedPane p("FILES", "jdoe", "DESIGNER");
    p.w.Param("DOC.STATUS", Variant(std::string("IN_WORK")));
    p.host->SetprojectID("PRJ-1");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    p.Select({p.RowWith("FILE.FILE_ID", "F1001")});
    EXPECT_EQ(p.w.control->GetSelectionState(), "ROW_SELECTED");
    EXPECT_TRUE(p.Enabled("ID_Prop_View_File"));
    EXPECT_TRUE(p.Enabled("ID_Prop_Update_File"));
    EXPECT_TRUE(p.Enabled("ID_Prop_Delete_File"));
    EXPECT_FALSE(p.Enabled("ID_Prop_Lock_File")) << "only a general administrator locks";
    EXPECT_FALSE(p.Enabled("ID_Prop_UnLock_File"));
}

TEST(FileTools, CompletingAnEditNeedsTheFileAmongTheHostsEditedFiles) {
    LoadedPane p("FILES", "", "DESIGNER");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    const int row = p.RowWith("FILE.FILE_ID", "F1001");
    p.Select({row});
    EXPECT_FALSE(p.Enabled("ID_Prop_Edit_File_Complete"));
    p.host->GetEditedFiles()->Add("F1001");
    p.Select({row});
    EXPECT_TRUE(p.Enabled("ID_Prop_Edit_File_Complete"));
}

TEST(FileTools, AMarkupFileNeverGetsTheRedlineTool) {
    LoadedPane p("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    p.host->SetprojectID("PRJ-1");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    const int row = p.RowWith("FILE.FILE_ID", "F1001");
    p.Select({row});
    EXPECT_TRUE(p.Enabled("ID_Prop_Redline_File"));
    p.w.Grid().SetTextMatrix(p.w.Grid().Row(), p.w.Grid().ColIndex("FILE.FILE_TYPE"), "Markup");
    p.w.control->UpdateToolStates("ROW_SELECTED");
    EXPECT_FALSE(p.Enabled("ID_Prop_Redline_File"));
}

TEST(HardCopyTools, FollowTheSelectionAndTheRights) {
    LoadedPane p("HARD_COPIES", "jdoe", "DESIGNER");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    p.Select({1});
    EXPECT_TRUE(p.Enabled("ID_Prop_Display_HardCopy"));
    EXPECT_TRUE(p.Enabled("ID_Prop_Update_HardCopy"));
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
    p.w.control->SetParentType("EO");
    p.w.control->UpdateToolStates("ROW_SELECTED");
    EXPECT_FALSE(p.Visible("ID_Prop_Unlink_From_Project"));
}

TEST(AffectedItemTools, OnlyTheAuthorOrAnAdministratorMayUnlink) {
    for (const auto& [user, type, allowed] : std::vector<std::tuple<std::string, std::string, bool>>{
             {"mbrown", "DESIGNER", false}, {"jsmith", "DESIGNER", true}, {"akhan", "PROJECT ADMINISTRATOR", true}}) {
        LoadedPane p("AFFECTED_ITEMS", user, type);
        p.w.Param("MODIFICATION.AUTHOR", Variant(std::string("jsmith")));
        p.Load("MODIFICATION", {"MODIFICATION.MODIFICATION_ID"}, {"MOD-1"});
        p.w.Grid().SetRow(p.w.Grid().FixedRows());
        p.w.control->UpdateToolStates(p.w.control->GetSelectionState());
        EXPECT_EQ(p.Enabled("ID_UnlinkObjectFromModification"), allowed) << user << " " << type;
        EXPECT_FALSE(p.Visible("ID_DisplayReason"));
    }
}

TEST(RevisionFilterTools, TheCheckedToolFollowsTheFilterAndLendsTheDropDownItsLook) {
    LoadedPane p("DOCUMENTS", "jdoe", "DESIGNER");
    p.Load("ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"});
    EXPECT_EQ(p.w.Toolbar().ToolById("ID_Prop_Rev_All")->State(), 1);
    EXPECT_EQ(p.w.Toolbar().ToolById("ID_Prop_Rev_Effective")->State(), 0);
    EXPECT_TRUE(p.Enabled("ID_Prop_Rev_Filter_DropDown"));
    p.w.control->FilterEffective();
    EXPECT_EQ(p.w.Toolbar().ToolById("ID_Prop_Rev_All")->State(), 0);
    EXPECT_EQ(p.w.Toolbar().ToolById("ID_Prop_Rev_Effective")->State(), 1);
    EXPECT_EQ(p.w.Toolbar().ToolById("ID_Prop_Rev_Filter_DropDown")->Name(), "Effective revision");
}

TEST(DatasetTools, TheDatasetPaneSetsOnlyTheFilterTools) {
    LoadedPane p("DATASETS", "jdoe", "DESIGNER");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    p.w.Toolbar().ToolById("ID_Prop_Refresh")->SetEnabled(false);
    p.Select({1});
    EXPECT_FALSE(p.Enabled("ID_Prop_Refresh")) << "no state rules ran";
    EXPECT_TRUE(p.Enabled("ID_Prop_Rev_Filter_DropDown"));
}

TEST(ToolClicks, AClickedToolRunsItsMappedCommandOrGoesToTheHost) {
    LoadedPane p("FILES", "jdoe", "GENERAL ADMINISTRATOR");
    p.Load("DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"});
    p.w.executeEvents.clear();
    p.Select({1});
    p.w.Toolbar().ClickTool("ID_Prop_Custom_Fields");
    EXPECT_EQ(p.w.executeEvents, std::vector<std::string>{}) << "mapped: the control's own (pending) command";
    p.w.control->ButtonOperation("ID_Host_Only");
    EXPECT_EQ(p.w.executeEvents, std::vector<std::string>{"<XML><METHOD>ID_Host_Only</METHOD></XML>"});
}

}  // namespace
}  // namespace controltest
