#pragma once
// The user-interface services a control needs from its platform: message boxes, dialogs and the
// screen's mouse pointer. The installed implementation is process-wide; tests and the command-line
// host install their own. Dialogs may be scripted in advance by name, whatever shows them.
#include <memory>
#include <string>

#include "platform/dialog/DialogScript.h"

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
    // Shows a dialog model; a modal showing returns when the dialog is closed.
    virtual void ShowDialog(Dialog& dialog, bool modal) = 0;
    virtual void SetMousePointer(int value) = 0;
    virtual int MousePointer() const = 0;

    // What a person does in the next showing of the dialog of that name: each showing takes the next
    // script given for its name.
    void ScriptDialog(const std::string& dialogName, DialogScript script) { scripts_.Add(dialogName, std::move(script)); }

protected:
    // Shows the dialog to its script, for services without a screen of their own.
    DialogRecord PlayDialog(Dialog& dialog, bool modal) { return scripts_.Next(dialog.Name()).Play(dialog, modal); }
    void ForgetDialogScripts() { scripts_.Clear(); }

private:
    DialogScripts scripts_;
};

// The installed services; the headless ones until something else is installed. Installing answers
// the services installed before.
UserInterface& Ui();
std::shared_ptr<UserInterface> InstallUi(std::shared_ptr<UserInterface> ui);

}  // namespace platform
