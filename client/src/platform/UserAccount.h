#pragma once
// The user the process runs as: login name and home folder.
#include <string>

namespace platform {

class UserAccount {
public:
    static constexpr size_t kMaxLoginName = 100;

    // The login name (at most kMaxLoginName characters), or empty when it cannot be told.
    static std::string LoginName();
    // $HOME, else the home folder of the account; empty when neither is known.
    static std::string HomeFolder();
};

}  // namespace platform
