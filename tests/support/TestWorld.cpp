#include "support/TestWorld.h"

#include <cstdlib>
#include <fstream>

#include "platform/HeadlessClipboard.h"
#include "platform/LocaleDates.h"
#include "platform/LocaleSeparators.h"
#include "platform/ProductFolders.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {
// The next question about the user's separators, dates and times reads the locale again.
void ForgetLocale() {
    platform::LocaleSeparators::ClearOverride();
    platform::LocaleDates::Forget();
}

fs::path MakeTemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "noxtest-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return pattern;
}
}  // namespace

TestWorld::TestWorld(Profile profile)
    : root_(MakeTemporaryFolder()),
      appData_("APPDATA", UserFolder().string()),
      allUsersProfile_("ALLUSERSPROFILE", AllUsersFolder().string()),
      ui_(std::make_shared<platform::HeadlessUi>()) {
    fs::create_directories(UserFolder());
    fs::create_directories(AllUsersFolder());
    if (profile == Profile::Ready) fs::create_directories(ProfileFolder());
    platform::ProductFolders::ForgetAppDataRoot();
    platform::InstallUi(ui_);
    platform::InstallClipboard(std::make_shared<platform::HeadlessClipboard>());
    ForgetLocale();
}

TestWorld::~TestWorld() {
    platform::ProductFolders::ForgetAppDataRoot();
    ForgetLocale();  // read again under the locale the world leaves
    platform::InstallUi(std::make_shared<platform::HeadlessUi>());
    platform::InstallClipboard(std::make_shared<platform::HeadlessClipboard>());
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path TestWorld::WriteFile(const fs::path& relative, const std::string& content) const {
    fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

void TestWorld::UseLocale(const std::string& name) {
    platform::Environment::Set("LC_ALL", name);
    ForgetLocale();
}

void TestWorld::UseSeparators(const std::string& decimal, const std::string& thousands) {
    platform::LocaleSeparators::Override(decimal, thousands);
}

}  // namespace testsupport
