#include "DemoTour.h"

#include <sstream>
#include <vector>

#include "PaneActions.h"
#include "PaneHost.h"
#include "ProfileReport.h"

namespace simplelinks {

namespace {

struct Stop {
    const char* caption;
    PaneOptions pane;
    std::vector<int> select;
    std::vector<std::string> run = {};     // a command of the control and its arguments
    std::vector<std::string> choose = {};  // the steps ticked in the step dialog
};

// The command line's words for the stop's command and steps.
std::string CommandWords(const Stop& stop) {
    std::string words;
    if (!stop.run.empty()) words += " --run";
    for (const std::string& word : stop.run) words += " " + word;
    if (!stop.choose.empty()) words += " --choose";
    for (const std::string& step : stop.choose) words += " " + step;
    return words;
}

void RunCommand(std::ostream& out, PaneHost& host, const Stop& stop) {
    PaneActions actions;
    actions.run = stop.run;
    if (!stop.choose.empty()) {
        std::vector<std::string> steps{"noxwfattached"};
        for (const std::string& step : stop.choose) steps.push_back("chkStep" + step + "=1");
        steps.push_back("cmdOK");
        actions.script.dialogs.push_back(steps);
    }
    out << "\n";
    PerformActions(host, actions, out);
}

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
    out << CommandWords(stop) << "\n\n";
    PaneHost host(stop.pane);
    host.Load();
    host.PrintPane(out);
    if (stop.select.empty()) return;
    host.Select(stop.select);
    out << "\nAfter selecting rows with the mouse, the tools follow:\n";
    host.PrintTools(out);
    if (!stop.run.empty()) RunCommand(out, host, stop);
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
        {"Attaching item P110 to step 20 of the order's route in the step dialog",
         Pane("ORDER_ITEMS", {"EO", "EO_ID=EO-1001"}), {2}, {"EoAttachObjTOSteps"}, {"20"}},
        {"... and detaching it from step 20 again", Pane("ORDER_ITEMS", {"EO", "EO_ID=EO-1001"}), {2},
         {"EoDitachObjTOSteps"}, {"20"}},
        {"Approving two items in jsmith's task, step 30", Pane("TASK_ITEMS", {"EO_USER_TASK", "EO_ID=EO-1001", "ROUTE_ID=R1", "STEP_ID=30"}),
         {1, 2}, {"ApproveItem"}},
        {"Rejecting a material in the same task", Pane("TASK_MATERIALS", {"EO_USER_TASK", "EO_ID=EO-1001", "ROUTE_ID=R1", "STEP_ID=30"}),
         {1}, {"RejectMaterial"}},
        {"Step 20 is mbrown's task: jsmith's approval is refused",
         Pane("TASK_ITEMS", {"EO_USER_TASK", "EO_ID=EO-1001", "ROUTE_ID=R1", "STEP_ID=20"}), {1}, {"ApproveItem"}},
    };
    for (const Stop& stop : stops) Visit(out, stop);
}

}  // namespace simplelinks
