#include "AnswerWriter.h"

#include "XmlText.h"

namespace server {

namespace {

void AppendMessages(std::string& out, const std::vector<Message>& messages) {
    if (messages.empty()) return;
    out += "<Messages>";
    for (const Message& m : messages) {
        out += "<Message Code=\"";
        AppendEscaped(out, m.code);
        out += "\"><Description>";
        AppendEscaped(out, m.description);
        out += "</Description>";
        out += m.data;  // written by the server itself, already escaped
        out += "</Message>";
    }
    out += "</Messages>";
}

}  // namespace

void AnswerWriter::AddMethodResponse(const std::string& name, const std::string& resultCode,
                                     const std::vector<Message>& messages, const std::string& document) {
    responses_ += "<MethodResponse Name=\"";
    AppendEscaped(responses_, name);
    responses_ += "\" ResultCode=\"" + resultCode + "\">";
    AppendMessages(responses_, messages);
    if (!document.empty()) {
        responses_ += "<Result>";
        responses_ += document;
        responses_ += "</Result>";
    }
    responses_ += "</MethodResponse>";
}

std::string AnswerWriter::Finish(const std::string& resultCode, const std::vector<Message>& messages) const {
    std::string out = "<Answer ResultCode=\"" + resultCode + "\">";
    AppendMessages(out, messages);
    out += "<MethodResponses>";
    out += responses_;
    out += "</MethodResponses></Answer>";
    return out;
}

}  // namespace server
