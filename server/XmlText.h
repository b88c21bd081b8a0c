#pragma once
// The text of the server's documents: escaping of text placed into answers (element text and
// attribute values keep every character exactly; line breaks and tabs in attributes are written as
// character references), and the characters an XML document may hold at all: UTF-8 sequences of
// the characters XML 1.0 allows (tab, line feed, carriage return, U+0020 to U+D7FF, U+E000 to
// U+FFFD, U+10000 to U+10FFFF).
#include <string>
#include <string_view>

namespace server {

void AppendEscaped(std::string& out, std::string_view text);
std::string Escaped(std::string_view text);

// The offset of the first byte that does not begin a well-formed UTF-8 sequence of an allowed
// character; npos when there is none.
size_t FirstBadCharacter(std::string_view text);
// The text with every such byte sequence replaced by U+FFFD (the replacement character).
std::string WithBadCharactersReplaced(std::string_view text);

}  // namespace server
