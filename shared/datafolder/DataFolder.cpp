#include "datafolder/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "datafolder/LoadedModule.h"

namespace datafolder {

namespace fs = std::filesystem;

std::string DataFolder() {
    if (const char* configured = std::getenv("NOX_DATA_DIR"); configured && *configured) return configured;
    const fs::path folder = LoadedModule::FolderOf(reinterpret_cast<const void*>(&DataFolder));
    std::error_code ignored;
    // The data folder seen from the installed programs' folder and from the installed libraries'.
    for (const char* relative : {NOX_DATA_FROM_BINDIR, NOX_DATA_FROM_LIBDIR}) {
        const fs::path candidate = (folder / relative).lexically_normal();
        if (fs::is_directory(candidate / "allusers", ignored)) return candidate.string();
    }
    throw std::runtime_error("no shipped data folder (share/noxsimplelinks) beside " + folder.string() +
                             "; NOX_DATA_DIR may name one");
}

}  // namespace datafolder
