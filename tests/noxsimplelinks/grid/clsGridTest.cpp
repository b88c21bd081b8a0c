#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <pugixml.hpp>

#include "GridWorld.h"
#include "automation/VariantText.h"
#include "components/noxxmlutil/IXmlUtil.h"
#include "noxsimplelinks/env/modRegional.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/Shell.h"
#include "platform/grid/GridLayoutFile.h"
#include "support/LateBoundProxy.h"
#include "support/ScopedProgId.h"

using namespace automation;
using noxsimplelinks::clsGrid;
namespace modRegional = noxsimplelinks::modRegional;
using testing::ElementsAre;

namespace {

const std::vector<std::string> kLaidOutKeys = {"DOC.DOC_ID",        "DOC.TITLE",    "DOC.PAGES",  "DOC.CREATION_DATE",
                                               "ITEM_DOC.LINK_DATE", "DOC.REVISION", "DOC.STATUS"};

// UI definitions that fail when asked: a layout that still succeeds came from the cache.
class FailingUiDef : public Dispatch {
public:
    Variant Invoke(std::string_view, InvokeKind, Arguments&) override { throw AutomationError(5, "asked"); }
    std::string TypeName() const override { return "FailingUiDef"; }
};

class GridLayout : public testing::Test {
protected:
    bool LayOut() { return grid.LoadGridLayout(world.Grid(), world.Definition(), Variant::Nothing()); }
    std::string CacheFile() { return grid.CacheFilePath("Docs"); }

    testsupport::GridWorld world;
    clsGrid grid = [] {
        clsGrid g;
        g.SetCachePrefix(" pane ");
        return g;
    }();
};

const std::vector<testsupport::RowSetColumn> kAnswerColumns = {
    {"DOC.DOC_ID", "string"}, {"DOC.TITLE", "string"}, {"DOC.PAGES", "number"}, {"DOC.CREATION_DATE", "dateTime"},
    {"ITEM_DOC.LINK_DATE", "dateTime"}};

std::string Answer() {
    return testsupport::RowSetText(kAnswerColumns, {{"D-1", "Short", "1234", "2024-03-05T14:30:00", "2024-03-05T14:30:00"},
                                                    {"D-3", "A rather longer title", "7.5", "2023-12-31T00:00:00", ""},
                                                    {"D-2", "", "", "not a date", "2024-01-02T08:00:00"}});
}

// Every cell's text, row after row.
std::vector<std::string> AllTexts(const platform::FlexGrid& g) {
    std::vector<std::string> all;
    for (int32_t r = 0; r < g.Rows(); ++r)
        for (int32_t c = 0; c < g.Cols(); ++c) all.push_back(g.TextMatrix(r, c));
    return all;
}

}  // namespace

TEST_F(GridLayout, ColumnsComeFromTheDefinitionAndTheUiDefinitions) {
    ASSERT_TRUE(LayOut());
    auto& g = *world.grid;
    EXPECT_EQ(world.Keys(), kLaidOutKeys);
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.TextMatrix(0, 0), "Document number");
    struct Column {
        int32_t width, sort, dataType;
        bool hidden;
    } expected[] = {{1500, 2, 8, false}, {1000, 0, 8, false}, {1000, 0, 3, false}, {1200, 0, 7, false},
                    {1000, 0, 7, false}, {1000, 0, 8, true},  {1000, 0, 8, true}};
    for (int32_t c = 0; c < 7; ++c) {
        EXPECT_EQ(g.ColWidth(c), expected[c].width) << c;  // -1, "many" and no width at all give 1000
        EXPECT_EQ(g.ColData(c), Variant(expected[c].width)) << c;
        EXPECT_EQ(g.ColSort(c), expected[c].sort) << c;
        EXPECT_EQ(g.ColDataType(c), expected[c].dataType) << c;
        EXPECT_EQ(g.ColHidden(c), expected[c].hidden) << c;
        EXPECT_EQ(g.ColAlignment(c), 1);
    }
    EXPECT_EQ(g.GetLook("SheetBorder"), Variant(int32_t{16777215}));
}

TEST_F(GridLayout, TheCacheIsWrittenUsedReplacedWhenCorruptAndDeletedByPrefix) {
    ASSERT_TRUE(grid.UseCache());
    ASSERT_TRUE(LayOut());
    EXPECT_EQ(std::filesystem::path(CacheFile()).filename(), "pane_docs.grd");
    ASSERT_TRUE(std::filesystem::exists(CacheFile()));

    // A fresh grid, laid out from the cache alone.
    world.grid = std::make_shared<platform::FlexGrid>();
    ASSERT_TRUE(grid.LoadGridLayout(world.Grid(), world.Definition(), Variant(std::make_shared<FailingUiDef>())));
    EXPECT_EQ(world.Keys(), kLaidOutKeys);
    EXPECT_EQ(world.grid->TextMatrix(0, 0), "Document number");

    world.world.WriteFile(std::filesystem::relative(CacheFile(), world.world.Root()), "not a layout");
    world.grid = std::make_shared<platform::FlexGrid>();
    ASSERT_TRUE(LayOut());
    EXPECT_EQ(world.Keys(), kLaidOutKeys);
    EXPECT_EQ(platform::ReadGridLayout(CacheFile()).cols, 7);
    EXPECT_TRUE(world.world.Ui().Messages().empty());

    for (const char* name : {"pane_a.grd", "other_c.grd", "pane_d.txt"})
        world.world.WriteFile(std::string("AppData/VARDEN/cache/") + name, "x");
    grid.DeleteCachedLayouts();
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(world.world.ProfileFolder() / "cache"))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_THAT(left, ElementsAre("other_c.grd", "pane_d.txt"));
}

TEST(GridCacheSwitch, TheSwitchIsOnOnlyForABooleanTrue) {
    for (auto [text, on] : std::vector<std::pair<std::string, bool>>{{"True", true}, {"1", true}, {"False", false},
                                                                     {"maybe", false}, {"", false}}) {
        testsupport::GridWorld world(text);
        EXPECT_EQ(clsGrid().UseCache(), on) << text;
    }
}

TEST_F(GridLayout, FillingConvertsByColumnTypeAutoSizesAndSortsAndNoRowSetEmptiesTheGrid) {
    for (const std::string& answer : {std::string(), std::string("<Answer/>"), std::string("not xml <"),
                                      testsupport::RowSetText(kAnswerColumns, {})}) {
        ASSERT_TRUE(LayOut());
        EXPECT_FALSE(grid.FillGrid(world.Grid(), answer)) << answer;
        EXPECT_EQ(world.grid->Rows() + world.grid->Cols(), 0);
    }
    EXPECT_TRUE(world.world.Ui().Messages().empty());
    world.world.UseSeparators(",", ".");
    ASSERT_TRUE(LayOut());
    auto& g = *world.grid;
    g.SetColFormat(4, "Short time");
    ASSERT_TRUE(grid.FillGrid(world.Grid(), Answer()));
    ASSERT_EQ(g.Rows(), 4);
    auto column = [&](int32_t c) {
        std::vector<std::string> texts;
        for (int32_t r = 1; r < g.Rows(); ++r) texts.push_back(g.TextMatrix(r, c));
        return texts;
    };
    // Sorted by DOC_ID descending (SORT 2).
    EXPECT_THAT(column(0), ElementsAre("D-3", "D-2", "D-1"));
    EXPECT_THAT(column(2), ElementsAre("7,5", "", "1.234"));
    EXPECT_THAT(column(3), ElementsAre("12/31/2023", "not a date", "03/05/2024"));  // the time is dropped
    EXPECT_THAT(column(4), ElementsAre("", "08:00", "14:30"));                       // "Short time" shows it
    EXPECT_THAT(column(5), ElementsAre("", "", ""));
    EXPECT_EQ(g.ColWidth(0), 1500);
    EXPECT_EQ(g.ColWidth(3), 1200);
    EXPECT_EQ(g.ColWidth(1), 21 * 120 + 120);  // "A rather longer title"
}

// The user's locale says how numbers, dates and times look, and dates sort by their day whatever
// their text.
TEST_F(GridLayout, CellsShowNumbersDatesAndTimesAsTheUsersLocaleWritesThem) {
    struct Shown {
        std::string locale;
        std::vector<std::string> pages, created, times, createdInOrder;
    } cases[] = {
        {"en_US.UTF-8", {"7.5", "", "1,234"}, {"12/31/2023", "not a date", "03/05/2024"}, {"", "08:00 AM", "02:30 PM"},
         {"not a date", "12/31/2023", "03/05/2024"}},
        {"de_DE.UTF-8", {"7,5", "", "1.234"}, {"31.12.2023", "not a date", "05.03.2024"}, {"", "08:00", "14:30"},
         {"not a date", "31.12.2023", "05.03.2024"}},
    };
    auto& g = *world.grid;
    auto column = [&](int32_t c) {
        std::vector<std::string> texts;
        for (int32_t r = 1; r < g.Rows(); ++r) texts.push_back(g.TextMatrix(r, c));
        return texts;
    };
    for (const Shown& c : cases) {
        world.world.UseLocale(c.locale);
        ASSERT_TRUE(LayOut());
        g.SetColFormat(4, "Short time");
        ASSERT_TRUE(grid.FillGrid(world.Grid(), Answer()));
        EXPECT_EQ(column(2), c.pages) << c.locale;
        EXPECT_EQ(column(3), c.created) << c.locale;
        EXPECT_EQ(column(4), c.times) << c.locale;
        grid.SetSortColumn(world.Grid(), 3, 1);
        grid.ApplySort(world.Grid());
        EXPECT_EQ(column(3), c.createdInOrder) << c.locale;
    }
}

// The grid class answers false when it fails and shows nothing: the control decides what the user sees.
TEST_F(GridLayout, FailuresAnswerFalseWithoutAMessage) {
    const Variant nothing = Variant::Nothing();
    EXPECT_FALSE(grid.LoadGridLayout(world.Grid(), world.Definition(), Variant(DispatchPtr(std::make_shared<FailingUiDef>()))));
    EXPECT_FALSE(grid.LoadGridLayout(nothing, world.Definition(), nothing));
    EXPECT_FALSE(grid.FillGrid(nothing, Answer()));
    ASSERT_TRUE(LayOut());
    ASSERT_TRUE(grid.FillGrid(world.Grid(), Answer()));
    EXPECT_FALSE(grid.SaveGridLayout(world.Grid(), nothing, "//GRID_COLS", ""));
    EXPECT_TRUE(world.world.Ui().Messages().empty());
}

// A grid and a row set of another make are reached by member name alone: the grid is filled with one
// LoadArray and the row set read through its Fields, to the same texts as this platform's give.
TEST_F(GridLayout, AGridAndARowSetOfAnotherMakeAreFilledToTheSameTexts) {
    ASSERT_TRUE(LayOut());
    ASSERT_TRUE(grid.FillGrid(world.Grid(), Answer()));
    const std::vector<std::string> expected = AllTexts(*world.grid);

    testsupport::ScopedProgId foreignXml("noxxmlutil.IXmlUtil", [] {
        return testsupport::LateBoundProxy::Of(std::make_shared<components::IXmlUtil>());
    });
    auto other = std::make_shared<platform::FlexGrid>();
    const Variant foreignGrid(testsupport::LateBoundProxy::Of(other));
    ASSERT_TRUE(grid.LoadGridLayout(foreignGrid, world.Definition(), Variant::Nothing()));
    ASSERT_TRUE(grid.FillGrid(foreignGrid, Answer()));
    EXPECT_EQ(AllTexts(*other), expected);
}

// The fill converts each distinct written date and number once and reuses the text for the others:
// over thousands of rows, repeated and distinct texts (more than its table holds, so that entries
// are replaced) show as a row set of another make, read value by value, shows them.
TEST_F(GridLayout, ConvertedTextsAreReusedOnlyForTheSameWrittenText) {
    world.world.UseSeparators(",", ".");
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 5000; ++i) {
        const int day = 1 + i * 7 % 28, month = 1 + i % 12, year = 1990 + i * 13 % 60;
        char created[32], linked[32];
        std::snprintf(created, sizeof created, "%04d-%02d-%02dT%02d:%02d:00", year, month, day, i % 24, i % 60);
        std::snprintf(linked, sizeof linked, "%04d-%02d-%02dT08:00:00", 2000 + i % 3, 1 + i % 2, 1 + i % 5);
        const std::string pages = i % 5 == 0 ? "1.50" : i % 7 == 0 ? "x" : std::to_string(i * 37 % 2000) + ".25";
        rows.push_back({"D-" + std::to_string(100000 + i), "", pages, i % 11 == 0 ? "not a date" : created, linked});
    }
    const std::string answer = testsupport::RowSetText(kAnswerColumns, rows);
    ASSERT_TRUE(LayOut());
    world.grid->SetColFormat(4, "Short time");
    ASSERT_TRUE(grid.FillGrid(world.Grid(), answer));
    ASSERT_EQ(world.grid->Rows(), 5001);
    const std::vector<std::string> filled = AllTexts(*world.grid);

    testsupport::ScopedProgId foreignXml("noxxmlutil.IXmlUtil", [] {
        return testsupport::LateBoundProxy::Of(std::make_shared<components::IXmlUtil>());
    });
    ASSERT_TRUE(LayOut());
    world.grid->SetColFormat(4, "Short time");
    ASSERT_TRUE(grid.FillGrid(world.Grid(), answer));
    EXPECT_EQ(AllTexts(*world.grid), filled);
}

// Numbers the server writes plainly and those it does not show alike: as their value's text, in its
// display form in a number column.
TEST_F(GridLayout, NumberFieldsShowTheirValuesText) {
    world.world.UseSeparators(",", ".");
    const std::vector<std::string> written = {"1234.5", "1.50", "1e3", "0.00001", "-0", "007", "12345678901234567", "x"};
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < written.size(); ++i) rows.push_back({"D-" + std::to_string(10 + i), "", written[i], "", ""});
    for (bool numberColumn : {true, false}) {
        ASSERT_TRUE(LayOut());
        auto& g = *world.grid;
        if (!numberColumn) g.SetColDataType(2, 8);
        ASSERT_TRUE(grid.FillGrid(world.Grid(), testsupport::RowSetText(kAnswerColumns, rows)));
        ASSERT_EQ(g.Rows(), static_cast<int32_t>(written.size()) + 1);
        for (int32_t r = 1; r < g.Rows(); ++r) {
            const std::string& text = written[written.size() - static_cast<size_t>(r)];  // sorted descending
            auto value = automation::ParseNumber(text);
            std::string shown = value ? Variant(*value).ToString() : text;
            EXPECT_EQ(g.TextMatrix(r, 2), numberColumn ? modRegional::FormatNumberForDisplay(shown) : shown) << text;
        }
    }
}

TEST_F(GridLayout, SavingWritesTheVisibleColumnsAndDropsTheCache) {
    ASSERT_TRUE(LayOut());
    ASSERT_TRUE(grid.FillGrid(world.Grid(), Answer()));
    ASSERT_TRUE(std::filesystem::exists(CacheFile()));
    auto& g = *world.grid;
    g.SetColHidden(1, true);
    g.SetColWidth(0, 2222);
    g.SetColPosition(3, 0);
    grid.SetSortColumn(world.Grid(), 0, 1);
    std::string saved = (world.world.Root() / "section.xml").string();
    ASSERT_TRUE(grid.SaveGridLayout(world.Grid(), Variant(world.section), "//GRID_COLS", saved));

    pugi::xml_document written;
    ASSERT_TRUE(written.load_file(saved.c_str()));
    std::vector<std::string> names;
    for (pugi::xml_node column : written.child("SECTION").child("GRID_COLS").children()) names.push_back(column.name());
    // The hidden title and the columns not shown are left out; "_" children stay.
    EXPECT_THAT(names, ElementsAre("_FILTER", "DOC.CREATION_DATE", "DOC.DOC_ID", "DOC.PAGES", "ITEM_DOC.LINK_DATE"));
    auto attribute = [&](const char* column, const char* name) {
        return std::string(written.child("SECTION").child("GRID_COLS").child(column).attribute(name).value());
    };
    EXPECT_EQ(attribute("DOC.DOC_ID", "WIDTH"), "2222");
    EXPECT_EQ(attribute("DOC.DOC_ID", "SORT"), "0");
    EXPECT_EQ(attribute("DOC.CREATION_DATE", "SORT"), "1");
    EXPECT_FALSE(std::filesystem::exists(CacheFile()));

    g.SetRows(1);
    EXPECT_FALSE(grid.SaveGridLayout(world.Grid(), Variant(world.section), "//GRID_COLS", ""));
}

TEST(GridShell, DocumentsOpenWithTheirProgramOrTheUserChoosesOne) {
    auto shell = std::make_shared<platform::RecordingShell>();
    auto previous = platform::InstallShell(shell);
    shell->Answer({platform::Shell::kOpened, platform::Shell::kNoAssociation});
    testsupport::GridWorld world;
    clsGrid grid;
    grid.Call("ShellDoc", "/docs/a.pdf");
    grid.ShellDoc("/docs/b.xyz");
    platform::InstallShell(previous);
    ASSERT_EQ(shell->Requests().size(), 3u);
    EXPECT_EQ(shell->Requests()[1].verb, "open");
    EXPECT_EQ(shell->Requests()[2].verb, "openwith");
    EXPECT_EQ(shell->Requests()[2].path, "/docs/b.xyz");
}
