#include "noxsimplelinks/env/modCache.h"

#include "noxsimplelinks/env/modEnvironment.h"
#include "platform/FileSystem.h"

namespace noxsimplelinks::modCache {

using platform::FileSystem;

std::string GetCacheDir() {
    std::string folder = modEnvironment::GetDirectory("CACHE_DIR");
    if (!FileSystem::FolderExists(folder)) FileSystem::CreateFolder(folder);
    return folder;
}

bool DeleteCacheFile(const std::string& name) {
    try {
        std::string path = GetCacheDir() + name;
        if (FileSystem::FileExists(path)) FileSystem::DeleteFile(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void EnsureFolderOfFile(const std::string& path) {
    std::string folder = path.substr(0, path.size() - FileSystem::StripPath(path).size());
    if (!folder.empty() && !FileSystem::FolderExists(folder)) FileSystem::CreateFolder(folder);
}

}  // namespace noxsimplelinks::modCache
