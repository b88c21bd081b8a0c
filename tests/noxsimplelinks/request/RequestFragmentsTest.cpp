#include <gtest/gtest.h>

#include "noxsimplelinks/request/RequestFragments.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "support/BuilderFixtures.h"

using automation::Variant;
using testsupport::List;
namespace fragments = noxsimplelinks::RequestFragments;

namespace {

TEST(RequestFragments, LinkCriteriaAreEscapedOrLeftOutWhenTheyCannotBe) {
    {
        testsupport::XmlComponents components;
        EXPECT_EQ(fragments::LinkCriteriaParams("A<B & 'C'"),
                  "<PARAMS><LINK_CRITERIA>A&lt;B &amp; &apos;C&apos;</LINK_CRITERIA></PARAMS>");
        EXPECT_EQ(fragments::LinkCriteriaParams(""), "<PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS>");
    }
    testsupport::ScopedProgId none("noxxmlutil.IXmlUtil", []() -> automation::DispatchPtr {
        throw automation::AutomationError(429, "no XML component");
    });
    EXPECT_EQ(fragments::LinkCriteriaParams("A<B"), "<PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS>");
}

TEST(RequestFragments, AnUpdatedObjectCarriesItsKeysThenItsFieldsEscaped) {
    testsupport::XmlComponents components;
    noxsimplelinks::clsUtils utils;
    EXPECT_EQ(fragments::UpdatedObject(utils, "ITEM", List({Variant("ITEM.ITEM_KEY")}), List({Variant("A&1")}),
                                       List({Variant("ITEM.TITLE")}), List({Variant("<new>")})),
              "<OBJECTS><OBJECT ID='ITEM'><ITEM.ITEM_KEY>A&amp;1</ITEM.ITEM_KEY>"
              "<ITEM.TITLE>&lt;new&gt;</ITEM.TITLE></OBJECT></OBJECTS>");
}

}  // namespace
