#pragma once
// Bytes as base64 text (the standard alphabet, with "=" padding) and back: how file contents travel
// inside request and answer documents.
#include <optional>
#include <string>
#include <string_view>

namespace base64 {

std::string Encode(std::string_view bytes);
// The bytes of the text; white space is skipped. Nullopt when the text is not base64.
std::optional<std::string> Decode(std::string_view text);

}  // namespace base64
