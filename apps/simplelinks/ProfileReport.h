#pragma once
// Prints where the client keeps its files: the user's profile and every logical directory, and the
// application name from the resources.
#include <ostream>

namespace simplelinks {

void PrintProfile(std::ostream& out);

}  // namespace simplelinks
