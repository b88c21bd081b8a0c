#include "datafolder/LoadedModule.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace datafolder {

std::string LoadedModule::PathOf(const void* address) {
    Dl_info info{};
    link_map* module = nullptr;
    if (!dladdr1(address, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) || !module) return "";
    // The main program's entry has no name; its file is the process's executable.
    fs::path file = module->l_name && *module->l_name ? fs::path(module->l_name) : fs::path("/proc/self/exe");
    std::error_code error;
    fs::path resolved = fs::canonical(file, error);
    return error ? "" : resolved.string();
}

std::string LoadedModule::FolderOf(const void* address) {
    std::string path = PathOf(address);
    return path.empty() ? "" : fs::path(path).parent_path().string();
}

}  // namespace datafolder
