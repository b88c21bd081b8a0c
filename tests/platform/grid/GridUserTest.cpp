#include <gtest/gtest.h>

#include "platform/grid/GridInvariants.h"
#include "platform/grid/GridText.h"
#include "platform/grid/GridUser.h"

using namespace platform;
using platform::testing::Column;
using platform::testing::GridInvariantsHold;
using platform::testing::GridOf;
using platform::testing::MakeGrid;
using platform::testing::SelectedRowList;
using automation::Arguments;
using automation::Variant;

namespace {

// Every event the grid raises, as "Name(arg, arg, ...)".
class EventLog {
public:
    explicit EventLog(FlexGrid& grid) {
        grid.Events()->Connect([this](std::string_view name, Arguments& args) {
            std::string line = std::string(name) + "(";
            for (size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + args[i].ToString();
            events.push_back(line + ")");
            if (onEvent) onEvent(name, args);
        });
    }
    std::vector<std::string> events;
    std::function<void(std::string_view, Arguments&)> onEvent;
};

// A click raises mouse-down, the selection events, mouse-up and Click in that order; a right click
// and keys only report and leave the selection as it is.
TEST(GridUser, ClicksAndKeysRaiseTheirEventsInOrder) {
    auto g = MakeGrid(6, 3);
    g->SetLook("SelectionMode", Variant(int32_t{kSelectionListBox}));
    g->SetColWidth(0, 1000);
    EventLog log(*g);
    GridUser user(*g);
    user.Click(2, 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"MouseDown(1, 0, 1480, 600)", "RowColChange()", "SelChange()",
                                                    "AfterSelChange(-1, -1, 2, 1)", "MouseUp(1, 0, 1480, 600)",
                                                    "Click()"}));
    EXPECT_EQ(g->MouseRow(), 2);
    EXPECT_EQ(g->MouseCol(), 1);
    user.Click(3, 0, GridUser::kCtrl);
    log.events.clear();
    user.RightClick(5, 2, GridUser::kShift);
    user.PressKey(GridUser::kKeyA, GridUser::kCtrl);
    EXPECT_EQ(log.events, (std::vector<std::string>{"MouseDown(2, 1, 2440, 1320)", "MouseUp(2, 1, 2440, 1320)",
                                                    "KeyDown(65, 2)", "KeyUp(65, 2)"}));
    EXPECT_EQ(g->MouseRow(), 5);
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{2, 3}));
}

// Plain, Ctrl- and Shift-clicks on column 0 (or, in range mode, a Shift-click on the last column)
// and the rows they leave selected.
TEST(GridUser, ModifiedClicksBuildTheSelectionTheModeAllows) {
    constexpr int kCtrl = GridUser::kCtrl, kShift = GridUser::kShift;
    struct Case {
        const char* what;
        int32_t mode;
        std::vector<std::pair<int32_t, int>> clicks;  // row and modifier keys
        std::vector<int32_t> selected;
        int32_t row;  // the current row afterwards
        bool allowSelection = true, clickHandlerSetsRowSel = false;
    } cases[] = {
        {"ctrl adds in order", kSelectionListBox, {{4, 0}, {2, kCtrl}, {6, kCtrl}}, {4, 2, 6}, 6},
        {"ctrl again removes", kSelectionListBox, {{4, 0}, {2, kCtrl}, {6, kCtrl}, {2, kCtrl}}, {4, 6}, 2},
        {"shift extends down", kSelectionListBox, {{3, 0}, {5, kShift}}, {3, 4, 5}, 5},
        {"shift from the anchor up", kSelectionListBox, {{3, 0}, {5, kShift}, {1, kShift}}, {1, 2, 3}, 1},
        {"no AllowSelection", kSelectionListBox, {{4, 0}, {2, kCtrl}}, {2}, 2, false},
        {"Click handler sets RowSel", kSelectionListBox, {{1, 0}, {3, kCtrl}}, {1, 3}, 3, true, true},
        {"range mode shift keeps Row", kSelectionFree, {{2, 0}, {4, kShift}}, {2, 3, 4}, 2},
    };
    for (const Case& c : cases) {
        auto g = MakeGrid(6, 3);
        g->SetLook("SelectionMode", Variant(c.mode));
        g->SetLook("AllowSelection", Variant(c.allowSelection));
        EventLog log(*g);
        if (c.clickHandlerSetsRowSel)
            log.onEvent = [&](std::string_view name, Arguments&) {
                if (name == "Click" && g->Row() > 0) g->SetRowSel(g->Row());
            };
        GridUser user(*g);
        for (auto [row, keys] : c.clicks) user.Click(row, keys == kShift ? 2 : 0, keys);
        EXPECT_EQ(SelectedRowList(*g), c.selected) << c.what;
        EXPECT_EQ(g->Row(), c.row) << c.what;
        EXPECT_TRUE(GridInvariantsHold(*g)) << c.what;
    }
}

TEST(GridUser, MovingOrResizingAColumnAsksFirstReportsAfterwardsAndCanBeCancelled) {
    auto g = MakeGrid(2, 4);
    GridUser user(*g);
    EXPECT_FALSE(user.MoveColumn(0, 2));  // ExplorerBar does not allow moving
    g->SetLook("ExplorerBar", Variant(int32_t{3}));
    EventLog log(*g);
    EXPECT_TRUE(user.MoveColumn(0, 2));
    EXPECT_EQ(log.events, (std::vector<std::string>{"BeforeMoveColumn(0, 2)", "AfterMoveColumn(0, 2)"}));
    EXPECT_EQ(g->ColKey(2), "K0");

    log.onEvent = [](std::string_view name, Arguments& args) {
        if (name == "BeforeMoveColumn") args[1] = Variant(int32_t{-1});
    };
    EXPECT_FALSE(user.MoveColumn(2, 0));
    EXPECT_EQ(g->ColKey(2), "K0");

    log.onEvent = [&](std::string_view name, Arguments& args) {  // a handler that moves it back itself
        if (name == "BeforeMoveColumn") g->SetColPosition(args[0].ToLong(), args[0].ToLong() == 3 ? 0 : 3);
    };
    EXPECT_FALSE(user.MoveColumn(3, 1));
    EXPECT_EQ(log.events.back(), "BeforeMoveColumn(3, 1)");

    g->SetLook("AllowUserResizing", Variant(int32_t{1}));
    log.onEvent = nullptr;
    log.events.clear();
    EXPECT_TRUE(user.ResizeColumn(1, 2000));
    EXPECT_EQ(g->ColWidth(1), 2000);
    EXPECT_EQ(log.events, (std::vector<std::string>{"BeforeUserResize(-1, 1, False)", "AfterUserResize(-1, 1)"}));
    log.onEvent = [](std::string_view name, Arguments& args) {
        if (name == "BeforeUserResize") args[2] = Variant(true);
    };
    EXPECT_FALSE(user.ResizeColumn(1, 500));
    EXPECT_EQ(g->ColWidth(1), 2000);
}

TEST(GridUser, HeaderClicksSortAscendingThenDescendingWhenTheExplorerBarAllows) {
    auto g = GridOf({{"10", "9", "100"}});
    g->SetColDataType(0, 3);
    GridUser user(*g);
    user.Click(0, 0);
    EXPECT_EQ(g->TextMatrix(1, 0), "10");  // no sorting allowed: nothing moves
    g->SetLook("ExplorerBar", Variant(int32_t{1}));
    EventLog log(*g);
    user.Click(0, 0);
    EXPECT_EQ(Column(*g, 0), (std::vector<std::string>{"9", "10", "100"}));
    EXPECT_EQ(log.events, (std::vector<std::string>{"MouseDown(1, 0, 480, 120)", "BeforeSort(0, 1)", "AfterSort(0, 1)",
                                                    "MouseUp(1, 0, 480, 120)", "Click()"}));
    user.Click(0, 0);
    EXPECT_EQ(g->TextMatrix(1, 0), "100");
    EXPECT_EQ(log.events[6], "BeforeSort(0, 2)");
    log.onEvent = [](std::string_view name, Arguments& args) {
        if (name == "BeforeSort") args[1] = Variant(int16_t{0});
    };
    user.Click(0, 0);
    EXPECT_EQ(g->TextMatrix(1, 0), "100");
}

TEST(GridText, RendersVisibleColumnsAlignedUnderARuleWithSelectedRowsMarked) {
    auto g = MakeGrid(2, 3);
    g->SetTextMatrix(0, 2, "Size");
    g->SetTextMatrix(1, 2, "7");
    g->SetTextMatrix(2, 2, "1234");
    g->SetColAlignment(2, 7);
    g->SetColHidden(1, true);
    g->SetTextMatrix(2, 0, "a rather long text");
    g->Select(2, 0);
    EXPECT_EQ(RenderText(*g, 10),
              "  Head0       Size\n"
              "  ----------  ----\n"
              "  r1c0           7\n"
              "* a rather ~  1234\n");
}

}  // namespace
