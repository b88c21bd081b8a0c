#pragma once
// The library's working folders: logical directory names ("SETTINGS_DIR", "CACHE_DIR", ...) mapped
// to folders under the user's application-data root, which is made on first use as a copy of the
// all-users profile. Every folder returned ends with "/".
#include <cstdint>
#include <string>

namespace noxsimplelinks::modEnvironment {

// The product's folder inside application-data folders.
inline constexpr const char* kProductFolder = "VARDEN";

// The folder of a logical name; a name the library does not know gives "/".
std::string GetDirectory(const std::string& name);
// The application-data root ending with "/", or empty when it cannot be made (tried again next call).
std::string GetAppDataRoot();
// The folder of the library's own loaded module + "/".
std::string GetReleaseDir();
// A shell folder by its classic id; empty when the platform has none.
std::string GetSpecialFolder(int32_t id);

// Forgets the resolved application-data root, so that the next call resolves it again. For hosts
// that switch users and for tests; the root is otherwise kept for the life of the process.
void ForgetAppDataRoot();

}  // namespace noxsimplelinks::modEnvironment
