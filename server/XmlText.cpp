#include "XmlText.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace server {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The reference each byte that answers escape is written as; null for the others.
constexpr std::array<const char*, 256> kEntities = [] {
    std::array<const char*, 256> entities{};
    entities['&'] = "&amp;";
    entities['<'] = "&lt;";
    entities['>'] = "&gt;";
    entities['"'] = "&quot;";
    entities['\''] = "&apos;";
    entities['\n'] = "&#10;";
    entities['\r'] = "&#13;";
    entities['\t'] = "&#9;";
    return entities;
}();

bool AllowedCharacter(char32_t c) {
    if (c < 0x20) return c == 0x9 || c == 0xA || c == 0xD;
    return c <= 0xD7FF || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The length of the allowed character at `at`; 0 when the bytes there are not one.
size_t CharacterLength(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return AllowedCharacter(lead) ? 1 : 0;
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
    char32_t c = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};  // no overlong forms
    return c >= kShortest[length] && AllowedCharacter(c) ? length : 0;
}

// Whether the eight bytes are all printable ASCII (0x20 to 0x7F): none has its high bit set, and
// none is below 0x20, which sets the high bit of its difference. (The borrow such a byte passes on
// may mark a neighbour too; that only sends the eight to the byte-wise check.)
bool PrintableAscii(const char* bytes) {
    constexpr uint64_t kOnes = 0x0101010101010101ULL, kHighBits = 0x8080808080808080ULL;
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return ((word | (word - 0x20 * kOnes)) & kHighBits) == 0;
}

}  // namespace

void AppendEscaped(std::string& out, std::string_view text) {
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char* entity = kEntities[static_cast<unsigned char>(text[i])];
        if (!entity) continue;
        out.append(text.data() + plain, i - plain);
        out += entity;
        plain = i + 1;
    }
    out.append(text.data() + plain, text.size() - plain);
}

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text);
    return out;
}

size_t FirstBadCharacter(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        if (at + 8 <= text.size() && PrintableAscii(text.data() + at)) {  // the common case, eight at a time
            at += 8;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (c >= 0x20 && c < 0x80) {
            ++at;
            continue;
        }
        size_t length = CharacterLength(text, at);
        if (length == 0) return at;
        at += length;
    }
    return std::string_view::npos;
}

std::string WithBadCharactersReplaced(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        size_t bad = FirstBadCharacter(text.substr(at));
        out.append(text.substr(at, bad));
        if (bad == std::string_view::npos) break;
        out += kReplacement;
        at += bad + 1;
    }
    return out;
}

}  // namespace server
