#pragma once
// User-interface services on the terminal: a message box prints its title, text and buttons and
// reads the answer from the input; without a terminal, or at the end of the input, the box gives its
// default button, and a box with OK alone does not wait. A dialog is played to its script (or left by
// its cancel button) and printed as a box when shown and when closed. The mouse pointer is only
// remembered.
#include <iosfwd>
#include <mutex>

#include "platform/UserInterface.h"

namespace platform {

class ConsoleUi : public UserInterface {
public:
    // Asks on the process's terminal (boxes on standard error, answers from standard input); when
    // standard input is not a terminal every box gives its default button without reading.
    ConsoleUi();
    // Asks on the given streams.
    ConsoleUi(std::istream& in, std::ostream& out);

    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    void ShowDialog(Dialog& dialog, bool modal) override;
    void SetMousePointer(int value) override;
    int MousePointer() const override;

private:
    void Show(const std::string& text, int flags, const std::string& title) const;
    int ReadAnswer(int flags) const;

    mutable std::mutex mutex_;
    std::istream& in_;
    std::ostream& out_;
    bool interactive_;
    int mousePointer_ = 0;
};

}  // namespace platform
