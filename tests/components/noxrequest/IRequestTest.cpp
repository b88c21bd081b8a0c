#include <gtest/gtest.h>

#include "automation/SafeArray.h"
#include "components/noxrequest/IRequest.h"

using automation::SafeArray;
using automation::Variant;
using components::IRequest;

namespace {

TEST(IRequest, EnvelopeHoldsNameObjectsAndParameters) {
    IRequest request;
    EXPECT_EQ(request.buildrequest("ZerakQuery"), "<Request><Method><Name>ZerakQuery</Name></Method></Request>");
    EXPECT_EQ(request.buildrequest("a<b"), "<Request><Method><Name>a&lt;b</Name></Method></Request>");
    // The collection update carries the places the caller fills in as character data.
    EXPECT_EQ(request.buildrequest("UpdateCollectionObjectsWC"),
              "<Request><Method><Name>UpdateCollectionObjectsWC</Name><METHOD_ID><![CDATA[%METHOD_ID%]]></METHOD_ID>"
              "<CATEGORY_METHOD><![CDATA[%CATEGORY_METHOD%]]></CATEGORY_METHOD></Method></Request>");
    request.setobjects("<OBJECTS><IN_OBJECT ID=\"ITEM\" TYPE=\"\"/></OBJECTS>");
    request.setparams("<PARAMS><Mode>WIP</Mode></PARAMS>");
    request.setuserparams("<USER>jo</USER>");
    EXPECT_EQ(request.buildrequest("ZerakPartList"),
              "<Request><Method><Name>ZerakPartList</Name><USER>jo</USER>"
              "<OBJECTS><IN_OBJECT ID=\"ITEM\" TYPE=\"\"/></OBJECTS><PARAMS><Mode>WIP</Mode></PARAMS>"
              "</Method></Request>");
}

TEST(IRequest, ParametersMergeUntilARequestIsBuiltAndTravelAsWritten) {
    IRequest request;
    request.setparams("<PARAMS><LINK_CRITERIA>a&lt;b&apos;</LINK_CRITERIA></PARAMS>");
    request.setparams("<PARAMS><Mode>WIP</Mode><Date></Date></PARAMS>");
    EXPECT_EQ(request.Params(), "<PARAMS><LINK_CRITERIA>a&lt;b&apos;</LINK_CRITERIA><Mode>WIP</Mode><Date></Date></PARAMS>");
    request.setparams("<PARAMS><Mode>RELEASED</Mode></PARAMS>");
    EXPECT_EQ(request.Params(), "<PARAMS><LINK_CRITERIA>a&lt;b&apos;</LINK_CRITERIA><Date></Date><Mode>RELEASED</Mode></PARAMS>");
    // The parameters go with the request built, and the next ones replace them.
    EXPECT_NE(request.buildrequest("ZerakPartList").find("<Mode>RELEASED</Mode></PARAMS>"), std::string::npos);
    request.setparams("<PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS>");
    EXPECT_EQ(request.Params(), "<PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS>");
    EXPECT_EQ(request.buildrequest("QueryRollupHistory"),
              "<Request><Method><Name>QueryRollupHistory</Name><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS>"
              "</Method></Request>");
}

TEST(IRequest, MergedParametersKeepEveryTextAsItStands) {
    struct Case {
        std::string held, added, merged;
    } cases[] = {
        // The held element keeps its tag, attributes and white space; what is not an element stays.
        {"<PARAMS Scope='all'>\n <Mode>WIP</Mode><!-- note --></PARAMS>", "<PARAMS><Mode a=\"1\">R</Mode></PARAMS>",
         "<PARAMS Scope='all'>\n <!-- note --><Mode a=\"1\">R</Mode></PARAMS>"},
        {"<PARAMS/>", "<PARAMS><A><![CDATA[x]]></A></PARAMS>", "<PARAMS><A><![CDATA[x]]></A></PARAMS>"},
        {"<PARAMS><A/></PARAMS>", "<PARAMS/>", "<PARAMS><A/></PARAMS>"},
        // Every held child of an added name goes, nested ones of that name stay.
        {"<PARAMS><A>1</A><B><A>2</A></B><A>3</A></PARAMS>", "<PARAMS><A>4</A></PARAMS>",
         "<PARAMS><B><A>2</A></B><A>4</A></PARAMS>"},
        // A fragment that is not one PARAMS element replaces what is held; an empty one clears it.
        {"<PARAMS><A/></PARAMS>", "<OTHER/>", "<OTHER/>"},
        {"<PARAMS><A/></PARAMS>", "<PARAMS/><PARAMS/>", "<PARAMS/><PARAMS/>"},
        {"<OTHER/>", "<PARAMS><A/></PARAMS>", "<PARAMS><A/></PARAMS>"},
        {"<PARAMS><A/></PARAMS>", "", ""},
    };
    for (const Case& c : cases) {
        IRequest request;
        request.setparams(c.held);
        request.setparams(c.added);
        EXPECT_EQ(request.Params(), c.merged) << c.held << " + " << c.added;
    }
}

TEST(IRequest, AnUpdatedObjectCarriesItsKeysThenItsAttributesEscaped) {
    IRequest request;
    SafeArray attributes(automation::Bounds{0, 1}, automation::Bounds{0, 1});
    attributes.At(0, 0) = Variant("ITEM.TITLE");
    attributes.At(0, 1) = Variant("<new> & 'old'");
    attributes.At(1, 0) = Variant("ITEM.WEIGHT");
    attributes.At(1, 1) = Variant();
    EXPECT_EQ(request.getObjByKeysValuesAndArrayAsXml("ITEM", Variant(SafeArray::Of({Variant("ITEM.ITEM_KEY")})),
                                                      Variant(SafeArray::Of({Variant("A&1")})), Variant(attributes)),
              "<OBJECTS><OBJECT ID='ITEM'><ITEM.ITEM_KEY>A&amp;1</ITEM.ITEM_KEY>"
              "<ITEM.TITLE>&lt;new&gt; &amp; &apos;old&apos;</ITEM.TITLE><ITEM.WEIGHT></ITEM.WEIGHT></OBJECT></OBJECTS>");
    EXPECT_EQ(request.getObjByKeysValuesAndArrayAsXml("DOC", Variant(), Variant(), Variant()),
              "<OBJECTS><OBJECT ID='DOC'></OBJECT></OBJECTS>");
}

}  // namespace
