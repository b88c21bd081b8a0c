#pragma once
// Writes an answer document: the overall result code and messages, then one method response per
// method with its result code, messages and document (a row set under <Result>). Whatever the
// texts hold, the document is well-formed UTF-8: a character XML does not allow becomes U+FFFD, and
// a message text over 1,000 bytes is cut.
#include <string>
#include <vector>

#include "MethodResult.h"

namespace server {

class AnswerWriter {
public:
    AnswerWriter() = default;
    AnswerWriter(const AnswerWriter&) = delete;
    AnswerWriter& operator=(const AnswerWriter&) = delete;
    // The room of the documents goes to the next answer's rows (RecycledText).
    ~AnswerWriter();

    // The document (a row set of many rows) is kept as it is and copied once, by Finish.
    void AddMethodResponse(const std::string& name, const std::string& resultCode, const std::vector<Message>& messages,
                           std::string document);
    // The document with the overall code and messages, written into one text of its final size.
    std::string Finish(const std::string& resultCode, const std::vector<Message>& messages) const;

private:
    std::vector<std::string> responses_;  // the method responses' texts: markup, documents, markup, …
};

}  // namespace server
