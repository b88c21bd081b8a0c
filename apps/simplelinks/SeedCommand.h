#pragma once
// The "seed" subcommand: creates a server store from the sample data set or the generator.
#include <CLI/CLI.hpp>

namespace simplelinks {

void AddSeedCommand(CLI::App& app);

}  // namespace simplelinks
