#include "platform/xml/XmlEscape.h"

#include <charconv>
#include <cstdint>

namespace platform {
namespace {

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character a reference body ("amp", "#60", "#x3C") stands for, written to out; false when the
// body is not a reference.
bool AppendReference(std::string& out, std::string_view body) {
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (auto [name, ch] : kNamed) {
        if (body == name) {
            out += ch;
            return true;
        }
    }
    if (body.size() < 2 || body[0] != '#') return false;
    bool hex = body[1] == 'x' || body[1] == 'X';
    std::string_view digits = body.substr(hex ? 2 : 1);
    uint32_t code = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return false;
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    AppendUtf8(out, code);
    return true;
}

}  // namespace

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
        if (semi != std::string_view::npos && semi - amp <= kLongestReference &&
            AppendReference(out, text.substr(amp + 1, semi - amp - 1))) {
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
