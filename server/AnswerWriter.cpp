#include "AnswerWriter.h"

#include "RecycledText.h"
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

AnswerWriter::~AnswerWriter() {
    for (std::string& text : responses_) RecycledText::GiveBack(std::move(text));
}

void AnswerWriter::AddMethodResponse(const std::string& name, const std::string& resultCode,
                                     const std::vector<Message>& messages, std::string document) {
    std::string opening = "<MethodResponse Name=\"";
    AppendEscaped(opening, name);
    opening += "\" ResultCode=\"" + resultCode + "\">";
    AppendMessages(opening, messages);
    if (document.empty()) {
        responses_.push_back(opening + "</MethodResponse>");
        return;
    }
    responses_.push_back(opening + "<Result>");
    responses_.push_back(std::move(document));
    responses_.push_back("</Result></MethodResponse>");
}

std::string AnswerWriter::Finish(const std::string& resultCode, const std::vector<Message>& messages) const {
    std::string head = "<Answer ResultCode=\"" + resultCode + "\">";
    AppendMessages(head, messages);
    head += "<MethodResponses>";
    const std::string_view tail = "</MethodResponses></Answer>";
    size_t size = head.size() + tail.size();
    for (const std::string& text : responses_) size += text.size();
    std::string out;
    out.reserve(size);
    out += head;
    for (const std::string& text : responses_) out += text;
    out += tail;
    // Whatever a request or the store held, the answer is UTF-8 of characters XML allows.
    if (FirstBadCharacter(out) != std::string::npos) return WithBadCharactersReplaced(out);
    return out;
}

}  // namespace server
