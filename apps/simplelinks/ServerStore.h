#pragma once
// Opens the reference server's store for the serve and seed commands: the object definitions of
// the data folder (or a given file) and a store (a SQLite file or a PostgreSQL URL), filled from
// the sample when it is new and that is asked for.
#include <functional>
#include <memory>
#include <string>

#include "PlmServer.h"

namespace simplelinks {

struct StoreOptions {
    std::string database;  // a SQLite file or a PostgreSQL URL
    std::string definitions;  // empty: the data folder's
};

// The server over the store; a store without a schema gets one and, when `sampleWhenNew`, the
// sample data set.
std::unique_ptr<server::PlmServer> OpenServerStore(const StoreOptions& options, bool sampleWhenNew);

// Runs a command body; a failure is printed and ends the program with status 1.
void RunReporting(const std::function<void()>& body);

}  // namespace simplelinks
