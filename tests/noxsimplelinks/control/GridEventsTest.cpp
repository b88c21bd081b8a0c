// The grid's events as a user raises them on a loaded pane: clicks and Ctrl+A on the selection and
// the tools, right clicks opening the pane's menu or the column menu, columns that are not movable
// keeping their place, and the layout kept in the section after a move, a resize or a sort.
#include <gtest/gtest.h>

#include <algorithm>

#include "SamplePane.h"

namespace controltest {
namespace {

using platform::GridUser;

SamplePane Files() { return SamplePane("FILES", "DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"}); }

// The columns of the control's grid definition, in order, each with the attribute asked for.
std::vector<std::string> Definition(SamplePane& pane, const char* attribute = nullptr) {
    std::vector<std::string> columns;
    DispatchPtr children = pane.section->Call("selectNodes", "GRID_COLS/*").ToObject();
    for (int32_t i = 0; i < children->Get("length").ToLong(); ++i) {
        DispatchPtr child = children->Call("Item", i).ToObject();
        std::string column = child->Get("nodeName").ToString();
        if (attribute) column += "=" + child->Call("getAttribute", attribute).TextOr("");
        columns.push_back(column);
    }
    return columns;
}

TEST(GridEvents, ClicksAndCtrlASelectDataRowsOnly) {
    SamplePane pane = Files();
    GridUser user(pane.Grid());
    user.Click(pane.RowOf("FILE.FILE_ID", "F1002"), 0);
    ASSERT_EQ(pane.control->GetSelectionState(), "ROW_SELECTED");
    user.Click(0, pane.Grid().ColIndex("FILE.FILE_SIZE"));  // the header: a sort, not a selection
    EXPECT_EQ(pane.control->GetSelectionState(), "ROW_SELECTED");
    EXPECT_EQ(pane.Grid().TextMatrix(pane.Grid().Row(), 0), "F1002");

    user.PressKey(GridUser::kKeyA);
    EXPECT_EQ(pane.Grid().SelectedRows(), 1);
    user.PressKey(GridUser::kKeyA, GridUser::kCtrl);
    EXPECT_EQ(pane.Grid().SelectedRows(), 3);
    EXPECT_EQ(pane.Grid().Col(), 1);  // column 0 left out of the range
    EXPECT_EQ(pane.control->GetSelectionState(), "MRS");
    EXPECT_TRUE(pane.Toolbar().ToolById("ID_Prop_Delete_File")->Enabled());
}

TEST(GridEvents, ARightClickOnARowOpensThePanesMenu) {
    struct Case {
        const char* pane;
        const char *parentType, *parentKey, *parentValue;
        const char* popup;  // "" : none
    } cases[] = {
        {"FILES", "DOC", "DOC.DOC_ID", "D100", "ID_Prop_PopUp_File"},
        {"ITEMS", "EO", "EO.EO_ID", "EO-1001", "ID_Prop_PopUp_Attached_Item"},
        {"RELATED_ITEMS", "ITEM", "ITEM.ITEM_KEY", "A100", "ID_Prop_PopUp_Item"},
        {"HISTORY", "ITEM", "ITEM.ITEM_KEY", "A100", "ID_Prop_PopUp_History"},
        {"DOCUMENTS", "ITEM", "ITEM.ITEM_KEY", "A100", ""},  // a pane kind without a menu
    };
    for (const Case& c : cases) {
        const std::string type = c.parentType;
        std::vector<std::string> keys{c.parentKey}, values{c.parentValue};
        if (type != "EO") keys.push_back(type + ".REVISION"), values.push_back("B");
        SamplePane pane(c.pane, type, keys, values);
        GridUser(pane.Grid()).RightClick(pane.Grid().FixedRows(), 0);
        EXPECT_EQ(pane.Toolbar().LastPopupMenu(), c.popup) << c.pane;
        EXPECT_TRUE(pane.world.Ui().Messages().empty()) << c.pane;
    }
}

TEST(GridEvents, ARightClickMovesASingleSelectionButKeepsSeveral) {
    SamplePane pane = Files();
    GridUser user(pane.Grid());
    const int32_t first = pane.RowOf("FILE.FILE_ID", "F1001"), last = pane.RowOf("FILE.FILE_ID", "F1004");
    user.Click(first, 0);
    user.RightClick(last, 0);
    EXPECT_EQ(pane.Grid().SelectedRows(), 1);
    EXPECT_TRUE(pane.Grid().IsSelected(last));

    user.PressKey(GridUser::kKeyA, GridUser::kCtrl);
    user.RightClick(first, 0);
    EXPECT_EQ(pane.Grid().SelectedRows(), 3);
    EXPECT_EQ(pane.Toolbar().LastPopupMenu(), "ID_Prop_PopUp_File");
}

TEST(GridEvents, TheColumnMenuOffersToRemoveOnlyRemovableColumns) {
    SamplePane pane = Files();
    GridUser user(pane.Grid());
    const auto removeTool = [&] { return pane.Toolbar().ToolById("ID_Prop_Remove_Column")->Enabled(); };
    user.RightClick(0, pane.Grid().ColIndex("FILE.FILE_ID"));
    EXPECT_EQ(pane.Toolbar().LastPopupMenu(), "ID_Prop_PopUp_Grid_Header_Right_Click");
    EXPECT_FALSE(removeTool());

    const int32_t name = pane.Grid().ColIndex("FILE.FILE_NAME"), columns = pane.Grid().Cols();
    user.RightClick(0, name);
    ASSERT_TRUE(removeTool());
    EXPECT_TRUE(pane.Toolbar().ClickTool("ID_Prop_Remove_Column"));
    EXPECT_TRUE(pane.Grid().ColHidden(name));
    EXPECT_EQ(pane.Grid().Cols(), columns);  // hidden, still in the column set
    EXPECT_TRUE(pane.Raised("LayoutChanged"));
    const auto saved = Definition(pane);
    EXPECT_EQ(std::find(saved.begin(), saved.end(), "FILE.FILE_NAME"), saved.end());
    EXPECT_NE(std::find(saved.begin(), saved.end(), "FILE.FILE_ID"), saved.end());
}

TEST(GridEvents, ColumnsMoveOnlyBetweenMovableColumnsAndTheLayoutIsKept) {
    struct Case {
        const char* column;
        const char* onto;
        bool moves;
    } cases[] = {
        {"FILE.FILE_ID", "FILE.REVISION", false},     // the key is pinned
        {"FILE.FILE_NAME", "FILE.FILE_ID", false},    // nor does another column take its place
        {"FILE.FILE_NAME", "FILE.REVISION", true},
    };
    for (const Case& c : cases) {
        SamplePane pane = Files();
        const std::vector<std::string> before = Definition(pane);
        const int32_t from = pane.Grid().ColIndex(c.column), to = pane.Grid().ColIndex(c.onto);
        EXPECT_EQ(GridUser(pane.Grid()).MoveColumn(from, to), c.moves) << c.column;
        EXPECT_EQ(pane.Grid().ColIndex(c.column), c.moves ? to : from) << c.column;
        EXPECT_EQ(pane.Raised("LayoutChanged"), c.moves) << c.column;
        const std::vector<std::string> after = Definition(pane);
        EXPECT_EQ(after == before, !c.moves) << c.column;
        if (c.moves) {
            EXPECT_EQ(after[static_cast<size_t>(to)], c.column);
        }
    }
}

TEST(GridEvents, ASortOrAResizeIsKeptInTheSection) {
    SamplePane pane = Files();
    GridUser user(pane.Grid());
    const int32_t size = pane.Grid().ColIndex("FILE.FILE_SIZE");
    user.Click(0, size);
    EXPECT_TRUE(pane.Raised("LayoutChanged"));
    const auto sorts = Definition(pane, "SORT");
    EXPECT_NE(std::find(sorts.begin(), sorts.end(), "FILE.FILE_SIZE=" + std::to_string(pane.Grid().ColSort(size))), sorts.end());
    EXPECT_NE(pane.Grid().ColSort(size), 0);
    EXPECT_NE(std::find(sorts.begin(), sorts.end(), "FILE.FILE_ID=0"), sorts.end());

    pane.executeEvents.clear();
    EXPECT_TRUE(user.ResizeColumn(size, 2222));
    EXPECT_TRUE(pane.Raised("LayoutChanged"));
    const auto widths = Definition(pane, "WIDTH");
    EXPECT_NE(std::find(widths.begin(), widths.end(), "FILE.FILE_SIZE=2222"), widths.end());
}

}  // namespace
}  // namespace controltest
