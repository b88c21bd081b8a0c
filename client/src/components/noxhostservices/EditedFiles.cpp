#include "components/noxhostservices/EditedFiles.h"

#include <algorithm>
#include <filesystem>
#include <pugixml.hpp>

#include "platform/ProductFolders.h"

namespace components {

const automation::MemberTable<EditedFiles>& EditedFiles::Members() {
    static const auto table = [] {
        automation::MemberTable<EditedFiles> t;
        t.Method("Exists", &EditedFiles::Exists)
            .Method("Add", &EditedFiles::Add)
            .Method("Remove", &EditedFiles::Remove)
            .Property("Count", &EditedFiles::Count);
        return t;
    }();
    return table;
}

EditedFiles::EditedFiles(std::string path) : path_(std::move(path)) {
    if (path_.empty()) path_ = platform::ProductFolders::Directory("SETTINGS_DIR") + kFileName;
}

bool EditedFiles::Exists(const std::string& fileId) const {
    std::vector<std::string> ids = Read();
    return std::find(ids.begin(), ids.end(), fileId) != ids.end();
}

void EditedFiles::Add(const std::string& fileId) {
    std::vector<std::string> ids = Read();
    if (std::find(ids.begin(), ids.end(), fileId) != ids.end()) return;
    ids.push_back(fileId);
    Write(ids);
}

void EditedFiles::Remove(const std::string& fileId) {
    std::vector<std::string> ids = Read();
    auto kept = std::remove(ids.begin(), ids.end(), fileId);
    if (kept == ids.end()) return;
    ids.erase(kept, ids.end());
    Write(ids);
}

std::vector<std::string> EditedFiles::Read() const {
    std::vector<std::string> ids;
    pugi::xml_document document;
    if (!document.load_file(path_.c_str())) return ids;
    for (pugi::xml_node file : document.child("EDITED_FILES").children("FILE")) ids.push_back(file.attribute("ID").value());
    return ids;
}

void EditedFiles::Write(const std::vector<std::string>& ids) const {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("EDITED_FILES");
    for (const std::string& id : ids) root.append_child("FILE").append_attribute("ID") = id.c_str();
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
    if (!document.save_file(path_.c_str(), "  ")) {
        throw automation::AutomationError(automation::errors::kPathNotFound,
                                          "The list of edited files cannot be written to " + path_, kTypeName);
    }
}

}  // namespace components
