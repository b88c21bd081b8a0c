#include "components/noxauth/IAuthorization.h"

#include <filesystem>

#include "components/noxauth/AuthorizationErrors.h"
#include "platform/ProductFolders.h"

namespace components {

using automation::Arguments;
using automation::Variant;

namespace {

std::string Bracketed(const std::vector<std::string>& tools) {
    std::string text;
    for (const std::string& tool : tools) text += "[" + tool + "]";
    return text;
}

std::string TextAt(const Arguments& args, size_t position) {
    return position < args.size() ? args[position].TextOr("") : std::string();
}

Variant AuthorizeByName(IAuthorization& self, Arguments& args) {
    if (args.size() < 2) automation::Raise(automation::errors::kArgumentNotOptional);
    return Variant(self.Authorize(TextAt(args, 0), TextAt(args, 1), TextAt(args, 3), TextAt(args, 4)));
}

// Reads a rights file, its faults as the component's errors: 53 for a missing file.
rights::RightsTable Read(const std::string& path) {
    try {
        return rights::RightsTable::Load(path);
    } catch (const rights::RightsFileError& e) {
        throw automation::AutomationError(e.Missing() ? automation::errors::kFileNotFound : kBadRightsFile, e.what());
    }
}

}  // namespace

const automation::MemberTable<IAuthorization>& IAuthorization::Members() {
    static const automation::MemberTable<IAuthorization> table = [] {
        automation::MemberTable<IAuthorization> t;
        t.Method("IAuthorization_Authorize", &AuthorizeByName)
            .Method("IAuthorization_getRemoveActionByUser", &IAuthorization::getRemoveActionByUser)
            .Method("IAuthorization_getActionsNoneProject", &IAuthorization::getActionsNoneProject)
            .Method("LoadRights", &IAuthorization::LoadRights)
            .Property("RightsFile", &IAuthorization::RightsFile);
        return t;
    }();
    return table;
}

void IAuthorization::LoadRights(const std::string& path) { rights_ = Read(path); }

std::string IAuthorization::RightsFile() { return Rights().Path(); }

const rights::RightsTable& IAuthorization::Rights() {
    if (!rights_) {
        const std::string path = platform::ProductFolders::Directory("SETTINGS_DIR") + kDefaultFileName;
        rights_ = std::filesystem::exists(path) ? Read(path) : rights::RightsTable::AllowEverything();
    }
    return *rights_;
}

bool IAuthorization::Authorize(const std::string& userType, const std::string& action, const std::string& objectType,
                               const std::string& status) {
    return Rights().Authorize(userType, action, objectType, status);
}

std::string IAuthorization::getRemoveActionByUser(const std::string& userType) {
    return Bracketed(Rights().RemovedTools(userType));
}

std::string IAuthorization::getActionsNoneProject(const std::string& objectType) {
    return Bracketed(Rights().NoneProjectTools(objectType));
}

}  // namespace components
