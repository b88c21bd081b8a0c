#include <gtest/gtest.h>

#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "support/BuilderFixtures.h"

using noxsimplelinks::clsXmlWrapper;
using testsupport::RecordingComponent;
using testsupport::ScopedProgId;

namespace {

// Over the real component: loads report through the error text, a later load replaces the
// document, a node that is not there reads as nothing and a bad query raises.
TEST(clsXmlWrapper, LoadsReportThroughTheErrorTextAndReadTheLatestDocument) {
    testsupport::XmlComponents components;
    clsXmlWrapper xml;
    std::string error = "stale";
    EXPECT_TRUE(xml.loadXmlString("<PREFERENCES><OTHER/></PREFERENCES>", error));
    EXPECT_EQ(error, "");
    EXPECT_TRUE(xml.loadXmlString("<xml><rs:data><z:row A='1' B='x'/></rs:data></xml>", error));
    EXPECT_EQ(xml.selectNode("//PREFERENCES"), nullptr);
    ASSERT_TRUE(xml.selectNode("//rs:data/z:row"));
    EXPECT_EQ(xml.selectNode("//rs:data/z:row")->Get("Attributes").ToObject()->Get("Item", 1).ToObject()->Get("baseName").ToString(), "B");
    EXPECT_THROW(xml.selectNode("//OBJ[@ID='O'Brien']"), automation::AutomationError);
    EXPECT_FALSE(xml.loadXmlString("<broken>", error));
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    EXPECT_FALSE(xml.loadXmlFile("/missing/ui_def.xml", error));
    EXPECT_NE(error.find("/missing/ui_def.xml"), std::string::npos);
}

TEST(clsXmlWrapper, ForwardsByNameToWhateverIsRegistered) {
    auto fake = std::make_shared<RecordingComponent>();
    ScopedProgId xmlUtil("noxxmlutil.IXmlUtil", [fake] { return fake; });
    std::string error = "stale";
    clsXmlWrapper().loadXmlFile("a.xml", error);
    EXPECT_EQ(fake->seenSecond, "");  // cleared before the call
    EXPECT_EQ(error, "by ref");
    EXPECT_EQ(fake->calls, (std::vector<std::string>{"loadXmlFile(a.xml)"}));
}

}  // namespace
