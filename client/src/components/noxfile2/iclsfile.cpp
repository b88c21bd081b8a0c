#include "components/noxfile2/iclsfile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "automation/Text.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace components {

using automation::Variant;

namespace {

constexpr int kExclamation = 48;
constexpr int32_t kDone = 100;

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw automation::AutomationError(automation::errors::kUserError, "The file " + path.string() + " cannot be written",
                                                iclsfile::kProgId);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw automation::AutomationError(automation::errors::kUserError, "The file " + path + " cannot be read",
                                               iclsfile::kProgId);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The folder of a file's temporary copies: one per file id, under the system's temporary folder.
std::filesystem::path CopyFolder(const ServerFile& file) {
    std::string id = file.attributes.empty() ? "file" : file.attributes.front().second;
    for (char& c : id)
        if (c == '/' || c == '\\') c = '_';
    return std::filesystem::temp_directory_path() / "noxsimplelinks" / "files" / id;
}

}  // namespace

const automation::MemberTable<iclsfile>& iclsfile::Members() {
    static const automation::MemberTable<iclsfile> table = [] {
        using Self = iclsfile;
        automation::MemberTable<Self> t;
        // The operations' third argument (a flag) is taken and not used.
        auto operation = [](bool (Self::*member)(const Variant&, const Variant&, const std::string&)) {
            return [member](Self& self, const Variant& keys, const Variant& values, const Variant&, const Variant& type) {
                return (self.*member)(keys, values, type.TextOr(""));
            };
        };
        t.ObjectProperty("Host", &Self::Host, &Self::SetHost)
            .ObjectProperty("Comm", &Self::Comm, &Self::SetComm)
            .Method("Edit", operation(&Self::Edit))
            .Method("Download", operation(&Self::Download))
            .Method("View", operation(&Self::View))
            .Method("ViewInBrowser", operation(&Self::ViewInBrowser))
            .Method("ViewWithRedline", [](Self& self, const Variant& keys, const Variant& values, const Variant&,
                                          const Variant& type, const Variant&, const Variant&) {
                return self.ViewWithRedline(keys, values, type.TextOr(""));
            })
            .Method("RedlineInBrowser", [](Self& self, const Variant& keys, const Variant& values, const Variant&,
                                           const Variant& type, const Variant&, const Variant&) {
                return self.RedlineInBrowser(keys, values, type.TextOr(""));
            })
            .Method("CheckIn", [](Self& self, const Variant& keys, const Variant& values, const Variant& path) {
                return self.CheckIn(keys, values, path.TextOr(""));
            })
            .Method("GetAttributeValue", &Self::GetAttributeValue)
            .Property("LastPath", &Self::LastPath);
        return t;
    }();
    return table;
}

template <class F>
bool iclsfile::Reporting(F&& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        platform::Ui().MsgBox(automation::AutomationError::From(e).Description(), kExclamation, platform::kApplicationName);
        return false;
    }
}

std::string iclsfile::EditFolder() {
    const std::string folder = host_ ? automation::Trimmed(host_->Get("WorkDirForedit").TextOr("")) : "";
    if (folder.empty())
        throw automation::AutomationError(automation::errors::kUserError, "No folder is set for the files taken for editing",
                                          kProgId);
    return folder;
}

bool iclsfile::Edit(const Variant& keys, const Variant& values, const std::string&) {
    return Reporting([&] {
        const std::string folder = EditFolder();
        file_ = FileExchange(Variant(comm_)).CheckOut(keys, values);
        const std::filesystem::path path = std::filesystem::path(folder) / file_.LocalName();
        const Variant edited = host_->Get("EditedFiles");
        const bool ownWork = std::filesystem::exists(path) &&
                             automation::CallOn(edited, "Exists", file_.Attribute("FILE.FILE_ID")).ToBool();
        if (!ownWork) WriteFile(path, file_.bytes);
        lastPath_ = path.string();
        events_.Fire("ProgEvent", std::string("EDIT"), kDone, lastPath_);
    });
}

bool iclsfile::CheckIn(const Variant& keys, const Variant& values, const std::string& path) {
    return Reporting([&] {
        std::string from = path;
        if (from.empty()) {
            file_ = FileExchange(Variant(comm_)).Download(keys, values);
            from = (std::filesystem::path(EditFolder()) / file_.LocalName()).string();
        }
        FileExchange(Variant(comm_)).CheckIn(keys, values, ReadFile(from));
        lastPath_ = from;
    });
}

std::string iclsfile::DownloadCopy(const Variant& keys, const Variant& values) {
    file_ = FileExchange(Variant(comm_)).Download(keys, values);
    const std::filesystem::path path = CopyFolder(file_) / file_.LocalName();
    WriteFile(path, file_.bytes);
    lastPath_ = path.string();
    return lastPath_;
}

bool iclsfile::Download(const Variant& keys, const Variant& values, const std::string&) {
    return Reporting([&] { DownloadCopy(keys, values); });
}

bool iclsfile::View(const Variant& keys, const Variant& values, const std::string&) {
    return Reporting([&] { platform::SystemShell().OpenDocument(DownloadCopy(keys, values)); });
}

bool iclsfile::ViewInBrowser(const Variant& keys, const Variant& values, const std::string& objectType) {
    // The browser of this system is the desktop's viewer of the document's kind.
    return View(keys, values, objectType);
}

bool iclsfile::Report(const std::string& mode, const Variant& keys, const Variant& values) {
    return Reporting([&] { events_.Fire("ProgEvent", mode, kDone, DownloadCopy(keys, values)); });
}

bool iclsfile::ViewWithRedline(const Variant& keys, const Variant& values, const std::string&) {
    return Report("VIEW_REDLINE_MARKUP", keys, values);
}

bool iclsfile::RedlineInBrowser(const Variant& keys, const Variant& values, const std::string&) {
    return Report("REDLINE_MARKUP", keys, values);
}

}  // namespace components
