#pragma once
// The clipboard a control puts text on: its plain text, clearing it, and format names registered
// for the process, each with an identifier that stays the same while the process runs. The installed
// clipboard is process-wide: the headless one until a host installs another (a desktop host, the
// system's).
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The plain-text format's number.
inline constexpr int32_t kClipboardText = 1;

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The plain text on the clipboard; "" when it holds none.
    virtual std::string GetText() = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Clear() = 0;
    // The identifier of a format name (names compare ignoring case); the same name always gets the
    // same identifier in one process.
    virtual int32_t RegisterFormat(const std::string& name) = 0;
};

// Installing answers the clipboard installed before.
Clipboard& Clip();
std::shared_ptr<Clipboard> InstallClipboard(std::shared_ptr<Clipboard> clipboard);

}  // namespace platform
