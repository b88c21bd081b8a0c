#pragma once
// The reading behind XmlStream::Read, made for each handler type so that the handler's calls are
// inlined into the scanning loops.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/XmlEscape.h"

namespace platform::xmlstream {

// Raises the automation error "<subject> cannot be read: XML error at offset N: <what>".
[[noreturn]] void RaiseXmlError(int32_t number, std::string_view subject, std::ptrdiff_t offset, const std::string& what);

using StopTable = std::array<bool, 256>;

// Characters that end the plain run of an attribute value between the given quotes (and the '\0'
// after the text).
constexpr StopTable StopsFor(char quote) {
    StopTable table{};
    for (char c : {quote, '&', '<', '\t', '\n', '\r', '\0'}) table[static_cast<unsigned char>(c)] = true;
    return table;
}

inline constexpr StopTable kDoubleQuoted = StopsFor('"');
inline constexpr StopTable kSingleQuoted = StopsFor('\'');

// Characters that end a name.
inline constexpr StopTable kNameStops = [] {
    StopTable table{};
    for (char c : {' ', '\t', '\n', '\r', '/', '>', '=', '<', '\0'}) table[static_cast<unsigned char>(c)] = true;
    return table;
}();
inline constexpr size_t kLongestReference = 12;

// White space, looked up rather than compared: it is tested around every attribute.
inline constexpr StopTable kSpaces = [] {
    StopTable table{};
    for (char c : {' ', '\t', '\n', '\r'}) table[static_cast<unsigned char>(c)] = true;
    return table;
}();

inline bool IsSpace(char c) { return kSpaces[static_cast<unsigned char>(c)]; }

// Whether a and b (equally long, at least one Word) hold the same bytes, compared a Word at a
// time, the last Word overlapping the one before it.
template <class Word>
bool SameWords(const char* a, const char* b, size_t size) {
    Word x, y;
    for (size_t at = 0; at + sizeof(Word) < size; at += sizeof(Word)) {
        std::memcpy(&x, a + at, sizeof(Word));
        std::memcpy(&y, b + at, sizeof(Word));
        if (x != y) return false;
    }
    std::memcpy(&x, a + size - sizeof(Word), sizeof(Word));
    std::memcpy(&y, b + size - sizeof(Word), sizeof(Word));
    return x == y;
}

// Whether the `size` bytes at a and b are the same, compared a word at a time without a library call
// (names are short and compared often).
inline bool SameBytes(const char* a, const char* b, size_t size) {
    if (size >= 8) return SameWords<uint64_t>(a, b, size);
    if (size >= 4) return SameWords<uint32_t>(a, b, size);
    for (size_t i = 0; i < size; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The first character from p on that the table stops at, four at a time; a stop ends every text.
inline const char* ScanTo(const char* p, const StopTable& stops) {
    while (true) {
        if (stops[static_cast<unsigned char>(p[0])]) return p;
        if (stops[static_cast<unsigned char>(p[1])]) return p + 1;
        if (stops[static_cast<unsigned char>(p[2])]) return p + 2;
        if (stops[static_cast<unsigned char>(p[3])]) return p + 3;
        p += 4;
    }
}

// One read of one buffer, reporting to the handler as it goes.
template <class Handler>
class XmlStreamReader {
public:
    XmlStreamReader(std::string_view text, Handler& handler, std::string& decoded, int32_t errorNumber,
                    std::string_view subject)
        : begin_(text.data()), p_(text.data()), end_(text.data() + text.size()), handler_(handler), decoded_(decoded),
          errorNumber_(errorNumber), subject_(subject) {}

    void Run() {
        if (Starts("\xEF\xBB\xBF")) p_ += 3;
        while (true) {
            const char* lt = static_cast<const char*>(std::memchr(p_, '<', static_cast<size_t>(end_ - p_)));
            if (open_.empty()) RequireSpaceUntil(lt ? lt : end_);
            if (!lt) break;
            p_ = lt + 1;
            if (p_ >= end_) Fail("unexpected end of the text");
            if (Starts("!--")) {
                SkipPast("-->", "unterminated comment");
            } else if (Starts("![CDATA[")) {
                if (open_.empty()) Fail("CDATA outside the document element");
                SkipPast("]]>", "unterminated CDATA section");
            } else if (Starts("!DOCTYPE")) {
                SkipDoctype();
            } else if (*p_ == '?') {
                SkipPast("?>", "unterminated processing instruction");
            } else if (*p_ == '/') {
                EndTag();
            } else {
                StartTag();
            }
        }
        if (!open_.empty()) Fail("the element " + std::string(open_.back()) + " is not closed");
        if (!rootSeen_) Fail("no document element");
    }

private:
    [[noreturn]] void Fail(const std::string& what) { RaiseXmlError(errorNumber_, subject_, p_ - begin_, what); }

    bool Starts(std::string_view s) const {
        return static_cast<size_t>(end_ - p_) >= s.size() && std::memcmp(p_, s.data(), s.size()) == 0;
    }

    void RequireSpaceUntil(const char* stop) {
        for (; p_ < stop; ++p_)
            if (!IsSpace(*p_)) Fail("text is not allowed outside the document element");
    }

    void SkipSpace() {
        while (p_ < end_ && IsSpace(*p_)) ++p_;
    }

    void Expect(char c) {
        if (p_ >= end_ || *p_ != c) Fail(std::string("'") + c + "' expected");
        ++p_;
    }

    void SkipPast(std::string_view terminator, const char* what) {
        std::string_view rest(p_, static_cast<size_t>(end_ - p_));
        size_t at = rest.find(terminator);
        if (at == std::string_view::npos) Fail(what);
        p_ += at + terminator.size();
    }

    void SkipDoctype() {
        if (rootSeen_) Fail("a document type after the document element");
        for (int brackets = 0; p_ < end_; ++p_) {
            if (*p_ == '[') ++brackets;
            if (*p_ == ']') --brackets;
            if (*p_ == '>' && brackets == 0) {
                ++p_;
                return;
            }
        }
        Fail("unterminated document type");
    }

    // The scanning loops work on local pointers, which the compiler keeps in registers.
    std::string_view Name() {
        const char* start = p_;
        const char* p = ScanTo(p_, kNameStops);
        if (p > end_) p = end_;
        p_ = p;
        if (p == start) Fail("a name expected");
        return {start, static_cast<size_t>(p - start)};
    }

    void EndTag() {
        ++p_;
        std::string_view name = Name();
        SkipSpace();
        Expect('>');
        if (open_.empty() || open_.back() != name) Fail("start-end tags mismatch");
        open_.pop_back();
        handler_.EndElement(name, static_cast<int>(open_.size()));
    }

    void StartTag() {
        if (open_.empty() && rootSeen_) Fail("only one top level element is allowed");
        rootSeen_ = true;
        std::string_view name = Name();
        int depth = static_cast<int>(open_.size());
        handler_.StartElement(name, depth);
        while (true) {
            bool spaced = p_ < end_ && IsSpace(*p_);
            SkipSpace();
            if (p_ >= end_) Fail("unterminated start tag");
            if (*p_ == '/') {
                ++p_;
                Expect('>');
                handler_.EndElement(name, depth);
                return;
            }
            if (*p_ == '>') {
                ++p_;
                open_.push_back(name);
                return;
            }
            if (!spaced) Fail("white space expected before an attribute");
            if (TakeExpectedName()) {
                handler_.ExpectedAttribute(AfterName());
                continue;
            }
            std::string_view attribute = Name();
            handler_.Attribute(attribute, AfterName());
        }
    }

    // Steps over the attribute's name when it is the one the handler expects next (a handler with
    // NextAttribute), compared at once instead of scanned.
    bool TakeExpectedName() {
        if constexpr (requires { handler_.NextAttribute(); }) {
            const std::string_view expected = handler_.NextAttribute();
            const size_t size = expected.size();
            // The '\0' after the text stops a name, so p_[size] may be read when the name fits.
            if (size == 0 || static_cast<size_t>(end_ - p_) < size || !kNameStops[static_cast<unsigned char>(p_[size])] ||
                !SameBytes(p_, expected.data(), size))
                return false;
            p_ += size;
            return true;
        } else {
            return false;
        }
    }

    // The value after an attribute's name: "=" and the quoted value, with white space around "=".
    [[gnu::always_inline]] std::string_view AfterName() {
        if (*p_ == '=') {  // as a rule; the '\0' after the text is read at its end
            ++p_;
        } else {
            SkipSpace();
            Expect('=');
        }
        SkipSpace();
        if (p_ >= end_ || (*p_ != '"' && *p_ != '\'')) Fail("a quoted attribute value expected");
        return Value();
    }

    // The value up to its closing quote: the text itself when nothing in it needs decoding, as a rule.
    [[gnu::always_inline]] std::string_view Value() {
        const char quote = *p_++;
        const StopTable& stops = quote == '"' ? kDoubleQuoted : kSingleQuoted;
        const char* value = p_;
        const char* p = ScanTo(value, stops);
        if (p < end_ && *p == quote) {
            p_ = p + 1;
            return {value, static_cast<size_t>(p - value)};
        }
        return DecodedValue(quote, stops);
    }

    // A value with references or white space to normalise, decoded onto the end of `decoded_`.
    [[gnu::noinline]] std::string_view DecodedValue(char quote, const StopTable& stops) {
        const size_t start = decoded_.size();
        while (true) {
            const char* run = p_;
            const char* p = ScanTo(run, stops);
            p_ = p;
            decoded_.append(run, static_cast<size_t>(p - run));
            if (p >= end_) Fail("unterminated attribute value");
            const char c = *p;
            if (c == '\0') Fail("a null character in an attribute value");
            if (c == quote) {
                p_ = p + 1;
                return std::string_view(decoded_).substr(start);
            }
            if (c == '<') Fail("'<' in an attribute value");
            if (c == '&') {
                Reference();
                continue;
            }
            if (c == '\r' && p + 1 < end_ && p[1] == '\n') ++p_;
            decoded_ += ' ';
            ++p_;
        }
    }

    void Reference() {
        size_t room = std::min(kLongestReference, static_cast<size_t>(end_ - p_));
        const char* semi = static_cast<const char*>(std::memchr(p_, ';', room));
        char decoded[4];
        size_t length = semi ? DecodeReference(std::string_view(p_ + 1, static_cast<size_t>(semi - p_ - 1)), decoded) : 0;
        if (length == 0) Fail("an undefined or malformed reference");
        decoded_.append(decoded, length);
        p_ = semi + 1;
    }

    const char* begin_;
    const char* p_;
    const char* end_;
    Handler& handler_;
    std::string& decoded_;
    int32_t errorNumber_;
    std::string_view subject_;
    std::vector<std::string_view> open_;
    bool rootSeen_ = false;
};

}  // namespace platform::xmlstream
