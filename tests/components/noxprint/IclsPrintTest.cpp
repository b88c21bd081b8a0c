#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <pugixml.hpp>

#include "components/noxprint/IclsPrint.h"
#include "platform/grid/FlexGrid.h"
#include "support/ErrorOf.h"
#include "support/TestWorld.h"

using namespace automation;
using testing::ElementsAre;

namespace {

class PrintTest : public testing::Test {
protected:
    PrintTest() {
        grid->SetRows(3);
        grid->SetCols(3);
        grid->SetFixedRows(1);
        const char* cells[] = {"Number", "Secret", "Title", "D-1", "x", "Drawing <A&B>", "D-2", "y", "Spec"};
        for (int32_t i = 0; i < 9; ++i) grid->SetTextMatrix(i / 3, i % 3, cells[i]);
        grid->SetColHidden(1, true);
    }
    // Reads the last report written, from its <html> on, into `html`.
    void ReadReport() {
        std::stringstream read;
        read << std::ifstream(printer->LastReportFile(), std::ios::binary).rdbuf();
        const std::string text = read.str();
        ASSERT_TRUE(html.load_string(text.substr(text.find("<html")).c_str())) << text;
    }
    // The texts of the report's nodes at xpath, in document order.
    std::vector<std::string> Texts(const char* xpath) const {
        std::vector<std::string> texts;
        for (pugi::xpath_node n : html.select_nodes(xpath)) texts.push_back(n.node().text().as_string());
        return texts;
    }

    testsupport::TestWorld world;
    std::shared_ptr<platform::FlexGrid> grid = std::make_shared<platform::FlexGrid>();
    std::shared_ptr<components::IclsPrint> printer = std::make_shared<components::IclsPrint>();
    pugi::xml_document html;
};

}  // namespace

TEST_F(PrintTest, TheGridBecomesAnHtmlReportInTheReportsFolder) {
    ASSERT_TRUE(printer->Call("printGridContents", Variant(grid), "Attached documents", "Item A-1", "Page 1 of item A-1",
                              "Printed 3/5/2024", "End of report", true, int16_t{2}, false)
                    .ToBool());
    std::filesystem::path file = printer->LastReportFile();
    EXPECT_EQ(file.parent_path(), world.ProfileFolder() / "config" / "reports");
    EXPECT_EQ(file.extension(), ".html");
    ReadReport();
    EXPECT_THAT(Texts("//title | //h1"), ElementsAre("Attached documents", "Attached documents"));
    EXPECT_THAT(Texts("//div"), ElementsAre("Page 1 of item A-1", "Item A-1", "End of report", "Printed 3/5/2024"));
    EXPECT_THAT(Texts("//thead/tr/th"), ElementsAre("Number", "Title"));
    EXPECT_THAT(Texts("//tbody/tr/td"), ElementsAre("D-1", "Drawing <A&B>", "D-2", "Spec"));

    ASSERT_TRUE(printer->Call("printGrid", Variant(grid), "Second", "", "", "", "", false, int16_t{1}, false).ToBool());
    EXPECT_NE(printer->LastReportFile(), file.string());
}

TEST_F(PrintTest, TheStructureReportListsEveryColumnAndOtherReportsAreNotAvailable) {
    grid->SetColKey(0, "DOC.DOC_ID");
    ASSERT_TRUE(printer->printGridStructure(Variant(grid), "Columns", "", "", "", "", false, 1, false));
    ReadReport();
    EXPECT_EQ(html.select_nodes("//tbody/tr").size(), 3u);
    EXPECT_THAT(Texts("//tbody/tr[1]/td[2] | //tbody/tr[2]/td[6]"), ElementsAre("DOC.DOC_ID", "yes"));
    EXPECT_TRUE(testsupport::Raises([&] { printer->Call("printMultiGridsContents", Variant(grid)); },
                                    components::IclsPrint::kNotAvailable, "printMultiGridsContents"));
}
