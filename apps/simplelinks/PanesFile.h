#pragma once
// The panes of the panes file as the "panes" command and the tour list them: name, label, the type
// listed, and the example parent (a parent of the sample data with objects in that pane).
#include <ostream>
#include <string>
#include <vector>

namespace simplelinks {

struct PaneEntry {
    std::string name;
    std::string label;
    std::string baseClass;
    std::vector<std::string> exampleParent;  // TYPE, then KEY=VALUE; empty when the pane has no example
};

// Raises std::runtime_error when the file cannot be read.
std::vector<PaneEntry> ReadPanes(const std::string& path);
// The command line that shows the pane for its example parent.
std::string ExampleCommand(const PaneEntry& pane);
// Every pane of the user's panes file with its example command line.
void PrintPanes(std::ostream& out);

}  // namespace simplelinks
