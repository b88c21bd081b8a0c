// The workflow component on its own: the route document it reads (the shipped sample), what it says
// instead of a dialog when no order is known, and the modes it refuses. The dialogs against the
// sample server are exercised through the control's step commands.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "automation/AutomationError.h"
#include "components/noxwfattached/Iclswfattached.h"
#include "support/TestWorld.h"

namespace {

using automation::Variant;
using components::Iclswfattached;
using components::WorkflowRoute;

std::string SampleRoute() {
    std::ifstream file(std::string(NOX_DATA_DIR) + "/answers/route.xml");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(WorkflowRoute, ReadsTheStepsTheirObjectsAndTheOrdersObjects) {
    const WorkflowRoute route = WorkflowRoute::Parse(SampleRoute());
    EXPECT_EQ(route.eoId, "EO-1001");
    ASSERT_EQ(route.steps.size(), 2u);
    EXPECT_EQ(route.steps[1].user, "mbrown");
    EXPECT_TRUE(route.steps[0].Holds({"ITEM", "P110/A", ""}));
    EXPECT_FALSE(route.steps[1].Holds({"ITEM", "P110/A", ""}));
    EXPECT_EQ(route.steps[0].objects[1].approval, "APPROVED");
    EXPECT_EQ(route.orderObjects.size(), 2u);
    for (const char* bad : {"", "<ROUTE", "<OTHER/>"}) {
        try {
            WorkflowRoute::Parse(bad);
            ADD_FAILURE() << bad;
        } catch (const automation::AutomationError& e) {
            EXPECT_EQ(e.Number(), automation::errors::kInvalidProcedureCall) << bad;
        }
    }
}

TEST(Iclswfattached, WithoutAnOrderItSaysSoAndAnUnknownModeIsRefused) {
    testsupport::TestWorld world;
    Iclswfattached workflow;
    EXPECT_FALSE(workflow.Show("ITEM", Variant(), Variant(), "", "", Iclswfattached::kAttach));
    ASSERT_EQ(world.Ui().Messages().size(), 1u);
    EXPECT_EQ(world.Ui().Messages()[0].text, "No engineering order is known here.");
    EXPECT_TRUE(world.Ui().Dialogs().empty());
    EXPECT_THROW(workflow.Show("ITEM", Variant(), Variant(), "EO-1001", "R1", 3), automation::AutomationError);
    EXPECT_FALSE(workflow.EoDetachObjFromSingleStep("ITEM", Variant(), Variant(), Variant(), Variant(), Variant()));
    EXPECT_EQ(world.Ui().Messages().back().text, "The pane shows no step of an engineering order.");
}

}  // namespace
