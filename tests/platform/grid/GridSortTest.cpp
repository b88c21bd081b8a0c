#include <gtest/gtest.h>

#include "platform/grid/GridInvariants.h"

using namespace platform;
using platform::testing::Column;
using platform::testing::GridInvariantsHold;
using platform::testing::GridOf;
using automation::Variant;

namespace {

TEST(GridSort, EachSettingOrdersAsItsKindSays) {
    const std::vector<std::string> mixed = {"10", "9", "b", "", "B", "a"};
    struct Case {
        int32_t setting;
        int32_t dataType;
        std::vector<std::string> values, expected;
    } cases[] = {
        {kSortGenericAscending, 8, mixed, {"", "10", "9", "a", "b", "B"}},     // text, case ignored, stable
        {kSortGenericAscending, 3, mixed, {"b", "", "B", "a", "9", "10"}},     // long: non-numbers first, stable
        {kSortGenericDescending, 3, mixed, {"10", "9", "b", "", "B", "a"}},
        {kSortNumericAscending, 8, mixed, {"b", "", "B", "a", "9", "10"}},     // numeric whatever the type
        {kSortNoCaseDescending, 3, mixed, {"b", "B", "a", "9", "10", ""}},
        {kSortTextAscending, 8, mixed, {"", "10", "9", "B", "a", "b"}},        // case-sensitive: capitals first
        {kSortGenericAscending, 7, {"12/1/2023", "2/15/2024", "1/3/2024"}, {"12/1/2023", "1/3/2024", "2/15/2024"}},
    };
    for (const Case& c : cases) {
        auto g = GridOf({c.values});
        g->SetColDataType(0, c.dataType);
        g->Select(0, 0);
        g->SetSort(c.setting);
        EXPECT_EQ(Column(*g, 0), c.expected) << "setting " << c.setting << ", type " << c.dataType;
    }
}

TEST(GridSort, UseColSortSortsEachColumnOfTheRangeByItsOwnSettingLeftColumnFirst) {
    auto g = GridOf({{"x", "y", "x", "y"}, {"1", "2", "3", "4"}, {"d", "c", "b", "a"}});
    g->SetColSort(0, kSortGenericAscending);
    g->SetColSort(1, kSortNumericDescending);
    g->SetColSort(2, kSortNone);
    g->Select(0, 0, 0, 2);
    g->SetSort(kSortUseColSort);
    EXPECT_EQ(Column(*g, 1), (std::vector<std::string>{"3", "1", "4", "2"}));
    EXPECT_EQ(Column(*g, 2), (std::vector<std::string>{"b", "d", "a", "c"}));
    EXPECT_EQ(g->Sort(), kSortUseColSort);
}

TEST(GridSort, SuccessiveSingleColumnSortsKeepTheEarlierOrderAmongEqualValues) {
    auto g = GridOf({{"b", "a", "b", "a"}, {"1", "2", "3", "4"}});
    g->SetColSort(0, kSortGenericAscending);
    g->SetColSort(1, kSortNumericDescending);
    for (int32_t c : {1, 0}) {
        g->Select(0, c);
        g->SetSort(kSortUseColSort);
    }
    EXPECT_EQ(Column(*g, 1), (std::vector<std::string>{"4", "2", "3", "1"}));
}

TEST(GridSort, SelectedRowsFollowTheirDataAndFixedRowsStay) {
    auto g = GridOf({{"c", "a", "b"}});
    g->SetTextMatrix(0, 0, "Header");
    g->SetLook("SelectionMode", Variant(int32_t{kSelectionListBox}));
    g->Select(1, 0);  // "c"
    g->SetIsSelected(3, true);  // "b"
    g->SetCol(0);
    g->SetSort(kSortGenericAscending);
    EXPECT_EQ(g->TextMatrix(0, 0), "Header");
    EXPECT_EQ(g->TextMatrix(g->SelectedRow(0), 0), "c");
    EXPECT_EQ(g->TextMatrix(g->SelectedRow(1), 0), "b");
    EXPECT_EQ(g->TextMatrix(g->Row(), 0), "c");
    EXPECT_TRUE(GridInvariantsHold(*g));
}

TEST(GridSort, NothingHappensWithoutAColumnOrWithSettingNone) {
    auto g = GridOf({{"b", "a"}});
    g->SetSort(kSortGenericAscending);  // Col is -1
    g->Select(0, 0);
    g->SetSort(kSortNone);
    g->SetSort(kSortUseColSort);        // ColSort is 0
    EXPECT_EQ(Column(*g, 0), (std::vector<std::string>{"b", "a"}));
}

}  // namespace
