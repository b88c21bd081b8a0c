#include "platform/HeadlessUi.h"

#include "platform/MessageBoxButtons.h"

namespace platform {

int HeadlessUi::DefaultAnswer(int flags) { return MessageBoxButtons(flags).DefaultAnswer(); }

int HeadlessUi::MsgBox(const std::string& text, int flags, const std::string& title) {
    std::lock_guard lock(mutex_);
    messages_.push_back({text, flags, title});
    if (answers_.empty()) return DefaultAnswer(flags);
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void HeadlessUi::ShowDialog(Dialog& dialog, bool modal) {
    // Played outside the lock: the dialog's owner may show message boxes from its handlers.
    DialogRecord record = PlayDialog(dialog, modal);
    std::lock_guard lock(mutex_);
    dialogs_.push_back(std::move(record));
}

void HeadlessUi::SetMousePointer(int value) {
    std::lock_guard lock(mutex_);
    mousePointer_ = value;
}

int HeadlessUi::MousePointer() const {
    std::lock_guard lock(mutex_);
    return mousePointer_;
}

std::vector<RecordedMessage> HeadlessUi::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<DialogRecord> HeadlessUi::Dialogs() const {
    std::lock_guard lock(mutex_);
    return dialogs_;
}

void HeadlessUi::Answer(std::vector<int> answers) {
    std::lock_guard lock(mutex_);
    answers_.assign(answers.begin(), answers.end());
}

void HeadlessUi::Reset() {
    std::lock_guard lock(mutex_);
    messages_.clear();
    dialogs_.clear();
    answers_.clear();
    ForgetDialogScripts();
    mousePointer_ = 0;
}

}  // namespace platform
