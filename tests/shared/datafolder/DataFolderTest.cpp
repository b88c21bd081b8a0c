#include <gtest/gtest.h>

#include <filesystem>

#include "datafolder/DataFolder.h"
#include "datafolder/LoadedModule.h"
#include "support/ScopedVariable.h"

namespace fs = std::filesystem;
using datafolder::DataFolder;
using datafolder::LoadedModule;
using testsupport::ScopedVariable;

namespace {

int FunctionOfTheTestProgram() { return 0; }

}  // namespace

TEST(LoadedModule, AFunctionOfTheTestLivesInTheTestProgram) {
    auto self = fs::canonical("/proc/self/exe");
    const void* function = reinterpret_cast<const void*>(&FunctionOfTheTestProgram);
    EXPECT_EQ(LoadedModule::PathOf(function), self.string());
    EXPECT_EQ(LoadedModule::FolderOf(function), self.parent_path().string());
    EXPECT_EQ(LoadedModule::PathOf(nullptr), "");
}

TEST(DataFolder, NoxDataDirNamesItOutright) {
    ScopedVariable configured("NOX_DATA_DIR", "/elsewhere/data");
    EXPECT_EQ(DataFolder(), "/elsewhere/data");
}

TEST(DataFolder, AProgramOfTheBuildFolderFindsTheSourcesDataAsAnInstalledOneFindsItsShare) {
    // The test program is in the build folder's bin/, whose share/noxsimplelinks is the sources' data/;
    // an empty NOX_DATA_DIR names nothing.
    ScopedVariable unset("NOX_DATA_DIR", "");
    const std::string found = DataFolder();
    EXPECT_EQ(fs::path(found).filename(), "noxsimplelinks");
    EXPECT_TRUE(fs::equivalent(found, NOX_DATA_DIR));
}
