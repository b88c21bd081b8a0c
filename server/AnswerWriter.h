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
    void AddMethodResponse(const std::string& name, const std::string& resultCode, const std::vector<Message>& messages,
                           const std::string& document);
    // The document with the overall code and messages.
    std::string Finish(const std::string& resultCode, const std::vector<Message>& messages) const;

private:
    std::string responses_;
};

}  // namespace server
