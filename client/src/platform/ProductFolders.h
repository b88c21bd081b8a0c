#pragma once
// The product's working folders, for the library and the components alike: logical directory names
// ("SETTINGS_DIR", "CACHE_DIR", ...) mapped to folders under the user's application-data root, which
// is made on first use as a copy of the all-users profile. Every folder returned ends with "/".
#include <string>

namespace platform {

class ProductFolders {
public:
    // The product's folder inside application-data folders.
    static constexpr const char* kProductFolder = "VARDEN";

    // The folder of a logical name; a name the product does not know gives "/".
    static std::string Directory(const std::string& name);
    // The application-data root ending with "/", or empty when it cannot be made (tried again next call).
    static std::string AppDataRoot();
    // The folder of the loaded module that holds the product's code + "/".
    static std::string ReleaseDir();
    // Forgets the resolved application-data root, so that the next call resolves it again. For hosts
    // that switch users and for tests; the root is otherwise kept for the life of the process.
    static void ForgetAppDataRoot();
};

}  // namespace platform
