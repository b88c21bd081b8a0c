#pragma once
// The host object "noxhostservices.clshostservices": who the user is (from the user settings file
// or the environment, see HostUser), the authorization object, the files taken for editing, the
// shared request builder, object definitions and resources, the editing folder, and AddWorkspace,
// which records a workspace description and hands it to the host application.
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "components/noxhostservices/HostUser.h"
#include "platform/ProcessHook.h"

namespace components {

class EditedFiles;

class clshostservices : public automation::Dispatchable<clshostservices> {
public:
    static constexpr const char* kTypeName = "clshostservices";
    static constexpr const char* kProgId = "noxhostservices.clshostservices";
    static constexpr const char* kAuthorizationProgId = "noxauth.IAuthorization";
    static const automation::MemberTable<clshostservices>& Members();

    // The host application's receiver of AddWorkspace's descriptions.
    static platform::ProcessHook<const std::string&>& WorkspaceOpened();

    // Reads the user (HostUser::Load).
    clshostservices();

    const HostUser& User() const { return user_; }
    std::string UserName() const { return user_.userName; }
    void SetUserName(const std::string& name) { user_.userName = name; }
    std::string UserType() const { return user_.userType; }
    void SetUserType(const std::string& type) { user_.userType = type; }
    std::string projectID() const { return user_.projectId; }
    void SetprojectID(const std::string& project) { user_.projectId = project; }
    bool ItemDocLinkWizard() const { return user_.itemDocLinkWizard; }
    void SetItemDocLinkWizard(bool on) { user_.itemDocLinkWizard = on; }

    // Collaborators, each created by its ProgID on first use and kept; a host may set its own.
    automation::DispatchPtr Auth();
    automation::DispatchPtr objRequest();
    automation::DispatchPtr objObj_Def();
    automation::DispatchPtr objSharedRes();
    std::shared_ptr<EditedFiles> GetEditedFiles();

    // The folder files are copied to for editing (made when missing), ending with "/".
    std::string WorkDirForedit() const;
    // Records the description and hands it to WorkspaceOpened.
    void AddWorkspace(const std::string& description);
    const std::vector<std::string>& Workspaces() const { return workspaces_; }

private:
    static automation::DispatchPtr& Resolve(automation::DispatchPtr& member, const char* progId);

    HostUser user_;
    automation::DispatchPtr auth_, request_, objDef_, sharedRes_;
    std::shared_ptr<EditedFiles> editedFiles_;
    std::vector<std::string> workspaces_;
};

}  // namespace components
