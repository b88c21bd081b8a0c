#pragma once
// The command line's clipboard: its text is kept in the user's profile (the temp folder's
// "clipboard.txt"), so that what one command picks the next one pastes. Format names are registered
// for the process, as on the headless clipboard.
#include "platform/HeadlessClipboard.h"

namespace simplelinks {

class ProfileClipboard : public platform::Clipboard {
public:
    std::string GetText() override;
    void SetText(const std::string& text) override;
    void Clear() override;
    int32_t RegisterFormat(const std::string& name) override { return formats_.RegisterFormat(name); }

    // The file the text is kept in.
    static std::string FilePath();

private:
    platform::HeadlessClipboard formats_;
};

}  // namespace simplelinks
