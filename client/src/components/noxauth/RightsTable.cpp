#include "components/noxauth/RightsTable.h"

#include <algorithm>

#include <pugixml.hpp>

#include "automation/Dispatch.h"
#include "components/DefinitionFile.h"
#include "components/noxauth/AuthorizationErrors.h"

namespace components {

namespace {

constexpr auto Elements = &DefinitionFile::Elements;

// A ";"-separated list of names; an absent attribute gives none.
std::vector<std::string> List(const pugi::xml_node& node, const char* attribute) {
    std::vector<std::string> names;
    std::string text = node.attribute(attribute).value();
    for (size_t start = 0; start <= text.size();) {
        size_t end = std::min(text.find(';', start), text.size());
        if (end > start) names.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// An empty list matches anything.
bool Matches(const std::vector<std::string>& names, const std::string& value) {
    return names.empty() ||
           std::any_of(names.begin(), names.end(), [&](const std::string& name) { return automation::SameName(name, value); });
}

}  // namespace

RightsTable RightsTable::Load(const std::string& path) {
    DefinitionFile file(path, "Rights file", kBadRightsFile);
    const pugi::xml_node root = file.Open("RIGHTS");
    RightsTable table;
    table.path_ = path;
    for (const pugi::xml_node& node : Elements(root)) {
        const std::string name = node.name();
        if (name == "USER_TYPE") table.ReadUserType(node, file);
        else if (name == "NONE_PROJECT") table.ReadNoneProject(node, file);
        else file.Fail("unknown element <" + name + "> in <RIGHTS>");
    }
    return table;
}

RightsTable RightsTable::AllowEverything() {
    RightsTable table;
    table.allowEverything_ = true;
    return table;
}

void RightsTable::ReadUserType(const pugi::xml_node& node, const DefinitionFile& file) {
    UserRights user;
    user.userType = file.Required(node, "NAME");
    for (const UserRights& other : users_)
        if (automation::SameName(other.userType, user.userType)) file.Fail("the user type " + user.userType + " is given twice");
    const std::string fallback = node.attribute("DEFAULT").as_string("DENY");
    if (fallback != "ALLOW" && fallback != "DENY") file.Fail("the user type " + user.userType + " has DEFAULT=\"" + fallback + "\" (ALLOW or DENY)");
    user.allowByDefault = fallback == "ALLOW";
    for (const pugi::xml_node& entry : Elements(node)) {
        const std::string kind = entry.name();
        if (kind == "REMOVE") {
            user.removedTools.push_back(file.Required(entry, "TOOL"));
        } else if (kind == "ALLOW" || kind == "DENY") {
            user.rules.push_back({kind == "ALLOW", file.Required(entry, "ACTION"), List(entry, "OBJECT_TYPE"), List(entry, "STATUS")});
        } else {
            file.Fail("unknown element <" + kind + "> in the user type " + user.userType);
        }
    }
    users_.push_back(std::move(user));
}

void RightsTable::ReadNoneProject(const pugi::xml_node& node, const DefinitionFile& file) {
    NoneProjectList list{List(node, "OBJECT_TYPE"), {}};
    for (const pugi::xml_node& tool : Elements(node)) {
        if (std::string(tool.name()) != "TOOL") file.Fail("unknown element <" + std::string(tool.name()) + "> in <NONE_PROJECT>");
        list.tools.push_back(file.Required(tool, "ID"));
    }
    noneProject_.push_back(std::move(list));
}

const RightsTable::UserRights* RightsTable::Find(const std::string& userType) const {
    const UserRights* any = nullptr;
    for (const UserRights& user : users_) {
        if (automation::SameName(user.userType, userType)) return &user;
        if (user.userType == "*") any = &user;
    }
    return any;
}

bool RightsTable::Authorize(const std::string& userType, const std::string& action, const std::string& objectType,
                            const std::string& status) const {
    if (allowEverything_) return true;
    const UserRights* user = Find(userType);
    if (!user) return false;
    for (const Rule& rule : user->rules)
        if (automation::SameName(rule.action, action) && Matches(rule.objectTypes, objectType) && Matches(rule.statuses, status))
            return rule.allow;
    return user->allowByDefault;
}

std::vector<std::string> RightsTable::RemovedTools(const std::string& userType) const {
    const UserRights* user = Find(userType);
    return user ? user->removedTools : std::vector<std::string>{};
}

std::vector<std::string> RightsTable::NoneProjectTools(const std::string& objectType) const {
    std::vector<std::string> tools;
    for (const NoneProjectList& list : noneProject_)
        if (Matches(list.objectTypes, objectType)) tools.insert(tools.end(), list.tools.begin(), list.tools.end());
    return tools;
}

}  // namespace components
