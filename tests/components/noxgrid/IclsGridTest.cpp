#include <gtest/gtest.h>

#include "components/noxgrid/IclsGrid.h"
#include "components/noxmetadata2/IMetaData.h"
#include "platform/grid/FlexGrid.h"
#include "support/ErrorOf.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

using namespace automation;
using testsupport::Raises;
using testsupport::ScopedProgId;

namespace {

class IclsGridTest : public ::testing::Test {
protected:
    IclsGridTest() {
        grid->SetRows(3);
        grid->SetCols(2);
        grid->SetFixedRows(1);
        grid->SetColKey(0, "ITEM.REVISION");
        grid->SetColKey(1, "ITEM.ITEM_KEY");
        grid->SetTextMatrix(2, 0, "C");
        grid->SetTextMatrix(2, 1, "I-2");
        grid->SetRow(2);
    }

    testsupport::TestWorld world;
    testsupport::ScopedVariable objectDefinitions{
        components::IMetaData::kFileVariable,
        std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/objdefs.xml"};
    ScopedProgId metadata = ScopedProgId::Of<components::IMetaData>("noxmetadata2.IMetaData");
    std::shared_ptr<platform::FlexGrid> grid = std::make_shared<platform::FlexGrid>();
    components::IclsGrid component;
};

TEST_F(IclsGridTest, KeyValuesComeFromTheCurrentRowAndAMissingKeyColumnIsReported) {
    Variant keys, values;
    EXPECT_TRUE(component.IGetObjectKeysValues(Variant(grid), "ITEM", keys, values, Variant::Missing()));
    EXPECT_EQ(values.ToArray().At(0), Variant("I-2"));
    EXPECT_EQ(values.ToArray().At(1), Variant("C"));
    EXPECT_FALSE(component.IGetObjectKeysValues(Variant(grid), "DOC", keys, values, Variant(int32_t{2})));
    EXPECT_FALSE(component.IGetObjectKeysValues(Variant(grid), "ITEM", keys, values, Variant(int32_t{0})));
    EXPECT_EQ(values.ToArray().At(0), Variant(""));
}

TEST_F(IclsGridTest, WithoutAMetadataComponentThereAreNoKeys) {
    ScopedProgId broken("noxmetadata2.IMetaData", []() -> DispatchPtr { throw AutomationError(429, "none"); });
    Variant keys, values;
    EXPECT_FALSE(component.IGetObjectKeysValues(Variant(grid), "ITEM", keys, values, Variant::Missing()));
    EXPECT_TRUE(keys.IsEmpty());
}

TEST_F(IclsGridTest, OperationsItDoesNotCarryOutSayWhichByName) {
    EXPECT_TRUE(Raises([&] { component.Call("DisplayResultsInGrid"); }, components::IclsGrid::kNotAvailable,
                       "DisplayResultsInGrid is not available"));
    EXPECT_TRUE(Raises([&] { component.Call("NoSuchOperation"); }, errors::kObjectDoesNotSupportMember));
}

}  // namespace
