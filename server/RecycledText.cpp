#include "RecycledText.h"

#include <utility>

namespace server {
namespace {

constexpr size_t kLeastKept = 64 * 1024;          // smaller texts come from the allocator's free lists
constexpr size_t kMostKept = 256 * 1024 * 1024;   // beyond this, the memory goes back to the system

std::string& Kept() {
    thread_local std::string kept;
    return kept;
}

}  // namespace

std::string RecycledText::Take() {
    std::string text = std::exchange(Kept(), std::string());
    text.clear();
    return text;
}

void RecycledText::GiveBack(std::string text) {
    if (text.capacity() < kLeastKept || text.capacity() > kMostKept || text.capacity() <= Kept().capacity()) return;
    Kept() = std::move(text);
}

}  // namespace server
