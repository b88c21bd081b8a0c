// The site a host places a control in: its three properties by name and child controls by class.
#include <gtest/gtest.h>

#include "automation/Collection.h"
#include "platform/grid/FlexGrid.h"
#include "platform/site/ControlSite.h"
#include "support/ScopedProgId.h"

namespace {

using automation::DispatchPtr;
using automation::Variant;

TEST(ControlSite, AnswersItsPropertiesByNameAndFindsChildControlsByNameIgnoringCase) {
    testsupport::ScopedProgId grid = testsupport::ScopedProgId::Of<platform::FlexGrid>("VSFlexGrid.VSFlexGridN.1");
    auto site = std::make_shared<platform::ControlSite>();
    auto comm = std::make_shared<automation::Collection>();
    site->Set("Comm", Variant(DispatchPtr(comm)));
    EXPECT_EQ(site->Get("Comm").ToObject(), comm);
    EXPECT_TRUE(site->Get("Host").IsNothing());  // nothing until set
    DispatchPtr added = site->Call("AddControl", "VSFlexGrid.VSFlexGridN.1", "fg_Pane_DOC").ToObject();
    EXPECT_EQ(added->TypeName(), "FlexGrid");
    EXPECT_EQ(site->Call("Control", "FG_PANE_DOC").ToObject(), added);
    EXPECT_EQ(site->Call("ControlAt", int32_t{1}).ToObject(), added);
    EXPECT_TRUE(site->Call("Control", "other").IsNothing());
    EXPECT_THROW(site->Call("AddControl", "VSFlexGrid.VSFlexGridN.1", "fg_pane_doc"), automation::AutomationError);
    EXPECT_THROW(site->Call("AddControl", "No.SuchClass", "x"), automation::AutomationError);
    EXPECT_THROW(site->Call("ControlAt", int32_t{2}), automation::AutomationError);
    EXPECT_EQ(site->ControlCount(), 1);
}

}  // namespace
