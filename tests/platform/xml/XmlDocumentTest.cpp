#include <gtest/gtest.h>

#include <filesystem>

#include "support/ErrorOf.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlQuery.h"

using automation::DispatchPtr;
using automation::Variant;
using platform::XmlDocument;
using testsupport::ErrorOf;

namespace {

constexpr const char* kAnswer =
    "<xml xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>"
    "<rs:data><z:row ITEM.ITEM_KEY='A1' ITEM.REV='B'/><z:row ITEM.ITEM_KEY='A&amp;2'/></rs:data></xml>";

std::shared_ptr<XmlDocument> Parse(const std::string& text) {
    auto doc = std::make_shared<XmlDocument>();
    std::string error;
    EXPECT_TRUE(doc->LoadText(text, error)) << error;
    return doc;
}

DispatchPtr Obj(const Variant& v) { return v.ToObject(); }

TEST(XmlDocument, PrefixedNamesMatchAsWrittenAndAttributesReadByName) {
    auto doc = Parse(kAnswer);
    auto rows = Obj(doc->Call("selectNodes", "//rs:data/z:row"));
    ASSERT_EQ(rows->Get("length").ToLong(), 2);
    auto first = Obj(rows->Get("Item", 0));
    EXPECT_EQ(first->Get("nodeName").ToString(), "z:row");
    EXPECT_EQ(first->Get("baseName").ToString(), "row");
    auto attributes = Obj(first->Get("Attributes"));
    ASSERT_EQ(attributes->Get("length").ToLong(), 2);
    auto key = Obj(attributes->Get("Item", 0));
    EXPECT_EQ(key->Get("baseName").ToString(), "ITEM.ITEM_KEY");
    EXPECT_EQ(key->Get("Value").ToString(), "A1");
    EXPECT_EQ(Obj(rows->Get("Item", 1))->Call("getAttribute", "ITEM.ITEM_KEY").ToString(), "A&2");
    EXPECT_TRUE(rows->Get("Item", 2).IsNothing());
    EXPECT_EQ(Obj(first->Get("ownerDocument")), doc);
    EXPECT_TRUE(doc->Call("selectSingleNode", "//z:row[@ITEM.REV='C']").IsNothing());
}

TEST(XmlDocument, AttributeXPathGivesAttributeNodes) {
    auto doc = Parse("<UI><OBJ ID='ITEM' UI_VISIBLE='1'/><OBJ ID='DOC'/><OBJ ID='EO' UI_VISIBLE='1'/></UI>");
    auto ids = Obj(doc->Call("selectNodes", "//OBJ[@UI_VISIBLE='1']/@ID"));
    ASSERT_EQ(ids->Get("length").ToLong(), 2);
    EXPECT_EQ(Obj(ids->Call("nextNode"))->Get("Text").ToString(), "ITEM");
    EXPECT_EQ(Obj(ids->Call("nextNode"))->Get("Value").ToString(), "EO");
    EXPECT_TRUE(ids->Call("nextNode").IsNothing());
}

TEST(XmlDocument, TextAndMarkup) {
    auto doc = Parse("<A><B>one<C>two</C></B><D x=\"&lt;&quot;\"/></A>");
    auto b = Obj(doc->Call("selectSingleNode", "//B"));
    EXPECT_EQ(b->Get("Text").ToString(), "onetwo");
    EXPECT_EQ(Obj(doc->Call("selectSingleNode", "//D"))->Get("xml").ToString(), "<D x=\"&lt;&quot;\"/>");
    b->Let("Text", "new & fresh");
    EXPECT_EQ(doc->Get("xml").ToString(), "<A><B>new &amp; fresh</B><D x=\"&lt;&quot;\"/></A>");
    EXPECT_EQ(Obj(b->Get("childNodes"))->Get("length").ToLong(), 1);
}

TEST(XmlDocument, LoadFailuresReturnFalseWithAReadableReason) {
    struct Case {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"<A><B></A>", "line 1"},
        {"<A/><B/>", "one top level element"},
        {"text<A/>", "outside the document element"},
        {"<A>\n<B x='1' x='2'/></A>", "twice"},
        {"<A>\n<B></C></A>", "line 2"},
    };
    for (const auto& c : cases) {
        auto doc = Parse("<OLD/>");
        std::string error;
        EXPECT_FALSE(doc->LoadText(c.text, error)) << c.text;
        EXPECT_NE(error.find(c.reasonPart), std::string::npos) << error;
        EXPECT_TRUE(doc->Call("selectSingleNode", "//OLD").IsNothing()) << "a failed load leaves no old content";
    }
    auto doc = std::make_shared<XmlDocument>();
    std::string error;
    EXPECT_FALSE(doc->LoadFile("/no/such/dir/file.xml", error));
    EXPECT_NE(error.find("/no/such/dir/file.xml"), std::string::npos);
    EXPECT_FALSE(doc->Call("load", "/no/such/file.xml").ToBool());
}

TEST(XmlDocument, SavedFilesLoadBack) {
    auto path = std::filesystem::temp_directory_path() / "xml_document_test.xml";
    Parse("<PREFERENCES><USE_CACHE>True</USE_CACHE></PREFERENCES>")->Call("save", path.string());
    auto again = std::make_shared<XmlDocument>();
    EXPECT_TRUE(again->Call("load", path.string()).ToBool());
    EXPECT_EQ(Obj(again->Call("selectSingleNode", "//PREFERENCES/USE_CACHE"))->Get("Text").ToString(), "True");
    std::filesystem::remove(path);
}

TEST(XmlDocument, InvalidXPathRaisesWithTheQueryInTheDescription) {
    auto doc = Parse(kAnswer);
    for (std::string xpath : {"//IN_OBJECT[@ID='O'Brien']", "//[", "count(//z:row)", ""})
        EXPECT_TRUE(testsupport::Raises([&] { doc->Call("selectNodes", xpath); }, platform::XmlQuery::kQueryError,
                                        "\"" + xpath + "\""));
}

TEST(XmlDocument, RemovedNodesAndNodesOfAnEarlierLoadStayReadable) {
    auto doc = Parse("<G><COL1 WIDTH='10'><X>x</X></COL1><_KEEP/><COL2 WIDTH='20'/></G>");
    auto list = Obj(doc->Call("selectNodes", "//G/*"));
    auto width = Obj(doc->Call("selectSingleNode", "//COL2/@WIDTH"));
    auto x = Obj(doc->Call("selectSingleNode", "//X"));
    auto g = Obj(doc->Call("selectSingleNode", "//G"));
    auto col1 = Obj(list->Get("Item", 0));
    g->Call("removeChild", col1);
    g->Call("removeChild", Obj(list->Get("Item", 2)));  // list items not read before still work
    EXPECT_EQ(doc->Get("xml").ToString(), "<G><_KEEP/></G>");
    EXPECT_EQ(col1->Get("xml").ToString(), "<COL1 WIDTH=\"10\"><X>x</X></COL1>");
    EXPECT_EQ(x->Get("Text").ToString(), "x");
    EXPECT_EQ(width->Get("Value").ToString(), "20");
    EXPECT_EQ(Obj(list->Get("Item", 2))->Get("nodeName").ToString(), "COL2");

    g->Call("appendChild", col1);  // a removed node can be put back
    EXPECT_EQ(doc->Get("xml").ToString(), "<G><_KEEP/><COL1 WIDTH=\"10\"><X>x</X></COL1></G>");
    x->Let("Text", "y");
    EXPECT_EQ(Obj(doc->Call("selectSingleNode", "//X"))->Get("Text").ToString(), "y");

    doc->Call("loadXML", "<C><X>second</X></C>");  // queries see only the new content
    EXPECT_EQ(x->Get("Text").ToString(), "y");
    EXPECT_EQ(Obj(doc->Call("selectSingleNode", "//X"))->Get("Text").ToString(), "second");
    EXPECT_TRUE(doc->Call("selectSingleNode", "//G").IsNothing());
}

TEST(XmlDocument, CreatedNodesJoinTheTreeAndFollowIt) {
    auto doc = Parse("<G/>");
    auto g = Obj(doc->Get("documentElement"));
    auto col = Obj(doc->Call("createElement", "ITEM.ITEM_KEY"));
    g->Call("appendChild", col);
    col->Call("setAttribute", "WIDTH", 1200);
    auto sort = Obj(doc->Call("createAttribute", "SORT"));
    sort->Let("Value", "1");
    Obj(col->Get("Attributes"))->Call("setNamedItem", sort);
    auto replacement = Obj(doc->Call("createAttribute", "WIDTH"));
    replacement->Let("Value", "900");
    Obj(col->Get("Attributes"))->Call("setNamedItem", replacement);
    EXPECT_EQ(doc->Get("xml").ToString(), "<G><ITEM.ITEM_KEY SORT=\"1\" WIDTH=\"900\"/></G>");
    EXPECT_EQ(Obj(sort->Get("ownerDocument")), doc);
    col->Call("removeAttribute", "SORT");
    EXPECT_EQ(sort->Get("Value").ToString(), "1");
    EXPECT_TRUE(col->Call("getAttribute", "SORT").IsNull());

    auto second = Obj(doc->Call("createElement", "SECOND"));
    EXPECT_EQ(ErrorOf([&] { doc->Call("createElement", "1bad"); }).Description(), "\"1bad\" is not a valid XML name.");
    EXPECT_EQ(ErrorOf([&] { doc->Call("appendChild", second); }).Description(), "Only one top level element is allowed.");
    EXPECT_EQ(ErrorOf([&] { col->Call("appendChild", g); }).Description(), "The node cannot be inserted at this place.");  // a node cannot go below itself
}

TEST(XmlDocument, NodesOfAnotherDocumentMoveAcross) {
    auto source = Parse("<WIZARD><LINK1 ID='DOC_ITEM'><QTY>2</QTY></LINK1></WIZARD>");
    auto target = Parse("<OBJECTS/>");
    auto link = Obj(source->Call("selectSingleNode", "//LINK1[@ID='DOC_ITEM']"));
    Obj(target->Get("documentElement"))->Call("appendChild", link);
    EXPECT_EQ(target->Get("xml").ToString(), "<OBJECTS><LINK1 ID=\"DOC_ITEM\"><QTY>2</QTY></LINK1></OBJECTS>");
    EXPECT_EQ(source->Get("xml").ToString(), "<WIZARD/>");
    link->Call("setAttribute", "ID", "X");
    EXPECT_FALSE(target->Call("selectSingleNode", "//LINK1[@ID='X']").IsNothing());
}

TEST(XmlDocument, CommentsCdataAndTheDocumentNodeHaveTheirKindsAndNames) {
    auto doc = Parse("<A><!--c--><![CDATA[<raw>]]></A>");
    auto children = Obj(Obj(doc->Get("documentElement"))->Get("childNodes"));
    EXPECT_EQ(Obj(children->Get("Item", 0))->Get("nodeType").ToLong(), 8);
    EXPECT_EQ(Obj(children->Get("Item", 1))->Get("nodeValue").ToString(), "<raw>");
    EXPECT_EQ(doc->Get("nodeName").ToString(), "#document");
    EXPECT_TRUE(doc->Get("Attributes").IsNothing());
}

}  // namespace
