#pragma once
// The rights of one rights file (docs/formats.md, "Rights file"): per user type, which actions are
// allowed (rules that may be limited to object types and statuses, then a default) and which tools
// are removed; and the tools not allowed for objects that belong to no project. The client's
// authorization component answers from it which tools a user gets; the server, which changes a
// user may make. Loading either succeeds completely or raises RightsFileError.
#include <stdexcept>
#include <string>
#include <vector>

namespace pugi {
class xml_node;
}

namespace rights {

// A rights file that is missing, or that breaks the format; the text names the file and the fault.
class RightsFileError : public std::runtime_error {
public:
    RightsFileError(bool missing, const std::string& text) : std::runtime_error(text), missing_(missing) {}
    bool Missing() const { return missing_; }

private:
    bool missing_;
};

class RightsTable {
public:
    static RightsTable Load(const std::string& path);
    // The rights of a system without a rights file: everything is allowed, nothing removed.
    static RightsTable AllowEverything();

    // The first rule of the user type that matches the action (and the object type and status when
    // the rule names them) decides; else the user type's default. A user type that the file does not
    // name takes the rights of the type "*", or is refused everything when there is none. Names
    // compare without regard to the case of ASCII letters.
    bool Authorize(const std::string& userType, const std::string& action, const std::string& objectType,
                   const std::string& status) const;
    // The tools removed for a user type, in file order.
    std::vector<std::string> RemovedTools(const std::string& userType) const;
    // The tools not allowed without a project for an object type, in file order.
    std::vector<std::string> NoneProjectTools(const std::string& objectType) const;
    const std::string& Path() const { return path_; }

private:
    struct Rule {
        bool allow = false;
        std::string action;
        std::vector<std::string> objectTypes;  // empty: any
        std::vector<std::string> statuses;     // empty: any
    };
    struct UserRights {
        std::string userType;
        bool allowByDefault = false;
        std::vector<Rule> rules;
        std::vector<std::string> removedTools;
    };
    struct NoneProjectList {
        std::vector<std::string> objectTypes;  // empty: any
        std::vector<std::string> tools;
    };

    [[noreturn]] void Fail(const std::string& fault) const;
    std::string Required(const pugi::xml_node& node, const char* attribute) const;
    void ReadUserType(const pugi::xml_node& node);
    void ReadNoneProject(const pugi::xml_node& node);
    const UserRights* Find(const std::string& userType) const;

    std::string path_;
    bool allowEverything_ = false;
    std::vector<UserRights> users_;
    std::vector<NoneProjectList> noneProject_;
};

}  // namespace rights
