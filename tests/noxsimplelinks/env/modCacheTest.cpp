#include <gtest/gtest.h>

#include <filesystem>

#include "automation/AutomationError.h"
#include "noxsimplelinks/env/modCache.h"
#include "support/TestWorld.h"

namespace fs = std::filesystem;
using namespace noxsimplelinks;
using testsupport::TestWorld;

namespace {

TEST(modCache, DeleteCacheFileMakesTheFolderAndRemovesReadOnlyAndMissingFiles) {
    TestWorld world;
    EXPECT_EQ(modCache::GetCacheDir(), world.ProfileFolder().string() + "/cache/");
    EXPECT_TRUE(fs::is_directory(world.ProfileFolder() / "cache"));
    fs::path file = world.WriteFile("AppData/VARDEN/cache/ITEM_links.grd", "layout");
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_TRUE(modCache::DeleteCacheFile("ITEM_links.grd"));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(modCache::DeleteCacheFile("never_there.grd"));
    fs::remove_all(world.ProfileFolder() / "cache");
    world.WriteFile("AppData/VARDEN/cache", "a file where the folder should be");
    EXPECT_FALSE(modCache::DeleteCacheFile("ITEM_links.grd"));
}

TEST(modCache, EnsureFolderOfFileMakesTheLastLevelOnly) {
    TestWorld world;
    fs::path file = world.Root() / "x" / "out.txt";
    modCache::EnsureFolderOfFile(file.string());
    modCache::EnsureFolderOfFile(file.string());
    modCache::EnsureFolderOfFile((world.Root() / "x" / "x" / "x").string());
    EXPECT_TRUE(fs::is_directory(world.Root() / "x" / "x"));
    EXPECT_THROW(modCache::EnsureFolderOfFile((world.Root() / "a" / "b" / "out.txt").string()), automation::AutomationError);
    EXPECT_FALSE(fs::exists(world.Root() / "a"));
}

}  // namespace
