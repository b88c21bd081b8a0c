#pragma once
// Where the loaded module (the executable or a shared library) that holds a given function lives.
#include <string>

namespace datafolder {

class LoadedModule {
public:
    // The absolute path of the module's file, or empty when the address belongs to no module.
    static std::string PathOf(const void* address);
    // The folder of that file, without a final separator.
    static std::string FolderOf(const void* address);
};

}  // namespace datafolder
