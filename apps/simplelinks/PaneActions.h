#pragma once
// What "show" does to a loaded pane beyond selecting rows, as a person or a host would, in this
// order: clicks, right clicks (on a row or the header), keys, column moves, header sorts, tool clicks,
// then one public command of the control run by name (with text arguments), then the paste of the
// clipboard's objects as new links, then the export of the grid. A CommandRecorder tells what
// happened; the pane is printed again afterwards, once a refresh a command started has its answer.
#include <ostream>
#include <string>
#include <vector>

#include "CommandRecorder.h"
#include "PaneHost.h"

namespace simplelinks {

struct PaneActions {
    std::vector<int> clicks;                         // data rows, 1-based
    std::vector<std::string> rightClicks;            // a data row, or "header:" + column
    std::vector<std::string> keys;                   // "ctrl+a", "a", "shift+ctrl+a"
    std::vector<std::string> moveColumn;             // column, then the position to drag it to
    std::vector<std::string> sorts;                  // columns whose header is clicked
    std::vector<std::string> tools;                  // tool IDs clicked
    std::vector<std::string> run;                    // the command, then its arguments
    bool paste = false;                              // links the clipboard's objects to the parent
    std::string exportFile;                          // .csv or .xlsx
    RecorderScript script;

    bool Any() const;
};

// Raises std::runtime_error with a one-line text for a row, column, key or command that does not exist.
void PerformActions(PaneHost& host, const PaneActions& actions, std::ostream& out);

}  // namespace simplelinks
