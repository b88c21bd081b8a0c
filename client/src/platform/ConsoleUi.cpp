#include "platform/ConsoleUi.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <optional>

#include "platform/MessageBoxButtons.h"
#include "platform/dialog/DialogText.h"
#include "automation/Text.h"

namespace platform {
namespace {
constexpr int kIconMask = 0x70;

std::string IconLabel(int flags) {
    switch (flags & kIconMask) {
        case 16: return "[error] ";
        case 32: return "[question] ";
        case 48: return "[warning] ";
        case 64: return "[information] ";
    }
    return "";
}

// Message texts break lines with CR LF; the terminal wants LF alone.
std::string TerminalLines(const std::string& text) {
    std::string lines;
    for (char c : text)
        if (c != '\r') lines += c;
    return lines;
}

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Trimmed(const std::string& text) { return automation::Trimmed(text, " \t\r\n"); }

// A reply names a button by its caption, its first letter or its position (1-based).
std::optional<int> ButtonNamed(const std::string& reply, const std::vector<int>& answers) {
    for (size_t i = 0; i < answers.size(); ++i) {
        std::string caption = Folded(MessageBoxButtons::Caption(answers[i]));
        if (reply == caption || reply == caption.substr(0, 1) || reply == std::to_string(i + 1)) return answers[i];
    }
    return std::nullopt;
}
}  // namespace

ConsoleUi::ConsoleUi() : in_(std::cin), out_(std::cerr), interactive_(isatty(STDIN_FILENO) != 0) {}

ConsoleUi::ConsoleUi(std::istream& in, std::ostream& out) : in_(in), out_(out), interactive_(true) {}

int ConsoleUi::MsgBox(const std::string& text, int flags, const std::string& title) {
    std::lock_guard lock(mutex_);
    Show(text, flags, title);
    int answer = interactive_ ? ReadAnswer(flags) : MessageBoxButtons(flags).DefaultAnswer();
    out_ << "-> " << MessageBoxButtons::Caption(answer) << "\n";
    out_.flush();
    return answer;
}

void ConsoleUi::ShowDialog(Dialog& dialog, bool modal) {
    DialogRecord record = PlayDialog(dialog, modal);
    std::lock_guard lock(mutex_);
    out_ << "\n" << RenderDialogRecord(record);
    out_.flush();
}

void ConsoleUi::Show(const std::string& text, int flags, const std::string& title) const {
    out_ << "\n== " << IconLabel(flags) << title << " ==\n" << TerminalLines(text) << "\n";
}

int ConsoleUi::ReadAnswer(int flags) const {
    MessageBoxButtons buttons(flags);
    const auto& answers = buttons.Answers();
    if (answers.size() == 1) return answers.front();
    for (;;) {
        out_ << "[";
        for (size_t i = 0; i < answers.size(); ++i)
            out_ << (i ? " / " : "") << MessageBoxButtons::Caption(answers[i]);
        out_ << "] (Enter: " << MessageBoxButtons::Caption(buttons.DefaultAnswer()) << ")? ";
        out_.flush();
        std::string line;
        if (!std::getline(in_, line)) return buttons.DefaultAnswer();
        std::string reply = Folded(Trimmed(line));
        if (reply.empty()) return buttons.DefaultAnswer();
        if (auto answer = ButtonNamed(reply, answers)) return *answer;
    }
}

void ConsoleUi::SetMousePointer(int value) {
    std::lock_guard lock(mutex_);
    mousePointer_ = value;
}

int ConsoleUi::MousePointer() const {
    std::lock_guard lock(mutex_);
    return mousePointer_;
}

}  // namespace platform
