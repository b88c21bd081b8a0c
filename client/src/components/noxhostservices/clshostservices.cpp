#include "components/noxhostservices/clshostservices.h"

#include <filesystem>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "components/noxhostservices/EditedFiles.h"
#include "platform/ProductFolders.h"

namespace components {

using automation::DispatchPtr;
using automation::Variant;

namespace {

}  // namespace

const automation::MemberTable<clshostservices>& clshostservices::Members() {
    static const auto table = [] {
        using Self = clshostservices;
        automation::MemberTable<Self> t;
        auto store = [](DispatchPtr Self::*member) {
            return [member](Self& self, const Variant& value) { self.*member = value.ToObject(); };
        };
        t.Property("UserName", &Self::UserName, &Self::SetUserName)
            .Property("UserType", &Self::UserType, &Self::SetUserType)
            .Property("projectID", &Self::projectID, &Self::SetprojectID)
            .Property("ItemDocLinkWizard", &Self::ItemDocLinkWizard, &Self::SetItemDocLinkWizard)
            .ObjectProperty("Auth", &Self::Auth, store(&Self::auth_))
            .ObjectProperty("objRequest", &Self::objRequest, store(&Self::request_))
            .ObjectProperty("objObj_Def", &Self::objObj_Def, store(&Self::objDef_))
            .ObjectProperty("objSharedRes", &Self::objSharedRes, store(&Self::sharedRes_))
            .Property("EditedFiles", [](Self& self) { return Variant(DispatchPtr(self.GetEditedFiles())); })
            .Property("WorkDirForedit", &Self::WorkDirForedit)
            .Method("AddWorkspace", &Self::AddWorkspace)
            .Property("Workspaces", [](Self& self) {
                automation::SafeArray list(automation::Bounds{0, static_cast<int32_t>(self.workspaces_.size()) - 1});
                for (size_t i = 0; i < self.workspaces_.size(); ++i) list.At(static_cast<int32_t>(i)) = Variant(self.workspaces_[i]);
                return Variant(std::move(list));
            });
        return t;
    }();
    return table;
}

platform::ProcessHook<const std::string&>& clshostservices::WorkspaceOpened() {
    static platform::ProcessHook<const std::string&> hook;
    return hook;
}

clshostservices::clshostservices() : user_(HostUser::Load()) {}

DispatchPtr& clshostservices::Resolve(DispatchPtr& member, const char* progId) {
    if (!member) member = automation::CreateObject(progId);
    return member;
}

DispatchPtr clshostservices::Auth() { return Resolve(auth_, kAuthorizationProgId); }
DispatchPtr clshostservices::objRequest() { return Resolve(request_, "noxrequest.IRequest"); }
DispatchPtr clshostservices::objObj_Def() { return Resolve(objDef_, "noxsimplelinks.clsObjDefWrapper2"); }
DispatchPtr clshostservices::objSharedRes() { return Resolve(sharedRes_, "noxsimplelinks.clsResWrapper"); }

std::shared_ptr<EditedFiles> clshostservices::GetEditedFiles() {
    if (!editedFiles_) editedFiles_ = std::make_shared<EditedFiles>();
    return editedFiles_;
}

std::string clshostservices::WorkDirForedit() const {
    std::string folder = platform::ProductFolders::Directory("TEMP_DIR") + "edit/";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

void clshostservices::AddWorkspace(const std::string& description) {
    workspaces_.push_back(description);
    WorkspaceOpened()(description);
}

}  // namespace components
