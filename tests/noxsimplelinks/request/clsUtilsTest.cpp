#include <gtest/gtest.h>

#include <functional>

#include "noxsimplelinks/request/clsUtils.h"
#include "platform/xml/XmlDocument.h"
#include "support/BuilderFixtures.h"
#include "support/ErrorOf.h"
#include "support/TestWorld.h"

using automation::AutomationError;
using automation::Variant;
using testsupport::List;
using testsupport::Table;
using noxsimplelinks::clsUtils;

namespace {

// The metadata component as the field-list builder asks it: two fields per type, one more with the
// virtual ones; the type "BROKEN" fails.
class FakeMetadata : public automation::Dispatch {
public:
    Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments& args) override {
        std::string type = args.at(0).ToString();
        if (type == "BROKEN") throw AutomationError(0x1234, "metadata down");
        if (type == "NONE") return Variant();
        std::vector<std::vector<std::string>> rows{{type + ".A"}, {type + ".B"}};
        if (name == "getObjectFieldsIncludeVirtual") rows.push_back({type + ".VIRTUAL"});
        return Table(rows);
    }
    std::string TypeName() const override { return "FakeMetadata"; }
};

class clsUtilsTest : public ::testing::Test {
protected:
    testsupport::XmlComponents components;
    testsupport::ScopedProgId metadata{"noxmetadata2.IMetaData", [] { return std::make_shared<FakeMetadata>(); }};
    clsUtils utils;

    const Variant keys = List({"ITEM.ITEM_KEY", "ITEM.REV"});
    const Variant values = List({"A<1", "B"});
    const Variant fields = Table({{"ITEM.ITEM_KEY", "Key"}, {"ITEM.DESC", "Description"}});
    const std::string selection =
        "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\"><ITEM.ITEM_KEY></ITEM.ITEM_KEY><ITEM.DESC></ITEM.DESC>"
        "</SELECT_FIELDS>";
    const std::string keyList = "<ITEM.ITEM_KEY>A&lt;1</ITEM.ITEM_KEY><ITEM.REV>B</ITEM.REV>";
    const std::string inObject = "<IN_OBJECT ID=\"ITEM\" TYPE=\"\">" + keyList + "</IN_OBJECT>";
};

TEST_F(clsUtilsTest, FragmentsHaveTheirExactTexts) {
    struct Case {
        const char* builder;
        std::function<std::string()> build;
        std::string expected;
    } cases[] = {
        {"key list, values not an array", [&] { return utils.getKeysXml(keys, "A1"); }, ""},
        {"field selection, no list", [&] { return utils.getSeletedFieldsXml(Variant(), "ITEM", false); },
         "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\"></SELECT_FIELDS>"},
        {"field selection, ALL",
         [&] { return utils.getSeletedFieldsXml("ALL", "DOC", false); },
         "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\"><DOC.A></DOC.A><DOC.B></DOC.B></SELECT_FIELDS>"},
        {"field selection, ALL with virtual fields",
         [&] { return utils.getSeletedFieldsXml("ALL", "DOC", true); },
         "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\"><DOC.A></DOC.A><DOC.B></DOC.B><DOC.VIRTUAL></DOC.VIRTUAL>"
         "</SELECT_FIELDS>"},
        {"field selection, ALL of a type without fields",
         [&] { return utils.getSeletedFieldsXml("ALL", "NONE", false); },
         "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\"></SELECT_FIELDS>"},
        {"queried objects, one link", [&] { return utils.getQueriedObjectsXml("ITEM", "REFERENCE_LINK"); },
         "<QUERIEID_OBJECTS_LINKS><Object>ITEM</Object><Link>REFERENCE_LINK</Link></QUERIEID_OBJECTS_LINKS>"},
        {"queried objects, link array", [&] { return utils.getQueriedObjectsXml("ITEM", List({"L0", "", "L2"})); },
         "<QUERIEID_OBJECTS_LINKS><Object>ITEM</Object><Link0>L0</Link0><Link2>L2</Link2></QUERIEID_OBJECTS_LINKS>"},
        {"conditions with categories",
         [&] {
             return utils.getConditionsXml("DOC", List({"DOC.ID"}), List({"7"}), List({"L"}), List({"GT"}),
                                           List({"OR"}), List({"RANGE"}));
         },
         "<CONDITION0 TYPE=\"RANGE\"><Relation>OR</Relation><Object>DOC</Object><Field>DOC.ID</Field>"
         "<Condition>GT</Condition><Value>7</Value></CONDITION0>"},
        {"conditions, fields not an array",
         [&] { return utils.getConditionsXml("DOC", "", "", "", "", "", Variant::Missing()); }, ""},
        {"history query", [&] { return utils.getObjectsXmlForQueryHistory("ITEM", fields, keys, values); },
         "<OBJECTS>" + selection + inObject + "</OBJECTS>"},
        {"objects by keys", [&] { return utils.getObjectsXmlByKeys("ITEM", fields, keys, values, "IN_OBJECT1"); },
         "<OBJECTS>" + selection + "<IN_OBJECT1 ID=\"ITEM\" TYPE=\"\">" + keyList + "</IN_OBJECT1></OBJECTS>"},
        {"query links", [&] { return utils.getObjectsXmlForQueryLinksByKeys("ITEM", fields, keys, values, "DOC_ITEM"); },
         "<OBJECTS>" + selection + inObject + "<LINK1 ID=\"DOC_ITEM\"></LINK1></OBJECTS>"},
        {"query with conditions",
         [&] {
             return utils
                 .getObjectsXmlForRequestWithCondition("ITEM", fields, keys, values, "RELATED_CUSTOMER",
                                                       List({"RELATED_CUSTOMER.CAT_NO", "CUSTOMER.ID", "ITEM.X"}),
                                                       List({"C&1", "7", ""}))
                 .ToString();
         },
         "<OBJECTS>" + selection + inObject + "<LINK1 ID=\"RELATED_CUSTOMER\"></LINK1>" +
             "<CONDITION0 TYPE=\"SIMPLE_CONDITION\"><Relation></Relation><Link>RELATED_CUSTOMER</Link>"
             "<Object>ITEM</Object><Field>RELATED_CUSTOMER.CAT_NO</Field><Condition>EQU</Condition>"
             "<Value>C&amp;1</Value></CONDITION0>"
             "<CONDITION1 TYPE=\"SIMPLE_CONDITION\"><Relation>AND</Relation><Object>CUSTOMER</Object>"
             "<Field>CUSTOMER.ID</Field><Condition>EQU</Condition><Value>7</Value></CONDITION1>"
             "<CONDITION2 TYPE=\"SIMPLE_CONDITION\"><Relation>AND</Relation><Object>ITEM</Object>"
             "<Field>ITEM.X</Field><Condition>EQU</Condition><Value></Value></CONDITION2></OBJECTS>"},
        {"query by keys", [&] { return utils.getObjectsXmlForQueryByKeys("ITEM", fields, keys, values, ""); },
         "<OBJECTS>" + selection + "<QUERIEID_OBJECTS_LINKS><Object>ITEM</Object></QUERIEID_OBJECTS_LINKS>" +
             "<CONDITION0 TYPE=\"SIMPLE_CONDITION\"><Relation></Relation><Object>ITEM</Object>"
             "<Field>ITEM.ITEM_KEY</Field><Condition>EQU</Condition><Value>A&lt;1</Value></CONDITION0>"
             "<CONDITION1 TYPE=\"SIMPLE_CONDITION\"><Relation>AND</Relation><Object>ITEM</Object>"
             "<Field>ITEM.REV</Field><Condition>EQU</Condition><Value>B</Value></CONDITION1></OBJECTS>"},
        {"create link: attribute values as they are, empty ones left out",
         [&] {
             return utils.getObjectsXmlForCreateLink("ITEM", "DOC", keys, values, List({"DOC.ID"}), List({"D1"}),
                                                     "DOC_ITEM", Table({{"FIND_NO", "a<b"}, {"QTY", ""}}));
         },
         "<OBJECTS><PARENT_OBJECT ID=\"ITEM\" TYPE=\"\">" + keyList +
             "</PARENT_OBJECT><CHILD_OBJECT ID=\"DOC\" TYPE=\"\"><DOC.ID>D1</DOC.ID></CHILD_OBJECT>"
             "<LINK1  ID=\"DOC_ITEM\"><FIND_NO>a<b</FIND_NO> </LINK1></OBJECTS>"},
        {"engineering-order detach: single quotes, keys as they are",
         [&] { return utils.getZerakEoDetachObjectRequest("ITEM", "EO1", "R1", keys, values); },
         "<OBJECTS><IN_OBJECT ID='EO'><EO.EO_ID>EO1</EO.EO_ID><EO.ROUTE_ID>R1</EO.ROUTE_ID></IN_OBJECT>"
         "<IN_OBJECT1 ID='ITEM'><ITEM.ITEM_KEY>A<1</ITEM.ITEM_KEY><ITEM.REV>B</ITEM.REV></IN_OBJECT1></OBJECTS>"},
        {"part list, work in progress", [&] { return utils.GetParamsXmlForPartlistRequest(" work-in-progress ", "01/02/2024", ""); },
         "<PARAMS><Mode>WIP</Mode><Date>01/02/2024</Date></PARAMS>"},
        {"part list, released with revision option",
         [&] { return utils.GetParamsXmlForPartlistRequest("released", "", "LATEST"); },
         "<PARAMS><Mode>RELEASED</Mode><Date></Date><REVISION_OPTION>LATEST</REVISION_OPTION></PARAMS>"},
        {"part list, the mode kept with its blanks", [&] { return utils.GetParamsXmlForPartlistRequest(" released ", "", ""); },
         "<PARAMS><Mode> RELEASED </Mode><Date></Date></PARAMS>"},
        {"part list, blank revision option", [&] { return utils.GetParamsXmlForPartlistRequest("WIP", "d", "  "); },
         "<PARAMS><Mode>WIP</Mode><Date>d</Date></PARAMS>"},
        {"multi-method parameters", [&] { return utils.GetParamsXMLForMultiMethodRequest("<Request>a&b</Request>"); },
         "<PARAMS><RequestBody>&lt;Request&gt;a&amp;b&lt;/Request&gt;</RequestBody></PARAMS>"},
        {"delete parameters, not escaped", [&] { return utils.GetParamsXMLForDeleteObjRequest("<Y/>"); },
         "<PARAMS><DeleteAll><Y/></DeleteAll></PARAMS>"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.build(), c.expected) << c.builder;
}

TEST_F(clsUtilsTest, MultiLinkTakesTheLinkOfTheWizardData) {
    auto wizard = std::make_shared<platform::XmlDocument>();
    wizard->Call("loadXML", "<WIZ><LINK1 ID='DOC_ITEM'><QTY>2</QTY></LINK1><LINK1 ID='OTHER'/></WIZ>");
    Variant objects = utils.getObjectsXmlForCreateMultiLink(Variant(wizard), "DOC", "ITEM", List({"DOC.ID"}),
                                                            List({"D1"}), keys, values, "DOC_ITEM");
    EXPECT_EQ(objects.ToString(),
              "<OBJECTS><PARENT_OBJECT ID=\"DOC\" TYPE=\"\"><DOC.ID>D1</DOC.ID></PARENT_OBJECT>"
              "<CHILD_OBJECT ID=\"ITEM\" TYPE=\"\">" + keyList +
                  "</CHILD_OBJECT><LINK1 ID=\"DOC_ITEM\"><QTY>2</QTY></LINK1></OBJECTS>");
    EXPECT_TRUE(utils.getObjectsXmlForCreateMultiLink(Variant(wizard), "DOC", "ITEM", keys, values, keys, values, "NONE")
                    .IsEmpty());
}

TEST_F(clsUtilsTest, FailuresAreRaisedAgainUnderTheBuilderName) {
    using namespace automation::errors;
    const Variant one = List({"x"});
    const std::tuple<std::function<void()>, int32_t, std::string> cases[] = {
        {[&] { utils.getKeysXml(keys, one); }, kSubscriptOutOfRange, "getKeysXml"},
        {[&] { utils.getKeysXml(keys, List({Variant(automation::SafeArray::Of({1})), "B"})); }, kTypeMismatch, "getKeysXml"},
        {[&] { utils.getObjectsXmlByKeys("ITEM", fields, keys, one, "IN_OBJECT"); }, kSubscriptOutOfRange, "getObjectsXmlByKeys"},
        {[&] { utils.getSeletedFieldsXml("ALL", "BROKEN", false); }, 0x1234, "getSeletedFieldsXml"},
        {[&] { utils.getZerakEoDetachObjectRequest("ITEM", "E", "R", List({"K"}), List({"V"})); }, kSubscriptOutOfRange,
         "getZerakEoDetachObjectRequest"},
        {[&] { utils.getObjectsXmlForCreateMultiLink(Variant::Nothing(), "A", "B", keys, values, keys, values, "L"); },
         kObjectVariableNotSet, "getObjectsXmlForCreateMultiLink"},
    };
    for (const auto& [call, number, builder] : cases) {
        const AutomationError error = testsupport::ErrorOf(call);
        EXPECT_EQ(error.Number(), number) << builder;
        EXPECT_EQ(error.Description(), "error in clsUtils:" + builder + " :Error");
    }
}

TEST_F(clsUtilsTest, CollectionFillNeedsKeyValuesIndexedFromZero) {
    using namespace automation::errors;
    const std::string request = "<Request><Method><METHOD_ID>%METHOD_ID%</METHOD_ID></Method></Request>";
    const std::pair<Variant, int32_t> cases[] = {
        {Variant(automation::SafeArray(automation::Bounds{0, -1})), kSubscriptOutOfRange},
        {Variant(automation::SafeArray(automation::Bounds{1, 2})), kSubscriptOutOfRange},
        {Variant(int32_t{7}), kTypeMismatch},
        {Variant(), kTypeMismatch},
    };
    for (const auto& [keys, number] : cases) {
        const AutomationError error =
            testsupport::ErrorOf([&, &keys = keys] { utils.fillCollectionMethodRequest(request, "M", keys); });
        EXPECT_EQ(error.Number(), number);
        EXPECT_EQ(error.Description().find("clsUtils"), std::string::npos) << "passed on unchanged";
    }
}

TEST_F(clsUtilsTest, OldEncoderOnlyTellsTheUser) {
    testsupport::TestWorld world;
    std::string text = "a<b";
    EXPECT_EQ(utils.strXMLEncode(text), "");
    ASSERT_EQ(world.Ui().Messages().size(), 1u);
    EXPECT_EQ(world.Ui().Messages()[0].text, "Old-fashioned function strXMLEncode. Should be replaced with a new one.");
    EXPECT_EQ(world.Ui().Messages()[0].flags, 0);
}

}  // namespace
