#include "platform/SpecialFolders.h"

#include "platform/Environment.h"
#include "platform/UserAccount.h"

namespace platform {
namespace {
// An XDG variable names a folder only when it holds an absolute path.
std::string XdgFolder(const std::string& variable) {
    std::string value = Environment::Get(variable);
    return !value.empty() && value.front() == '/' ? value : "";
}

std::string InHome(const std::string& relative) {
    std::string home = UserAccount::HomeFolder();
    return home.empty() ? "" : home + "/" + relative;
}

std::string UserFolder(const std::string& variable, const std::string& inHome) {
    std::string folder = XdgFolder(variable);
    return folder.empty() ? InHome(inHome) : folder;
}

// The first absolute entry of $XDG_CONFIG_DIRS, else /etc/xdg.
std::string SystemConfigFolder() {
    std::string list = Environment::Get("XDG_CONFIG_DIRS");
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        std::string entry = list.substr(start, end - start);
        if (!entry.empty() && entry.front() == '/') return entry;
        start = end + 1;
    }
    return "/etc/xdg";
}
}  // namespace

std::string SpecialFolders::Path(int32_t id) {
    switch (id) {
        case kDesktop: return InHome("Desktop");
        case kDocuments: return InHome("Documents");
        case kAppData: return UserFolder("XDG_CONFIG_HOME", ".config");
        case kLocalAppData: return UserFolder("XDG_DATA_HOME", ".local/share");
        case kCommonAppData: return SystemConfigFolder();
    }
    return "";
}

}  // namespace platform
