#pragma once
// The texts, text arrays, picture files and XML parts of one resource file, looked up by key
// without regard to case. Loading either succeeds completely or raises an automation error.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pugi {
class xml_node;
}

namespace components {

class ResourceTable {
public:
    // The name reported when the file gives none.
    static constexpr const char* kDefaultAppName = "noxres";

    // Reads a resource file; a missing file raises 53, an unreadable or malformed one
    // kBadResourceFile, each with a description naming the file and the fault.
    static ResourceTable Load(const std::string& file);

    std::optional<std::string> Text(std::string_view key) const;
    std::vector<std::string> Array(std::string_view key) const;  // empty when unknown
    // The picture file of a key for a kind ("ICON", "BITMAP", "CURSOR"); empty when unknown.
    std::string PictureFile(std::string_view kind, std::string_view key) const;
    std::optional<std::string> Part(std::string_view name) const;

    const std::string& AppName() const { return appName_; }
    const std::string& File() const { return file_; }

private:
    void Add(const pugi::xml_node& entry, const std::string& folder);
    [[noreturn]] void Fail(const std::string& fault) const;

    std::string file_;
    std::string appName_ = kDefaultAppName;
    std::unordered_map<std::string, std::string> texts_;
    std::unordered_map<std::string, std::vector<std::string>> arrays_;
    std::unordered_map<std::string, std::string> pictures_;  // keyed by kind + "/" + key
    std::unordered_map<std::string, std::string> parts_;
};

}  // namespace components
