#pragma once
// The tour of the sample that "simplelinks demo" gives: an item's documents, its where-used, a
// document's files with a selection, an engineering order's items.
#include <ostream>

namespace simplelinks {

void RunTour(std::ostream& out);

}  // namespace simplelinks
