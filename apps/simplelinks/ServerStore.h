#pragma once
// Opens the reference server's store for the serve and seed commands: the object definitions of
// the data folder (or a given file) and a database file, created from the sample when asked.
#include <functional>
#include <memory>
#include <string>

#include "PlmServer.h"

namespace simplelinks {

struct StoreOptions {
    std::string database;
    std::string definitions;  // empty: the data folder's
};

// The server over the database; a file that does not exist yet is created and, when
// `sampleWhenNew`, filled from the sample data set.
std::unique_ptr<server::PlmServer> OpenServerStore(const StoreOptions& options, bool sampleWhenNew);

// Runs a command body; a failure is printed and ends the program with status 1.
void RunReporting(const std::function<void()>& body);

}  // namespace simplelinks
