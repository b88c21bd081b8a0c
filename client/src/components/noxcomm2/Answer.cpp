#include "components/noxcomm2/Answer.h"

#include <pugixml.hpp>
#include <sstream>

#include "components/noxcomm2/AnswerMessage.h"
#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/MethodResponse.h"

namespace components {

namespace {

using automation::Collection;
using automation::Variant;

std::string OuterXml(const pugi::xml_node& node) {
    if (!node) return {};
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

std::shared_ptr<Collection> ReadMessages(const pugi::xml_node& owner) {
    auto messages = std::make_shared<Collection>();
    for (pugi::xml_node node : owner.child("Messages").children("Message")) {
        messages->Add(Variant(std::make_shared<AnswerMessage>(node.child("Description").text().get(),
                                                              node.attribute("Code").value(), OuterXml(node.child("Data")))));
    }
    return messages;
}

std::shared_ptr<Collection> ReadMethodResponses(const pugi::xml_node& root) {
    auto responses = std::make_shared<Collection>();
    for (pugi::xml_node node : root.child("MethodResponses").children("MethodResponse")) {
        responses->Add(Variant(std::make_shared<MethodResponse>(node.attribute("Name").value(),
                                                                node.attribute("ResultCode").value(), ReadMessages(node),
                                                                OuterXml(node.child("Result").first_child()))));
    }
    return responses;
}

[[noreturn]] void BadAnswer(const std::string& why) {
    throw automation::AutomationError(commerrors::kBadAnswer, "The server's answer " + why);
}

std::string Excerpt(const std::string& text) {
    constexpr size_t kShown = 60;
    return text.size() <= kShown ? text : text.substr(0, kShown) + "...";
}

std::string FirstDescription(const Collection& messages) {
    if (messages.Count() == 0) return {};
    return messages.Item(Variant(int32_t{1})).ToObject()->Get("Description").ToString();
}

}  // namespace

std::shared_ptr<Answer> Answer::Parse(const std::string& text) {
    pugi::xml_document document;
    pugi::xml_parse_result parsed = document.load_string(text.c_str());
    if (!parsed)
        BadAnswer("is not XML (" + std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset) +
                  "): \"" + Excerpt(text) + "\"");
    pugi::xml_node root = document.document_element();
    if (std::string(root.name()) != "Answer")
        BadAnswer("is not an answer document: its root element is <" + std::string(root.name()) + ">");
    return std::make_shared<Answer>(root.attribute("ResultCode").value(), ReadMessages(root), ReadMethodResponses(root),
                                    text);
}

const automation::MemberTable<Answer>& Answer::Members() {
    static const automation::MemberTable<Answer> table = [] {
        automation::MemberTable<Answer> t;
        t.Property("ResultCode", &Answer::ResultCode)
            .Property("Messages", &Answer::Messages)
            .Property("MethodResponses", &Answer::MethodResponses)
            .Property("xml", &Answer::xml);
        return t;
    }();
    return table;
}

Variant Answer::Messages(const Variant& index) const { return CollectionOrItem(messages_, index); }

Variant Answer::MethodResponses(const Variant& index) const { return CollectionOrItem(methodResponses_, index); }

std::string Answer::FirstMessage() const {
    if (std::string first = FirstDescription(*messages_); !first.empty()) return first;
    for (int32_t i = 1; i <= methodResponses_->Count(); ++i) {
        auto response = std::dynamic_pointer_cast<MethodResponse>(methodResponses_->Item(Variant(i)).ToObject());
        if (std::string first = FirstDescription(*response->MessageList()); !first.empty()) return first;
    }
    return {};
}

}  // namespace components
