#include <gtest/gtest.h>

#include <random>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "support/ErrorOf.h"
#include "platform/grid/GridInvariants.h"
#include "platform/Registration.h"
#include "platform/grid/ControlErrors.h"

using namespace platform;
using platform::testing::GridInvariantsHold;
using platform::testing::MakeGrid;
using platform::testing::SelectedRowList;
using automation::SafeArray;
using automation::Variant;
using testsupport::ErrorOf;

namespace {

TEST(FlexGridModel, ShrinkingBelowTheFixedRowsLowersThemAndGrowingTheFixedRowsAddsRows) {
    auto g = MakeGrid(5, 3);
    g->Select(4, 1, 5, 2);
    g->SetRows(3);
    EXPECT_EQ(g->RowSel(), 2);
    EXPECT_EQ(g->Row(), 2);
    EXPECT_TRUE(GridInvariantsHold(*g));
    g->SetRows(0);
    EXPECT_EQ(g->FixedRows(), 0);
    EXPECT_EQ(g->Row(), -1);
    EXPECT_TRUE(GridInvariantsHold(*g));
    g->SetFixedRows(2);
    EXPECT_EQ(g->Rows(), 2);
    EXPECT_EQ(g->TextMatrix(1, 2), "");
    EXPECT_TRUE(GridInvariantsHold(*g));
}

TEST(FlexGridModel, RangeModeCountsTheDataRowsBetweenRowAndRowSel) {
    auto g = MakeGrid(6, 3);
    EXPECT_EQ(g->SelectedRows(), 0);
    g->Select(5, 0, 2, 2);
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{2, 3, 4, 5}));
    g->SetRowSel(0);  // the fixed row is never a selected row
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    g->SetRow(-1);
    EXPECT_EQ(g->SelectedRows(), 0);
    EXPECT_TRUE(GridInvariantsHold(*g));
}

TEST(FlexGridModel, ListBoxModeKeepsTheSetInSelectionOrderAndRowSelLeavesItAlone) {
    auto g = MakeGrid(6, 3);
    g->SetRow(2);
    g->SetLook("SelectionMode", Variant(int32_t{kSelectionListBox}));
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{2}));  // the range becomes the set
    g->SetIsSelected(5, true);
    g->SetIsSelected(1, true);
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{2, 5, 1}));
    g->SetRowSel(g->Row());
    EXPECT_EQ(g->SelectedRows(), 3);
    g->SetIsSelected(5, false);
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{2, 1}));
    g->Select(3, 1, 4, 2);
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{3, 4}));
    g->SetRow(6);
    EXPECT_EQ(SelectedRowList(*g), (std::vector<int32_t>{6}));
    g->SetRow(-1);
    EXPECT_EQ(g->SelectedRows(), 0);
    g->SetLook("SelectionMode", Variant(int32_t{kSelectionByRow}));
    EXPECT_TRUE(GridInvariantsHold(*g));
}

TEST(FlexGridModel, BadIndexesAndValuesRaiseReadableErrors) {
    auto g = MakeGrid(2, 2);
    struct Case {
        const char* what;
        std::function<void()> action;
        int32_t number;
    } cases[] = {
        {"row past the end", [&] { g->TextMatrix(3, 0); }, automation::errors::kSubscriptOutOfRange},
        {"negative column", [&] { g->SetColKey(-1, "X"); }, automation::errors::kSubscriptOutOfRange},
        {"Row below -1", [&] { g->SetRow(-2); }, automation::errors::kSubscriptOutOfRange},
        {"SelectedRow with none", [&] { g->SelectedRow(0); }, automation::errors::kSubscriptOutOfRange},
        {"negative Rows", [&] { g->SetRows(-1); }, kInvalidPropertyValue},
        {"ColSort 11", [&] { g->SetColSort(0, 11); }, kInvalidPropertyValue},
        {"SelectionMode 4", [&] { g->SetLook("SelectionMode", Variant(int32_t{4})); }, kInvalidPropertyValue},
        {"IsSelected outside list-box mode", [&] { g->SetIsSelected(1, true); }, kInvalidPropertyValue},
        {"LoadArray of a text", [&] { g->LoadArray(Variant("abc")); }, automation::errors::kTypeMismatch},
        {"Select past the last column", [&] { g->Select(1, 2); }, automation::errors::kSubscriptOutOfRange},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf(c.action).Number(), c.number) << c.what;
        EXPECT_TRUE(GridInvariantsHold(*g)) << c.what;
    }
    EXPECT_EQ(ErrorOf([&] { g->TextMatrix(7, 0); }).Description(), "Row 7 is out of range (valid: 0 to 2)");
}

TEST(FlexGridModel, ColIndexFindsTheFirstColumnOfAKeyIgnoringCaseAndMinusOneForNone) {
    auto g = MakeGrid(1, 4);
    g->SetColKey(3, "k1");
    EXPECT_EQ(g->ColIndex("K1"), 1);
    EXPECT_EQ(g->ColIndex(""), -1);
    g->SetColKey(1, "other");
    EXPECT_EQ(g->ColIndex("K1"), 3);
}

TEST(FlexGridModel, ColPositionMovesKeySettingsAndCellsOfHiddenColumnsTooAndTheCurrentColumnFollows) {
    auto g = MakeGrid(2, 4);
    g->SetColData(1, Variant(int32_t{1000}));
    g->SetColWidth(1, 1500);
    g->SetColHidden(1, true);
    g->SetTextMatrix(2, 1, "hidden");
    g->SetCol(1);
    g->SetColPosition(1, 3);
    g->SetCols(5);
    EXPECT_EQ(g->ColKey(3), "K1");
    EXPECT_EQ(g->ColData(3).ToLong(), 1000);
    EXPECT_EQ(g->ColWidth(3), 1500);
    EXPECT_TRUE(g->ColHidden(3));
    EXPECT_EQ(g->TextMatrix(2, 3), "hidden");
    EXPECT_EQ(g->ColKey(1), "K2");
    EXPECT_EQ(g->TextMatrix(2, 1), "r2c2");
    EXPECT_EQ(g->Col(), 3);
    g->SetColPosition(3, 0);
    EXPECT_EQ(g->ColKey(0), "K1");
    EXPECT_EQ(g->TextMatrix(1, 0), "r1c1");
    EXPECT_EQ(g->ColKey(1), "K0");
    EXPECT_EQ(g->Col(), 0);
    EXPECT_TRUE(GridInvariantsHold(*g));
}

TEST(FlexGridModel, LoadArrayFillsTheDataRowsUnderTheFixedRowAndClearsTheSelection) {
    auto g = MakeGrid(5, 2);
    g->Select(2, 0);
    SafeArray rows({0, 2}, {0, 2});
    for (int32_t r = 0; r <= 2; ++r)
        for (int32_t c = 0; c <= 2; ++c) rows.At(r, c) = Variant("v" + std::to_string(r) + std::to_string(c));
    rows.At(1, 1) = Variant::Null();
    rows.At(2, 2) = Variant(int32_t{42});
    g->LoadArray(Variant(rows));
    EXPECT_EQ(g->Rows(), 4);
    EXPECT_EQ(g->Cols(), 3);
    EXPECT_EQ(g->TextMatrix(0, 0), "Head0");
    EXPECT_EQ(g->TextMatrix(1, 0), "v00");
    EXPECT_EQ(g->TextMatrix(2, 1), "");
    EXPECT_EQ(g->TextMatrix(3, 2), "42");
    EXPECT_EQ(g->TextMatrix(1, 2), "v02");
    EXPECT_EQ(g->Row(), -1);
    EXPECT_TRUE(GridInvariantsHold(*g));

    SafeArray objects({0, 0}, {0, 0});
    objects.At(0, 0) = Variant(g);
    EXPECT_EQ(ErrorOf([&] { g->LoadArray(Variant(objects)); }).Number(), automation::errors::kTypeMismatch);
    EXPECT_EQ(g->Rows(), 4);  // nothing lost
    EXPECT_EQ(g->TextMatrix(1, 0), "v00");
}

TEST(FlexGridModel, LoadArrayFillsAHundredThousandRowsInOneCallAndTheyResizeAsAnyOther) {
    constexpr int32_t kRows = 100'000, kCols = 10;
    SafeArray data({0, kRows - 1}, {0, kCols - 1});
    for (int32_t r = 0; r < kRows; ++r)
        for (int32_t c = 0; c < kCols; ++c) data.At(r, c) = Variant(std::to_string(r * kCols + c));
    auto g = MakeGrid(0, kCols);
    g->LoadArray(Variant(std::move(data)));
    EXPECT_EQ(g->Rows(), kRows + 1);
    EXPECT_EQ(g->TextMatrix(kRows, kCols - 1), std::to_string(kRows * kCols - 1));
    g->SetCols(kCols - 1);  // a large block again, then a small one: the texts move along
    g->SetRows(11);
    g->SetCols(2);
    EXPECT_EQ(g->TextMatrix(10, 1), std::to_string(9 * kCols + 1));
}

TEST(FlexGridModel, AutoSizeMeasuresTheLongestTextInCharacters) {
    auto g = MakeGrid(2, 3);
    g->SetTextMatrix(2, 1, "ÄÖÜ and more");  // 12 characters, more bytes
    g->AutoSize(0, 1, std::nullopt, std::nullopt);
    EXPECT_EQ(g->ColWidth(0), 5 * kTwipsPerCharacter + kCellPadding);
    EXPECT_EQ(g->ColWidth(1), 12 * kTwipsPerCharacter + kCellPadding);
    EXPECT_EQ(g->ColWidth(2), kDefaultColumnWidth);
    g->AutoSize(0, 1, true, 60);
    EXPECT_EQ(g->ColWidth(0), 12 * kTwipsPerCharacter + kCellPadding + 60);
}

TEST(FlexGridModel, ClearEmptiesTextsWhereAskedAndKeepsColumns) {
    auto g = MakeGrid(3, 2);
    g->Clear(1, std::nullopt);
    EXPECT_EQ(g->TextMatrix(0, 1), "Head1");
    EXPECT_EQ(g->TextMatrix(3, 1), "");
    g->Clear(std::nullopt, std::nullopt);
    EXPECT_EQ(g->TextMatrix(0, 1), "");
    EXPECT_EQ(g->ColKey(1), "K1");
    EXPECT_EQ(g->Rows(), 4);
    automation::DispatchPtr(g)->Call("Refresh");
    EXPECT_EQ(g->RefreshCount(), 1);
}

TEST(FlexGridModel, IsDrivenByNameAndCreatedByItsClassName) {
    platform::RegisterControls();
    auto g = automation::CreateObject("VSFlexGrid.VSFlexGridN.1");
    g->Let("Cols", Variant(int32_t{2}));
    g->Let("Rows", Variant(int32_t{3}));
    g->Let("FixedRows", Variant(int32_t{1}));
    automation::Arguments put{Variant(int32_t{1}), Variant(int32_t{1}), Variant("x")};
    g->Invoke("TextMatrix", automation::InvokeKind::PropertyLet, put);
    automation::Arguments key{Variant(int32_t{1}), Variant("ITEM.ID")};
    g->Invoke("ColKey", automation::InvokeKind::PropertyLet, key);
    EXPECT_EQ(g->Get("TextMatrix", int32_t{1}, g->Get("ColIndex", "item.id").ToLong()).ToString(), "x");
    EXPECT_EQ(g->Get("ColIndex", "NONE").ToLong(), -1);
    g->Let("SelectionMode", Variant(int32_t{3}));
    g->Call("Select", int32_t{1}, int32_t{1}, int32_t{2}, int32_t{1});
    EXPECT_EQ(g->Get("SelectedRows").ToLong(), 2);
    EXPECT_EQ(g->Get("SelectedRow", int32_t{1}).ToLong(), 2);
    g->Get("Font").ToObject()->Let("Name", Variant("Serif"));
    EXPECT_EQ(CallOn(g->Get("Object"), "Font").ToObject()->Get("Name").ToString(), "Serif");
}

// Random operations, valid and not, on a small grid: every one leaves the invariants holding.
TEST(FlexGridModel, InvariantsHoldAfterEveryOperationOfARandomRun) {
    std::mt19937 random(20240607);
    auto pick = [&](int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random); };
    auto g = MakeGrid(6, 4);
    using Op = std::function<void()>;
    std::vector<std::pair<const char*, Op>> ops = {
        {"Rows", [&] { g->SetRows(pick(-1, 9)); }},
        {"Cols", [&] { g->SetCols(pick(0, 6)); }},
        {"FixedRows", [&] { g->SetFixedRows(pick(0, 3)); }},
        {"FixedCols", [&] { g->SetFixedCols(pick(0, 2)); }},
        {"Row", [&] { g->SetRow(pick(-2, 9)); }},
        {"Col", [&] { g->SetCol(pick(-1, 6)); }},
        {"RowSel", [&] { g->SetRowSel(pick(-1, 9)); }},
        {"Select", [&] { g->Select(pick(-1, 8), pick(-1, 5), pick(-1, 8), pick(-1, 5)); }},
        {"SelectionMode", [&] { g->SetLook("SelectionMode", Variant(pick(0, 3))); }},
        {"IsSelected", [&] { g->SetIsSelected(pick(0, 8), pick(0, 1) == 1); }},
        {"ColKey", [&] { g->SetColKey(pick(0, 5), "K" + std::to_string(pick(0, 3))); }},
        {"ColPosition", [&] { g->SetColPosition(pick(0, 5), pick(0, 5)); }},
        {"ColHidden", [&] { g->SetColHidden(pick(0, 5), true); }},
        {"Sort", [&] { g->SetSort(pick(0, 10)); }},
        {"ColSort", [&] { g->SetColSort(pick(0, 5), pick(0, 9)); }},
        {"Text", [&] { g->SetTextMatrix(pick(0, 8), pick(0, 5), std::to_string(pick(0, 99))); }},
        {"Clear", [&] { g->Clear(pick(0, 2), pick(0, 3)); }},
        {"Mouse", [&] { g->SetMouseCell(pick(-1, 8), pick(-1, 5)); }},
        {"LoadArray", [&] {
             SafeArray a({0, pick(0, 5)}, {0, pick(0, 4)});
             g->LoadArray(Variant(a));
         }},
    };
    for (int step = 0; step < 3000; ++step) {
        auto& [name, op] = ops[static_cast<size_t>(pick(0, static_cast<int32_t>(ops.size()) - 1))];
        ErrorOf(op);  // invalid operations raise; the grid must stay whole either way
        ASSERT_TRUE(GridInvariantsHold(*g)) << "after " << name << " at step " << step;
    }
}

}  // namespace

TEST(FlexGridModel, LoadTextsReusesTheRoomOfTheLastLoadAndASourceThatRaisesLeavesTheFixedRows) {
    auto g = MakeGrid(3, 2);
    auto texts = [](int32_t r, std::string* cells) { cells[0] = "a" + std::to_string(r), cells[1] = "b"; };
    g->LoadTexts(40, 2, texts);
    g->SetRows(1);
    g->LoadTexts(30, 2, texts);  // in the room of the last load
    g->SetRows(1);
    g->LoadTexts(2, 2, texts);  // after giving most of it back
    EXPECT_EQ(g->Rows(), 3);
    EXPECT_EQ(g->TextMatrix(2, 0), "a1");
    EXPECT_EQ(g->TextMatrix(0, 1), "Head1");

    auto raising = [](int32_t r, std::string* cells) {
        if (r == 1) throw std::runtime_error("no text");
        cells[0] = "x";
    };
    EXPECT_THROW(g->LoadTexts(3, 3, raising), std::runtime_error);
    EXPECT_EQ(g->Rows(), 1);
    EXPECT_EQ(g->Cols(), 3);
    EXPECT_TRUE(GridInvariantsHold(*g));
}

TEST(FlexGridModel, CellsCutOffComeBackEmptyAndKeptCellsKeepTheirTextsWhateverTheColumnCount) {
    auto g = MakeGrid(3, 3);
    g->SetCols(2);
    g->SetCols(4);
    for (int32_t r = 1; r <= 3; ++r) {
        EXPECT_EQ(g->TextMatrix(r, 1), "r" + std::to_string(r) + "c1");
        EXPECT_EQ(g->TextMatrix(r, 2), "");  // cut off with the third column, not brought back
        EXPECT_EQ(g->TextMatrix(r, 3), "");
    }
    g->SetRows(2);
    g->SetRows(4);
    EXPECT_EQ(g->TextMatrix(1, 0), "r1c0");
    EXPECT_EQ(g->TextMatrix(3, 1), "");

    g->SetRows(1);
    g->LoadTexts(3, 1, [](int32_t, std::string* cells) { cells[0] += "new"; });  // appends to what it is given
    for (int32_t r = 1; r <= 3; ++r) {
        EXPECT_EQ(g->TextMatrix(r, 0), "new");
        EXPECT_EQ(g->TextMatrix(r, 1), "");
    }
    EXPECT_TRUE(GridInvariantsHold(*g));
}
