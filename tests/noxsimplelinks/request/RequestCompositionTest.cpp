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
    auto nested = Nested(body)->select_nodes("/ROOT/Method/METHOD_ID");
    ASSERT_EQ(nested.size(), 5u);
    for (size_t i = 0; i < nested.size(); ++i) EXPECT_EQ(Text(nested[i].node(), "."), cases[i].second);
}

// Any key value, markup characters included, comes back out of every request built from escaped
// parts, and out of the request nested in a multi-method request.
TEST_F(RequestComposition, RandomKeyValuesRoundTrip) {
    const std::string alphabet = "aZ09 <>&\"';%]-_.\t\xC3\xA9\xE2\x82\xAC";
    std::mt19937 random(20240131);
    auto randomText = [&] {
        std::string text;
        for (int n = random() % 12; n > 0; --n) text += alphabet[random() % alphabet.size()];
        if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) text.pop_back();  // no broken character
        return text;
    };
    for (int round = 0; round < 200; ++round) {
        const std::string key = randomText(), condition = randomText();
        Variant keys = List({"ITEM.ITEM_KEY"}), values = List({key});
        std::string objects =
            utils.getObjectsXmlForRequestWithCondition("ITEM", Variant(), keys, values, "L", List({"L.X"}), List({condition}))
                .ToString();
        std::string request = Build("ZerakQueryLinkWithCondition", objects,
                                    utils.GetParamsXmlForPartlistRequest("WIP", "", ""));
        auto doc = Parse(request);
        EXPECT_EQ(Text(doc, "//IN_OBJECT/ITEM.ITEM_KEY"), key);
        EXPECT_EQ(Text(doc, "//CONDITION0/Value"), condition);

        std::string query = Build("ZerakQuery", utils.getObjectsXmlForQueryByKeys("ITEM", Variant(), keys, values, ""));
        auto inner = Nested(request + query);
        EXPECT_EQ(Text(inner, "//IN_OBJECT/ITEM.ITEM_KEY"), key);
        EXPECT_EQ(Text(inner, "//Method[Name='ZerakQuery']//Value"), key);
    }
}

}  // namespace
