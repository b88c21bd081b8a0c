#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ProductFolders.h"
#include "support/ScopedVariable.h"
#include "support/TestWorld.h"

namespace fs = std::filesystem;
using platform::ProductFolders;
using testsupport::ScopedVariable;
using testsupport::TestWorld;

namespace {

std::string ExecutableFolder() { return fs::canonical("/proc/self/exe").parent_path().string() + "/"; }

TEST(ProductFolders, DirectoryTable) {
    TestWorld world;
    std::string root = world.ProfileFolder().string() + "/";
    std::string release = ExecutableFolder();
    const std::pair<std::string, std::string> cases[] = {
        {"APP_DATA_ROOT_DIR", root}, {"CACHE_DIR", root + "cache/"}, {"SETTINGS_DIR", root + "config/settings/"},
        {"RELEASE_DIR", release},    {"APP_PATH", release},          {"HELP_DIR", release + "help/"},
        {"NO_SUCH_DIR", "/"},        {"settings_dir", "/"},          {"", "/"},
    };
    for (const auto& [name, folder] : cases) EXPECT_EQ(ProductFolders::Directory(name), folder) << name;
    EXPECT_TRUE(world.Ui().Messages().empty());
}

TEST(ProductFolders, FirstUseOfTheProfileCopiesTheAllUsersProfile) {
    TestWorld world(TestWorld::Profile::Missing);
    world.WriteFile("AllUsers/AppData/VARDEN/config/settings/toolbar.xml", "<bars/>");
    EXPECT_EQ(ProductFolders::Directory("HELP_DIR"), ExecutableFolder() + "help/");
    EXPECT_FALSE(fs::exists(world.ProfileFolder())) << "the help folder is not in the profile";
    EXPECT_EQ(ProductFolders::AppDataRoot(), world.ProfileFolder().string() + "/");
    EXPECT_TRUE(fs::exists(world.ProfileFolder() / "config/settings/toolbar.xml"));
    EXPECT_TRUE(world.Ui().Messages().empty());
}

TEST(ProductFolders, TheRootIsKeptUntilForgottenThenNoProfileFallsBackToTheReleaseFolder) {
    TestWorld world;
    std::string root = ProductFolders::AppDataRoot();
    fs::remove_all(world.ProfileFolder());
    EXPECT_EQ(ProductFolders::AppDataRoot(), root);
    ProductFolders::ForgetAppDataRoot();
    EXPECT_EQ(ProductFolders::AppDataRoot(), ExecutableFolder());
    EXPECT_EQ(ProductFolders::Directory("SETTINGS_DIR"), ExecutableFolder() + "config/settings/");
    EXPECT_FALSE(fs::exists(world.ProfileFolder()));
}

TEST(ProductFolders, AUserFolderEndingWithASeparatorUsesTheApplicationDataLeaf) {
    TestWorld world(TestWorld::Profile::Missing);
    ScopedVariable appData("APPDATA", world.UserFolder().string() + "/");
    world.WriteFile("AllUsers/Application Data/VARDEN/noxpref.xml", "<pref/>");
    EXPECT_EQ(ProductFolders::AppDataRoot(), world.ProfileFolder().string() + "/");
    EXPECT_TRUE(fs::exists(world.ProfileFolder() / "noxpref.xml"));
}

TEST(ProductFolders, AFailedCopyIsToldAndTriedAgain) {
    TestWorld world(TestWorld::Profile::Missing);
    fs::path blocked = world.WriteFile("AppData.txt", "a file where the user folder should be");
    ScopedVariable appData("APPDATA", blocked.string());
    world.WriteFile("AllUsers/AppData.txt/VARDEN/noxpref.xml", "<pref/>");
    EXPECT_EQ(ProductFolders::AppDataRoot(), "");
    EXPECT_EQ(ProductFolders::Directory("SETTINGS_DIR"), "config/settings/");
    auto messages = world.Ui().Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Unable to create user profile copy");
    EXPECT_EQ(messages[0].flags, 0);

    fs::remove(blocked);
    EXPECT_EQ(ProductFolders::AppDataRoot(), blocked.string() + "/VARDEN/");
}

TEST(ProductFolders, WithoutTheVariablesTheXdgFoldersServe) {
    TestWorld world(TestWorld::Profile::Missing);
    ScopedVariable appData("APPDATA", std::nullopt);
    ScopedVariable allUsers("ALLUSERSPROFILE", std::nullopt);
    ScopedVariable configHome("XDG_CONFIG_HOME", (world.Root() / "home/.config").string());
    ScopedVariable configDirs("XDG_CONFIG_DIRS", (world.Root() / "etc/xdg").string());
    world.WriteFile("etc/xdg/VARDEN/connections/server.xml", "<server/>");
    EXPECT_EQ(ProductFolders::Directory("CONNECTIONS_DIR"), (world.Root() / "home/.config/VARDEN/connections/").string());
    EXPECT_TRUE(fs::exists(world.Root() / "home/.config/VARDEN/connections/server.xml"));
}

}  // namespace
