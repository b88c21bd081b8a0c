// Base64 both ways: the standard vectors, bytes of every value, and texts that are not base64.
#include <gtest/gtest.h>

#include "base64/Base64.h"

namespace {

TEST(Base64, EncodesTheStandardVectorsAndDecodesThemBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(base64::Encode(bytes), text);
        EXPECT_EQ(base64::Decode(text), bytes) << text;
    }
    std::string every;
    for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
    EXPECT_EQ(base64::Decode(base64::Encode(every)), every);
    EXPECT_EQ(base64::Decode(" Zm9v\nYmFy\r\n"), "foobar") << "white space between the characters is skipped";
}

TEST(Base64, RefusesTextsThatAreNotBase64) {
    for (const char* text : {"Zm9v!", "Z", "Zg=", "Zg===", "Zg==Zg==", "=Zg="}) EXPECT_EQ(base64::Decode(text), std::nullopt) << text;
}

}  // namespace
