#pragma once
// The "serve" subcommand: the reference PLM server over HTTP.
#include <CLI/CLI.hpp>

namespace simplelinks {

void AddServeCommand(CLI::App& app);

}  // namespace simplelinks
