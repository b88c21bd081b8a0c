#pragma once
// The "checkin" subcommand: gives a file taken for editing back to the server through the file
// component: the copy in the edit folder (or the file --from names) becomes the file's content.
#include <CLI/CLI.hpp>

namespace simplelinks {

void AddCheckInCommand(CLI::App& app);

}  // namespace simplelinks
