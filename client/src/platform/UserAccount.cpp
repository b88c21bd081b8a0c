#include "platform/UserAccount.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "platform/Environment.h"

namespace platform {
namespace {
// The password-database entry of the effective user, read into the given buffer.
const passwd* AccountEntry(passwd& entry, std::vector<char>& buffer) {
    passwd* found = nullptr;
    buffer.resize(16384);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0) return nullptr;
    return found;
}
}  // namespace

std::string UserAccount::LoginName() {
    passwd entry{};
    std::vector<char> buffer;
    std::string name;
    if (const passwd* account = AccountEntry(entry, buffer)) name = account->pw_name;
    if (name.empty()) name = Environment::Get("LOGNAME");
    if (name.empty()) name = Environment::Get("USER");
    return name.substr(0, kMaxLoginName);
}

std::string UserAccount::HomeFolder() {
    std::string home = Environment::Get("HOME");
    if (!home.empty()) return home;
    passwd entry{};
    std::vector<char> buffer;
    const passwd* account = AccountEntry(entry, buffer);
    return account && account->pw_dir ? account->pw_dir : "";
}

}  // namespace platform
