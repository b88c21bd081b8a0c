#include <gtest/gtest.h>

#include "../../noxsimplelinks/grid/GridWorld.h"
#include "components/noxgrid/IclsGrid.h"

using namespace automation;

TEST(IclsGrid, KeyValuesComeFromTheCurrentRowAndAMissingKeyColumnIsReported) {
    testsupport::GridWorld world;
    world.WithObjectDefinitions();
    auto& grid = *world.grid;
    grid.SetRows(3);
    grid.SetCols(2);
    grid.SetFixedRows(1);
    grid.SetColKey(0, "ITEM.REVISION");
    grid.SetColKey(1, "ITEM.ITEM_KEY");
    grid.SetTextMatrix(2, 0, "C");
    grid.SetTextMatrix(2, 1, "I-2");
    grid.SetRow(2);
    components::IclsGrid component;
    Variant keys, values;
    EXPECT_TRUE(component.IGetObjectKeysValues(world.Grid(), "ITEM", keys, values, Variant::Missing()));
    EXPECT_EQ(values.ToArray().At(0), Variant("I-2"));
    EXPECT_EQ(values.ToArray().At(1), Variant("C"));
    EXPECT_FALSE(component.IGetObjectKeysValues(world.Grid(), "DOC", keys, values, Variant(int32_t{2})));
    EXPECT_FALSE(component.IGetObjectKeysValues(world.Grid(), "ITEM", keys, values, Variant(int32_t{0})));
    EXPECT_EQ(values.ToArray().At(0), Variant(""));
}
