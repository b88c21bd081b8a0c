// The find component: which rows a search selects (part or whole cell, case, hidden columns, list-box
// or single selection) and the dialog a script drives.
#include <gtest/gtest.h>

#include "components/noxFind/IclsFind.h"
#include "platform/grid/FlexGrid.h"
#include "support/TestWorld.h"

namespace {

using automation::Variant;
using components::IclsFind;

// Three data rows under a header; the third column is hidden.
std::shared_ptr<platform::FlexGrid> Grid(int32_t selectionMode) {
    auto grid = std::make_shared<platform::FlexGrid>();
    grid->SetRows(4);
    grid->SetCols(3);
    grid->SetFixedRows(1);
    const char* cells[4][3] = {{"Number", "Name", "Secret"},
                               {"P110", "Impeller", "pump"},
                               {"P120", "Pump housing", ""},
                               {"A100", "Pump assembly", ""}};
    for (int32_t r = 0; r < 4; ++r)
        for (int32_t c = 0; c < 3; ++c) grid->SetTextMatrix(r, c, cells[r][c]);
    grid->SetColHidden(2, true);
    grid->SetLook("SelectionMode", Variant(selectionMode));
    return grid;
}

TEST(IclsFind, SelectsTheRowsHoldingTheText) {
    struct Case {
        const char* text;
        bool wholeCell, matchCase;
        int32_t selectionMode;
        int32_t found;
        std::vector<int32_t> selected;
    } cases[] = {
        {"pump", false, false, 3, 2, {2, 3}},
        {"Pump", false, true, 3, 2, {2, 3}},
        {"pump", false, true, 3, 0, {}},            // the hidden column is not searched
        {"pump housing", true, false, 3, 1, {2}},
        {"Pump", true, false, 3, 0, {}},
        {"P1", false, false, 1, 2, {1}},              // one row at a time: the first
        {"", false, false, 3, 0, {}},
    };
    for (const Case& c : cases) {
        auto grid = Grid(c.selectionMode);
        EXPECT_EQ(IclsFind::FindRows(Variant(grid), c.text, c.wholeCell, c.matchCase), c.found) << c.text;
        std::vector<int32_t> selected;
        for (int32_t i = 0; i < grid->SelectedRows(); ++i) selected.push_back(grid->SelectedRow(i));
        EXPECT_EQ(selected, c.selected) << c.text;
    }
}

TEST(IclsFind, TheDialogSearchesUntilClosed) {
    testsupport::TestWorld world;
    auto grid = Grid(3);
    auto find = std::make_shared<IclsFind>();
    find->Let("Caption", Variant("Items"));
    platform::Ui().ScriptDialog("noxFind", platform::DialogScript({"txtFind=nothing", "cmdFind", "txtFind=a100", "cmdFind", "cmdClose", "cmdFind"}));
    find->Call("Show", Variant(grid), true);
    const platform::DialogRecord record = world.Ui().Dialogs().at(0);
    EXPECT_EQ(record.caption, "Items");
    EXPECT_TRUE(record.modal);
    EXPECT_EQ(record.steps, (std::vector<std::string>{"txtFind=nothing", "cmdFind", "txtFind=a100", "cmdFind", "cmdClose"}));
    EXPECT_EQ(record.result, "Close");
    EXPECT_EQ(find->DialogModel().Control("lblResult")->Caption(), "1 row found");
    EXPECT_EQ(grid->Row(), 3);
}

}  // namespace
