#include "platform/Clipboard.h"

#include <map>
#include <utility>

#include "automation/Dispatch.h"
#include "platform/HeadlessClipboard.h"

namespace platform {

namespace {

std::mutex installedMutex;
std::shared_ptr<Clipboard>& Installed() {
    static std::shared_ptr<Clipboard> clipboard = std::make_shared<HeadlessClipboard>();
    return clipboard;
}

}  // namespace

Clipboard& Clip() {
    std::lock_guard lock(installedMutex);
    return *Installed();
}

std::shared_ptr<Clipboard> InstallClipboard(std::shared_ptr<Clipboard> clipboard) {
    std::lock_guard lock(installedMutex);
    return std::exchange(Installed(), std::move(clipboard));
}

std::string HeadlessClipboard::GetText() {
    std::lock_guard lock(mutex_);
    return text_;
}

void HeadlessClipboard::SetText(const std::string& text) {
    std::lock_guard lock(mutex_);
    text_ = text;
}

void HeadlessClipboard::Clear() {
    std::lock_guard lock(mutex_);
    text_.clear();
}

int32_t HeadlessClipboard::RegisterFormat(const std::string& name) {
    static std::mutex formatsMutex;
    static std::map<std::string, int32_t> formats;
    std::lock_guard lock(formatsMutex);
    auto [entry, added] = formats.try_emplace(automation::FoldName(name), 0);
    if (added) entry->second = kFirstRegisteredFormat + static_cast<int32_t>(formats.size()) - 1;
    return entry->second;
}

}  // namespace platform
