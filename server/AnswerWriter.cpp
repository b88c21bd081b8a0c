#include "AnswerWriter.h"

#include "XmlText.h"

namespace server {

namespace {

// A message's text is for people: a longer one (a request's huge name quoted in it) is cut.
constexpr size_t kMaxDescriptionBytes = 1000;

std::string_view Shortened(std::string_view text, bool& cut) {
    cut = text.size() > kMaxDescriptionBytes;
    if (!cut) return text;
    size_t end = kMaxDescriptionBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;  // a whole character
    return text.substr(0, end);
}

void AppendMessages(std::string& out, const std::vector<Message>& messages) {
    if (messages.empty()) return;
    out += "<Messages>";
    for (const Message& m : messages) {
        out += "<Message Code=\"";
        AppendEscaped(out, m.code);
        out += "\"><Description>";
        bool cut = false;
        AppendEscaped(out, Shortened(m.description, cut));
        if (cut) out += "\u2026";
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
    // Whatever a request or the store held, the answer is UTF-8 of characters XML allows.
    return FirstBadCharacter(out) == std::string::npos ? out : WithBadCharactersReplaced(out);
}

}  // namespace server
