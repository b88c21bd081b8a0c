#pragma once
// The authorization component ("noxauth.IAuthorization"), the object a host hands out as its Auth:
// answers whether a user type may do an action, which tools a user type loses, and which tools are
// not allowed for objects of no project, from a rights file (docs/formats.md, "Rights file").
#include <optional>
#include <string>

#include "automation/Dispatchable.h"
#include "rights/RightsTable.h"

namespace components {

class IAuthorization : public automation::Dispatchable<IAuthorization> {
public:
    static constexpr const char* kTypeName = "IAuthorization";
    static const automation::MemberTable<IAuthorization>& Members();

    // The rights file read when none is loaded: "noxrights.xml" in the settings folder.
    static constexpr const char* kDefaultFileName = "noxrights.xml";

    // Reads a rights file; a missing one raises 53, a faulty one kBadRightsFile, and the rights
    // loaded before stay.
    void LoadRights(const std::string& path);
    // The file the rights come from; empty while everything is allowed for want of a file.
    std::string RightsFile();

    // Called with ten arguments or with the first five (user type, action, check name, object type,
    // status); the check name and the last five are not used.
    bool Authorize(const std::string& userType, const std::string& action, const std::string& objectType,
                   const std::string& status);
    // The removed tools of a user type, each in brackets: "[ID_A][ID_B]".
    std::string getRemoveActionByUser(const std::string& userType);
    // The tools not allowed without a project for an object type, in brackets.
    std::string getActionsNoneProject(const std::string& objectType);

private:
    // The loaded rights; the default file on first use, or everything allowed when it is missing.
    const rights::RightsTable& Rights();

    std::optional<rights::RightsTable> rights_;
};

}  // namespace components
