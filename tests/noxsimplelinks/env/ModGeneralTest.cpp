#include <gtest/gtest.h>

#include "automation/Dispatchable.h"
#include "automation/ObjectFactory.h"
#include "noxsimplelinks/env/ModGeneral.h"
#include "support/TestWorld.h"

using namespace noxsimplelinks;
using automation::AutomationError;
using testsupport::TestWorld;

namespace {

// Stands for the resource component: knows the application's label, nothing else.
class FakeResources : public automation::Dispatchable<FakeResources> {
public:
    static constexpr const char* kTypeName = "IRes";
    static const automation::MemberTable<FakeResources>& Members() {
        static const automation::MemberTable<FakeResources> table = [] {
            automation::MemberTable<FakeResources> t;
            t.Method("strResString", &FakeResources::strResString);
            return t;
        }();
        return table;
    }
    std::string strResString(const std::string& key) const {
        if (key == "LBL_APP_NAME") return "Nox PLM";
        throw AutomationError(5, "no text for " + key);
    }
};

// Registers a creator under "noxres.IRes" for the life of the object.
class ResourcesRegistered {
public:
    explicit ResourcesRegistered(automation::ObjectFactory::Creator creator) {
        automation::ObjectFactory::Instance().Register("noxres.IRes", std::move(creator));
    }
    ~ResourcesRegistered() { automation::ObjectFactory::Instance().Unregister("noxres.IRes"); }
};

automation::DispatchPtr NoResources() { throw AutomationError::Standard(automation::errors::kCannotCreateObject); }

TEST(ModGeneral, ShowErrorReportsACriticalError) {
    TestWorld world;
    ResourcesRegistered resources([] { return std::make_shared<FakeResources>(); });
    world.Ui().SetMousePointer(11);
    ModGeneral::ShowError(AutomationError(13, "Type mismatch"), "ctlSimpleLinks:FillGrid");
    auto messages = world.Ui().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "A critical error occurred in: noxsimplelinks.ctlSimpleLinks:FillGrid\r\n\r\n"
              "Error Number #:13\r\n\r\nError Description:Type mismatch");
    EXPECT_EQ(messages[0].flags, 16);
    EXPECT_EQ(messages[0].title, "Nox PLM-noxsimplelinks");
    EXPECT_EQ(world.Ui().MousePointer(), 0);
}

TEST(ModGeneral, ShowErrorGivesAUserErrorItsDescriptionAlone) {
    TestWorld world;
    ResourcesRegistered resources([] { return std::make_shared<FakeResources>(); });
    ModGeneral::ShowError(AutomationError(automation::errors::kUserError, "ERROR = [Item is locked]"), "ctlSimpleLinks:Unlink");
    auto messages = world.Ui().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ERROR = [Item is locked]");
    EXPECT_EQ(messages[0].flags, 48);
    EXPECT_EQ(messages[0].title, "Nox PLM-noxsimplelinks");
}

TEST(ModGeneral, ShowErrorStillShowsTheBoxWithoutResources) {
    TestWorld world;
    ResourcesRegistered resources(NoResources);
    ModGeneral::ShowError(std::runtime_error("disk full"), "clsGrid:SaveLayout");
    auto messages = world.Ui().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("noxsimplelinks.clsGrid:SaveLayout"), std::string::npos);
    EXPECT_NE(messages[0].text.find("Error Description:disk full"), std::string::npos);
    EXPECT_EQ(messages[0].title, "noxsimplelinks");
}

TEST(ModGeneral, SetMousePointerTakesAnyNumericValue) {
    TestWorld world;
    ModGeneral::SetMousePointer(automation::Variant("11"));
    EXPECT_EQ(world.Ui().MousePointer(), 11);
    ModGeneral::SetMousePointer(automation::Variant(0.0));
    EXPECT_EQ(world.Ui().MousePointer(), 0);
    EXPECT_THROW(ModGeneral::SetMousePointer(automation::Variant("busy")), AutomationError);
}

}  // namespace
