#include <gtest/gtest.h>

#include "support/ScopedVariable.h"
#include "platform/LocaleSeparators.h"
#include "platform/SpecialFolders.h"
#include "platform/UserAccount.h"

using namespace platform;
using testsupport::ScopedVariable;

namespace {

struct FolderCase {
    int32_t id;
    std::optional<std::string> xdgConfigHome, xdgConfigDirs;
    std::string folder;
};

TEST(SpecialFolders, MapTheClassicIdsToTheXdgFolders) {
    ScopedVariable home("HOME", "/home/ann");
    const FolderCase cases[] = {
        {SpecialFolders::kAppData, "/cfg/ann", std::nullopt, "/cfg/ann"},
        {SpecialFolders::kAppData, std::nullopt, std::nullopt, "/home/ann/.config"},
        {SpecialFolders::kAppData, "relative/cfg", std::nullopt, "/home/ann/.config"},
        {SpecialFolders::kCommonAppData, std::nullopt, "/etc/site:/etc/xdg", "/etc/site"},
        {SpecialFolders::kCommonAppData, std::nullopt, "rel::/opt/conf", "/opt/conf"},
        {SpecialFolders::kCommonAppData, std::nullopt, std::nullopt, "/etc/xdg"},
        {SpecialFolders::kDocuments, std::nullopt, std::nullopt, "/home/ann/Documents"},
        {SpecialFolders::kDesktop, std::nullopt, std::nullopt, "/home/ann/Desktop"},
        {999, std::nullopt, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        ScopedVariable configHome("XDG_CONFIG_HOME", c.xdgConfigHome);
        ScopedVariable configDirs("XDG_CONFIG_DIRS", c.xdgConfigDirs);
        EXPECT_EQ(SpecialFolders::Path(c.id), c.folder) << "id " << c.id;
    }
}

TEST(UserAccount, LoginNameIsKnownAndShort) {
    std::string name = UserAccount::LoginName();
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), UserAccount::kMaxLoginName);
}

TEST(LocaleSeparators, AnOverrideWinsUntilCleared) {
    ScopedVariable all("LC_ALL", "C");
    LocaleSeparators::Override(",", ".");
    EXPECT_EQ(LocaleSeparators::Decimal(), ",");
    EXPECT_EQ(LocaleSeparators::Thousands(), ".");
    LocaleSeparators::ClearOverride();
    EXPECT_EQ(LocaleSeparators::Decimal(), ".");
    EXPECT_EQ(LocaleSeparators::Thousands(), "");
}

}  // namespace
