#pragma once
// The user-interface services on the desktop: message boxes as Qt message boxes (icon, buttons, the
// default button, title), dialog models as Qt dialogs (a modal showing waits in its own event loop),
// the mouse pointer as the application's cursor (the hourglass as the wait cursor).
#include "platform/UserInterface.h"

namespace desktop {

class DesktopUi : public platform::UserInterface {
public:
    int MsgBox(const std::string& text, int flags, const std::string& title) override;
    void ShowDialog(platform::Dialog& dialog, bool modal) override;
    void SetMousePointer(int value) override;
    int MousePointer() const override { return mousePointer_; }

private:
    int mousePointer_ = 0;
    bool cursorOverridden_ = false;
};

}  // namespace desktop
