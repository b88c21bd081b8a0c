#include "RecordingUi.h"

#include <stdexcept>

#include "automation/Text.h"
#include "platform/MessageBoxButtons.h"
#include "platform/dialog/DialogText.h"

namespace simplelinks {

namespace {

constexpr int kIconMask = 0x70;

}  // namespace

int AnswerNamed(const std::string& word) {
    const std::string folded = automation::Lower(word);
    for (int answer = platform::kAnswerOk; answer <= platform::kAnswerNo; ++answer)
        if (automation::Lower(platform::MessageBoxButtons::Caption(answer)) == folded) return answer;
    throw std::runtime_error("--answer takes yes, no, ok, cancel, abort, retry or ignore, not \"" + word + "\"");
}

int RecordingUi::MsgBox(const std::string& text, int flags, const std::string& title) {
    int answer = platform::MessageBoxButtons(flags).DefaultAnswer();
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    tell_("message box: icon " + std::to_string(flags & kIconMask) + ", title \"" + title + "\", text \"" + text +
          "\" -> " + platform::MessageBoxButtons::Caption(answer));
    return answer;
}

void RecordingUi::ShowDialog(platform::Dialog& dialog, bool modal) {
    tell_(platform::RenderDialogRecord(PlayDialog(dialog, modal)));
}

}  // namespace simplelinks
