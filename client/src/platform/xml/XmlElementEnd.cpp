#include "platform/xml/XmlElementEnd.h"

namespace platform {
namespace {

constexpr size_t kNone = std::string_view::npos;

// Markup that is not a tag, with the text that closes it.
struct Skipped {
    std::string_view opening, closing;
};
constexpr Skipped kSkipped[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};

// The markup that is not a tag beginning at `at`, or null.
const Skipped* SkippedAt(std::string_view text, size_t at) {
    for (const Skipped& s : kSkipped)
        if (text.substr(at, s.opening.size()) == s.opening) return &s;
    return nullptr;
}

size_t SkippedEnd(std::string_view text, size_t at, const Skipped& skipped) {
    size_t close = text.find(skipped.closing, at + skipped.opening.size());
    return close == kNone ? kNone : close + skipped.closing.size();
}

}  // namespace

size_t XmlTagEnd(std::string_view text, size_t start) {
    char quote = 0;
    for (size_t i = start + 1; i < text.size(); ++i) {
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

size_t XmlElementEnd(std::string_view text, size_t start) {
    int depth = 0;
    for (size_t at = text.find('<', start); at != kNone; at = text.find('<', at)) {
        if (const Skipped* skipped = SkippedAt(text, at)) {
            at = SkippedEnd(text, at, *skipped);
            if (at == kNone) return kNone;
            continue;
        }
        size_t end = XmlTagEnd(text, at);
        if (end == kNone) return kNone;
        if (text[at + 1] == '/') --depth;
        else if (text[end - 2] != '/') ++depth;
        if (depth == 0) return end;
        at = end;
    }
    return kNone;
}

size_t XmlNodeEnd(std::string_view text, size_t start) {
    if (start >= text.size()) return kNone;
    if (text[start] != '<') {
        size_t next = text.find('<', start);
        return next == kNone ? text.size() : next;
    }
    if (const Skipped* skipped = SkippedAt(text, start)) return SkippedEnd(text, start, *skipped);
    return XmlElementEnd(text, start);
}

}  // namespace platform
