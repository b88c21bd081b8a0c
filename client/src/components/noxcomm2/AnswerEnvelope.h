#pragma once
// An answer's text with the documents of its methods left out, so that the answer is read over its
// envelope only (result codes, messages): a method's document, the rows of a query most often, is
// read by whoever asks for it, from the full text. A document is left out only where nothing in it
// can hide the end of its <Result> (comments, CDATA, processing instructions, a nested <Result>).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace components {

class AnswerEnvelope {
public:
    // With `leaveOut` false the envelope is the whole text.
    AnswerEnvelope(std::string_view answer, bool leaveOut);

    const std::string& Text() const { return text_; }
    // The offset in the full text of the document left out of the <Result> whose start tag begins
    // at `resultAt` of the envelope; nullopt when that result kept its content.
    std::optional<size_t> DocumentStart(size_t resultAt) const;
    // How many documents were left out.
    size_t LeftOut() const { return cuts_.size(); }
    // An offset of the envelope as an offset of the full text.
    size_t FullOffset(size_t envelopeOffset) const;

private:
    struct Cut {
        size_t resultAt;      // the <Result> start tag, in the envelope
        size_t contentAt;     // where the content was, in the envelope (and where it is cut)
        size_t documentStart; // the document's '<', in the full text
        size_t length;        // the content's length
    };

    // The content of a <Result> whose start tag ends at `from`, when it can be left out: its end
    // and its document's start.
    static std::optional<std::pair<size_t, size_t>> Content(std::string_view answer, size_t from);

    std::string text_;
    std::vector<Cut> cuts_;
};

}  // namespace components
