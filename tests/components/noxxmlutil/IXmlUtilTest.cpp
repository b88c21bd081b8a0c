#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "automation/SafeArray.h"
#include "components/noxxmlutil/IXmlUtil.h"
#include "platform/recordset/RecordsetReader.h"

using automation::SafeArray;
using automation::Variant;
using components::IXmlUtil;

namespace {

IXmlUtil Loaded(const std::string& xml) {
    IXmlUtil util;
    std::string error;
    EXPECT_TRUE(util.loadXmlString(xml, error)) << error;
    return util;
}

std::vector<std::vector<std::string>> Rows(const Variant& table) {
    const SafeArray& a = table.ToArray();
    std::vector<std::vector<std::string>> rows;
    for (int32_t r = a.LBound(1); r <= a.UBound(1); ++r) {
        rows.emplace_back();
        for (int32_t c = a.LBound(2); c <= a.UBound(2); ++c) rows.back().push_back(a.At(r, c).TextOr("-"));
    }
    return rows;
}

TEST(IXmlUtil, NodeAsArrayIsTheElementThenItsChildrenWithAttributeValues) {
    auto util = Loaded(
        "<TOOLBAR><ACTION_MAPPING VERSION='1'>"
        "<ID_Prop_Print TYPE='DllAction' PROGID='noxprint.IclsPrint' METHOD='printGrid'/>"
        "<ID_Prop_Find TYPE='InternalAction' PROGID='' METHOD='FindObject' PARAMS='ALL'/>"
        "</ACTION_MAPPING></TOOLBAR>");
    std::vector<std::vector<std::string>> expected = {
        {"ACTION_MAPPING", "1", "-", "-", "-"},
        {"ID_Prop_Print", "DllAction", "noxprint.IclsPrint", "printGrid", "-"},
        {"ID_Prop_Find", "InternalAction", "", "FindObject", "ALL"},
    };
    EXPECT_EQ(Rows(util.getNodeAsArray("//ACTION_MAPPING")), expected);
    EXPECT_EQ(util.getNodeAsArray("//NO_SUCH"), Variant());

    auto grid = Loaded("<GRID_ITEMS BASE_OBJECT='ITEM'><_SETTINGS/><ITEM.ITEM_KEY WIDTH='1200'/><ITEM.REV/></GRID_ITEMS>");
    auto rows = Rows(grid.getNodeAsArray("//GRID_ITEMS"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][0], "_SETTINGS");
    EXPECT_EQ(rows[2][0], "ITEM.ITEM_KEY");
    EXPECT_EQ(rows[3][0], "ITEM.REV");
}

TEST(IXmlUtil, ChildrenNodeValuePairs) {
    auto util = Loaded("<SECTION><BASE_CLASS>ITEM</BASE_CLASS><INT_NAME>Docs</INT_NAME><EMPTY/></SECTION>");
    std::vector<std::vector<std::string>> expected = {{"BASE_CLASS", "ITEM"}, {"INT_NAME", "Docs"}, {"EMPTY", ""}};
    EXPECT_EQ(Rows(util.getChildrenNodeValuePairs("//SECTION")), expected);
    EXPECT_EQ(util.getChildrenNodeValuePairs("//EMPTY"), Variant());
    EXPECT_EQ(util.getChildrenNodeValuePairs("//NONE"), Variant());
}

TEST(IXmlUtil, TextsAndNamedNodes) {
    auto util = Loaded("<UI><OBJ ID='ITEM'><ATTRS><ATTR ID='ITEM.KEY' UI_FLAGS='000000000110'/></ATTRS></OBJ>"
                       "<XML_DATA><TYPE_FORMAT>rows</TYPE_FORMAT></XML_DATA></UI>");
    EXPECT_EQ(util.getNodeText("//TYPE_FORMAT"), "rows");
    EXPECT_EQ(util.getNodeText("//OBJ/@ID"), "ITEM");
    EXPECT_EQ(util.getNodeText("//MISSING"), "");
    auto flags = util.getNamedNode("//OBJ[@ID='ITEM']/ATTRS/ATTR[@ID='ITEM.KEY']/@UI_FLAGS");
    ASSERT_TRUE(flags);
    EXPECT_EQ(flags->Get("Value").ToString(), "000000000110");
    EXPECT_TRUE(util.selectNode("//PREFERENCES/USE_CACHE") == nullptr);
}

TEST(IXmlUtil, EscapingRoundTrips) {
    IXmlUtil util;
    struct Case {
        std::string text, escaped;
    } cases[] = {
        {"", ""},
        {"plain text", "plain text"},
        {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&apos;"},
        {"&amp;", "&amp;amp;"},
        {"\xC3\xA9t\xC3\xA9 \t\n", "\xC3\xA9t\xC3\xA9 \t\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(util.encodeXml(c.text), c.escaped);
        EXPECT_EQ(util.decodeXml(c.escaped), c.text);
    }
    EXPECT_EQ(util.decodeXml("&#60;&#x3E;&#233;"), "<>\xC3\xA9");
    EXPECT_EQ(util.decodeXml("AT&T &unknown; &#xZZ; &"), "AT&T &unknown; &#xZZ; &");
}

TEST(IXmlUtil, RecordsetsAndLoadErrors) {
    IXmlUtil util;
    EXPECT_EQ(util.getRecordset("<Response/>"), nullptr);
    auto rs = util.getRecordset("<xml><rs:data><z:row A='1'/></rs:data></xml>");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->Get("RecordCount").ToLong(), 1);
    EXPECT_THROW(util.getRecordset("<xml>"), automation::AutomationError);

    std::string error;
    EXPECT_FALSE(util.loadXmlString("<a>", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(util.getXml(), "");
    EXPECT_FALSE(util.loadXmlFile("/nonexistent/noxpref.xml", error));
    EXPECT_NE(error.find("noxpref.xml"), std::string::npos);
}

}  // namespace
