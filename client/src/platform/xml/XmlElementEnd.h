#pragma once
// Where an element or another node of a well-formed document ends, found by scanning its text: for
// cutting nodes out of a document that was read before, without writing them anew.
#include <cstddef>
#include <string_view>

namespace platform {

// The offset just past the end of the element whose start tag begins at `start` (its '<'); quoted
// attribute values, comments, CDATA sections and processing instructions are stepped over.
// std::string_view::npos when the text ends first.
size_t XmlElementEnd(std::string_view text, size_t start);
// The offset just past the '>' closing the tag that begins at `start`, outside quoted values.
size_t XmlTagEnd(std::string_view text, size_t start);
// The offset just past the node that begins at `start`: an element, a comment, a CDATA section, a
// processing instruction or declaration, or character data (which ends at the next '<').
size_t XmlNodeEnd(std::string_view text, size_t start);

}  // namespace platform
