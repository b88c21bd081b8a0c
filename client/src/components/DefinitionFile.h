#pragma once
// Opens an XML definition file that a component reads (toolbar definitions, rights): a missing file
// raises 53, a file that is not well-formed or has another root element raises the component's
// own number; every description names the file and the fault.
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace components {

class DefinitionFile {
public:
    // kind words the errors ("Toolbar definition file"); badNumber is raised for faults.
    DefinitionFile(std::string path, std::string kind, int32_t badNumber);

    // Loads the file and checks its root element's name; returns the root.
    pugi::xml_node Open(const char* rootName);
    [[noreturn]] void Fail(const std::string& fault) const;
    // The value of an attribute that must be given; a missing or empty one is a fault of the file.
    std::string Required(const pugi::xml_node& node, const char* attribute) const;
    // The child elements of a node, in order.
    static std::vector<pugi::xml_node> Elements(const pugi::xml_node& parent);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::string kind_;
    int32_t badNumber_;
    pugi::xml_document document_;
};

}  // namespace components
