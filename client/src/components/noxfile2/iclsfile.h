#pragma once
// The file component ("noxfile2.iclsfile"): takes a file of the server for editing (Edit: checked out,
// that is locked for the user, and copied into the host's edit folder), gives it back (CheckIn: the
// edited copy becomes the server's content), shows it (View, ViewInBrowser: a copy in a temporary
// folder opened with the platform shell), and hands it to its caller for redlining (ViewWithRedline,
// RedlineInBrowser: a copy whose path ProgEvent reports with the mode "VIEW_REDLINE_MARKUP" or
// "REDLINE_MARKUP"; the caller opens it), or only copies it (Download). GetAttributeValue answers the
// last file's attributes. Each operation takes the file's key names and values (of a file, or of a
// document: its main file), a flag and the object type.
#include <string>

#include "automation/Dispatchable.h"
#include "automation/EventSource.h"
#include "components/noxfile2/FileExchange.h"

namespace components {

class iclsfile : public automation::Dispatchable<iclsfile> {
public:
    static constexpr const char* kTypeName = "iclsfile";
    static constexpr const char* kProgId = "noxfile2.iclsfile";
    static const automation::MemberTable<iclsfile>& Members();

    automation::EventSource* Events() override { return &events_; }

    automation::DispatchPtr Host() const { return host_; }
    void SetHost(const automation::Variant& host) { host_ = host.ToObject(); }
    automation::DispatchPtr Comm() const { return comm_; }
    void SetComm(const automation::Variant& comm) { comm_ = comm.ToObject(); }

    // True when the file was checked out and copied into the host's edit folder (WorkDirForedit); a
    // refusal is shown in a message box and answers false. A copy already there of a file the host
    // lists as edited (EditedFiles) is the user's work and is kept. ProgEvent reports "EDIT".
    bool Edit(const automation::Variant& keys, const automation::Variant& values, const std::string& objectType);
    // Gives the edited copy (or the file at path) back to the server; true when it took it.
    bool CheckIn(const automation::Variant& keys, const automation::Variant& values, const std::string& path);
    // Copies the file into a temporary folder of its own (LastPath) and opens nothing.
    bool Download(const automation::Variant& keys, const automation::Variant& values, const std::string& objectType);
    bool View(const automation::Variant& keys, const automation::Variant& values, const std::string& objectType);
    bool ViewInBrowser(const automation::Variant& keys, const automation::Variant& values, const std::string& objectType);
    bool ViewWithRedline(const automation::Variant& keys, const automation::Variant& values, const std::string& objectType);
    bool RedlineInBrowser(const automation::Variant& keys, const automation::Variant& values, const std::string& objectType);
    // An attribute of the last file handled ("FILE.FILE_ID"); "" when there is none.
    std::string GetAttributeValue(const std::string& name) const { return file_.Attribute(name); }
    // Where the last file was copied to.
    const std::string& LastPath() const { return lastPath_; }

private:
    // Runs an operation; a failure is shown to the user (exclamation) and answers false.
    template <class F>
    bool Reporting(F&& operation);
    std::string EditFolder();
    // Downloads into a temporary folder of its own and answers the copy's path.
    std::string DownloadCopy(const automation::Variant& keys, const automation::Variant& values);
    bool Report(const std::string& mode, const automation::Variant& keys, const automation::Variant& values);

    automation::DispatchPtr host_;
    automation::DispatchPtr comm_;
    ServerFile file_;
    std::string lastPath_;
    automation::EventSource events_{{"ProgEvent"}};
};

}  // namespace components
