#include "components/noxres/ResourceTable.h"

#include <filesystem>
#include <sstream>

#include <pugixml.hpp>

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"
#include "components/noxres/ResourceErrors.h"

namespace components {

namespace {

std::string PictureSlot(std::string_view kind, std::string_view key) {
    return automation::FoldName(kind) + "/" + automation::FoldName(key);
}

bool IsPictureKind(std::string_view name) { return name == "ICON" || name == "BITMAP" || name == "CURSOR"; }

// The children of a part, written out as they stand in the file.
std::string InnerXml(const pugi::xml_node& part) {
    std::ostringstream out;
    for (const pugi::xml_node& child : part.children()) child.print(out, "", pugi::format_raw);
    return out.str();
}

template <class Map>
auto FindFolded(const Map& map, std::string_view key) {
    auto it = map.find(automation::FoldName(key));
    return it == map.end() ? std::nullopt : std::make_optional(it->second);
}

}  // namespace

ResourceTable ResourceTable::Load(const std::string& file) {
    ResourceTable table;
    table.file_ = file;
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_file(file.c_str());
    if (parsed.status == pugi::status_file_not_found) {
        throw automation::AutomationError(automation::errors::kFileNotFound,
                                          "Resource file '" + file + "' was not found or cannot be opened");
    }
    if (!parsed) table.Fail(std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset));
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "RESOURCES") table.Fail("the root element is not <RESOURCES>");
    if (const pugi::xml_attribute name = root.attribute("APP_NAME")) table.appName_ = name.value();
    const std::string folder = std::filesystem::path(file).parent_path().string();
    for (const pugi::xml_node& entry : root.children()) {
        if (entry.type() == pugi::node_element) table.Add(entry, folder);
    }
    return table;
}

void ResourceTable::Add(const pugi::xml_node& entry, const std::string& folder) {
    const std::string_view kind = entry.name();
    const char* idAttribute = kind == "PART" ? "NAME" : "KEY";
    const std::string id = entry.attribute(idAttribute).value();
    if (id.empty()) Fail("<" + std::string(kind) + "> without " + idAttribute);
    if (kind == "STRING") {
        texts_[automation::FoldName(id)] = entry.text().get();
    } else if (kind == "ARRAY") {
        std::vector<std::string>& items = arrays_[automation::FoldName(id)];
        items.clear();
        for (const pugi::xml_node& item : entry.children("ITEM")) items.emplace_back(item.text().get());
    } else if (IsPictureKind(kind)) {
        const std::filesystem::path picture = entry.attribute("FILE").value();
        pictures_[PictureSlot(kind, id)] =
            picture.empty() || picture.is_absolute() ? picture.string() : (std::filesystem::path(folder) / picture).string();
    } else if (kind == "PART") {
        parts_[automation::FoldName(id)] = InnerXml(entry);
    } else {
        Fail("unknown element <" + std::string(kind) + ">");
    }
}

void ResourceTable::Fail(const std::string& fault) const {
    throw automation::AutomationError(kBadResourceFile, "Resource file '" + file_ + "' cannot be read: " + fault);
}

std::optional<std::string> ResourceTable::Text(std::string_view key) const { return FindFolded(texts_, key); }

std::vector<std::string> ResourceTable::Array(std::string_view key) const {
    return FindFolded(arrays_, key).value_or(std::vector<std::string>{});
}

std::string ResourceTable::PictureFile(std::string_view kind, std::string_view key) const {
    auto it = pictures_.find(PictureSlot(kind, key));
    return it == pictures_.end() ? std::string() : it->second;
}

std::optional<std::string> ResourceTable::Part(std::string_view name) const { return FindFolded(parts_, name); }

}  // namespace components
