#include "components/noxcomm2/AnswerEnvelope.h"

#include <cstring>

namespace components {
namespace {

constexpr size_t kNone = std::string_view::npos;
constexpr std::string_view kResultStart = "<Result>";
constexpr std::string_view kResultEnd = "</Result>";

}  // namespace

AnswerEnvelope::AnswerEnvelope(std::string_view answer, bool leaveOut) {
    size_t copied = 0;
    for (size_t at = leaveOut ? answer.find(kResultStart) : kNone; at != kNone; at = answer.find(kResultStart, at + 1)) {
        size_t from = at + kResultStart.size();
        auto content = Content(answer, from);
        if (!content) continue;
        auto [end, document] = *content;
        text_.append(answer.substr(copied, from - copied));
        cuts_.push_back(Cut{text_.size() - kResultStart.size(), text_.size(), document, end - from});
        copied = end;
        at = end;
    }
    text_.append(answer.substr(copied));
}

std::optional<std::pair<size_t, size_t>> AnswerEnvelope::Content(std::string_view answer, size_t from) {
    size_t document = answer.find_first_not_of(" \t\n\r", from);
    if (document == kNone || answer[document] != '<') return std::nullopt;
    // Every '<' up to the first "</Result>" opens a plain element tag or closes one.
    for (size_t at = document;; ++at) {
        const void* found = std::memchr(answer.data() + at, '<', answer.size() - at);
        if (!found) return std::nullopt;
        at = static_cast<size_t>(static_cast<const char*>(found) - answer.data());
        std::string_view tag = answer.substr(at);
        if (tag.starts_with(kResultEnd)) return at == document ? std::nullopt : std::optional(std::pair(at, document));
        if (tag.size() < 2 || tag[1] == '!' || tag[1] == '?' || tag.substr(1).starts_with("Result")) return std::nullopt;
    }
}

std::optional<size_t> AnswerEnvelope::DocumentStart(size_t resultAt) const {
    for (const Cut& cut : cuts_)
        if (cut.resultAt == resultAt) return cut.documentStart;
    return std::nullopt;
}

size_t AnswerEnvelope::FullOffset(size_t envelopeOffset) const {
    size_t full = envelopeOffset;
    for (const Cut& cut : cuts_)
        if (cut.contentAt <= envelopeOffset) full += cut.length;
    return full;
}

}  // namespace components
