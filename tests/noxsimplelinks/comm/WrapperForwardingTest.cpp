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

TEST(clsXmlWrapper, LoadsClearTheErrorTextReplaceTheDocumentAndReadThroughIt) {
    commtest::XmlComponents components;
    clsXmlWrapper xml;
    std::string error = "stale";
    EXPECT_TRUE(xml.loadXmlString("<PREFERENCES><OTHER/></PREFERENCES>", error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(xml.selectNode("//PREFERENCES/USE_CACHE"), nullptr);

    EXPECT_TRUE(xml.loadXmlString("<xml><rs:data></rs:data></xml>", error));
    EXPECT_EQ(xml.selectNode("//rs:data/z:row"), nullptr);
    EXPECT_EQ(xml.selectNode("//PREFERENCES"), nullptr);
    EXPECT_EQ(xml.selectNodes("//rs:data/z:row")->Get("length").ToLong(), 0);

    EXPECT_FALSE(xml.loadXmlString("<broken>", error));
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    EXPECT_FALSE(xml.loadXmlFile("/missing/ui_def.xml", error));
    EXPECT_NE(error.find("/missing/ui_def.xml"), std::string::npos);

    ASSERT_TRUE(xml.loadXmlString("<xml><rs:data><z:row A='1' B='x'/></rs:data></xml>", error));
    auto row = xml.selectNode("//rs:data/z:row");
    ASSERT_TRUE(row);
    auto attributes = row->Get("Attributes").ToObject();
    EXPECT_EQ(attributes->Get("Item", 1).ToObject()->Get("baseName").ToString(), "B");
    EXPECT_EQ(xml.getDocument()->Get("xml").ToString(), xml.getXml());
    EXPECT_EQ(xml.encodeXml("&"), "&amp;");
    EXPECT_EQ(xml.decodeXml("&lt;"), "<");
    EXPECT_THROW(xml.selectNode("//OBJ[@ID='O'Brien']"), automation::AutomationError);
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
    std::vector<std::string> expected = {"loadXmlFile(a.xml)", "getNodeText(//X)", "getNodeAsArray(//Y)", "selectNode(//Z)"};
    EXPECT_EQ(fake->calls, expected);

    auto byName = std::make_shared<clsXmlWrapper>();
    EXPECT_EQ(byName->Call("getChildrenNodeValuePairs", "//S"), Variant("getChildrenNodeValuePairs://S"));
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
    std::vector<std::string> expected = {"setobjects(<OBJECTS/>)", "setparams(<PARAMS/>)", "setuserparams(<U/>)",
                                         "setrequestfile(r.xml)", "initresfile(res.xml)", "buildrequest(ZerakQuery)"};
    EXPECT_EQ(fake->calls, expected);
}

}  // namespace
