#include "platform/xml/XmlElementEnd.h"

namespace platform {
namespace {

constexpr size_t kNone = std::string_view::npos;

// Markup that is not a tag, with the text that closes it.
struct Skipped {
    std::string_view opening, closing;
};
constexpr Skipped kSkipped[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};

// The offset just past the '>' closing the tag that begins at `at`, outside quoted values.
size_t TagEnd(std::string_view text, size_t at) {
    char quote = 0;
    for (size_t i = at + 1; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return kNone;
}

}  // namespace

size_t XmlElementEnd(std::string_view text, size_t start) {
    int depth = 0;
    for (size_t at = text.find('<', start); at != kNone; at = text.find('<', at)) {
        bool skipped = false;
        for (const Skipped& s : kSkipped) {
            if (text.substr(at, s.opening.size()) != s.opening) continue;
            size_t close = text.find(s.closing, at + s.opening.size());
            if (close == kNone) return kNone;
            at = close + s.closing.size();
            skipped = true;
            break;
        }
        if (skipped) continue;
        size_t end = TagEnd(text, at);
        if (end == kNone) return kNone;
        if (text[at + 1] == '/') --depth;
        else if (text[end - 2] != '/') ++depth;
        if (depth == 0) return end;
        at = end;
    }
    return kNone;
}

}  // namespace platform
