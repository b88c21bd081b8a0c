#include <gtest/gtest.h>

#include "noxsimplelinks/request/RequestFragments.h"
#include "support/BuilderFixtures.h"

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

}  // namespace
