#pragma once
// Installs the reference server as the embedded server of the communication component, so that
// requests sent with the embedded transport are answered in-process.
#include <string>

namespace server {

// Opens the store at `location` (a SQLite file or a PostgreSQL URL; DefaultStorePath() when
// empty), filling a new one from the sample data set, and registers it; returns the location used.
// Raises std::runtime_error when the store or the definitions cannot be opened.
std::string InstallEmbeddedServer(const std::string& location = {});
void UninstallEmbeddedServer();

}  // namespace server
