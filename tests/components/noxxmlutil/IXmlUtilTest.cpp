#include <gtest/gtest.h>

#include "automation/SafeArray.h"
#include "components/noxxmlutil/IXmlUtil.h"

using automation::SafeArray;
using automation::Variant;
using components::IXmlUtil;

namespace {

// A table as text: cells joined by ",", rows by "|", a cell that holds nothing "-".
std::string TableText(const Variant& table) {
    const SafeArray& a = table.ToArray();
    std::string text;
    for (int32_t r = a.LBound(1); r <= a.UBound(1); ++r)
        for (int32_t c = a.LBound(2); c <= a.UBound(2); ++c)
            text += a.At(r, c).TextOr("-") + (c < a.UBound(2) ? "," : r < a.UBound(1) ? "|" : "");
    return text;
}

TEST(IXmlUtil, TablesTextsAndRecordsetsOfALoadedDocument) {
    IXmlUtil util;
    std::string error;
    ASSERT_TRUE(util.loadXmlString(
        "<UI><ACTION_MAPPING VERSION='1'><ID_Prop_Print TYPE='DllAction' PROGID='noxprint.IclsPrint' METHOD='printGrid'/>"
        "<ID_Prop_Find TYPE='InternalAction' PROGID='' METHOD='FindObject' PARAMS='ALL'/></ACTION_MAPPING>"
        "<SECTION><BASE_CLASS>ITEM</BASE_CLASS><INT_NAME>Docs</INT_NAME><EMPTY/></SECTION>"
        "<OBJ ID='ITEM'/></UI>", error)) << error;
    // A node as an array: the element, then its children, each with its attribute values.
    EXPECT_EQ(TableText(util.getNodeAsArray("//ACTION_MAPPING")),
              "ACTION_MAPPING,1,-,-,-|ID_Prop_Print,DllAction,noxprint.IclsPrint,printGrid,-|"
              "ID_Prop_Find,InternalAction,,FindObject,ALL");
    EXPECT_EQ(util.getNodeAsArray("//NO_SUCH"), Variant());
    EXPECT_EQ(TableText(util.getChildrenNodeValuePairs("//SECTION")), "BASE_CLASS,ITEM|INT_NAME,Docs|EMPTY,");
    EXPECT_EQ(util.getChildrenNodeValuePairs("//EMPTY"), Variant());
    EXPECT_EQ(util.getChildrenNodeValuePairs("//NONE"), Variant());

    EXPECT_EQ(util.getNodeText("//INT_NAME"), "Docs");
    EXPECT_EQ(util.getNodeText("//OBJ/@ID"), "ITEM");
    EXPECT_EQ(util.getNodeText("//MISSING"), "");
    // A recordset comes by name as well; what it reads is the recordset's own tests' business.
    Variant recordset = util.Call("getRecordset", "<xml><rs:data><z:row A='1'/></rs:data></xml>");
    EXPECT_EQ(recordset.ToObject()->Get("RecordCount").ToLong(), 1);
}

TEST(IXmlUtil, EscapingRoundTrips) {
    IXmlUtil util;
    const std::pair<std::string, std::string> cases[] = {
        {"plain text", "plain text"},
        {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&apos;"},
        {"&amp;", "&amp;amp;"},
        {"\xC3\xA9t\xC3\xA9 \t\n", "\xC3\xA9t\xC3\xA9 \t\n"},
    };
    for (const auto& [text, escaped] : cases) {
        EXPECT_EQ(util.encodeXml(text), escaped);
        EXPECT_EQ(util.decodeXml(escaped), text);
    }
    EXPECT_EQ(util.decodeXml("&#60;&#x3E;&#233;"), "<>\xC3\xA9");
    EXPECT_EQ(util.decodeXml("AT&T &unknown; &#xZZ; &"), "AT&T &unknown; &#xZZ; &");
}

}  // namespace
