// An answer filled into a laid-out grid as the control does it (clsGrid::FillGrid). The grid either
// holds one row per record of the answer's row set under the columns laid out, or, when the answer
// holds no row set, no rows and no columns; a failure is reported and leaves the grid as it was.
#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "automation/ObjectFactory.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/grid/FlexGrid.h"
#include "platform/grid/GridText.h"
#include "platform/recordset/RecordsetReader.h"
#include "platform/xml/XmlDocument.h"

namespace {

using automation::DispatchPtr;
using automation::Variant;

// Columns of every kind the grid shows: texts, a number, a date, and one the sample answers lack.
constexpr const char* kGridColumns =
    "<GRID_COLS ID=\"FUZZ\" BASE_OBJECT=\"DOC\"><DOC.DOC_ID WIDTH=\"1800\" SORT=\"1\"/><DOC.REVISION WIDTH=\"600\"/>"
    "<DOC.PAGES WIDTH=\"1000\"/><DOC.CREATION_DATE/><DOC.DATE_EFF_FROM WIDTH=\"900\"/><DOC.TITLE/></GRID_COLS>";

struct Layout {
    DispatchPtr columns;
    DispatchPtr uiDef;
    noxsimplelinks::clsGrid grid;
};

Layout& Prepared() {
    static Layout layout = [] {
        fuzzing::FuzzWorld::ForInput();
        auto document = std::make_shared<platform::XmlDocument>();
        document->Call("loadXML", kGridColumns);
        return Layout{document->Get("documentElement").ToObject(),
                      automation::CreateObject("noxsimplelinks.clsUI_DefWrapper"), {}};
    }();
    return layout;
}

// The records of the row set the answer holds; -1 when it holds none the grid would show.
int32_t Records(const std::string& text) {
    try {
        auto data = platform::RecordsetReader::Read(text);
        return data && data->RecordCount() > 0 ? static_cast<int32_t>(data->RecordCount()) : -1;
    } catch (const automation::AutomationError&) {
        return -1;
    }
}

}  // namespace

NOX_FUZZ_TARGET(fill_grid) {
    fuzzing::FuzzWorld& world = fuzzing::FuzzWorld::ForInput();
    Layout& layout = Prepared();
    auto grid = std::make_shared<platform::FlexGrid>();
    layout.grid.LoadGridLayout(Variant(grid), Variant(layout.columns), Variant(layout.uiDef));
    NOX_FUZZ_REQUIRE(world.Ui().Messages().empty(), "the layout itself is no failure");
    const int32_t cols = grid->Cols(), fixedRows = grid->FixedRows();
    const std::string before = platform::RenderText(*grid);

    const std::string text(input);
    const bool filled = layout.grid.FillGrid(Variant(grid), text);
    const bool reported = !world.Ui().Messages().empty();
    if (filled) {
        NOX_FUZZ_REQUIRE(!reported, world.Ui().Messages().front().text);
        NOX_FUZZ_REQUIRE(grid->Cols() == cols, "the columns laid out stay");
        NOX_FUZZ_REQUIRE(grid->Rows() - fixedRows == Records(text), "one row per record");
    } else if (reported) {
        NOX_FUZZ_REQUIRE(platform::RenderText(*grid) == before, "a failure leaves the grid as it was");
    } else {
        NOX_FUZZ_REQUIRE(grid->Rows() == 0 && grid->Cols() == 0, "no row set: no rows and no columns");
        NOX_FUZZ_REQUIRE(Records(text) < 0, "a row set the grid did not show");
    }
}
