#include <gtest/gtest.h>

#include "components/noxrequest/IRequest.h"

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

TEST(IRequest, SuccessiveParametersMergeByElementName) {
    IRequest request;
    request.setparams("<PARAMS><LINK_CRITERIA>a&lt;b</LINK_CRITERIA></PARAMS>");
    request.setparams("<PARAMS><Mode>WIP</Mode><Date></Date></PARAMS>");
    EXPECT_EQ(request.Params(), "<PARAMS><LINK_CRITERIA>a&lt;b</LINK_CRITERIA><Mode>WIP</Mode><Date/></PARAMS>");
    request.setparams("<PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS>");
    EXPECT_EQ(request.Params(), "<PARAMS><Mode>WIP</Mode><Date/><LINK_CRITERIA/></PARAMS>");
    request.setparams("<PARAMS><Mode>RELEASED</Mode></PARAMS>");
    EXPECT_EQ(request.Params(), "<PARAMS><Date/><LINK_CRITERIA/><Mode>RELEASED</Mode></PARAMS>");
    // Every held parameter replaced: the new ones go into the held element, attributes and all.
    IRequest replaced;
    replaced.setparams("<PARAMS Scope='all'><Mode>WIP</Mode></PARAMS>");
    replaced.setparams("<PARAMS><Mode>RELEASED</Mode></PARAMS>");
    EXPECT_EQ(replaced.Params(), "<PARAMS Scope=\"all\"><Mode>RELEASED</Mode></PARAMS>");
    // A fragment that is not a PARAMS element replaces what is held; an empty one clears it.
    request.setparams("<OTHER/>");
    EXPECT_EQ(request.Params(), "<OTHER/>");
    request.setparams("");
    EXPECT_EQ(request.Params(), "");
}

}  // namespace
