#include "platform/grid/GridLayoutFile.h"

#include <charconv>
#include <fstream>
#include <sstream>

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
constexpr size_t kLongestRecord = 10;  // the fields of a COLUMN record

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

std::string Unescape(std::string_view field) {
    if (field.find('\\') == std::string_view::npos) return std::string(field);
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        char next = field[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
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

    GridLayout Read(std::istream& in) {
        std::string line;
        if (std::getline(in, line) && !line.empty() && line.back() == '\r') line.pop_back();
        if (!in || Fields(line) != std::vector<std::string>{kMagic, kVersion})
            Fail("the first line is not \"" + std::string(kMagic) + "<tab>" + kVersion + "\"");
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) Record(Fields(line));
        }
        if (!sized_) Fail("no SIZE record");
        return std::move(layout_);
    }

private:
    std::vector<std::string> Fields(const std::string& line) const {
        std::vector<std::string> fields;
        fields.reserve(kLongestRecord);
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(Unescape(std::string_view(line).substr(start, tab - start)));
        fields.push_back(Unescape(std::string_view(line).substr(start)));
        return fields;
    }

    void Record(const std::vector<std::string>& f) {
        const std::string& kind = f[0];
        if (kind == "CONTENT") return Content(f);
        if (kind == "SIZE") return Size(f);
        if (kind != "LOOK" && kind != "COLUMN" && kind != "ROW") return;  // records of later versions
        if (!sized_) Fail(kind + " before SIZE");
        if (kind == "LOOK") return Look(f);
        if (kind == "COLUMN") return Column(f);
        RowCells(f);
    }

    void Content(const std::vector<std::string>& f) {
        Expect(f, 3);
        int32_t content = -1;
        for (int32_t i = 0; i < 3; ++i)
            if (f[1] == kContentNames[i]) content = i;
        if (content < 0) Fail("unknown content \"" + f[1] + "\"");
        layout_.hasFormat = content != kGridFileData;
        layout_.hasData = content != kGridFileFormat;
        layout_.fixedCells = Number(f[2], 0, 1) == 1;
        contentSeen_ = true;
    }

    void Size(const std::vector<std::string>& f) {
        Expect(f, 5);
        if (!contentSeen_) Fail("SIZE before CONTENT");
        layout_.rows = Number(f[1], 0, kMaxCount);
        layout_.cols = Number(f[2], 0, kMaxCount);
        layout_.fixedRows = Number(f[3], 0, layout_.rows);
        layout_.fixedCols = Number(f[4], 0, layout_.cols);
        layout_.columns.assign(static_cast<size_t>(layout_.cols), GridColumn{});
        if (layout_.hasData) layout_.cells.Resize(layout_.rows, layout_.cols);
        sized_ = true;
    }

    void Look(const std::vector<std::string>& f) {
        Expect(f, 3);
        layout_.look.emplace_back(f[1], Value(f[2]));
    }

    void Column(const std::vector<std::string>& f) {
        Expect(f, 10);
        GridColumn& column = layout_.columns[static_cast<size_t>(Number(f[1], 0, layout_.cols - 1))];
        column.key = f[2];
        column.width = Number(f[3], 0, kMaxCount);
        column.hidden = Number(f[4], 0, 1) == 1;
        column.sort = Number(f[5], 0, 9);
        column.dataType = Number(f[6], 0, kMaxCount);
        column.alignment = Number(f[7], 0, kAlignGeneral);
        column.format = f[8];
        column.data = Value(f[9]);
    }

    void RowCells(const std::vector<std::string>& f) {
        if (!layout_.hasData) Fail("ROW in a file without data");
        if (f.size() < 2 || f.size() - 2 > static_cast<size_t>(layout_.cols)) Fail("ROW with more cells than columns");
        int32_t row = Number(f[1], 0, layout_.rows - 1);
        for (size_t c = 2; c < f.size(); ++c) layout_.cells.At(row, static_cast<int32_t>(c - 2)) = f[c];
    }

    Variant Value(const std::string& text) {
        if (text.size() < 2 || text[1] != ':') Fail("value \"" + text + "\" has no type letter");
        std::string body = text.substr(2);
        try {
            switch (text[0]) {
                case 'E': return Variant();
                case 'N': return Variant::Null();
                case 'B': return Variant(Variant(body).ToBool());
                case 'I': return Variant(Variant(body).ToInteger());
                case 'L': return Variant(Variant(body).ToLong());
                case 'F': return Variant(Variant(body).ToSingle());
                case 'D': return Variant(Variant(body).ToDouble());
                case 'T': return Variant(automation::Date{Variant(body).ToDouble()});
                case 'S': return Variant(body);
            }
        } catch (const AutomationError&) {
            Fail("value \"" + text + "\" does not read as its type");
        }
        Fail("value \"" + text + "\" has an unknown type letter");
    }

    int32_t Number(const std::string& text, int32_t low, int32_t high) {
        int32_t value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
            Fail("\"" + text + "\" is not a number from " + std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

    void Expect(const std::vector<std::string>& f, size_t count) {
        if (f.size() != count) Fail(f[0] + " has " + std::to_string(f.size()) + " fields, not " + std::to_string(count));
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
    std::ifstream in(path, std::ios::binary);
    if (!in) throw AutomationError(automation::errors::kFileNotFound, "Grid layout file not found: " + path);
    return Reader(path).Read(in);
}

}  // namespace platform
