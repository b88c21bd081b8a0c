#pragma once
// Where an element of a well-formed document ends, found by scanning its text: for cutting one
// element out of a document that was read before, without writing it anew.
#include <cstddef>
#include <string_view>

namespace platform {

// The offset just past the end of the element whose start tag begins at `start` (its '<'); quoted
// attribute values, comments, CDATA sections and processing instructions are stepped over.
// std::string_view::npos when the text ends first.
size_t XmlElementEnd(std::string_view text, size_t start);

}  // namespace platform
