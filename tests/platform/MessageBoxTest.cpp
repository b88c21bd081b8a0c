#include <gtest/gtest.h>

#include <sstream>

#include "platform/ConsoleUi.h"
#include "platform/HeadlessUi.h"
#include "platform/MessageBoxButtons.h"

using namespace platform;

namespace {

struct DefaultCase {
    int flags;
    int answer;
};

TEST(MessageBox, DefaultAnswerPerButtonSetAndDefaultButton) {
    const DefaultCase cases[] = {
        {0, kAnswerOk},          {0 + 256, kAnswerOk},       {1, kAnswerOk},          {1 + 256, kAnswerCancel},
        {1 + 512, kAnswerCancel}, {2, kAnswerAbort},         {2 + 256, kAnswerRetry}, {2 + 512, kAnswerIgnore},
        {3, kAnswerYes},         {3 + 256, kAnswerNo},       {3 + 512, kAnswerCancel}, {4 + 32, kAnswerYes},
        {4 + 256 + 32, kAnswerNo}, {4 + 512, kAnswerNo},     {5, kAnswerRetry},       {5 + 256, kAnswerCancel},
        {6, kAnswerOk},          {3 + 768, kAnswerYes},      {16 + 48, kAnswerOk},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeadlessUi::DefaultAnswer(c.flags), c.answer) << "flags " << c.flags;
        EXPECT_EQ(MessageBoxButtons(c.flags).DefaultAnswer(), c.answer) << "flags " << c.flags;
    }
}

TEST(MessageBox, HeadlessUiAnswersFromItsScriptThenWithTheDefault) {
    HeadlessUi ui;
    ui.Answer({kAnswerNo});
    EXPECT_EQ(ui.MsgBox("first", 4, "T"), kAnswerNo);
    EXPECT_EQ(ui.MsgBox("second", 4 + 256, "T"), kAnswerNo);
    EXPECT_EQ(ui.MsgBox("third", 4, "T"), kAnswerYes);
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_EQ(ui.Messages()[1].text, "second");
}

// Runs one console box on the given input; returns the answer and leaves the output in `shown`.
int AskOnConsole(const std::string& input, int flags, std::string& shown) {
    std::istringstream in(input);
    std::ostringstream out;
    ConsoleUi ui(in, out);
    int answer = ui.MsgBox("Delete the link?\r\nIt cannot be undone.", flags, "Links");
    shown = out.str();
    return answer;
}

struct ConsoleCase {
    std::string input;
    int flags;
    int answer;
};

TEST(MessageBox, ConsoleReadsTheAnswerByCaptionLetterOrPosition) {
    const ConsoleCase cases[] = {
        {"n\n", 4, kAnswerNo},          {"YES\n", 4, kAnswerYes},         {"2\n", 3, kAnswerNo},
        {"cancel\n", 3, kAnswerCancel}, {"  i \n", 2, kAnswerIgnore},     {"\n", 4 + 256, kAnswerNo},
        {"", 1 + 256, kAnswerCancel},   {"maybe\nr\n", 5, kAnswerRetry},  {"what\n", 4, kAnswerYes},
        {"", 0, kAnswerOk},             {"n\n", 0, kAnswerOk},
    };
    for (const auto& c : cases) {
        std::string shown;
        EXPECT_EQ(AskOnConsole(c.input, c.flags, shown), c.answer) << "input '" << c.input << "' flags " << c.flags;
    }
}

TEST(MessageBox, ConsoleShowsTitleTextAndButtonsWithPlainLineBreaks) {
    std::string shown;
    AskOnConsole("y\n", 4 + 32, shown);
    EXPECT_NE(shown.find("Links"), std::string::npos);
    EXPECT_NE(shown.find("Delete the link?\nIt cannot be undone."), std::string::npos);
    EXPECT_NE(shown.find("[Yes / No]"), std::string::npos);
    EXPECT_EQ(shown.find('\r'), std::string::npos);
}

}  // namespace
