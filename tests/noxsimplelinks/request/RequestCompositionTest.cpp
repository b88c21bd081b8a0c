#include <gtest/gtest.h>

#include <random>

#include <pugixml.hpp>

#include "noxsimplelinks/request/clsRequestWrapper.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "support/BuilderFixtures.h"

using automation::Variant;
using testsupport::List;
using noxsimplelinks::clsRequestWrapper;
using noxsimplelinks::clsUtils;

namespace {

// Parses a text as one document, keeping white space that is an element's whole content; several
// documents in a row go under a <ROOT> element.
std::unique_ptr<pugi::xml_document> Parse(const std::string& text, bool wrap = false) {
    auto doc = std::make_unique<pugi::xml_document>();
    std::string source = wrap ? "<ROOT>" + text + "</ROOT>" : text;
    EXPECT_TRUE(doc->load_string(source.c_str(), pugi::parse_default | pugi::parse_ws_pcdata_single)) << source;
    return doc;
}

// All the character data of the first node the XPath selects (CDATA sections joined).
std::string Text(const pugi::xml_node& node, const std::string& xpath) {
    return pugi::xpath_query(("string(" + xpath + ")").c_str()).evaluate_string(node);
}
std::string Text(const std::unique_ptr<pugi::xml_document>& doc, const char* xpath) { return Text(*doc, xpath); }

class RequestComposition : public ::testing::Test {
protected:
    std::string Build(const std::string& method, const std::string& objects, const std::string& params = "") {
        clsRequestWrapper builder;
        builder.setobjects(objects);
        if (!params.empty()) builder.setparams(params);
        return builder.buildrequest(method);
    }
    std::string MultiMethod(const std::string& body) {
        clsRequestWrapper builder;
        builder.setparams(utils.GetParamsXMLForMultiMethodRequest(body));
        return builder.buildrequest("MultiMethodsRequest");
    }
    // The requests nested in a multi-method request, under <ROOT>.
    std::unique_ptr<pugi::xml_document> Nested(const std::string& body) {
        return Parse(Text(Parse(MultiMethod(body)), "//RequestBody"), true);
    }

    testsupport::XmlComponents components;
    clsUtils utils;
};

TEST_F(RequestComposition, CollectionUpdatesAreFilledAndTravelNestedInBuildOrder) {
    std::string request = Build("UpdateCollectionObjectsWC", utils.getObjByKeysAsXml("ITEM", List({"ITEM.ITEM_KEY"}),
                                                                                      List({"42"}), "IN_OBJECT", ""));
    const std::pair<Variant, std::string> cases[] = {
        {List({"42"}), "ID=42"},
        {List({"42", "B"}), "ID=42, REV=B"},
        {List({"42", "B", "C"}), "ID=42"},
        {List({"a<&\"'b", "]x"}), "ID=a<&\"'b, REV=]x"},
        // A value that would end the character data early is split across two sections.
        {List({"a]]>b", "]]>"}), "ID=a]]>b, REV=]]>"},
    };
    std::string body;
    for (const auto& [keys, methodId] : cases) {
        std::string filled = utils.fillCollectionMethodRequest(request, "Update]]>Steps", keys);
        EXPECT_EQ(filled.find("Request>"), std::string::npos);
        EXPECT_EQ(filled.find('%'), std::string::npos);
        auto doc = Parse(filled);
        EXPECT_EQ(Text(doc, "/Method/METHOD_ID"), methodId);
        EXPECT_EQ(Text(doc, "/Method/CATEGORY_METHOD"), "Update]]>Steps");
        body += filled;
    }
    EXPECT_EQ(Text(Parse(MultiMethod(body)), "/Request/Method/Name"), "MultiMethodsRequest");
    auto nestedRequests = Nested(body);  // the node set reads this document: it stays alive
    auto nested = nestedRequests->select_nodes("/ROOT/Method/METHOD_ID");
    ASSERT_EQ(nested.size(), 5u);
    for (size_t i = 0; i < nested.size(); ++i) EXPECT_EQ(Text(nested[i].node(), "."), cases[i].second);
}

// Random parts built into requests: key names and counts, arrays with any lower bound, values
// holding every character XML treats specially (and references, CDATA ends, line ends, text beyond
// ASCII), empty texts, Empty, Null, numbers, Booleans and dates. Every request parses, alone and
// nested in a multi-method request, and every key and condition value reads back as its text.
class RandomParts {
public:
    explicit RandomParts(uint32_t seed) : random_(seed) {}

    unsigned Below(unsigned bound) { return std::uniform_int_distribution<unsigned>(0, bound - 1)(random_); }

    Variant Value() {
        switch (Below(10)) {
            case 0: return Variant(std::string());
            case 1: return Variant();
            case 2: return Variant::Null();
            case 3: return Variant(static_cast<int32_t>(random_()));
            case 4: return Variant(Below(2) == 0);
            case 5: return Variant(-1234.5);
            case 6: return Variant(automation::MakeDate(2004, 3, 5, 14, 30, 0));
            default: return Variant(Text());
        }
    }
    std::string Text() {
        static const char* const kPieces[] = {"<", ">", "&", "\"", "'", "]]>", "&amp;", "&#10;", "&lt;x&gt;", "<![CDATA[",
                                              "\t", "\n", "\r", "\r\n", " ", "%", ";", "a", "Z", "0", "\xC3\xA9",
                                              "\xE2\x82\xAC", "\xF0\x9D\x84\x9E"};
        std::string text;
        for (unsigned n = Below(10); n > 0; --n) text += kPieces[Below(std::size(kPieces))];
        return text;
    }
    // Key names "<type>.K<i>" and as many random values, both as arrays from the same random bound.
    std::pair<Variant, Variant> Keys(const std::string& type) {
        const int32_t lower = static_cast<int32_t>(Below(4)) - 1, count = 1 + static_cast<int32_t>(Below(4));
        automation::SafeArray names(automation::Bounds{lower, lower + count - 1}), values = names;
        for (int32_t i = lower; i < lower + count; ++i) {
            names.At(i) = Variant(type + ".K" + std::to_string(i - lower));
            values.At(i) = Value();
        }
        return {Variant(std::move(names)), Variant(std::move(values))};
    }

private:
    std::mt19937 random_;
};

// The values of an array as the request must carry them.
std::vector<std::string> Texts(const Variant& values) {
    std::vector<std::string> texts;
    for (const Variant& value : values.ToArray().Cells()) texts.push_back(value.TextOr(""));
    return texts;
}

std::vector<std::string> ReadBack(const pugi::xml_node& from, const std::string& xpath) {
    std::vector<std::string> texts;
    for (const pugi::xpath_node& found : from.select_nodes(xpath.c_str())) texts.push_back(found.node().text().as_string());
    return texts;
}

TEST_F(RequestComposition, RandomPartsAlwaysParseAndEveryValueReadsBackUnchanged) {
    RandomParts random(20240131);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        auto [parentKeys, parentValues] = random.Keys("ITEM");
        auto [childKeys, childValues] = random.Keys("DOC");
        auto [conditionFields, conditionValues] = random.Keys("L");
        const Variant fields = List({"ITEM.ITEM_KEY", "ITEM.REVISION"});
        struct Built {
            std::string request;
            std::vector<std::pair<std::string, Variant>> expected;  // XPath of the values -> the values
        };
        const Built built[] = {
            {Build("ZerakQueryLinks", utils.getObjectsXmlForQueryLinksByKeys("ITEM", fields, parentKeys, parentValues, "L")),
             {{"//IN_OBJECT/*", parentValues}}},
            {Build("ZerakQueryLinkWithCondition",
                   utils.getObjectsXmlForRequestWithCondition("ITEM", fields, parentKeys, parentValues, "L", conditionFields,
                                                              conditionValues)
                       .ToString(),
                   utils.GetParamsXmlForPartlistRequest("WIP", "", "")),
             {{"//IN_OBJECT/*", parentValues}, {"//Value", conditionValues}}},
            {Build("ZerakQuery", utils.getObjectsXmlForQueryByKeys("ITEM", fields, parentKeys, parentValues, Variant("L"))),
             {{"//Value", parentValues}}},
            {Build("QueryHistory", utils.getObjectsXmlForQueryHistory("ITEM", fields, parentKeys, parentValues)),
             {{"//IN_OBJECT/*", parentValues}}},
            {Build("ZerakCreateLink", utils.getObjectsXmlForCreateLink("ITEM", "DOC", parentKeys, parentValues, childKeys,
                                                                       childValues, "L", Variant())),
             {{"//PARENT_OBJECT/*", parentValues}, {"//CHILD_OBJECT/*", childValues}}},
        };
        std::string body;
        for (const Built& one : built) {
            auto doc = Parse(one.request);
            for (const auto& [xpath, values] : one.expected) EXPECT_EQ(ReadBack(*doc, xpath), Texts(values)) << one.request;
            body += one.request;
        }
        auto nested = Nested(body);
        auto requests = nested->document_element().children("Request");
        size_t i = 0;
        for (pugi::xml_node request : requests) {
            for (const auto& [xpath, values] : built[i].expected) EXPECT_EQ(ReadBack(request, "." + xpath), Texts(values));
            ++i;
        }
        EXPECT_EQ(i, std::size(built));
    }
}

}  // namespace
