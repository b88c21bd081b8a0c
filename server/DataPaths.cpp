#include "DataPaths.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "datafolder/DataFolder.h"

namespace server {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A short digest of the files' bytes (FNV-1a), as eight hexadecimal digits.
std::string Digest(std::initializer_list<std::string> paths) {
    uint32_t hash = 2166136261u;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        for (char c; in.get(c);) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

}  // namespace

std::string DataDirectory() { return datafolder::DataFolder(); }

std::string DefinitionsFile() { return DataDirectory() + "/allusers/AppData/VARDEN/config/download/objdefs.xml"; }

std::string RightsFile() { return DataDirectory() + "/allusers/AppData/VARDEN/config/settings/noxrights.xml"; }

std::string SampleFile() { return DataDirectory() + "/server/sample.xml"; }

std::string DefaultStorePath() {
    std::string configured = Environment("NOX_SERVER_DB");
    if (!configured.empty()) return configured;
    std::string cache = Environment("XDG_CACHE_HOME");
    if (cache.empty()) cache = Environment("HOME").empty() ? "/tmp" : Environment("HOME") + "/.cache";
    // A sample or definitions changed since the store was made get a store of their own.
    return cache + "/noxsimplelinks/plm-sample-" + Digest({SampleFile(), DefinitionsFile()}) + ".db";
}

}  // namespace server
