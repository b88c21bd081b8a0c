#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "components/noxrequest/IRequest.h"

using components::IRequest;

namespace {

bool ParsesAsXml(const std::string& text) {
    pugi::xml_document doc;
    return doc.load_string(text.c_str()) && std::distance(doc.children().begin(), doc.children().end()) == 1;
}

TEST(IRequest, EnvelopeHoldsNameObjectsAndParameters) {
    IRequest request;
    EXPECT_EQ(request.buildrequest("ZerakQuery"), "<Request><Method><Name>ZerakQuery</Name></Method></Request>");
    request.setobjects("<OBJECTS><IN_OBJECT ID=\"ITEM\" TYPE=\"\"/></OBJECTS>");
    request.setparams("<PARAMS><Mode>WIP</Mode></PARAMS>");
    request.setuserparams("<USER>jo</USER>");
    EXPECT_EQ(request.buildrequest("ZerakPartList"),
              "<Request><Method><Name>ZerakPartList</Name><USER>jo</USER>"
              "<OBJECTS><IN_OBJECT ID=\"ITEM\" TYPE=\"\"/></OBJECTS><PARAMS><Mode>WIP</Mode></PARAMS>"
              "</Method></Request>");
}

TEST(IRequest, EveryMethodOfTheCatalogueGivesAWellFormedDocument) {
    const char* methods[] = {"ZerakQueryLinks", "ZerakWhereUsed", "ZerakPartList", "ZerakQueryLinkWithCondition",
                             "ZerakQuery", "QueryStepRelatedObjects", "QueryTaskRelatedObjects", "TopAffectedObjects",
                             "QueryRollupHistory", "QueryObjectVaultHistory", "QuerySendToErpHistory", "DeleteLink",
                             "DeleteLinkWithoutConnection", "UnlinkAndDeleteFile", "UnlinkAndDeleteObject",
                             "UnlinkObjectFromTop", "UnAuthorizeToProject", "ZerakEoDetachObjectWithoutInObject",
                             "EoAttachObjectAllSteps", "EoLockObjectWithoutConnection", "StepObjectResponse",
                             "StepObjectResponseWithoutConnection", "UpdateCollectionObjectsWC", "MultiMethodsRequest",
                             "GeneralRequest"};
    IRequest request;
    request.setobjects("<OBJECTS/>");
    request.setparams("<PARAMS/>");
    for (const char* method : methods) {
        std::string document = request.buildrequest(method);
        EXPECT_TRUE(ParsesAsXml(document)) << document;
        EXPECT_EQ(document.rfind("<Request>", 0), 0u);
    }
}

TEST(IRequest, CollectionUpdateCarriesItsPlacesInCharacterData) {
    IRequest request;
    std::string document = request.buildrequest("UpdateCollectionObjectsWC");
    EXPECT_NE(document.find("%METHOD_ID%"), std::string::npos);
    EXPECT_NE(document.find("%CATEGORY_METHOD%"), std::string::npos);
    EXPECT_EQ(request.buildrequest("ZerakQuery").find('%'), std::string::npos);
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
