#include "hosting/ShippedProfile.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "datafolder/DataFolder.h"
#include "noxsimplelinks/env/modEnvironment.h"

namespace hosting {
namespace {

std::string FirstEntry(const std::string& list) { return list.substr(0, list.find(':')); }

}  // namespace

void UseShippedAllUsersProfile() {
    // ALLUSERSPROFILE names the all-users profile outright; respect it.
    if (std::getenv("ALLUSERSPROFILE")) return;
    const char* configured = std::getenv("XDG_CONFIG_DIRS");
    std::string dirs = configured && *configured ? configured : "/etc/xdg";
    std::error_code ignored;
    if (std::filesystem::is_directory(FirstEntry(dirs) + "/" + noxsimplelinks::modEnvironment::kProductFolder, ignored))
        return;
    std::string shipped;
    try {
        shipped = datafolder::DataFolder() + "/allusers/AppData";
    } catch (const std::exception&) {
        return;  // nothing shipped: the profile is made without one, as on a bare machine
    }
    ::setenv("XDG_CONFIG_DIRS", (shipped + ":" + dirs).c_str(), 1);
}

}  // namespace hosting
