#pragma once
// Plain numbers ("-1234.5": the way a number reads back as text) in the user's display form, read
// and written in one pass under separators checked once, for a caller that shows many of them.
#include <optional>
#include <string>
#include <string_view>

namespace noxsimplelinks {

class PlainNumberDisplay {
public:
    PlainNumberDisplay(std::string decimal, std::string thousands);

    // Appends the text's display form (its digits grouped with the thousands separator, the decimal
    // separator for the point); false, with `out` as it was, for a text that is not plain or under
    // separators that could be mistaken for a digit, a sign or each other.
    bool Append(std::string& out, std::string_view text) const;

    // The power of ten of a plain number's first significant digit; nullopt when the text is not plain:
    // a "-" at most, digits without a leading zero (or a lone "0"), a point followed by digits without
    // a trailing zero, at most 15 significant digits, at most three zeros after "0." and at most 15
    // decimals.
    static std::optional<int> PlainExponent(std::string_view text);

private:
    std::string decimal_, thousands_;
    bool keepsDigits_;
};

}  // namespace noxsimplelinks
