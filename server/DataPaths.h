#pragma once
// Where the server finds its files: the shipped data folder (datafolder::DataFolder),
// the object definitions, the rights file and the sample data set in it, and the default store of the embedded
// server (NOX_SERVER_DB, else $XDG_CACHE_HOME or ~/.cache, then noxsimplelinks/plm-sample-<digest>.db,
// the digest of the sample data set and the definitions, so that a changed sample makes a new store).
#include <string>

namespace server {

std::string DataDirectory();
std::string DefinitionsFile();
// The rights file of the all-users profile: the rights a served server checks unless told otherwise.
std::string RightsFile();
std::string SampleFile();
std::string DefaultStorePath();

}  // namespace server
