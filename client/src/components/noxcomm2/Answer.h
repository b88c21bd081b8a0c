#pragma once
// The server's answer to one request document, single or multi-method: the overall result code,
// the answer-level messages, one method response per method, and the answer document itself
// (docs/formats.md, "Answer document").
#include <memory>
#include <string>

#include "automation/Collection.h"
#include "automation/Dispatchable.h"

namespace components {

class Answer : public automation::Dispatchable<Answer> {
public:
    static constexpr const char* kTypeName = "Answer";
    static const automation::MemberTable<Answer>& Members();

    // Reads an answer document over its envelope (the methods' documents are read when asked for);
    // text that is not XML or not an answer raises an automation error (0x80040404) that says why.
    static std::shared_ptr<Answer> Parse(std::string text);

    Answer(std::string resultCode, std::shared_ptr<automation::Collection> messages,
           std::shared_ptr<automation::Collection> methodResponses, std::shared_ptr<const std::string> xml)
        : resultCode_(std::move(resultCode)),
          messages_(std::move(messages)),
          methodResponses_(std::move(methodResponses)),
          xml_(std::move(xml)) {}

    std::string ResultCode() const { return resultCode_; }
    automation::Variant Messages(const automation::Variant& index) const;
    automation::Variant MethodResponses(const automation::Variant& index) const;
    automation::Variant xml() const { return automation::Variant::SharedText(xml_); }

    // The first message of the answer, else of its first method response with one; empty when none.
    std::string FirstMessage() const;

private:
    std::string resultCode_;
    std::shared_ptr<automation::Collection> messages_;
    std::shared_ptr<automation::Collection> methodResponses_;
    std::shared_ptr<const std::string> xml_;  // shared with the method responses that cut from it
};

}  // namespace components
