#include "platform/xml/XmlEscape.h"

#include <charconv>
#include <cstdint>

namespace platform {
namespace {

size_t EncodeUtf8(uint32_t code, char* out) {
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | (code >> 6));
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (code >> 12));
        out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (code >> 18));
    out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (code & 0x3F));
    return 4;
}

}  // namespace

size_t DecodeReference(std::string_view body, char* out) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (auto [name, ch] : kNamed) {
        if (body == name) {
            out[0] = ch;
            return 1;
        }
    }
    if (body.size() < 2 || body[0] != '#') return 0;
    bool hex = body[1] == 'x' || body[1] == 'X';
    std::string_view digits = body.substr(hex ? 2 : 1);
    uint32_t code = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return 0;
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return EncodeUtf8(code, out);
}

std::string EscapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '"': entity = "&quot;"; break;
            case '\'': entity = "&apos;"; break;
            case '\r': entity = "&#13;"; break;  // a reader would turn a bare carriage return into a line feed
            default: continue;
        }
        out.append(text, plain, i - plain);
        out += entity;
        plain = i + 1;
    }
    out.append(text, plain);
    return out;
}

std::string UnescapeXml(std::string_view text) {
    constexpr size_t kLongestReference = 10;  // "#x10FFFF" and its delimiters
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) break;
        out.append(text, i, amp - i);
        size_t semi = text.find(';', amp + 1);
        char decoded[4];
        size_t length = semi != std::string_view::npos && semi - amp <= kLongestReference
                            ? DecodeReference(text.substr(amp + 1, semi - amp - 1), decoded)
                            : 0;
        if (length > 0) {
            out.append(decoded, length);
            i = semi + 1;
        } else {
            out += '&';
            i = amp + 1;
        }
    }
    out.append(text, std::min(i, text.size()));
    return out;
}

}  // namespace platform
