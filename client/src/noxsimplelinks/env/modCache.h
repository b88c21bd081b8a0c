#pragma once
// The cache folder ("CACHE_DIR") and the files in it.
#include <string>

namespace noxsimplelinks::modCache {

// The cache folder ending with "/", created (one level) when missing.
std::string GetCacheDir();
// Deletes a file of the cache folder, read-only or not; a missing file counts as deleted. False when
// an error occurred.
bool DeleteCacheFile(const std::string& name);
// Creates the folder of a file when it is missing; only the last level is created, so a missing
// parent raises an error.
void EnsureFolderOfFile(const std::string& path);

}  // namespace noxsimplelinks::modCache
