#include <gtest/gtest.h>

#include <filesystem>

#include "automation/AutomationError.h"
#include "noxsimplelinks/env/modCache.h"
#include "support/TestWorld.h"

namespace fs = std::filesystem;
using namespace noxsimplelinks;
using testsupport::TestWorld;

namespace {

TEST(modCache, TheCacheFolderIsMadeOnDemand) {
    TestWorld world;
    EXPECT_EQ(modCache::GetCacheDir(), world.ProfileFolder().string() + "/cache/");
    EXPECT_TRUE(fs::is_directory(world.ProfileFolder() / "cache"));
}

TEST(modCache, DeleteCacheFileRemovesReadOnlyFilesAndAcceptsMissingOnes) {
    TestWorld world;
    fs::path file = world.WriteFile("AppData/VARDEN/cache/ITEM_links.grd", "layout");
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_TRUE(modCache::DeleteCacheFile("ITEM_links.grd"));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(modCache::DeleteCacheFile("never_there.grd"));
}

TEST(modCache, DeleteCacheFileReportsFailureAsFalse) {
    TestWorld world;
    world.WriteFile("AppData/VARDEN/cache", "a file where the folder should be");
    EXPECT_FALSE(modCache::DeleteCacheFile("ITEM_links.grd"));
}

TEST(modCache, EnsureFolderOfFileMakesTheLastLevelOnly) {
    TestWorld world;
    fs::path file = world.Root() / "reports" / "out.txt";
    modCache::EnsureFolderOfFile(file.string());
    EXPECT_TRUE(fs::is_directory(world.Root() / "reports"));
    modCache::EnsureFolderOfFile(file.string());

    fs::path deep = world.Root() / "a" / "b" / "out.txt";
    EXPECT_THROW(modCache::EnsureFolderOfFile(deep.string()), automation::AutomationError);
    EXPECT_FALSE(fs::exists(world.Root() / "a"));
}

TEST(modCache, EnsureFolderOfFileUsesTheFolderOfTheLastComponent) {
    TestWorld world;
    fs::create_directories(world.Root() / "x");
    modCache::EnsureFolderOfFile((world.Root() / "x" / "x" / "x").string());
    EXPECT_TRUE(fs::is_directory(world.Root() / "x" / "x"));
}

}  // namespace
