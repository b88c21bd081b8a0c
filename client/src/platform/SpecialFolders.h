#pragma once
// The classic shell folders by their numeric ids, mapped to the folders a Linux desktop uses for
// the same purpose (the XDG base and user directories).
#include <cstdint>
#include <string>

namespace platform {

class SpecialFolders {
public:
    static constexpr int32_t kDesktop = 0;
    static constexpr int32_t kDocuments = 5;
    static constexpr int32_t kAppData = 26;        // the user's roaming application data
    static constexpr int32_t kLocalAppData = 28;   // the user's machine-local application data
    static constexpr int32_t kCommonAppData = 35;  // the application data of all users

    // The folder's path without a final separator, or empty for an unknown id or an unknown home.
    static std::string Path(int32_t id);
};

}  // namespace platform
