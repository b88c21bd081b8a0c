#include "DataPaths.h"

#include <cstdlib>

namespace server {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string DataDirectory() {
    std::string configured = Environment("NOX_DATA_DIR");
    return configured.empty() ? NOX_SERVER_DATA_DIR : configured;
}

std::string DefinitionsFile() { return DataDirectory() + "/allusers/AppData/VARDEN/config/download/objdefs.xml"; }

std::string SampleFile() { return DataDirectory() + "/server/sample.xml"; }

std::string DefaultStorePath() {
    std::string configured = Environment("NOX_SERVER_DB");
    if (!configured.empty()) return configured;
    std::string cache = Environment("XDG_CACHE_HOME");
    if (cache.empty()) cache = Environment("HOME").empty() ? "/tmp" : Environment("HOME") + "/.cache";
    return cache + "/noxsimplelinks/plm-sample.db";
}

}  // namespace server
