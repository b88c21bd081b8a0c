#pragma once
// The library's working folders: logical directory names ("SETTINGS_DIR", "CACHE_DIR", ...) mapped
// to folders under the user's application-data root, which is made on first use as a copy of the
// all-users profile. Every folder returned ends with "/". The folders are the product's, shared with
// the components (platform::ProductFolders); this module keeps the names the library knows them by.
#include <cstdint>
#include <string>

#include "platform/ProductFolders.h"
#include "platform/SpecialFolders.h"

namespace noxsimplelinks::modEnvironment {

// The product's folder inside application-data folders.
inline constexpr const char* kProductFolder = platform::ProductFolders::kProductFolder;

// The folder of a logical name; a name the library does not know gives "/".
inline std::string GetDirectory(const std::string& name) { return platform::ProductFolders::Directory(name); }
// The application-data root ending with "/", or empty when it cannot be made (tried again next call).
inline std::string GetAppDataRoot() { return platform::ProductFolders::AppDataRoot(); }
// The folder of the library's own loaded module + "/".
inline std::string GetReleaseDir() { return platform::ProductFolders::ReleaseDir(); }
// A shell folder by its classic id; empty when the platform has none.
inline std::string GetSpecialFolder(int32_t id) { return platform::SpecialFolders::Path(id); }

// Forgets the resolved application-data root, so that the next call resolves it again. For hosts
// that switch users and for tests; the root is otherwise kept for the life of the process.
inline void ForgetAppDataRoot() { platform::ProductFolders::ForgetAppDataRoot(); }

}  // namespace noxsimplelinks::modEnvironment
