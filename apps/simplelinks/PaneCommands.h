#pragma once
// The subcommands that show panes: "show" (load a pane for a parent and print it), "request"
// (print the request the pane would send) and "panes" (the panes of the panes file, each with an
// example command line).
#include <CLI/CLI.hpp>

namespace simplelinks {

void AddPaneCommands(CLI::App& app);

}  // namespace simplelinks
