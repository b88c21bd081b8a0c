#include <gtest/gtest.h>

#include "noxsimplelinks/common/ModGeneral.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

using namespace noxsimplelinks;
using automation::AutomationError;
using testsupport::TestWorld;

namespace {

// Stands for the resource component: every text it gives is the application's label.
class FakeResources : public automation::Dispatch {
public:
    automation::Variant Invoke(std::string_view, automation::InvokeKind, automation::Arguments&) override {
        return automation::Variant("Nox PLM");
    }
    std::string TypeName() const override { return "IRes"; }
};

TEST(ModGeneral, ShowErrorBoxes) {
    const std::string critical =
        "A critical error occurred in: noxsimplelinks.ctlSimpleLinks:Load\r\n\r\nError Number #:13\r\n\r\n"
        "Error Description:Type mismatch";
    struct Case {
        AutomationError error;
        bool resources;
        std::string text, title;
        int flags;
    } cases[] = {
        {AutomationError(13, "Type mismatch"), true, critical, "Nox PLM-noxsimplelinks", 16},
        {AutomationError(automation::errors::kUserError, "ERROR = [Item is locked]"), true, "ERROR = [Item is locked]",
         "Nox PLM-noxsimplelinks", 48},
        {AutomationError(13, "Type mismatch"), false, critical, "noxsimplelinks", 16},
    };
    for (const Case& c : cases) {
        TestWorld world;
        testsupport::ScopedProgId resources("noxres.IRes", [&]() -> automation::DispatchPtr {
            if (!c.resources) throw AutomationError::Standard(automation::errors::kCannotCreateObject);
            return std::make_shared<FakeResources>();
        });
        world.Ui().SetMousePointer(11);
        ModGeneral::ShowError(c.error, "ctlSimpleLinks:Load");
        ASSERT_EQ(world.Ui().Messages().size(), 1u);
        EXPECT_EQ(world.Ui().Messages()[0].text, c.text);
        EXPECT_EQ(world.Ui().Messages()[0].title, c.title);
        EXPECT_EQ(world.Ui().Messages()[0].flags, c.flags);
        EXPECT_EQ(world.Ui().MousePointer(), 0);
    }
}

TEST(ModGeneral, ShowErrorTakesAnyException) {
    TestWorld world;
    ModGeneral::ShowError(std::runtime_error("disk full"), "clsGrid:SaveLayout");
    ASSERT_EQ(world.Ui().Messages().size(), 1u);
    EXPECT_NE(world.Ui().Messages()[0].text.find("Error Description:disk full"), std::string::npos);
}

TEST(ModGeneral, SetMousePointerTakesAnyNumericValue) {
    TestWorld world;
    ModGeneral::SetMousePointer(automation::Variant("11"));
    EXPECT_EQ(world.Ui().MousePointer(), 11);
    EXPECT_THROW(ModGeneral::SetMousePointer(automation::Variant("busy")), AutomationError);
}

}  // namespace
