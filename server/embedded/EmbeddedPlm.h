#pragma once
// Installs the reference server as the embedded server of the communication component, so that
// requests sent with the embedded transport are answered in-process.
#include <string>

namespace server {

// Opens the store at `databasePath` (DefaultStorePath() when empty), creating it from the sample
// data set when the file does not exist, and registers it; returns the path used. Raises
// std::runtime_error when the store or the definitions cannot be opened.
std::string InstallEmbeddedServer(const std::string& databasePath = {});
void UninstallEmbeddedServer();

}  // namespace server
