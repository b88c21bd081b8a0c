#include "platform/grid/GridText.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr int32_t kAlignRightFirst = 6, kAlignRightLast = 8;

// The text cut to at most `width` characters.
std::string Cut(const std::string& text, int32_t width) {
    if (TextLength(text) <= width) return text;
    std::string out;
    int32_t count = 0;
    for (char ch : text) {
        bool starts = (ch & 0xC0) != 0x80;
        if (starts && ++count > width - 1) break;
        out += ch;
    }
    return out + "~";
}

std::string Padded(const std::string& text, int32_t width, bool right) {
    std::string padding(static_cast<size_t>(std::max(0, width - TextLength(text))), ' ');
    return right ? padding + text : text + padding;
}

void TrimRight(std::string& line) { line.erase(line.find_last_not_of(' ') + 1); }

}  // namespace

std::string RenderText(const FlexGrid& grid, int32_t maxColumnWidth) {
    std::vector<int32_t> columns;
    for (int32_t c = 0; c < grid.Cols(); ++c)
        if (!grid.ColHidden(c)) columns.push_back(c);
    std::vector<int32_t> widths;
    for (int32_t c : columns) {
        int32_t width = 0;
        for (int32_t r = 0; r < grid.Rows(); ++r) width = std::max(width, TextLength(grid.TextMatrix(r, c)));
        widths.push_back(std::min(width, maxColumnWidth));
    }

    std::string out;
    for (int32_t r = 0; r < grid.Rows(); ++r) {
        std::string line = r >= grid.FixedRows() && grid.IsSelected(r) ? "* " : "  ";
        for (size_t i = 0; i < columns.size(); ++i) {
            int32_t alignment = grid.ColAlignment(columns[i]);
            bool right = alignment >= kAlignRightFirst && alignment <= kAlignRightLast;
            line += Padded(Cut(grid.TextMatrix(r, columns[i]), widths[i]), widths[i], right) + "  ";
        }
        TrimRight(line);
        out += line + "\n";
        if (r + 1 == grid.FixedRows()) {
            std::string rule = "  ";
            for (int32_t width : widths) rule += std::string(static_cast<size_t>(width), '-') + "  ";
            TrimRight(rule);
            out += rule + "\n";
        }
    }
    return out;
}

}  // namespace platform
