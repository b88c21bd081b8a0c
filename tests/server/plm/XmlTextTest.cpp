// The text of answers: escaping, and the check for bytes an XML document may not hold, which reads
// eight bytes at a time while they are printable ASCII.
#include <gtest/gtest.h>

#include "XmlText.h"

namespace {

using server::Escaped;
using server::FirstBadCharacter;

TEST(XmlText, EscapesMarkupQuotesAndLineBreaks) {
    EXPECT_EQ(Escaped(""), "");
    EXPECT_EQ(Escaped("plain text, \xC3\xA9 too"), "plain text, \xC3\xA9 too");
    EXPECT_EQ(Escaped("a&b<c>d\"e'f\ng\rh\ti"), "a&amp;b&lt;c&gt;d&quot;e&apos;f&#10;g&#13;h&#9;i");
    EXPECT_EQ(Escaped("&&"), "&amp;&amp;");
}

// Each sequence placed at every offset of texts of printable ASCII, within an eight-byte block,
// across two and at the very end: the first bad byte is found where it stands, and allowed
// characters beyond ASCII pass.
TEST(XmlText, FindsTheFirstBadByteWhereverItStands) {
    struct Case {
        std::string sequence;
        bool bad;
    };
    const Case cases[] = {
        {"\x01", true},         {std::string(1, '\0'), true}, {"\x1F", true},      {"\x80", true},
        {"\xC3", true},         {"\xED\xA0\x80", true},       {"\xEF\xBF\xBE", true}, {"\xFF", true},
        {"\t", false},          {"\r\n", false},              {"\x7F", false},     {" ", false},
        {"\xC3\xA9", false},    {"\xF0\x9D\x84\x9E", false},
    };
    for (const Case& c : cases) {
        for (size_t length = 0; length <= 20; ++length) {
            for (size_t at = 0; at <= length; ++at) {
                std::string text = std::string(at, 'a') + c.sequence + std::string(length - at, 'z');
                EXPECT_EQ(FirstBadCharacter(text), c.bad ? at : std::string::npos)
                    << "sequence " << testing::PrintToString(c.sequence) << " at " << at << " of " << text.size();
            }
        }
    }
}

}  // namespace
