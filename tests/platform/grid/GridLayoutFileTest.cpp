#include <gtest/gtest.h>

#include "support/TestWorld.h"
#include "support/ErrorOf.h"
#include "platform/grid/ControlErrors.h"
#include "platform/grid/GridInvariants.h"

using namespace platform;
using platform::testing::GridInvariantsHold;
using platform::testing::MakeGrid;
using automation::Variant;
using testsupport::Raises;

namespace {

class GridLayoutFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) { return (world.Root() / name).string(); }
    std::string Write(const std::string& name, const std::string& text) { return world.WriteFile(name, text).string(); }
    testsupport::TestWorld world;
};

TEST_F(GridLayoutFileTest, SaveAndLoadBringBackSizeColumnsLookAndTexts) {
    auto g = MakeGrid(3, 3);
    g->SetColKey(1, "ITEM.NAME");
    g->SetColWidth(1, 1777);
    g->SetColHidden(2, true);
    g->SetColSort(0, kSortGenericDescending);
    g->SetColDataType(0, 3);
    g->SetColFormat(1, "Short time");
    g->SetColAlignment(1, 7);
    g->SetColData(0, Variant(int32_t{1000}));
    g->SetColData(1, Variant("tab\there\nand a line"));
    g->SetColData(2, Variant(2.5));
    g->SetTextMatrix(2, 1, "back\\slash\ttab");
    g->SetTextMatrix(3, 2, std::string(20000, 'x'));  // a file read in several parts
    g->SetLook("ExplorerBar", Variant(int32_t{3}));
    g->SetLook("SelectionMode", Variant(int32_t{kSelectionListBox}));
    std::string path = PathOf("roundtrip.grd");
    g->SaveGrid(path, kGridFileAll, true);

    FlexGrid loaded;
    loaded.LoadGrid(path, std::nullopt);
    EXPECT_EQ(loaded.Rows(), 4);
    EXPECT_EQ(loaded.FixedRows(), 1);
    for (int32_t c = 0; c < 3; ++c) {
        EXPECT_EQ(loaded.ColKey(c), g->ColKey(c));
        EXPECT_EQ(loaded.ColWidth(c), g->ColWidth(c));
        EXPECT_EQ(loaded.ColHidden(c), g->ColHidden(c));
        EXPECT_EQ(loaded.ColSort(c), g->ColSort(c));
        EXPECT_EQ(loaded.ColDataType(c), g->ColDataType(c));
        EXPECT_EQ(loaded.ColFormat(c), g->ColFormat(c));
        EXPECT_EQ(loaded.ColAlignment(c), g->ColAlignment(c));
        EXPECT_EQ(loaded.ColData(c), g->ColData(c)) << c;
        for (int32_t r = 0; r < 4; ++r) EXPECT_EQ(loaded.TextMatrix(r, c), g->TextMatrix(r, c));
    }
    EXPECT_EQ(loaded.GetLook("ExplorerBar").ToLong(), 3);
    EXPECT_TRUE(loaded.Selection().ListMode());
    EXPECT_TRUE(GridInvariantsHold(loaded));
}

TEST_F(GridLayoutFileTest, FormatOnlyKeepsTheRowsAndDataOnlyKeepsTheColumns) {
    auto g = MakeGrid(2, 2);
    g->SetColKey(0, "A.KEY");
    std::string format = PathOf("format.grd"), data = PathOf("data.grd");
    g->SaveGrid(format, kGridFileFormat, std::nullopt);
    g->SaveGrid(data, kGridFileData, false);

    auto target = MakeGrid(5, 3);
    target->LoadGrid(format, std::nullopt);
    EXPECT_EQ(target->Cols(), 2);
    EXPECT_EQ(target->Rows(), 6);
    EXPECT_EQ(target->ColKey(0), "A.KEY");
    EXPECT_EQ(target->TextMatrix(5, 1), "r5c1");

    auto other = MakeGrid(5, 3);
    other->LoadGrid(data, kGridFileAll);  // the file holds data only: the columns stay
    EXPECT_EQ(other->Rows(), 3);
    EXPECT_EQ(other->ColKey(2), "K2");
    EXPECT_EQ(other->TextMatrix(0, 0), "Head0");  // saved without fixed cells
    EXPECT_EQ(other->TextMatrix(2, 0), "r2c0");
    EXPECT_TRUE(GridInvariantsHold(*other));
}

TEST_F(GridLayoutFileTest, TheSampleFileLoads) {
    FlexGrid g;
    g.LoadGrid(std::string(NOX_DATA_DIR) + "/grids/sample_layout.grd", kGridFileAll);
    EXPECT_EQ(g.ColIndex("FILE.FILE_SIZE"), 1);
    EXPECT_TRUE(g.ColHidden(2));
    EXPECT_EQ(g.TextMatrix(2, 0), "notes\twith a tab.txt");
    EXPECT_EQ(g.ColData(0).ToLong(), 2400);
    EXPECT_EQ(g.GetLook("SelectionMode").ToLong(), kSelectionListBox);
}

TEST_F(GridLayoutFileTest, AFileThatIsNotALayoutRaisesWithItsLineAndChangesNothing) {
    const std::string head = "NOX-GRID-LAYOUT\t1\nCONTENT\tall\t1\n";
    struct Case {
        const char* what;
        std::string text;
        const char* mention;
    } cases[] = {
        {"no header", "hello\n", "line 1"},
        {"no size", head, "no SIZE"},
        {"size before content", "NOX-GRID-LAYOUT\t1\nSIZE\t1\t1\t0\t0\n", "SIZE before CONTENT"},
        {"content again", head + "SIZE\t1\t1\t0\t0\nCONTENT\tall\t1\n", "second CONTENT"},
        {"size again", head + "SIZE\t1\t1\t0\t0\nSIZE\t2\t2\t0\t0\n", "second SIZE"},
        {"fixed rows past the rows", head + "SIZE\t1\t1\t2\t0\n", "line 3"},
        {"column past the end", head + "SIZE\t1\t1\t0\t0\nCOLUMN\t1\tK\t9\t0\t0\t0\t0\t\tE:\n", "line 4"},
        {"too many cells", head + "SIZE\t1\t1\t0\t0\nROW\t0\ta\tb\n", "more cells"},
        {"value without type", head + "SIZE\t1\t1\t0\t0\nLOOK\tExplorerBar\t3\n", "type letter"},
        {"not a number", head + "SIZE\tmany\t1\t0\t0\n", "\"many\""},
    };
    for (const Case& c : cases) {
        auto g = MakeGrid(2, 2);
        EXPECT_TRUE(Raises([&] { g->LoadGrid(Write("bad.grd", c.text), std::nullopt); }, kInvalidFileFormat, c.mention))
            << c.what;
        EXPECT_EQ(g->Rows(), 3) << c.what;
        EXPECT_EQ(g->TextMatrix(1, 1), "r1c1") << c.what;
    }
}

TEST_F(GridLayoutFileTest, ALookValueOutOfRangeRaisesAndChangesNeitherSizeNorLook) {
    auto g = MakeGrid(2, 2);
    const std::string text = "NOX-GRID-LAYOUT\t1\nCONTENT\tall\t1\nSIZE\t3\t5\t1\t1\n"
                             "LOOK\tExplorerBar\tL:3\nLOOK\tSelectionMode\tL:6\n";
    EXPECT_TRUE(Raises([&] { g->LoadGrid(Write("bad.grd", text), std::nullopt); }, kInvalidPropertyValue, "SelectionMode 6"));
    EXPECT_EQ(g->Cols(), 2);
    EXPECT_EQ(g->FixedCols(), 0);
    EXPECT_EQ(g->GetLook("ExplorerBar").ToLong(), 0);
}

TEST_F(GridLayoutFileTest, MissingFilesAndUnwritablePathsRaise) {
    FlexGrid g;
    EXPECT_TRUE(Raises([&] { g.LoadGrid(PathOf("does_not_exist.grd"), std::nullopt); }, automation::errors::kFileNotFound));
    EXPECT_NE(testsupport::ErrorOf([&] { g.SaveGrid(PathOf("no/such/dir/x.grd"), std::nullopt, std::nullopt); }).Number(), 0);
}

TEST_F(GridLayoutFileTest, RecordsOfALaterVersionAreSkipped) {
    FlexGrid g;
    g.LoadGrid(Write("later.grd", "NOX-GRID-LAYOUT\t1\nCONTENT\tall\t1\nSIZE\t1\t1\t0\t0\nROWHEIGHT\t0\t300\nROW\t0\tx\n"),
               std::nullopt);
    EXPECT_EQ(g.TextMatrix(0, 0), "x");
}

// Lines may end in "\r\n", blank lines are skipped but counted, and the last line needs no line end.
TEST_F(GridLayoutFileTest, LineEndsAndBlankLinesAreReadOver) {
    FlexGrid g;
    g.LoadGrid(Write("crlf.grd", "NOX-GRID-LAYOUT\t1\r\nCONTENT\tall\t1\r\n\r\nSIZE\t1\t1\t0\t0\n\nROW\t0\ta\\tb\\\\"),
               std::nullopt);
    EXPECT_EQ(g.TextMatrix(0, 0), "a\tb\\");
    EXPECT_TRUE(Raises([&] { g.LoadGrid(Write("blank.grd", "NOX-GRID-LAYOUT\t1\n\nCONTENT\tall\t1\n\nSIZE\tx\t1\t0\t0"), std::nullopt); },
                       kInvalidFileFormat, "line 5"));
}

// Whole numbers keep their type whether written as plain digits or not; one out of its type's range
// is an error of the file.
TEST_F(GridLayoutFileTest, WholeNumbersKeepTheirTypeAndRange) {
    const std::string head = "NOX-GRID-LAYOUT\t1\nCONTENT\tall\t1\nSIZE\t1\t2\t0\t0\n";
    auto column = [](int c, const std::string& value) {
        return "COLUMN\t" + std::to_string(c) + "\tK\t9\t0\t0\t0\t0\t\t" + value + "\n";
    };
    FlexGrid g;
    g.LoadGrid(Write("whole.grd", head + column(0, "I:-12") + column(1, "L:+1500")), std::nullopt);
    EXPECT_EQ(g.ColData(0).Type(), automation::VarType::Integer);
    EXPECT_EQ(g.ColData(0).ToLong(), -12);
    EXPECT_EQ(g.ColData(1).Type(), automation::VarType::Long);
    EXPECT_EQ(g.ColData(1).ToLong(), 1500);
    for (const char* value : {"I:40000", "L:99999999999"}) {
        EXPECT_TRUE(Raises([&] { g.LoadGrid(Write("big.grd", head + column(0, value)), std::nullopt); }, kInvalidFileFormat,
                           "does not read as its type"))
            << value;
    }
}

}  // namespace
