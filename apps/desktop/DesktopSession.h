#pragma once
// What the desktop host sets up for the process while its window lives: every layer registered,
// the desktop's user-interface services and the system clipboard installed, and the server: the
// embedded reference server unless a served one is named (and answers) or the connection file names one.
#include <memory>
#include <string>

namespace platform {
class Clipboard;
class UserInterface;
}  // namespace platform

namespace desktop {

class DesktopSession {
public:
    // Raises std::runtime_error when the server named cannot be reached or the embedded one cannot open its store.
    explicit DesktopSession(const std::string& server);
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

private:
    std::shared_ptr<platform::UserInterface> previousUi_;
    std::shared_ptr<platform::Clipboard> previousClipboard_;
    bool embedded_ = false;
};

}  // namespace desktop
