#include "components/noxcomm2/AnswerMessage.h"

namespace components {

const automation::MemberTable<AnswerMessage>& AnswerMessage::Members() {
    static const automation::MemberTable<AnswerMessage> table = [] {
        automation::MemberTable<AnswerMessage> t;
        t.Property("Description", &AnswerMessage::Description)
            .Property("Code", &AnswerMessage::Code)
            .Property("Data", &AnswerMessage::Data);
        return t;
    }();
    return table;
}

}  // namespace components
