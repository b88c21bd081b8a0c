#include "components/noxres/Placeholders.h"

#include <cctype>

namespace components {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& parameters) {
    std::string filled;
    filled.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c != '%' || pos == text.size()) {
            filled += c;
        } else if (text[pos] == '%') {
            filled += '%';
            ++pos;
        } else if (IsDigit(text[pos])) {
            size_t number = 0;
            for (; pos < text.size() && IsDigit(text[pos]); ++pos) number = number * 10 + (text[pos] - '0');
            if (number >= 1 && number <= parameters.size()) filled += parameters[number - 1];
        } else {
            filled += c;
        }
    }
    return filled;
}

}  // namespace components
