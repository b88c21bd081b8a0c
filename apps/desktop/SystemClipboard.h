#pragma once
// The clipboard of the desktop: plain text on the system clipboard; format names registered for
// the process as the headless clipboard numbers them.
#include "platform/HeadlessClipboard.h"

namespace desktop {

class SystemClipboard : public platform::Clipboard {
public:
    std::string GetText() override;
    void SetText(const std::string& text) override;
    void Clear() override;
    int32_t RegisterFormat(const std::string& name) override { return formats_.RegisterFormat(name); }

private:
    platform::HeadlessClipboard formats_;
};

}  // namespace desktop
