#pragma once
// Who works at the host: user name, user type, project and the item-document link wizard switch,
// read from the user settings file in the profile ("hostuser.xml" in the settings directory), with
// the environment variables NOX_USER_NAME, NOX_USER_TYPE and NOX_PROJECT_ID taking precedence.
#include <string>

namespace components {

struct HostUser {
    static constexpr const char* kFileName = "hostuser.xml";

    std::string userName;
    std::string userType;
    std::string projectId;
    bool itemDocLinkWizard = false;

    // A missing or unreadable file leaves its values at their defaults: the login name, no type,
    // no project, no wizard.
    static HostUser Load();
    // Reads one settings file; the values it lacks stay as they are.
    void ReadFile(const std::string& path);
};

}  // namespace components
