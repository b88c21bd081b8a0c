#include "components/noxhostservices/HostUser.h"

#include <pugixml.hpp>

#include "platform/Environment.h"
#include "platform/ProductFolders.h"
#include "platform/UserAccount.h"

namespace components {

namespace {

void TakeText(const pugi::xml_node& root, const char* element, std::string& target) {
    pugi::xml_node node = root.child(element);
    if (node) target = node.text().as_string();
}

void TakeVariable(const char* name, std::string& target) {
    std::string value = platform::Environment::Get(name);
    if (!value.empty()) target = value;
}

}  // namespace

HostUser HostUser::Load() {
    HostUser user;
    user.userName = platform::UserAccount::LoginName();
    user.ReadFile(platform::ProductFolders::Directory("SETTINGS_DIR") + kFileName);
    TakeVariable("NOX_USER_NAME", user.userName);
    TakeVariable("NOX_USER_TYPE", user.userType);
    TakeVariable("NOX_PROJECT_ID", user.projectId);
    return user;
}

void HostUser::ReadFile(const std::string& path) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) return;
    pugi::xml_node root = document.child("HOST_USER");
    TakeText(root, "USER_NAME", userName);
    TakeText(root, "USER_TYPE", userType);
    TakeText(root, "PROJECT_ID", projectId);
    if (pugi::xml_node wizard = root.child("ITEM_DOC_LINK_WIZARD")) itemDocLinkWizard = wizard.text().as_bool();
}

}  // namespace components
