#pragma once
// The answer to one method of a request: its result code, its messages and its own document (for a
// query method a persisted-recordset document; empty when the method returns none). The document is
// given whole, or as the element at an offset of the answer's text, cut out when first asked for:
// most callers read the rows from the answer itself and never ask.
#include <memory>
#include <optional>
#include <string>

#include "automation/Collection.h"
#include "automation/Dispatchable.h"

namespace components {

class MethodResponse : public automation::Dispatchable<MethodResponse> {
public:
    static constexpr const char* kTypeName = "MethodResponse";
    static const automation::MemberTable<MethodResponse>& Members();

    MethodResponse(std::string name, std::string resultCode, std::shared_ptr<automation::Collection> messages,
                   std::string xml)
        : name_(std::move(name)), resultCode_(std::move(resultCode)), messages_(std::move(messages)), xml_(std::move(xml)) {}
    MethodResponse(std::string name, std::string resultCode, std::shared_ptr<automation::Collection> messages,
                   std::shared_ptr<const std::string> answer, size_t documentStart)
        : name_(std::move(name)),
          resultCode_(std::move(resultCode)),
          messages_(std::move(messages)),
          answer_(std::move(answer)),
          documentStart_(documentStart) {}

    std::string Name() const { return name_; }
    std::string ResultCode() const { return resultCode_; }
    // The collection, or with an index (1-based or a key) one message.
    automation::Variant Messages(const automation::Variant& index) const;
    const std::shared_ptr<automation::Collection>& MessageList() const { return messages_; }
    std::string xml() const;

private:
    std::string name_, resultCode_;
    std::shared_ptr<automation::Collection> messages_;
    std::shared_ptr<const std::string> answer_;  // with documentStart_, until the document is cut out
    size_t documentStart_ = 0;
    mutable std::optional<std::string> xml_;
};

// The collection itself when the index is Missing, else its item; shared by the answer objects.
automation::Variant CollectionOrItem(const std::shared_ptr<automation::Collection>& collection,
                                     const automation::Variant& index);

}  // namespace components
