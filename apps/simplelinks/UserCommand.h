#pragma once
// The "user" subcommand: the users of a server's store (add, passwd, remove, list).
#include <CLI/CLI.hpp>

namespace simplelinks {

void AddUserCommand(CLI::App& app);

}  // namespace simplelinks
