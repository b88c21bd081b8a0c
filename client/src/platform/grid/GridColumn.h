#pragma once
// One column of the grid with everything that travels with it when it moves: key, width, data,
// visibility, sort setting, data type, format and alignment. Also the grid's measures in twips.
#include <cstdint>
#include <algorithm>
#include <string>
#include <string_view>

#include "automation/Variant.h"

namespace platform {

inline constexpr int32_t kDefaultColumnWidth = 960;  // twips
inline constexpr int32_t kRowHeight = 240;           // twips
inline constexpr int32_t kTwipsPerCharacter = 120;   // AutoSize: one character of text
inline constexpr int32_t kCellPadding = 120;         // AutoSize: margin added to the text

inline constexpr int32_t kAlignGeneral = 9;

// Length of a text in characters (UTF-8 code points), the unit that column widths are measured in.
inline int32_t TextLength(std::string_view text) {
    return static_cast<int32_t>(std::count_if(text.begin(), text.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}

struct GridColumn {
    std::string key;
    int32_t width = kDefaultColumnWidth;
    automation::Variant data;
    bool hidden = false;
    int32_t sort = 0;
    int32_t dataType = 0;
    std::string format;
    int32_t alignment = kAlignGeneral;
};

}  // namespace platform
