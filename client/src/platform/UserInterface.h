#pragma once
// The user-interface services a control needs from its platform: message boxes and the screen's
// mouse pointer. The installed implementation is process-wide; tests and the command-line host
// install their own.
#include <memory>
#include <string>

namespace platform {

// The application's name: the title of the boxes the product shows without one of their own.
inline constexpr const char* kApplicationName = "noxsimplelinks";

// The classic message-box answers.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerAbort = 3;
inline constexpr int kAnswerRetry = 4;
inline constexpr int kAnswerIgnore = 5;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // flags: the classic button set (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel,
    // 4 Yes/No, 5 Retry/Cancel) + icon (16, 32, 48, 64) + default button (0, 256, 512).
    virtual int MsgBox(const std::string& text, int flags, const std::string& title) = 0;
    virtual void SetMousePointer(int value) = 0;
    virtual int MousePointer() const = 0;
};

// The installed services; the headless ones until something else is installed.
UserInterface& Ui();
void InstallUi(std::shared_ptr<UserInterface> ui);

}  // namespace platform
