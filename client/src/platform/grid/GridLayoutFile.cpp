#include "platform/grid/GridLayoutFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>

#include "automation/AutomationError.h"
#include "automation/VariantText.h"
#include "platform/grid/ControlErrors.h"

namespace platform {

using automation::AutomationError;
using automation::Variant;
using automation::VarType;

namespace {

constexpr const char* kMagic = "NOX-GRID-LAYOUT";
constexpr const char* kVersion = "1";
constexpr int32_t kPathFileAccessError = 75;
const char* const kContentNames[] = {"all", "data", "format"};

std::string Escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += ch;
        }
    }
    return out;
}

// The first tab in [p, end), or end; eight bytes at a time (a byte of the word that equals the tab
// becomes zero, and the lowest zero byte sets the lowest high bit of the test).
char* FindTab(char* p, char* const end) {
    constexpr uint64_t kOnes = 0x0101010101010101ull, kHighBits = 0x8080808080808080ull, kTabs = kOnes * '\t';
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        word ^= kTabs;
        if (const uint64_t zero = (word - kOnes) & ~word & kHighBits) return p + std::countr_zero(zero) / 8;
    }
    while (p != end && *p != '\t') ++p;
    return p;
}

// Decodes the field's escapes where it stands (the text only shrinks) and returns what it holds.
std::string_view UnescapeInPlace(char* field, size_t size) {
    char* out = static_cast<char*>(std::memchr(field, '\\', size));
    if (!out) return {field, size};
    for (const char* in = out; in < field + size; ++in) {
        if (*in != '\\' || in + 1 == field + size) {
            *out++ = *in;
            continue;
        }
        char next = *++in;
        *out++ = next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return {field, static_cast<size_t>(out - field)};
}

// A whole number written as plain digits (the way values are written), read at once; nullopt for any
// other text, which goes through a value's conversion.
template <class Whole>
std::optional<Variant> PlainWhole(std::string_view text) {
    Whole value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return Variant(value);
}

// A value as its type letter, a colon and its text; what has no text form (objects, arrays) is Empty.
std::string EncodeValue(const Variant& value) {
    switch (value.Type()) {
        case VarType::Null: return "N:";
        case VarType::Boolean: return value.ToBool() ? "B:True" : "B:False";
        case VarType::Integer: return "I:" + value.ToString();
        case VarType::Long: return "L:" + value.ToString();
        case VarType::Single: return "F:" + value.ToString();
        case VarType::Double: return "D:" + automation::FormatNumber(value.ToDouble(), 17);
        case VarType::Date: return "T:" + automation::FormatNumber(value.ToDate().serial, 17);
        case VarType::String: return "S:" + value.ToString();
        default: return "E:";
    }
}

class Reader {
public:
    explicit Reader(const std::string& path) : path_(path) {}

    // The whole file's text, read at once; its lines are split and decoded where they stand.
    GridLayout Read(std::string text) {
        std::string_view rest = text;
        if (text.empty() || Fields(text.data(), NextLine(rest)) != 2 || fields_[0] != kMagic || fields_[1] != kVersion)
            Fail("the first line is not \"" + std::string(kMagic) + "<tab>" + kVersion + "\"");
        while (!rest.empty()) {
            ++lineNumber_;
            char* line = text.data() + (rest.data() - text.data());
            if (Fields(line, NextLine(rest)) > 0) Record(fields_);
        }
        if (!sized_) Fail("no SIZE record");
        return std::move(layout_);
    }

private:
    using FieldViews = std::vector<std::string_view>;

    // The size of the first line of `rest` (without its '\n'), which is taken off `rest`.
    static size_t NextLine(std::string_view& rest) {
        size_t size = std::min(rest.find('\n'), rest.size());
        rest.remove_prefix(std::min(size + 1, rest.size()));
        return size;
    }

    // Splits the line of `size` characters (without a final '\r') at its tabs into fields_, decoding
    // escapes in place; a line without a backslash, the usual one, is not looked at for them. None for
    // an empty line.
    size_t Fields(char* line, size_t size) {
        fields_.clear();
        if (size > 0 && line[size - 1] == '\r') --size;
        if (size == 0) return 0;
        const bool escaped = std::memchr(line, '\\', size) != nullptr;
        char* const end = line + size;
        for (char* start = line;;) {
            char* const tab = FindTab(start, end);
            const size_t length = static_cast<size_t>(tab - start);
            fields_.push_back(escaped ? UnescapeInPlace(start, length) : std::string_view(start, length));
            if (tab == end) return fields_.size();
            start = tab + 1;
        }
    }

    void Record(const FieldViews& f) {
        const std::string_view kind = f[0];
        if (kind == "CONTENT") return Content(f);
        if (kind == "SIZE") return Size(f);
        if (kind != "LOOK" && kind != "COLUMN" && kind != "ROW") return;  // records of later versions
        if (!sized_) Fail(std::string(kind) + " before SIZE");
        if (kind == "LOOK") return Look(f);
        if (kind == "COLUMN") return Column(f);
        RowCells(f);
    }

    void Content(const FieldViews& f) {
        Expect(f, 3);
        if (contentSeen_) Fail("a second CONTENT record");
        int32_t content = -1;
        for (int32_t i = 0; i < 3; ++i)
            if (f[1] == kContentNames[i]) content = i;
        if (content < 0) Fail("unknown content \"" + std::string(f[1]) + "\"");
        layout_.hasFormat = content != kGridFileData;
        layout_.hasData = content != kGridFileFormat;
        layout_.fixedCells = Number(f[2], 1) == 1;
        contentSeen_ = true;
    }

    void Size(const FieldViews& f) {
        Expect(f, 5);
        if (!contentSeen_) Fail("SIZE before CONTENT");
        if (sized_) Fail("a second SIZE record");
        layout_.rows = Number(f[1], kMaxCount);
        layout_.cols = Number(f[2], kMaxCount);
        layout_.fixedRows = Number(f[3], layout_.rows);
        layout_.fixedCols = Number(f[4], layout_.cols);
        layout_.columns.assign(static_cast<size_t>(layout_.cols), GridColumn{});
        if (layout_.hasData) layout_.cells.Resize(layout_.rows, layout_.cols);
        sized_ = true;
    }

    void Look(const FieldViews& f) {
        Expect(f, 3);
        layout_.look.emplace_back(f[1], Value(f[2]));
    }

    void Column(const FieldViews& f) {
        Expect(f, 10);
        GridColumn& column = layout_.columns[static_cast<size_t>(Number(f[1], layout_.cols - 1))];
        column.key = f[2];
        column.width = Number(f[3], kMaxCount);
        column.hidden = Number(f[4], 1) == 1;
        column.sort = Number(f[5], 9);
        column.dataType = Number(f[6], kMaxCount);
        column.alignment = Number(f[7], kAlignGeneral);
        column.format = f[8];
        column.data = Value(f[9]);
    }

    void RowCells(const FieldViews& f) {
        if (!layout_.hasData) Fail("ROW in a file without data");
        if (f.size() < 2 || f.size() - 2 > static_cast<size_t>(layout_.cols)) Fail("ROW with more cells than columns");
        int32_t row = Number(f[1], layout_.rows - 1);
        for (size_t c = 2; c < f.size(); ++c) layout_.cells.At(row, static_cast<int32_t>(c - 2)) = f[c];
    }

    Variant Value(std::string_view text) {
        if (text.size() < 2 || text[1] != ':') Fail("value \"" + std::string(text) + "\" has no type letter");
        std::string body(text.substr(2));
        try {
            switch (text[0]) {
                case 'E': return Variant();
                case 'N': return Variant::Null();
                case 'B': return Variant(Variant(body).ToBool());
                case 'I':
                    if (auto whole = PlainWhole<int16_t>(body)) return *whole;
                    return Variant(Variant(body).ToInteger());
                case 'L':
                    if (auto whole = PlainWhole<int32_t>(body)) return *whole;
                    return Variant(Variant(body).ToLong());
                case 'F': return Variant(Variant(body).ToSingle());
                case 'D': return Variant(Variant(body).ToDouble());
                case 'T': return Variant(automation::Date{Variant(body).ToDouble()});
                case 'S': return Variant(body);
            }
        } catch (const AutomationError&) {
            Fail("value \"" + std::string(text) + "\" does not read as its type");
        }
        Fail("value \"" + std::string(text) + "\" has an unknown type letter");
    }

    // A whole number from 0 to `high`, written as plain digits (at most kMaxCount's eight).
    int32_t Number(std::string_view text, int32_t high) {
        int32_t value = 0;
        bool plain = !text.empty() && text.size() <= 8;
        for (size_t i = 0; plain && i < text.size(); ++i) {
            plain = text[i] >= '0' && text[i] <= '9';
            value = value * 10 + (text[i] - '0');
        }
        if (!plain || value > high) NotANumber(text, high);
        return value;
    }

    void Expect(const FieldViews& f, size_t count) {
        if (f.size() != count) WrongFieldCount(f, count);
    }

    // The failures of the checks above, out of their way: building the message would make every
    // check, passed or not, set up room for it.
    [[noreturn, gnu::cold, gnu::noinline]] void NotANumber(std::string_view text, int32_t high) const {
        Fail("\"" + std::string(text) + "\" is not a number from 0 to " + std::to_string(high));
    }
    [[noreturn, gnu::cold, gnu::noinline]] void WrongFieldCount(const FieldViews& f, size_t count) const {
        Fail(std::string(f[0]) + " has " + std::to_string(f.size()) + " fields, not " + std::to_string(count));
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw AutomationError(kInvalidFileFormat, "Invalid grid layout file " + path_ + ", line " +
                                                      std::to_string(lineNumber_) + ": " + what);
    }

    static constexpr int32_t kMaxCount = 10'000'000;
    std::string path_;
    GridLayout layout_;
    bool contentSeen_ = false;
    bool sized_ = false;
    int lineNumber_ = 1;
    FieldViews fields_;  // the current record's, pointing into the text
};

void WriteRecords(std::ostream& out, const GridLayout& layout) {
    int32_t content = layout.hasFormat ? (layout.hasData ? kGridFileAll : kGridFileFormat) : kGridFileData;
    out << kMagic << '\t' << kVersion << '\n';
    out << "CONTENT\t" << kContentNames[content] << '\t' << (layout.fixedCells ? 1 : 0) << '\n';
    out << "SIZE\t" << layout.rows << '\t' << layout.cols << '\t' << layout.fixedRows << '\t' << layout.fixedCols << '\n';
    for (const auto& [name, value] : layout.look) out << "LOOK\t" << Escape(name) << '\t' << Escape(EncodeValue(value)) << '\n';
    for (size_t c = 0; c < layout.columns.size(); ++c) {
        const GridColumn& col = layout.columns[c];
        out << "COLUMN\t" << c << '\t' << Escape(col.key) << '\t' << col.width << '\t' << (col.hidden ? 1 : 0) << '\t'
            << col.sort << '\t' << col.dataType << '\t' << col.alignment << '\t' << Escape(col.format) << '\t'
            << Escape(EncodeValue(col.data)) << '\n';
    }
    if (!layout.hasData) return;
    for (int32_t r = layout.fixedCells ? 0 : layout.fixedRows; r < layout.rows; ++r) {
        out << "ROW\t" << r;
        for (int32_t c = 0; c < layout.cols; ++c)
            out << '\t' << (layout.fixedCells || c >= layout.fixedCols ? Escape(layout.cells.At(r, c)) : std::string());
        out << '\n';
    }
}

}  // namespace

void WriteGridLayout(const std::string& path, const GridLayout& layout) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) WriteRecords(out, layout);
    if (!out || !out.flush())
        throw AutomationError(kPathFileAccessError, "Cannot write the grid layout file " + path);
}

GridLayout ReadGridLayout(const std::string& path) {
    // Read with the system's calls: a stream's set-up costs a cached layout a tenth of its time.
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) throw AutomationError(automation::errors::kFileNotFound, "Grid layout file not found: " + path);
    std::string text;
    char buffer[8192];
    // As a stream would, a read that fails ends the text (a folder reads as an empty file). A read
    // shorter than asked for is the end of a regular file, so a layout needs no read that finds nothing.
    for (ssize_t got;;) {
        got = ::read(file, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        text.append(buffer, static_cast<size_t>(got));
        if (static_cast<size_t>(got) < sizeof buffer) break;
    }
    ::close(file);
    return Reader(path).Read(std::move(text));
}

}  // namespace platform
