#include "PaneCommands.h"

#include <iostream>
#include <memory>
#include <sstream>

#include "PaneActions.h"
#include "PaneHost.h"
#include "PanesFile.h"
#include "RecordingUi.h"

namespace simplelinks {

namespace {

struct ShowOptions {
    PaneOptions pane;
    std::string select;
    bool timings = false;
    PaneActions actions;
    std::vector<std::string> answers;
    std::vector<std::string> edits;  // FIELD=VALUE, entered in the link dialog, which is then confirmed
    std::vector<std::string> steps;  // step ids ticked in the step dialog, which is then confirmed
};

// "1,3" → {1, 3}; anything else is a bad command line.
std::vector<int> RowList(const std::string& text) {
    std::vector<int> rows;
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        try {
            size_t used = 0;
            rows.push_back(std::stoi(item, &used));
            if (used != item.size()) throw std::invalid_argument(item);
        } catch (const std::exception&) {
            throw std::runtime_error("--select takes row numbers separated by commas, not \"" + text + "\"");
        }
    }
    return rows;
}

// --edit FIELD=VALUE... as the steps of the link dialog: the values entered, then OK.
std::vector<std::string> LinkDialogSteps(const std::vector<std::string>& edits) {
    std::vector<std::string> steps{"noxdialog"};
    for (const std::string& edit : edits) {
        if (edit.find('=') == std::string::npos) throw std::runtime_error("--edit takes FIELD=VALUE, not \"" + edit + "\"");
        steps.push_back(edit);
    }
    steps.push_back("cmdOK");
    return steps;
}

// --choose STEP... as the steps of the workflow component's step dialog: the steps ticked, then OK.
std::vector<std::string> StepDialogSteps(const std::vector<std::string>& stepIds) {
    std::vector<std::string> steps{"noxwfattached"};
    for (const std::string& id : stepIds) steps.push_back("chkStep" + id + "=1");
    steps.push_back("cmdOK");
    return steps;
}

// Runs a command; a failure becomes one line on standard error and exit status 1.
void Reporting(const std::function<void()>& body) {
    try {
        body();
    } catch (const automation::AutomationError& e) {
        std::cerr << "simplelinks: " << e.Description() << "\n";
        throw CLI::RuntimeError(1);
    } catch (const std::exception& e) {
        std::cerr << "simplelinks: " << e.what() << "\n";
        throw CLI::RuntimeError(1);
    }
}

void AddPaneOptions(CLI::App* command, PaneOptions& options) {
    command->add_option("pane", options.pane, "The pane, as named in the panes file")->required();
    command->add_option("--parent", options.parent, "The parent: its type, then KEY=VALUE for each key")
        ->required()
        ->expected(1, -1);
    command->add_option("--param", options.params, "A Params entry a host gives beside the parent's keys: NAME=VALUE");
    command->add_option("--server", options.server, "A server at http://host:port/path instead of the embedded one");
}

void Show(const ShowOptions& options) {
    std::vector<int> rows = options.select.empty() ? std::vector<int>{} : RowList(options.select);
    PaneHost host(options.pane);
    host.Load();
    host.PrintPane(std::cout);
    if (options.timings) host.PrintTimings(std::cout);
    if (!rows.empty()) {
        host.Select(rows);
        std::cout << "\nSelected rows " << options.select << ":\n";
        host.PrintTools(std::cout);
    }
    if (!options.actions.Any()) return;
    PaneActions actions = options.actions;
    for (const std::string& answer : options.answers) actions.script.answers.push_back(AnswerNamed(answer));
    if (!options.edits.empty()) actions.script.dialogs.push_back(LinkDialogSteps(options.edits));
    if (!options.steps.empty()) actions.script.dialogs.push_back(StepDialogSteps(options.steps));
    PerformActions(host, actions, std::cout);
}

void PrintRequest(const PaneOptions& options) {
    PaneHost host(options);
    const std::string request = host.Request();
    if (request.empty()) std::cout << "(no request: the pane sends none for this parent)\n";
    else std::cout << request << "\n";
}

}  // namespace

void AddPaneCommands(CLI::App& app) {
    auto show = std::make_shared<ShowOptions>();
    CLI::App* showCommand = app.add_subcommand("show", "Load a pane for a parent and print it");
    AddPaneOptions(showCommand, show->pane);
    showCommand->add_option("--select", show->select, "Select rows as clicks would, e.g. 1,3, and print the tools again");
    showCommand->add_flag("--sync", show->pane.sync, "Load synchronously");
    showCommand->add_flag("--timings", show->timings, "Print where the time of the load went");
    PaneActions& actions = show->actions;
    showCommand->add_option("--click", actions.clicks, "Click data rows (1-based), one after the other");
    showCommand->add_option("--right-click", actions.rightClicks, "Right-click a data row, or header:COLUMN");
    showCommand->add_option("--keys", actions.keys, "Press keys on the grid, e.g. ctrl+a");
    showCommand->add_option("--move-column", actions.moveColumn, "Drag a column to a position: FROM TO")
        ->expected(2)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    showCommand->add_option("--sort", actions.sorts, "Click a column's header (a key or a visible column's number)");
    showCommand->add_option("--tool", actions.tools, "Click a tool of the toolbar by its ID");
    showCommand->add_option("--run", actions.run, "Run a public command of the control: NAME [ARGUMENT...]")
        ->expected(1, -1);
    showCommand->add_option("--answer", show->answers, "Answer the message boxes in order: yes, no, ok, cancel ...")
        ->expected(1, -1);
    showCommand->add_option("--dialog", actions.script.dialogs,
                            "Act in a dialog when it shows: NAME then CONTROL=VALUE to enter a value, BUTTON to press one")
        ->expected(1, -1);
    showCommand->add_option("--edit", show->edits,
                            "Change a field in the link dialog and press OK: FIELD=VALUE (repeatable)");
    showCommand->add_option("--choose", show->steps,
                            "Tick steps in the step dialog and press OK: STEP... (the step ids of the route)")
        ->expected(1, -1);
    showCommand->add_flag("--paste", actions.paste, "Link the objects on the clipboard to the parent (PasteLinks)");
    showCommand->add_option("--export", actions.exportFile, "Write the grid to a .csv or .xlsx file at the end");
    showCommand->callback([show] { Reporting([&] { Show(*show); }); });

    auto request = std::make_shared<PaneOptions>();
    CLI::App* requestCommand = app.add_subcommand("request", "Print the request document a pane would send");
    AddPaneOptions(requestCommand, *request);
    requestCommand->callback([request] { Reporting([&] { PrintRequest(*request); }); });

    CLI::App* panesCommand = app.add_subcommand("panes", "List the panes, each with an example command line");
    panesCommand->callback([] { Reporting([] { PrintPanes(std::cout); }); });
}

}  // namespace simplelinks
