#include "rights/RightsTable.h"

#include <algorithm>

#include <pugixml.hpp>

namespace rights {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

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
    return names.empty() || std::any_of(names.begin(), names.end(), [&](const std::string& name) { return SameName(name, value); });
}

std::vector<pugi::xml_node> Elements(const pugi::xml_node& parent) {
    std::vector<pugi::xml_node> elements;
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element) elements.push_back(child);
    return elements;
}

}  // namespace

RightsTable RightsTable::Load(const std::string& path) {
    RightsTable table;
    table.path_ = path;
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (parsed.status == pugi::status_file_not_found || parsed.status == pugi::status_io_error)
        throw RightsFileError(true, "Rights file '" + path + "' was not found or cannot be opened");
    if (!parsed) table.Fail(std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset));
    const pugi::xml_node root = document.document_element();
    if (std::string(root.name()) != "RIGHTS") table.Fail("the root element is not <RIGHTS>");
    for (const pugi::xml_node& node : Elements(root)) {
        const std::string name = node.name();
        if (name == "USER_TYPE") table.ReadUserType(node);
        else if (name == "NONE_PROJECT") table.ReadNoneProject(node);
        else table.Fail("unknown element <" + name + "> in <RIGHTS>");
    }
    return table;
}

RightsTable RightsTable::AllowEverything() {
    RightsTable table;
    table.allowEverything_ = true;
    return table;
}

void RightsTable::Fail(const std::string& fault) const { throw RightsFileError(false, "Rights file '" + path_ + "': " + fault); }

std::string RightsTable::Required(const pugi::xml_node& node, const char* attribute) const {
    std::string value = node.attribute(attribute).value();
    if (value.empty()) Fail("<" + std::string(node.name()) + "> without " + attribute);
    return value;
}

void RightsTable::ReadUserType(const pugi::xml_node& node) {
    UserRights user;
    user.userType = Required(node, "NAME");
    for (const UserRights& other : users_)
        if (SameName(other.userType, user.userType)) Fail("the user type " + user.userType + " is given twice");
    const std::string fallback = node.attribute("DEFAULT").as_string("DENY");
    if (fallback != "ALLOW" && fallback != "DENY") Fail("the user type " + user.userType + " has DEFAULT=\"" + fallback + "\" (ALLOW or DENY)");
    user.allowByDefault = fallback == "ALLOW";
    for (const pugi::xml_node& entry : Elements(node)) {
        const std::string kind = entry.name();
        if (kind == "REMOVE") {
            user.removedTools.push_back(Required(entry, "TOOL"));
        } else if (kind == "ALLOW" || kind == "DENY") {
            user.rules.push_back({kind == "ALLOW", Required(entry, "ACTION"), List(entry, "OBJECT_TYPE"), List(entry, "STATUS")});
        } else {
            Fail("unknown element <" + kind + "> in the user type " + user.userType);
        }
    }
    users_.push_back(std::move(user));
}

void RightsTable::ReadNoneProject(const pugi::xml_node& node) {
    NoneProjectList list{List(node, "OBJECT_TYPE"), {}};
    for (const pugi::xml_node& tool : Elements(node)) {
        if (std::string(tool.name()) != "TOOL") Fail("unknown element <" + std::string(tool.name()) + "> in <NONE_PROJECT>");
        list.tools.push_back(Required(tool, "ID"));
    }
    noneProject_.push_back(std::move(list));
}

const RightsTable::UserRights* RightsTable::Find(const std::string& userType) const {
    const UserRights* any = nullptr;
    for (const UserRights& user : users_) {
        if (SameName(user.userType, userType)) return &user;
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
        if (SameName(rule.action, action) && Matches(rule.objectTypes, objectType) && Matches(rule.statuses, status))
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

}  // namespace rights
