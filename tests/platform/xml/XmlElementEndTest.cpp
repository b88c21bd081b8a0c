#include <gtest/gtest.h>

#include <string>

#include "platform/xml/XmlElementEnd.h"

using platform::XmlElementEnd;

namespace {

// The element cut out from its start: where XmlElementEnd says it ends.
std::string Cut(const std::string& text, size_t start = 0) {
    size_t end = XmlElementEnd(text, start);
    return end == std::string::npos ? "<none>" : text.substr(start, end - start);
}

}  // namespace

TEST(XmlElementEnd, EndsWhereTheElementClosesWhateverItHolds) {
    EXPECT_EQ(Cut("<a/>tail"), "<a/>");
    EXPECT_EQ(Cut("<a x='1'>text</a></Result>"), "<a x='1'>text</a>");
    EXPECT_EQ(Cut("<a><a><a/></a></a><a/>"), "<a><a><a/></a></a>");
    // A '>' or "/>" inside a quoted value, markup inside comments, CDATA and instructions.
    EXPECT_EQ(Cut("<a x=\"1>2\" y='/>'><b/></a>!"), "<a x=\"1>2\" y='/>'><b/></a>");
    EXPECT_EQ(Cut("<a><!-- </a> --><![CDATA[</a>]]><?pi </a>?></a>!"), "<a><!-- </a> --><![CDATA[</a>]]><?pi </a>?></a>");
    EXPECT_EQ(Cut("<r><x>1</x></r>", 3), "<x>1</x>");
}

TEST(XmlElementEnd, TextThatEndsFirstHasNoEnd) {
    for (const char* text : {"<a><b/>", "<a x='1", "<a><!-- </a>", "<a><![CDATA[</a>", ""})
        EXPECT_EQ(Cut(text), "<none>") << text;
}
