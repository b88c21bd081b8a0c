#include "platform/ProductFolders.h"

#include <map>
#include <mutex>

#include "automation/Text.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "datafolder/LoadedModule.h"
#include "platform/SpecialFolders.h"
#include "platform/UserInterface.h"

namespace platform {
namespace {

std::mutex& RootMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string& StoredRoot() {
    static std::string root;
    return root;
}

void Store(const std::string& root) {
    std::lock_guard lock(RootMutex());
    StoredRoot() = root;
}

std::string Stored() {
    std::lock_guard lock(RootMutex());
    return StoredRoot();
}

bool EndsWithSeparator(const std::string& path) { return !path.empty() && path.back() == '/'; }

std::string WithSeparator(const std::string& path) { return EndsWithSeparator(path) ? path : path + "/"; }

// Blanks are spaces alone here, as the folder rule trims them.
std::string Trimmed(const std::string& text) { return automation::Trimmed(text, " "); }

// The last part of the user folder framed by separators; "/Application Data/" when it is empty.
std::string Leaf(const std::string& userFolder) {
    auto slash = userFolder.rfind('/');
    std::string part = Trimmed(slash == std::string::npos ? userFolder : userFolder.substr(slash + 1));
    return part.empty() ? "/Application Data/" : "/" + part + "/";
}

// The folders below the application-data root, by logical name.
const std::map<std::string, std::string>& RootFolders() {
    static const std::map<std::string, std::string> folders = {
        {"CACHE_DIR", "cache"},           {"CACHETOOLBAR_DIR", "cachetoolbar"},
        {"CONFIG_DIR", "config"},         {"DOWNLOAD_DIR", "config/download"},
        {"ADDINS_DIR", "config/addins"},  {"SETTINGS_DIR", "config/settings"},
        {"REPORTS_DIR", "config/reports"}, {"CONNECTIONS_DIR", "connections"},
        {"TEMP_DIR", "temp"}};
    return folders;
}

// The folder of a name other than "APP_DATA_ROOT_DIR" and "RELEASE_DIR", from its base.
std::string FolderOf(const std::string& name, const std::string& base) {
    if (name == "APP_PATH") return ProductFolders::ReleaseDir();
    if (name == "HELP_DIR") return base + "help";
    auto folder = RootFolders().find(name);
    return folder == RootFolders().end() ? "" : base + folder->second;
}

// On Linux the all-users application-data folder is the system's configuration folder.
std::string AllUsersAppDataFolder() { return SpecialFolders::Path(SpecialFolders::kCommonAppData); }

std::string AllUsersProfile(const std::string& userFolder) {
    std::string allUsers = Environment::Get("ALLUSERSPROFILE");
    if (!allUsers.empty()) return allUsers + Leaf(userFolder) + ProductFolders::kProductFolder;
    return WithSeparator(AllUsersAppDataFolder()) + ProductFolders::kProductFolder;
}

// Makes sure the user's profile exists; the profile folder (without a final "/"), or empty.
std::string ResolveProfile() {
    std::string userFolder = Environment::Get("APPDATA");
    if (userFolder.empty()) userFolder = SpecialFolders::Path(SpecialFolders::kAppData);
    std::string profile = WithSeparator(userFolder) + ProductFolders::kProductFolder;
    if (FileSystem::FolderExists(profile)) return profile;

    std::string allUsers = AllUsersProfile(userFolder);
    if (!FileSystem::FolderExists(allUsers)) {
        std::string release = ProductFolders::ReleaseDir();
        return release.substr(0, release.size() - 1);
    }
    try {
        FileSystem::CopyFolder(allUsers, profile);
        return profile;
    } catch (const std::exception&) {
        Ui().MsgBox("Unable to create user profile copy", 0, kApplicationName);
        return "";
    }
}

}  // namespace

std::string ProductFolders::Directory(const std::string& name) {
    std::string result;
    try {
        bool fromRelease = name == "RELEASE_DIR" || name == "HELP_DIR";
        result = fromRelease ? ReleaseDir() : AppDataRoot();
        if (name != "APP_DATA_ROOT_DIR" && name != "RELEASE_DIR") result = FolderOf(name, result);
        return WithSeparator(result);
    } catch (const std::exception&) {
        return result;
    }
}

std::string ProductFolders::AppDataRoot() {
    std::string root = Stored();
    if (!root.empty()) return root;
    std::string profile = ResolveProfile();
    root = profile.empty() ? "" : profile + "/";
    Store(root);
    return root;
}

std::string ProductFolders::ReleaseDir() {
    return datafolder::LoadedModule::FolderOf(reinterpret_cast<const void*>(&ProductFolders::ReleaseDir)) + "/";
}

void ProductFolders::ForgetAppDataRoot() { Store(""); }

}  // namespace platform
