#include "noxsimplelinks/comm/CommErrorRecord.h"

namespace noxsimplelinks {

const automation::MemberTable<CommErrorRecord>& CommErrorRecord::Members() {
    static const automation::MemberTable<CommErrorRecord> table = [] {
        automation::MemberTable<CommErrorRecord> t;
        t.Property("Number", &CommErrorRecord::Number, &CommErrorRecord::SetNumber)
            .Property("Description", &CommErrorRecord::Description, &CommErrorRecord::SetDescription)
            .Property("Source", &CommErrorRecord::Source, &CommErrorRecord::SetSource)
            .Method("Clear", &CommErrorRecord::Clear);
        return t;
    }();
    return table;
}

void CommErrorRecord::Record(const automation::AutomationError& error) {
    number_ = error.Number();
    description_ = error.Description();
    source_ = error.Source();
}

void CommErrorRecord::Clear() {
    number_ = 0;
    description_.clear();
    source_.clear();
}

void CommErrorRecord::CopyFrom(const automation::DispatchPtr& other) {
    if (!other) {
        Clear();
        return;
    }
    number_ = other->Get("Number").ToLong();
    description_ = other->Get("Description").TextOr("");
    source_ = other->Get("Source").TextOr("");
}

}  // namespace noxsimplelinks
