#pragma once
// Escaping of text placed into the server's answers: element text and attribute values keep every
// character exactly (line breaks and tabs in attributes are written as character references).
#include <string>
#include <string_view>

namespace server {

void AppendEscaped(std::string& out, std::string_view text);
std::string Escaped(std::string_view text);

}  // namespace server
