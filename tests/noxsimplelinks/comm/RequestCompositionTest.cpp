#include <gtest/gtest.h>

#include <random>

#include <pugixml.hpp>

#include "CommTestSupport.h"
#include "noxsimplelinks/comm/clsRequestWrapper.h"
#include "noxsimplelinks/comm/clsUtils.h"

using automation::Variant;
using commtest::List;
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

class RequestComposition : public ::testing::Test {
protected:
    std::string Build(const std::string& method, const std::string& objects, const std::string& params = "") {
        clsRequestWrapper builder;
        builder.setobjects(objects);
        if (!params.empty()) builder.setparams(params);
        return builder.buildrequest(method);
    }
    std::string DeleteLink(const std::string& key) {
        return Build("DeleteLinkWithoutConnection",
                     utils.getObjectsXmlForCreateLink("ITEM", "DOC", List({"ITEM.ITEM_KEY"}), List({key}),
                                                      List({"DOC.ID"}), List({"D"}), "DOC_ITEM", Variant()));
    }
    std::string MultiMethod(const std::string& body) {
        clsRequestWrapper builder;
        builder.setparams(utils.GetParamsXMLForMultiMethodRequest(body));
        return builder.buildrequest("MultiMethodsRequest");
    }

    commtest::XmlComponents components;
    clsUtils utils;
};

TEST_F(RequestComposition, NestedRequestsTravelEscapedInBuildOrder) {
    std::string body = DeleteLink("first&<") + DeleteLink("second");
    auto outer = Parse(MultiMethod(body));
    pugi::xml_node requestBody = outer->select_node("/Request/Method/PARAMS/RequestBody").node();
    ASSERT_TRUE(requestBody);
    EXPECT_EQ(outer->select_node("/Request/Method/Name").node().text().as_string(), std::string("MultiMethodsRequest"));
    EXPECT_EQ(requestBody.first_child().type(), pugi::node_pcdata);  // text only
    EXPECT_FALSE(requestBody.first_child().next_sibling());
    EXPECT_EQ(requestBody.text().as_string(), body);

    auto inner = Parse(body, true);
    auto keys = inner->select_nodes("/ROOT/Request/Method/OBJECTS/PARENT_OBJECT/ITEM.ITEM_KEY");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].node().text().as_string(), std::string("first&<"));
    EXPECT_EQ(keys[1].node().text().as_string(), std::string("second"));
}

TEST_F(RequestComposition, StrippedBodiesHoldNoRequestTags) {
    std::string body;
    auto strip = [](std::string text) {
        for (const char* tag : {"<Request>", "</Request>"})
            for (size_t at; (at = text.find(tag)) != std::string::npos;) text.erase(at, std::string(tag).size());
        return text;
    };
    for (const char* key : {"F1", "F2", "F3"})
        body = strip(body + Build("UnlinkAndDeleteFile", "<OBJECTS>" +
                                                             utils.getObjByKeysAsXml("FILE", List({"FILE.ID"}),
                                                                                     List({key}), "IN_OBJECT", "") +
                                                             "</OBJECTS>"));
    EXPECT_EQ(body.find("Request>"), std::string::npos);
    auto outer = Parse(MultiMethod(body));
    auto methods = Parse(outer->select_node("//RequestBody").node().text().as_string(), true)->select_nodes("/ROOT/Method");
    ASSERT_EQ(methods.size(), 3u);
    EXPECT_EQ(methods[2].node().select_node(".//FILE.ID").node().text().as_string(), std::string("F3"));
}

TEST_F(RequestComposition, CollectionUpdatePlacesAreFilledAndStayWellFormed) {
    std::string request = Build("UpdateCollectionObjectsWC", utils.getObjByKeysAsXml("ITEM", List({"ITEM.ITEM_KEY"}),
                                                                                      List({"42"}), "IN_OBJECT", ""));
    struct Case {
        Variant keys;
        std::string methodId;
    } cases[] = {
        {List({"42"}), "ID=42"},
        {List({"42", "B"}), "ID=42, REV=B"},
        {List({"42", "B", "C"}), "ID=42"},
        {List({"a<&\"'b", "]x"}), "ID=a<&\"'b, REV=]x"},
    };
    std::string body;
    for (const auto& c : cases) {
        std::string filled = utils.fillCollectionMethodRequest(request, "UpdateItemSteps", c.keys);
        EXPECT_EQ(filled.find("Request>"), std::string::npos);
        EXPECT_EQ(filled.find('%'), std::string::npos);
        auto doc = Parse(filled);
        EXPECT_EQ(doc->select_node("/Method/METHOD_ID").node().text().as_string(), c.methodId);
        EXPECT_EQ(doc->select_node("/Method/CATEGORY_METHOD").node().text().as_string(), std::string("UpdateItemSteps"));
        body += filled;
    }
    EXPECT_EQ(Parse(Parse(MultiMethod(body))->select_node("//RequestBody").node().text().as_string(), true)
                  ->select_nodes("/ROOT/Method")
                  .size(),
              4u);
}

TEST_F(RequestComposition, HandBuiltLockTreeHasTheSameOuterShape) {
    std::string lockTree = "<Request><Connection><Server>s</Server></Connection><Method><Name>LockTree</Name>"
                           "<_ACTION>LOCK</_ACTION><OBJECT>FILE</OBJECT><FILE.FILE_ID>7</FILE.FILE_ID>"
                           "<DATE>01/31/2024</DATE><LEVELS>1</LEVELS></Method></Request>";
    for (const std::string& document : {lockTree, Build("ZerakQuery", "<OBJECTS/>")}) {
        auto doc = Parse(document);
        EXPECT_TRUE(doc->select_node("/Request/Method/Name")) << document;
    }
}

// Any key value, markup characters included, comes back out of every request built from escaped
// parts, and out of the request nested in a multi-method request.
TEST_F(RequestComposition, RandomKeyValuesRoundTrip) {
    const std::string alphabet = "aZ09 <>&\"';%]-_.\t\xC3\xA9\xE2\x82\xAC";
    std::mt19937 random(20240131);
    for (int round = 0; round < 200; ++round) {
        std::string key, condition;
        for (int n = random() % 12; n > 0; --n) key += alphabet[random() % alphabet.size()];
        for (int n = random() % 12; n > 0; --n) condition += alphabet[random() % alphabet.size()];
        if (static_cast<unsigned char>(key.empty() ? 0 : key.back()) >= 0xC0) key.pop_back();  // no broken character
        if (static_cast<unsigned char>(condition.empty() ? 0 : condition.back()) >= 0xC0) condition.pop_back();
        Variant keys = List({"ITEM.ITEM_KEY"}), values = List({key});
        std::string objects =
            utils.getObjectsXmlForRequestWithCondition("ITEM", Variant(), keys, values, "L", List({"L.X"}), List({condition}))
                .ToString();
        std::string request = Build("ZerakQueryLinkWithCondition", objects,
                                    utils.GetParamsXmlForPartlistRequest("WIP", "", ""));
        auto doc = Parse(request);
        EXPECT_EQ(doc->select_node("//IN_OBJECT/ITEM.ITEM_KEY").node().text().as_string(), key);
        EXPECT_EQ(doc->select_node("//CONDITION0/Value").node().text().as_string(), condition);

        std::string query = Build("ZerakQuery", utils.getObjectsXmlForQueryByKeys("ITEM", Variant(), keys, values, ""));
        auto outer = Parse(MultiMethod(request + query));
        auto inner = Parse(outer->select_node("//RequestBody").node().text().as_string(), true);
        EXPECT_EQ(inner->select_node("//IN_OBJECT/ITEM.ITEM_KEY").node().text().as_string(), key);
        EXPECT_EQ(inner->select_node("//Method[Name='ZerakQuery']//Value").node().text().as_string(), key);
    }
}

}  // namespace
