#include "components/noxcomm2/Answer.h"

#include <optional>
#include <pugixml.hpp>
#include <sstream>

#include "components/noxcomm2/AnswerEnvelope.h"
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

// A method's document is cut from the answer's text, as the server wrote it, when asked for: from
// where it was left out of the envelope, or from where the envelope has it. A document that is not
// an element (bare text) is written out now.
std::shared_ptr<MethodResponse> ReadMethodResponse(const pugi::xml_node& node, const AnswerEnvelope& envelope,
                                                   const std::shared_ptr<const std::string>& text) {
    std::string name = node.attribute("Name").value(), resultCode = node.attribute("ResultCode").value();
    pugi::xml_node result = node.child("Result");
    pugi::xml_node document = result.first_child();
    std::optional<size_t> start;
    if (result) start = envelope.DocumentStart(static_cast<size_t>(result.offset_debug()) - 1);
    if (!start && document.type() == pugi::node_element && document.offset_debug() > 0)
        start = envelope.FullOffset(static_cast<size_t>(document.offset_debug()) - 1);
    if (start) return std::make_shared<MethodResponse>(name, resultCode, ReadMessages(node), text, *start);
    return std::make_shared<MethodResponse>(name, resultCode, ReadMessages(node), OuterXml(document));
}

std::shared_ptr<Collection> ReadMethodResponses(const pugi::xml_node& root, const AnswerEnvelope& envelope,
                                                const std::shared_ptr<const std::string>& text) {
    auto responses = std::make_shared<Collection>();
    for (pugi::xml_node node : root.child("MethodResponses").children("MethodResponse"))
        responses->Add(Variant(ReadMethodResponse(node, envelope, text)));
    return responses;
}

// Whether every document left out of the envelope was a method's result (a "<Result>" in a comment
// or a CDATA section of the envelope is not).
bool LeftOutOnlyResults(const pugi::xml_node& root, const AnswerEnvelope& envelope) {
    size_t results = 0;
    for (pugi::xml_node node : root.child("MethodResponses").children("MethodResponse")) {
        pugi::xml_node result = node.child("Result");
        if (result && envelope.DocumentStart(static_cast<size_t>(result.offset_debug()) - 1)) ++results;
    }
    return results == envelope.LeftOut();
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

// The root element of the envelope, read into the document; a text that is not XML or not an
// answer raises, saying where in the whole text.
pugi::xml_node ReadEnvelope(pugi::xml_document& document, const AnswerEnvelope& envelope, const std::string& text) {
    pugi::xml_parse_result parsed = document.load_buffer(envelope.Text().data(), envelope.Text().size());
    if (!parsed)
        BadAnswer("is not XML (" + std::string(parsed.description()) + " at offset " +
                  std::to_string(envelope.FullOffset(static_cast<size_t>(parsed.offset))) + "): \"" + Excerpt(text) +
                  "\"");
    pugi::xml_node root = document.document_element();
    if (std::string(root.name()) != "Answer")
        BadAnswer("is not an answer document: its root element is <" + std::string(root.name()) + ">");
    return root;
}

}  // namespace

std::shared_ptr<Answer> Answer::Parse(std::string text) {
    auto kept = std::make_shared<const std::string>(std::move(text));
    AnswerEnvelope envelope(*kept, true);
    pugi::xml_document document;
    pugi::xml_node root = ReadEnvelope(document, envelope, *kept);
    if (!LeftOutOnlyResults(root, envelope)) {  // a "<Result>" outside the methods' results: read it all
        envelope = AnswerEnvelope(*kept, false);
        root = ReadEnvelope(document, envelope, *kept);
    }
    return std::make_shared<Answer>(root.attribute("ResultCode").value(), ReadMessages(root),
                                    ReadMethodResponses(root, envelope, kept), kept);
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
        // A host may have added anything to the collection: what is no method response has no messages.
        auto response = std::dynamic_pointer_cast<MethodResponse>(methodResponses_->Item(Variant(i)).ToObject());
        if (!response) continue;
        if (std::string first = FirstDescription(*response->MessageList()); !first.empty()) return first;
    }
    return {};
}

}  // namespace components
