#include "DemoTour.h"

#include <sstream>
#include <vector>

#include "PaneHost.h"
#include "ProfileReport.h"

namespace simplelinks {

namespace {

struct Stop {
    const char* caption;
    PaneOptions pane;
    std::vector<int> select;
};

PaneOptions Pane(std::string name, std::vector<std::string> parent) {
    PaneOptions options;
    options.pane = std::move(name);
    options.parent = std::move(parent);
    return options;
}

void Visit(std::ostream& out, const Stop& stop) {
    out << "\n== " << stop.caption << "\n$ simplelinks show " << stop.pane.pane << " --parent";
    for (const std::string& part : stop.pane.parent) out << " " << part;
    if (!stop.select.empty()) {
        out << " --select ";
        for (size_t i = 0; i < stop.select.size(); ++i) out << (i ? "," : "") << stop.select[i];
    }
    out << "\n\n";
    PaneHost host(stop.pane);
    host.Load();
    host.PrintPane(out);
    if (stop.select.empty()) return;
    host.Select(stop.select);
    out << "\nAfter selecting rows with the mouse, the tools follow:\n";
    host.PrintTools(out);
}

// The head of the profile report: the application and the profile folder, up to its first blank line.
void PrintProfileHead(std::ostream& out) {
    std::ostringstream report;
    PrintProfile(report);
    std::istringstream lines(report.str());
    for (std::string line; std::getline(lines, line) && !line.empty();) out << line << "\n";
}

}  // namespace

void RunTour(std::ostream& out) {
    PrintProfileHead(out);
    const std::vector<Stop> stops = {
        {"The documents of item P140 revision A", Pane("DOCUMENTS", {"ITEM", "ITEM_KEY=P140", "REVISION=A"}), {}},
        {"Where item P140 is used", Pane("WHERE_USED", {"ITEM", "ITEM_KEY=P140", "REVISION=A"}), {}},
        {"The files of document D100 revision B, two of them selected",
         Pane("FILES", {"DOC", "DOC_ID=D100", "REVISION=B"}), {1, 3}},
        {"The items attached to engineering order EO-1001", Pane("ITEMS", {"EO", "EO_ID=EO-1001"}), {}},
    };
    for (const Stop& stop : stops) Visit(out, stop);
}

}  // namespace simplelinks
