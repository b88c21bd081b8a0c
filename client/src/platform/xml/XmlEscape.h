#pragma once
// Escaping of text for XML character data and for attribute values between either kind of quote,
// and its inverse.
#include <string>
#include <string_view>

namespace platform {

// Replaces & < > " ' by their predefined entities and a carriage return by "&#13;" (which a reader
// keeps, where it turns a bare one into a line feed); nothing else changes.
std::string EscapeXml(std::string_view text);
// Turns the predefined entities and numeric character references back into characters; anything
// that is not a well-formed reference stays as it is.
std::string UnescapeXml(std::string_view text);
// The character a reference body ("amp", "#60", "#x3C") stands for, written as UTF-8 to `out`
// (room for 4 bytes); its length, or 0 when the body is not a reference.
size_t DecodeReference(std::string_view body, char* out);

}  // namespace platform
