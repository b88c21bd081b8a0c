#pragma once
// The "login" subcommand: trades the password of the connection's user for a session of the served
// server, kept in the connection's token file for the commands and hosts after.
#include <CLI/CLI.hpp>

namespace simplelinks {

void AddLoginCommand(CLI::App& app);

}  // namespace simplelinks
