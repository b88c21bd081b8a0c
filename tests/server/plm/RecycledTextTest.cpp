// The room of a large answer's text goes to the next text taken on the same thread, empty.
#include <gtest/gtest.h>

#include <thread>

#include "AnswerWriter.h"
#include "RecycledText.h"

namespace {

using server::RecycledText;

TEST(RecycledText, TheLargestRoomGivenBackComesBackEmptyOnItsThreadOnly) {
    RecycledText::Take();  // whatever the tests before left
    std::string large(1 << 20, 'x');
    const char* room = large.data();
    RecycledText::GiveBack(std::move(large));
    RecycledText::GiveBack(std::string(100000, 'y'));  // smaller than the room kept: not kept
    RecycledText::GiveBack(std::string(10, 'z'));      // small texts are not kept
    std::thread([] { EXPECT_LT(RecycledText::Take().capacity(), size_t{1} << 20); }).join();

    std::string taken = RecycledText::Take();
    EXPECT_TRUE(taken.empty());
    EXPECT_EQ(taken.data(), room);
    EXPECT_LT(RecycledText::Take().capacity(), size_t{1} << 20);  // taken once
}

TEST(RecycledText, AnAnswerWrittenAfterALargerOneHoldsNothingOfIt) {
    {
        server::AnswerWriter first;
        first.AddMethodResponse("Q", "OK", {}, std::string(200000, 'a'));
        first.Finish("OK", {});
    }
    std::string rows = RecycledText::Take();
    EXPECT_GE(rows.capacity(), 200000u);
    rows += "<xml/>";
    server::AnswerWriter second;
    second.AddMethodResponse("Q", "OK", {}, std::move(rows));
    EXPECT_EQ(second.Finish("OK", {}),
              "<Answer ResultCode=\"OK\"><MethodResponses><MethodResponse Name=\"Q\" ResultCode=\"OK\"><Result><xml/>"
              "</Result></MethodResponse></MethodResponses></Answer>");
}

}  // namespace
