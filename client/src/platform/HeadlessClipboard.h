#pragma once
// The clipboard without a system behind it: the text lives in the process. Registered formats are
// numbered from 0xC000 up, in the order their names are first registered, for the whole process
// (every headless clipboard agrees).
#include <mutex>

#include "platform/Clipboard.h"

namespace platform {

class HeadlessClipboard : public Clipboard {
public:
    static constexpr int32_t kFirstRegisteredFormat = 0xC000;

    std::string GetText() override;
    void SetText(const std::string& text) override;
    void Clear() override;
    int32_t RegisterFormat(const std::string& name) override;

private:
    std::mutex mutex_;
    std::string text_;
};

}  // namespace platform
