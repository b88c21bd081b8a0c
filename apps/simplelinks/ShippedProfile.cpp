#include "ShippedProfile.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "noxsimplelinks/env/modEnvironment.h"

namespace simplelinks {
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
    ::setenv("XDG_CONFIG_DIRS", (std::string(NOX_DATA_DIR) + "/allusers/AppData:" + dirs).c_str(), 1);
}

}  // namespace simplelinks
