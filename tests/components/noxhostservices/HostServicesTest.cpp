// The host object stand-in: the user from the settings file and the environment, the edited files
// kept in the profile, the shared collaborators and the workspace hand-over.
#include <gtest/gtest.h>

#include "components/noxhostservices/EditedFiles.h"
#include "components/noxhostservices/clshostservices.h"
#include "components/noxrequest/IRequest.h"
#include "support/ScopedProgId.h"
#include "support/ScopedVariable.h"
#include "support/TestWorld.h"

namespace {

using automation::DispatchPtr;
using automation::Variant;
using components::clshostservices;

constexpr const char* kSettings = "AppData/VARDEN/config/settings/hostuser.xml";

class HostServicesTest : public ::testing::Test {
protected:
    testsupport::TestWorld world;
};

TEST_F(HostServicesTest, TheUserComesFromTheSettingsFileTheEnvironmentOrTheLogin) {
    world.WriteFile(kSettings,
                    "<HOST_USER><USER_NAME>jdoe</USER_NAME><USER_TYPE>GENERAL ADMINISTRATOR</USER_TYPE>"
                    "<PROJECT_ID>P100</PROJECT_ID><ITEM_DOC_LINK_WIZARD>true</ITEM_DOC_LINK_WIZARD></HOST_USER>");
    auto host = std::make_shared<clshostservices>();
    EXPECT_EQ(host->Get("UserName").ToString(), "jdoe");
    EXPECT_EQ(host->Get("UserType").ToString(), "GENERAL ADMINISTRATOR");
    EXPECT_EQ(host->Get("projectID").ToString(), "P100");
    EXPECT_TRUE(host->Get("ItemDocLinkWizard").ToBool());

    world.WriteFile(kSettings, "<HOST_USER><USER_TYPE>USER</USER_TYPE><PROJECT_ID>P1</PROJECT_ID></HOST_USER>");
    {
        testsupport::ScopedVariable type("NOX_USER_TYPE", "PROJECT ADMINISTRATOR");
        auto overridden = std::make_shared<clshostservices>();
        EXPECT_EQ(overridden->UserType(), "PROJECT ADMINISTRATOR");
        EXPECT_EQ(overridden->projectID(), "P1");
        EXPECT_FALSE(overridden->UserName().empty()) << "the login name";
        EXPECT_FALSE(overridden->ItemDocLinkWizard());
    }
    world.WriteFile(kSettings, "<HOST_USER><USER_TYPE>broken");
    EXPECT_EQ(std::make_shared<clshostservices>()->UserType(), "") << "an unreadable file leaves the defaults";
}

TEST_F(HostServicesTest, EditedFilesOutliveTheHostObjectAndTheEditingFolderExists) {
    {
        DispatchPtr files = std::make_shared<clshostservices>()->Get("EditedFiles").ToObject();
        for (const char* id : {"F-1", "F-2", "F-1"}) files->Call("Add", id);
        for (const char* id : {"F-2", "F-9"}) files->Call("Remove", id);
    }
    auto host = std::make_shared<clshostservices>();
    DispatchPtr files = host->Get("EditedFiles").ToObject();
    EXPECT_TRUE(files->Call("Exists", "F-1").ToBool());
    EXPECT_FALSE(files->Call("Exists", "F-2").ToBool());
    EXPECT_EQ(files->Get("Count").ToLong(), 1);
    EXPECT_TRUE(std::filesystem::is_directory(host->Get("WorkDirForedit").ToString()));
}

TEST_F(HostServicesTest, CollaboratorsAreCreatedOnceAndMayBeReplaced) {
    // The host's request builder is the request-document component, reached by its ProgID.
    testsupport::ScopedProgId request = testsupport::ScopedProgId::Of<components::IRequest>("noxrequest.IRequest");
    auto host = std::make_shared<clshostservices>();
    DispatchPtr first = host->Get("objRequest").ToObject();
    EXPECT_EQ(first->TypeName(), "IRequest");
    EXPECT_EQ(host->Get("objRequest").ToObject(), first);
    auto replacement = std::make_shared<components::IRequest>();
    host->Set("objRequest", Variant(DispatchPtr(replacement)));
    EXPECT_EQ(host->Get("objRequest").ToObject(), replacement);
}

TEST_F(HostServicesTest, AddWorkspaceRecordsAndHandsTheDescriptionToTheApplication) {
    std::vector<std::string> received;
    clshostservices::WorkspaceOpened().Install([&](const std::string& description) { received.push_back(description); });
    auto host = std::make_shared<clshostservices>();
    host->Call("AddWorkspace", "<WORKSPACE TYPE='COLLECTION'/>");
    clshostservices::WorkspaceOpened().Install(nullptr);
    host->Call("AddWorkspace", "<WORKSPACE TYPE='STRUCTURE'/>");
    EXPECT_EQ(received, std::vector<std::string>{"<WORKSPACE TYPE='COLLECTION'/>"});
    EXPECT_EQ(host->Get("Workspaces").ToArray().Count(), 2);
    EXPECT_EQ(host->Get("Workspaces").ToArray().At(1).ToString(), "<WORKSPACE TYPE='STRUCTURE'/>");
}

}  // namespace
