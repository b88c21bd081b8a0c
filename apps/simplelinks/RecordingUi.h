#pragma once
// User-interface services for a command run from the command line: message boxes answered from the
// answers given on it, in order (then by each box's default button), dialogs played to their scripts,
// and each box and dialog told as it is shown.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace simplelinks {

class RecordingUi : public platform::UserInterface {
public:
    using Tell = std::function<void(const std::string& what)>;

    RecordingUi(std::vector<int> answers, Tell tell) : answers_(answers.begin(), answers.end()), tell_(std::move(tell)) {}

    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    void ShowDialog(platform::Dialog& dialog, bool modal) override;
    void SetMousePointer(int value) override { mousePointer_ = value; }
    int MousePointer() const override { return mousePointer_; }

private:
    std::deque<int> answers_;
    Tell tell_;
    int mousePointer_ = 0;
};

// "yes", "no", "ok", "cancel", "abort", "retry", "ignore" (in any case) as a message-box answer; any
// other word raises std::runtime_error.
int AnswerNamed(const std::string& word);

}  // namespace simplelinks
