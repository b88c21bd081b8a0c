#pragma once
// The buttons of a classic message box, read from its flags: which answers it offers, their
// captions and which one is the default.
#include <string>
#include <vector>

namespace platform {

class MessageBoxButtons {
public:
    // flags: button set (low 3 bits; an unknown set counts as OK only) + default button (0, 256, 512;
    // anything else counts as the first).
    explicit MessageBoxButtons(int flags);

    // The answers in the order the buttons appear.
    const std::vector<int>& Answers() const { return answers_; }
    // The default button's answer; a default beyond the last button falls on the last.
    int DefaultAnswer() const { return defaultAnswer_; }
    // "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No".
    static std::string Caption(int answer);

private:
    std::vector<int> answers_;
    int defaultAnswer_;
};

}  // namespace platform
