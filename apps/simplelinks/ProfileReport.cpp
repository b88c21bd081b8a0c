#include "ProfileReport.h"

#include <iomanip>

#include "automation/ObjectFactory.h"
#include "noxsimplelinks/env/modEnvironment.h"

namespace simplelinks {
namespace {

constexpr const char* kLogicalDirectories[] = {
    "RELEASE_DIR", "APP_PATH",     "HELP_DIR",    "APP_DATA_ROOT_DIR", "CACHE_DIR",   "CACHETOOLBAR_DIR",
    "CONFIG_DIR",  "DOWNLOAD_DIR", "ADDINS_DIR",  "SETTINGS_DIR",      "REPORTS_DIR", "CONNECTIONS_DIR",
    "TEMP_DIR"};

std::string ApplicationName() {
    auto resources = automation::CreateObject("noxsimplelinks.clsResWrapper");
    return resources->Call("strResString", "LBL_APP_NAME").ToString();
}

}  // namespace

void PrintProfile(std::ostream& out) {
    using noxsimplelinks::modEnvironment::GetDirectory;
    out << "Application: " << ApplicationName() << "\n";
    out << "Profile:     " << noxsimplelinks::modEnvironment::GetAppDataRoot() << "\n\n";
    out << "Logical directories\n";
    for (const char* name : kLogicalDirectories) out << "  " << std::left << std::setw(18) << name << GetDirectory(name) << "\n";
}

}  // namespace simplelinks
