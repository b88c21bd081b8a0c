#include "platform/MessageBoxButtons.h"

#include <algorithm>

#include "platform/UserInterface.h"

namespace platform {
namespace {
const std::vector<int>& ButtonSet(int set) {
    static const std::vector<std::vector<int>> sets = {{kAnswerOk},
                                                       {kAnswerOk, kAnswerCancel},
                                                       {kAnswerAbort, kAnswerRetry, kAnswerIgnore},
                                                       {kAnswerYes, kAnswerNo, kAnswerCancel},
                                                       {kAnswerYes, kAnswerNo},
                                                       {kAnswerRetry, kAnswerCancel}};
    return sets[set < static_cast<int>(sets.size()) ? set : 0];
}
}  // namespace

MessageBoxButtons::MessageBoxButtons(int flags) : answers_(ButtonSet(flags & 0x7)) {
    size_t which = static_cast<size_t>((flags & 0x300) >> 8);
    if (which > 2) which = 0;
    defaultAnswer_ = answers_[std::min(which, answers_.size() - 1)];
}

std::string MessageBoxButtons::Caption(int answer) {
    switch (answer) {
        case kAnswerOk: return "OK";
        case kAnswerCancel: return "Cancel";
        case kAnswerAbort: return "Abort";
        case kAnswerRetry: return "Retry";
        case kAnswerIgnore: return "Ignore";
        case kAnswerYes: return "Yes";
        case kAnswerNo: return "No";
    }
    return std::to_string(answer);
}

}  // namespace platform
