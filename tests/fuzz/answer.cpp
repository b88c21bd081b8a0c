// The server's answer as the communication component reads it (Answer::Parse) and each method's
// row set as the XML component reads it (the row-set reader). The answer loads or raises the one
// error of a bad answer; a loaded answer keeps its text, and where the text is well-formed XML its
// method responses are the document's; every row set read has one cell per record in every field.
#include <pugixml.hpp>

#include "FuzzTarget.h"
#include "automation/Collection.h"
#include "components/noxcomm2/Answer.h"
#include "components/noxcomm2/CommErrors.h"
#include "platform/recordset/RecordsetReader.h"

namespace {

using automation::AutomationError;
using automation::Variant;

// Reads a method's row set; the reader may refuse the text, never with another kind of failure.
void ReadRowSet(const std::string& xml) {
    std::shared_ptr<platform::RecordsetData> data;
    try {
        data = platform::RecordsetReader::Read(xml);
    } catch (const AutomationError&) {
        return;
    }
    if (!data) return;
    size_t read = 0;
    for (size_t c = 0; c < data->ColumnCount(); ++c) {
        NOX_FUZZ_REQUIRE(data->Column(c).cells.size() == data->RecordCount(), "field " + data->Column(c).name);
        for (size_t r = 0; r < data->RecordCount() && read < 2000; ++r, ++read) data->Value(r, c);
    }
}

}  // namespace

NOX_FUZZ_TARGET(answer) {
    const std::string text(input);
    std::shared_ptr<components::Answer> answer;
    try {
        answer = components::Answer::Parse(text);
    } catch (const AutomationError& e) {
        NOX_FUZZ_REQUIRE(e.Number() == components::commerrors::kBadAnswer, e.Description());
        return;
    }
    NOX_FUZZ_REQUIRE(answer->xml() == text, "the answer keeps its text");
    answer->FirstMessage();
    auto messages = answer->Messages(Variant::Missing()).ToObject();
    for (int32_t i = 1; i <= messages->Get("Count").ToLong(); ++i) messages->Call("Item", i).ToObject()->Get("Description");
    auto responses = answer->MethodResponses(Variant::Missing()).ToObject();
    const int32_t count = responses->Get("Count").ToLong();

    pugi::xml_document document;
    const bool wellFormed = document.load_string(text.c_str()) && document.document_element();
    pugi::xml_node written = document.document_element().child("MethodResponses").child("MethodResponse");
    for (int32_t i = 1; i <= count; ++i, written = written.next_sibling("MethodResponse")) {
        auto response = responses->Call("Item", i).ToObject();
        if (wellFormed) {
            NOX_FUZZ_REQUIRE(written, "as many method responses as the document has");
            NOX_FUZZ_REQUIRE(response->Get("Name").ToString() == written.attribute("Name").value(), "the method's name");
            NOX_FUZZ_REQUIRE(response->Get("ResultCode").ToString() == written.attribute("ResultCode").value(),
                             "the method's code");
        }
        response->Get("Messages");
        ReadRowSet(response->Get("xml").ToString());
    }
    NOX_FUZZ_REQUIRE(!wellFormed || !written, "as many method responses as the document has");
}
