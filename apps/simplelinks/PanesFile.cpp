#include "PanesFile.h"

#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>

#include "PaneHost.h"

namespace simplelinks {

std::vector<PaneEntry> ReadPanes(const std::string& path) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) throw std::runtime_error("cannot read the panes file " + path);
    std::vector<PaneEntry> panes;
    for (pugi::xml_node section : document.child("PANES").children()) {
        if (section.type() != pugi::node_element) continue;
        PaneEntry pane{section.name(), section.child_value("LABEL"), section.child_value("BASE_CLASS"), {}};
        if (pugi::xml_node example = section.child("EXAMPLE")) {
            pane.exampleParent.push_back(example.attribute("PARENT").value());
            std::istringstream keys(example.attribute("KEYS").value());
            for (std::string pair; keys >> pair;) pane.exampleParent.push_back(pair);
        }
        panes.push_back(std::move(pane));
    }
    return panes;
}

std::string ExampleCommand(const PaneEntry& pane) {
    std::string command = "simplelinks show " + pane.name + " --parent";
    for (const std::string& part : pane.exampleParent) command += " " + part;
    return command;
}

void PrintPanes(std::ostream& out) {
    for (const PaneEntry& pane : ReadPanes(PanesFilePath())) {
        out << pane.name << ": " << pane.label << " (" << pane.baseClass << ")\n";
        out << "    " << (pane.exampleParent.empty() ? std::string("(no example)") : ExampleCommand(pane)) << "\n";
    }
}

}  // namespace simplelinks
