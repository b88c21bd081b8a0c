#include "components/DefinitionFile.h"

#include "automation/AutomationError.h"

namespace components {

DefinitionFile::DefinitionFile(std::string path, std::string kind, int32_t badNumber)
    : path_(std::move(path)), kind_(std::move(kind)), badNumber_(badNumber) {}

pugi::xml_node DefinitionFile::Open(const char* rootName) {
    const pugi::xml_parse_result parsed = document_.load_file(path_.c_str());
    if (parsed.status == pugi::status_file_not_found || parsed.status == pugi::status_io_error)
        throw automation::AutomationError(automation::errors::kFileNotFound,
                                          kind_ + " '" + path_ + "' was not found or cannot be opened");
    if (!parsed) Fail(std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset));
    pugi::xml_node root = document_.document_element();
    if (std::string(root.name()) != rootName) Fail(std::string("the root element is not <") + rootName + ">");
    return root;
}

void DefinitionFile::Fail(const std::string& fault) const {
    throw automation::AutomationError(badNumber_, kind_ + " '" + path_ + "': " + fault);
}

std::string DefinitionFile::Required(const pugi::xml_node& node, const char* attribute) const {
    std::string value = node.attribute(attribute).value();
    if (value.empty()) Fail("<" + std::string(node.name()) + "> without " + attribute);
    return value;
}

std::vector<pugi::xml_node> DefinitionFile::Elements(const pugi::xml_node& parent) {
    std::vector<pugi::xml_node> elements;
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element) elements.push_back(child);
    return elements;
}

}  // namespace components
