#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "components/noxauth/AuthorizationErrors.h"
#include "components/noxauth/IAuthorization.h"
#include "support/TestWorld.h"

using automation::AutomationError;
using automation::Variant;
using components::IAuthorization;

namespace {

const std::string kSample = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/noxrights.xml";

class AuthorizationTest : public ::testing::Test {
protected:
    testsupport::TestWorld world;
    std::shared_ptr<IAuthorization> auth = std::make_shared<IAuthorization>();
};

TEST_F(AuthorizationTest, SampleRightsAnswerPerUserTypeActionAndStatus) {
    auth->LoadRights(kSample);
    const std::tuple<const char*, const char*, const char*, const char*, bool> cases[] = {
        {"general administrator", "ANY_ACTION", "", "", true},
        {"PROJECT ADMINISTRATOR", "UNLOCK_FILE", "FILE", "", false},
        {"PROJECT ADMINISTRATOR", "UNLINK_FILE_FROM_DOC", "FILE", "RELEASED", false},
        {"PROJECT ADMINISTRATOR", "UNLINK_FILE_FROM_DOC", "FILE", "IN_WORK", true},
        {"DESIGNER", "EDIT_FILE", "FILE", "released", false},
        {"DESIGNER", "LINK_TO_CHILD", "ITEM", "", true},
        {"APPROVER", "EDIT_FILE", "FILE", "", false},
        {"", "UPDATE_OBJECT", "ITEM", "", false},
    };
    for (const auto& [userType, action, objectType, status, allowed] : cases)
        EXPECT_EQ(auth->Authorize(userType, action, objectType, status), allowed) << userType << " " << action << " " << status;
}

TEST_F(AuthorizationTest, ByNameItTakesTenArgumentsOrTheFirstFive) {
    auth->LoadRights(kSample);
    automation::DispatchPtr byName = auth;
    EXPECT_TRUE(byName->Call("IAuthorization_Authorize", "DESIGNER", "EDIT_FILE", "", "FILE", "IN_WORK").ToBool());
    EXPECT_FALSE(byName->Call("IAuthorization_Authorize", "DESIGNER", "EDIT_FILE", "", "FILE", "RELEASED", "IN_WORK", Variant::Missing(),
                              Variant::Missing(), Variant::Missing(), "")
                     .ToBool());
    EXPECT_THROW(byName->Call("IAuthorization_Authorize", "DESIGNER"), AutomationError);
    EXPECT_EQ(byName->Call("IAuthorization_getRemoveActionByUser", "GUEST").ToString(), "[ID_Prop_Delete_File][ID_Prop_Delete_HardCopy]");
    EXPECT_EQ(byName->Call("IAuthorization_getRemoveActionByUser", "DESIGNER").ToString(), "");
    EXPECT_EQ(byName->Call("IAuthorization_getActionsNoneProject", "FILE").ToString(), "[ID_Prop_Redline_File][ID_Prop_Edit_File]");
    EXPECT_EQ(byName->Call("IAuthorization_getActionsNoneProject", "ITEM").ToString(), "[ID_Prop_Unlink_From_Project]");
    EXPECT_EQ(byName->Call("IAuthorization_getActionsNoneProject", "KEYWORD").ToString(), "");
}

TEST_F(AuthorizationTest, DefaultFileComesFromTheSettingsFolderAndItsAbsenceAllowsEverything) {
    EXPECT_TRUE(auth->Authorize("GUEST", "EDIT_FILE", "FILE", ""));
    EXPECT_EQ(auth->RightsFile(), "");
    EXPECT_EQ(auth->getRemoveActionByUser("GUEST"), "");

    world.WriteFile("AppData/VARDEN/config/settings/noxrights.xml",
                    "<RIGHTS><USER_TYPE NAME=\"GUEST\"><REMOVE TOOL=\"ID_X\"/></USER_TYPE></RIGHTS>");
    auto fresh = std::make_shared<IAuthorization>();
    EXPECT_FALSE(fresh->Authorize("GUEST", "EDIT_FILE", "FILE", ""));
    EXPECT_EQ(fresh->getRemoveActionByUser("guest"), "[ID_X]");
    EXPECT_NE(fresh->RightsFile().find("config/settings/noxrights.xml"), std::string::npos);
}

TEST_F(AuthorizationTest, BadRightsFilesGiveErrorsAndKeepTheRightsLoadedBefore) {
    auth->LoadRights(kSample);
    const std::pair<std::string, std::string> cases[] = {
        {"<RIGHTS>", "at offset"},
        {"<USERS/>", "the root element is not <RIGHTS>"},
        {"<RIGHTS><USER_TYPE/></RIGHTS>", "<USER_TYPE> without NAME"},
        {"<RIGHTS><USER_TYPE NAME=\"A\" DEFAULT=\"MAYBE\"/></RIGHTS>", "DEFAULT=\"MAYBE\" (ALLOW or DENY)"},
        {"<RIGHTS><USER_TYPE NAME=\"A\"/><USER_TYPE NAME=\"a\"/></RIGHTS>", "the user type a is given twice"},
        {"<RIGHTS><USER_TYPE NAME=\"A\"><PERMIT ACTION=\"X\"/></USER_TYPE></RIGHTS>", "unknown element <PERMIT>"},
        {"<RIGHTS><USER_TYPE NAME=\"A\"><ALLOW/></USER_TYPE></RIGHTS>", "<ALLOW> without ACTION"},
    };
    for (const auto& [content, says] : cases) {
        const std::string path = world.WriteFile("rights.xml", content).string();
        EXPECT_TRUE(testsupport::Raises([&] { auth->LoadRights(path); }, components::kBadRightsFile, says));
    }
    EXPECT_THROW(auth->LoadRights((world.Root() / "missing.xml").string()), AutomationError);
    EXPECT_EQ(auth->RightsFile(), kSample);
}

}  // namespace
