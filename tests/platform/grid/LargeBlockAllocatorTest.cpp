#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/grid/LargeBlockAllocator.h"

using platform::LargeBlockAllocator;

TEST(LargeBlockAllocator, ContentsMoveBetweenTheHeapAndAMappingOfItsOwn) {
    std::vector<std::string, LargeBlockAllocator<std::string>> texts(16, "a text longer than fifteen characters");
    texts.reserve(platform::large_block::kThreshold / sizeof(std::string) + 1);  // mapped
    texts.push_back("last");
    EXPECT_EQ(texts.front(), "a text longer than fifteen characters");
    texts.shrink_to_fit();  // back to the heap
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts[15], texts[0]);
    EXPECT_EQ(texts.back(), "last");
}
