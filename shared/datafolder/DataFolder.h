#pragma once
// Where the program's shipped data is (the all-users profile, the resources, the server's sample and
// definitions): found from the installation the running code was loaded from, so that an installed
// program never depends on the tree it was built from.
#include <string>

namespace datafolder {

// The folder NOX_DATA_DIR names; else share/noxsimplelinks of the installation that holds this code,
// seen from the shared library's folder or the program's (the build folder has one that points to
// the sources' data/). Raises std::runtime_error when there is none.
std::string DataFolder();

}  // namespace datafolder
