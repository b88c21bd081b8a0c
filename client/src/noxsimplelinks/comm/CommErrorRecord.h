#pragma once
// The error record of a communication wrapper (its LastCommError): number, description and
// source of the last failure it recorded; number 0 and empty texts when there is none.
#include <cstdint>
#include <string>

#include "automation/AutomationError.h"
#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class CommErrorRecord : public automation::Dispatchable<CommErrorRecord> {
public:
    static constexpr const char* kTypeName = "ErrObject";
    static const automation::MemberTable<CommErrorRecord>& Members();

    int32_t Number() const { return number_; }
    std::string Description() const { return description_; }
    std::string Source() const { return source_; }
    void SetNumber(int32_t number) { number_ = number; }
    void SetDescription(const std::string& description) { description_ = description; }
    void SetSource(const std::string& source) { source_ = source; }

    void Record(const automation::AutomationError& error);
    void Clear();
    // Takes the values of any object with Number, Description and Source.
    void CopyFrom(const automation::DispatchPtr& other);

private:
    int32_t number_ = 0;
    std::string description_;
    std::string source_;
};

}  // namespace noxsimplelinks
