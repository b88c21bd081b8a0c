#include <gtest/gtest.h>

#include "CommTestSupport.h"
#include "noxsimplelinks/comm/clsRequestWrapper.h"
#include "noxsimplelinks/comm/clsXmlWrapper.h"

using automation::Variant;
using commtest::RecordingComponent;
using noxsimplelinks::clsRequestWrapper;
using noxsimplelinks::clsXmlWrapper;
using testsupport::ScopedProgId;

namespace {

// Over the real component: loads report through the error text, a later load replaces the
// document, a node that is not there reads as nothing and a bad query raises.
TEST(clsXmlWrapper, LoadsReportThroughTheErrorTextAndReadTheLatestDocument) {
    commtest::XmlComponents components;
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
    ScopedProgId replacement("noxxmlutil.IXmlUtil", [fake] { return fake; });
    clsXmlWrapper xml;
    std::string error = "stale";
    xml.loadXmlFile("a.xml", error);
    EXPECT_EQ(fake->seenSecond, "");  // cleared before the call
    EXPECT_EQ(error, "by ref");
    EXPECT_EQ(xml.getNodeText("//X"), "getNodeText://X");
    EXPECT_EQ(xml.getNodeAsArray("//Y"), Variant("getNodeAsArray://Y"));
    EXPECT_EQ(xml.selectNode("//Z"), nullptr);  // a non-object answer reads as nothing
    EXPECT_EQ(xml.Call("getChildrenNodeValuePairs", "//S"), Variant("getChildrenNodeValuePairs://S"));
    EXPECT_EQ(fake->calls, (std::vector<std::string>{"loadXmlFile(a.xml)", "getNodeText(//X)", "getNodeAsArray(//Y)",
                                                     "selectNode(//Z)", "getChildrenNodeValuePairs(//S)"}));
}

TEST(clsRequestWrapper, ForwardsEveryOperationUnchanged) {
    auto fake = std::make_shared<RecordingComponent>();
    ScopedProgId replacement("noxrequest.IRequest", [fake] { return fake; });
    auto builder = std::make_shared<clsRequestWrapper>();
    EXPECT_EQ(builder->Call("setobjects", "<OBJECTS/>"), Variant("setobjects:<OBJECTS/>"));
    EXPECT_EQ(builder->setparams("<PARAMS/>"), Variant("setparams:<PARAMS/>"));
    builder->setuserparams("<U/>");
    builder->setrequestfile("r.xml");
    builder->initresfile("res.xml");
    EXPECT_EQ(builder->buildrequest("ZerakQuery"), "buildrequest:ZerakQuery");
    EXPECT_EQ(fake->calls, (std::vector<std::string>{"setobjects(<OBJECTS/>)", "setparams(<PARAMS/>)", "setuserparams(<U/>)",
                                                     "setrequestfile(r.xml)", "initresfile(res.xml)",
                                                     "buildrequest(ZerakQuery)"}));
}

}  // namespace
