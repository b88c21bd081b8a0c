// The text conversions of the runtime (what CStr writes and CDbl, CDate, CBool, CInt and CLng
// accept). Any text converts or raises Type mismatch or Overflow; a number or a date read from text
// and written again reads back as itself; the first eight bytes taken as a double are written with
// fifteen digits and read back within that precision (or as an overflow, for the largest numbers,
// whose fifteen digits round beyond the range).
#include <cmath>
#include <cstring>

#include "FuzzTarget.h"
#include "automation/AutomationError.h"
#include "automation/VariantText.h"

namespace {

using automation::Variant;

template <class F>
void Converts(const char* what, F&& conversion) {
    try {
        conversion();
    } catch (const automation::AutomationError& e) {
        const int32_t n = e.Number();
        NOX_FUZZ_REQUIRE(n == automation::errors::kTypeMismatch || n == automation::errors::kOverflow,
                         std::string(what) + " raised " + std::to_string(n));
    }
}

void NumberReadsBack(double value) {
    if (!std::isfinite(value)) return;
    const std::string written = automation::FormatNumber(value, 15);
    const auto read = automation::ParseNumber(written);
    NOX_FUZZ_REQUIRE(read.has_value(), "the text of a number reads as a number: " + written);
    if (std::isinf(*read)) {  // fifteen digits round the largest numbers beyond the range: an overflow
        NOX_FUZZ_REQUIRE(std::fabs(value) >= 1.797693134862315e308, written + " overflows");
        return;
    }
    NOX_FUZZ_REQUIRE(std::fabs(*read - value) <= std::fabs(value) * 1e-14, written + " reads back as its number");
    NOX_FUZZ_REQUIRE(automation::FormatNumber(*read, 15) == written, written + " written again");
}

void DateReadsBack(automation::Date date) {
    const std::string written = automation::FormatDate(date);
    const auto read = automation::ParseDate(written);
    NOX_FUZZ_REQUIRE(read.has_value(), "the text of a date reads as a date: " + written);
    NOX_FUZZ_REQUIRE(automation::FormatDate(*read) == written, written + " written again");
}

}  // namespace

NOX_FUZZ_TARGET(variant_text) {
    const Variant text{std::string(input)};
    Converts("CDbl", [&] { text.ToDouble(); });
    Converts("CSng", [&] { text.ToSingle(); });
    Converts("CInt", [&] { text.ToInteger(); });
    Converts("CLng", [&] { text.ToLong(); });
    Converts("CBool", [&] { text.ToBool(); });
    Converts("CDate", [&] { DateReadsBack(text.ToDate()); });
    if (auto number = automation::ParseNumber(input)) NumberReadsBack(*number);
    if (auto date = automation::ParseDate(input)) DateReadsBack(*date);
    if (input.size() >= sizeof(double)) {
        double value;
        std::memcpy(&value, input.data(), sizeof value);
        NumberReadsBack(value);
        if (value >= -657434.0 && value < 2958466.0) DateReadsBack(automation::Date{value});  // years 100 to 9999
    }
}
