#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TestWorld.h"
#include "support/ErrorOf.h"
#include "platform/FileSystem.h"

namespace fs = std::filesystem;
using platform::FileSystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FileSystem, StripPathKeepsTheLastComponent) {
    const std::pair<std::string, std::string> cases[] = {
        {"/a/b/file.grd", "file.grd"}, {"file.grd", "file.grd"}, {"/a/b/", "b/"},
        {"/", "/"},                    {"", ""},                 {"/top", "top"},
    };
    for (const auto& [path, last] : cases) EXPECT_EQ(FileSystem::StripPath(path), last) << path;
}

TEST(FileSystem, CreateFolderMakesOneLevelOnly) {
    testsupport::TestWorld world;
    std::string folder = (world.Root() / "one").string();
    FileSystem::CreateFolder(folder);
    EXPECT_TRUE(FileSystem::FolderExists(folder));
    EXPECT_TRUE(testsupport::Raises([&] { FileSystem::CreateFolder((world.Root() / "missing" / "two").string()); },
                                    automation::errors::kPathNotFound, "missing/two"));
}

TEST(FileSystem, CopyFolderCopiesEverythingAndOverwrites) {
    testsupport::TestWorld world;
    world.WriteFile("from/config/settings/bar.xml", "new");
    world.WriteFile("from/top.txt", "top");
    world.WriteFile("to/config/settings/bar.xml", "old");
    world.WriteFile("to/mine.txt", "kept");
    FileSystem::CopyFolder((world.Root() / "from").string(), (world.Root() / "to").string());
    EXPECT_EQ(Read(world.Root() / "to/config/settings/bar.xml"), "new");
    EXPECT_EQ(Read(world.Root() / "to/top.txt"), "top");
    EXPECT_EQ(Read(world.Root() / "to/mine.txt"), "kept");
    EXPECT_THROW(FileSystem::CopyFolder((world.Root() / "nowhere").string(), (world.Root() / "x").string()),
                 automation::AutomationError);
}

TEST(FileSystem, AFileIsNoFolderAndDeleteFileRemovesItEvenReadOnly) {
    testsupport::TestWorld world;
    fs::path file = world.WriteFile("locked.grd", "x");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(FileSystem::FolderExists(file.string()));
    EXPECT_TRUE(FileSystem::FileExists(file.string()));
    EXPECT_FALSE(FileSystem::FileExists(world.Root().string()));
    EXPECT_FALSE(FileSystem::FolderExists(""));
    FileSystem::DeleteFile(file.string());
    EXPECT_FALSE(FileSystem::FileExists(file.string()));
    EXPECT_NE(testsupport::ErrorOf([&] { FileSystem::DeleteFile(file.string()); }).Number(), 0);
}

}  // namespace
