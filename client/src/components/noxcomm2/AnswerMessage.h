#pragma once
// One message of a server answer: its text, its code and its data (an XML text such as
// "<Data><Replace Arg1=... Arg2=... Arg3=.../></Data>", empty when the message has none).
#include <string>

#include "automation/Dispatchable.h"

namespace components {

class AnswerMessage : public automation::Dispatchable<AnswerMessage> {
public:
    static constexpr const char* kTypeName = "Message";
    static const automation::MemberTable<AnswerMessage>& Members();

    AnswerMessage(std::string description, std::string code, std::string data)
        : description_(std::move(description)), code_(std::move(code)), data_(std::move(data)) {}

    std::string Description() const { return description_; }
    std::string Code() const { return code_; }
    std::string Data() const { return data_; }

private:
    std::string description_, code_, data_;
};

}  // namespace components
