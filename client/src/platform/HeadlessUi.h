#pragma once
// User-interface services without a screen: every message box is recorded with its text, flags and
// title and answered from a script of answers, or with the box's default button when the script is
// empty; every dialog is played to its script (UserInterface::ScriptDialog) and recorded.
#include <deque>
#include <mutex>
#include <vector>

#include "platform/UserInterface.h"

namespace platform {

struct RecordedMessage {
    std::string text;
    int flags = 0;
    std::string title;
};

class HeadlessUi : public UserInterface {
public:
    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    void ShowDialog(Dialog& dialog, bool modal) override;
    void SetMousePointer(int value) override;
    int MousePointer() const override;

    std::vector<RecordedMessage> Messages() const;
    std::vector<DialogRecord> Dialogs() const;
    // The answers the next boxes give, in order.
    void Answer(std::vector<int> answers);
    // Forgets messages, dialogs, answers and dialog scripts, and restores the default pointer.
    void Reset();
    // The answer a box gives when nobody scripted one: its default button.
    static int DefaultAnswer(int flags);

private:
    mutable std::mutex mutex_;
    std::vector<RecordedMessage> messages_;
    std::vector<DialogRecord> dialogs_;
    std::deque<int> answers_;
    int mousePointer_ = 0;
};

}  // namespace platform
