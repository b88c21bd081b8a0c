#include "noxsimplelinks/env/modEnvironment.h"

#include <map>
#include <mutex>

#include "noxsimplelinks/env/ModGeneral.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/LoadedModule.h"
#include "platform/SpecialFolders.h"
#include "platform/UserInterface.h"
#include "automation/Text.h"

namespace noxsimplelinks::modEnvironment {
namespace {
using platform::FileSystem;

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
    if (name == "APP_PATH") return GetReleaseDir();
    if (name == "HELP_DIR") return base + "help";
    auto folder = RootFolders().find(name);
    return folder == RootFolders().end() ? "" : base + folder->second;
}

// On Linux the all-users application-data folder is the system's configuration folder.
std::string AllUsersAppDataFolder() { return GetSpecialFolder(platform::SpecialFolders::kCommonAppData); }

std::string AllUsersProfile(const std::string& userFolder) {
    std::string allUsers = platform::Environment::Get("ALLUSERSPROFILE");
    if (!allUsers.empty()) return allUsers + Leaf(userFolder) + kProductFolder;
    return WithSeparator(AllUsersAppDataFolder()) + kProductFolder;
}

// Makes sure the user's profile exists; the profile folder (without a final "/"), or empty.
std::string ResolveProfile() {
    std::string userFolder = platform::Environment::Get("APPDATA");
    if (userFolder.empty()) userFolder = GetSpecialFolder(platform::SpecialFolders::kAppData);
    std::string profile = WithSeparator(userFolder) + kProductFolder;
    if (FileSystem::FolderExists(profile)) return profile;

    std::string allUsers = AllUsersProfile(userFolder);
    if (!FileSystem::FolderExists(allUsers)) {
        std::string release = GetReleaseDir();
        return release.substr(0, release.size() - 1);
    }
    try {
        FileSystem::CopyFolder(allUsers, profile);
        return profile;
    } catch (const std::exception&) {
        platform::Ui().MsgBox("Unable to create user profile copy", 0, ModGeneral::kApplicationName);
        return "";
    }
}
}  // namespace

std::string GetDirectory(const std::string& name) {
    std::string result;
    try {
        bool fromRelease = name == "RELEASE_DIR" || name == "HELP_DIR";
        result = fromRelease ? GetReleaseDir() : GetAppDataRoot();
        if (name != "APP_DATA_ROOT_DIR" && name != "RELEASE_DIR") result = FolderOf(name, result);
        return WithSeparator(result);
    } catch (const std::exception&) {
        return result;
    }
}

std::string GetAppDataRoot() {
    std::string root = Stored();
    if (!root.empty()) return root;
    std::string profile = ResolveProfile();
    root = profile.empty() ? "" : profile + "/";
    Store(root);
    return root;
}

std::string GetReleaseDir() {
    return platform::LoadedModule::FolderOf(reinterpret_cast<const void*>(&GetReleaseDir)) + "/";
}

std::string GetSpecialFolder(int32_t id) { return platform::SpecialFolders::Path(id); }

void ForgetAppDataRoot() { Store(""); }

}  // namespace noxsimplelinks::modEnvironment
