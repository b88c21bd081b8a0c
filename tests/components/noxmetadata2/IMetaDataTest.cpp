#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "automation/SafeArray.h"
#include "components/noxmetadata2/IMetaData.h"
#include "support/TestWorld.h"

using namespace automation;
using components::IMetaData;
using testsupport::Raises;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kSample = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/objdefs.xml";

std::vector<std::string> Texts(const Variant& array) {
    std::vector<std::string> texts;
    for (const Variant& cell : array.ToArray().Cells()) texts.push_back(cell.ToString());
    return texts;
}

std::vector<std::string> Items(const Variant& collection) {
    std::vector<std::string> texts;
    for (int32_t i = 1; i <= CallOn(collection, "Count").ToLong(); ++i)
        texts.push_back(CallOn(collection, "Item", i).ToString());
    return texts;
}

class IMetaDataTest : public ::testing::Test {
protected:
    testsupport::TestWorld world;
    testsupport::ScopedVariable file{IMetaData::kFileVariable, kSample};
    std::shared_ptr<IMetaData> meta = std::make_shared<IMetaData>();
};

}  // namespace

TEST_F(IMetaDataTest, AnswersTheCallsOfTheControlAndTheBuilders) {
    EXPECT_THAT(Texts(meta->Call("getObjectKeys", "ITEM")), ElementsAre("ITEM.ITEM_KEY", "ITEM.REVISION"));
    EXPECT_EQ(meta->Call("getObjectKeys", "ITEM").ToArray().LBound(), 0);
    EXPECT_TRUE(meta->Call("getObjectKeys", "NO_SUCH_TYPE").IsEmpty());

    EXPECT_EQ(meta->Call("getLinkBetween2Obj", "ITEM", "CUSTOMER", "REFERENCE_LINK"), Variant("RELATED_CUSTOMER"));
    EXPECT_EQ(meta->Call("getLinkBetween2Obj", "CUSTOMER", "FOLDER", "REFERENCE_LINK"), Variant(""));

    EXPECT_THAT(Items(meta->Call("getLinkAttrs", "ITEM", "RELATED_CUSTOMER")),
                ElementsAre("RELATED_CUSTOMER.CUSTOMER_CAT_NO", "RELATED_CUSTOMER.CONTROLLED_BY",
                            "RELATED_CUSTOMER.CUST_ITEM_DES"));
    EXPECT_EQ(CallOn(meta->Call("getLinkAttrs", "ITEM", "NO_LINK"), "Count").ToLong(), 0);

    EXPECT_THAT(Texts(meta->Call("getObjectFields", "ITEM")), ::testing::Not(::testing::Contains("ITEM.TYPE_DESC")));
    EXPECT_THAT(Texts(meta->Call("getObjectFieldsIncludeVirtual", "ITEM")), ::testing::Contains("ITEM.TYPE_DESC"));
    EXPECT_EQ(meta->Call("getObjectFields", "NO_SUCH_TYPE").ToArray().Count(), 0);
}

TEST_F(IMetaDataTest, AttributesLabelsAndTables) {
    EXPECT_TRUE(meta->Call("ObjectAttrExist", "ITEM", "ITEM.WEIGHT").ToBool());
    EXPECT_TRUE(meta->Call("LinkAttrExist", "ITEM", "PARENT_LINKS", "FIND_NO").ToBool());
    EXPECT_EQ(meta->Call("getObjectAttrType", "ITEM", "CREATION_DATE"), Variant("date"));
    Variant properties = meta->Call("getObjectAttrProperties", "ITEM", "ITEM.REVISION");
    EXPECT_THAT(Texts(properties), ElementsAre("ITEM.REVISION", "text", "Revision", "2", "False", "10", "", "A", "REVISION"));
    Variant table = meta->Call("getAttrProperties", "CUSTOMER");
    EXPECT_EQ(table.ToArray().UBound(1), 3);
    EXPECT_EQ(table.ToArray().At(0, 0), Variant("CUSTOMER.CUSTOMER_ID"));

    EXPECT_EQ(meta->Call("getLinkLabel", "ITEM", "RELATED_CUSTOMER"), Variant("Customers"));
    EXPECT_EQ(meta->Call("getLinkLabel", "CUSTOMER", "RELATED_CUSTOMER"), Variant("Items"));
    EXPECT_EQ(meta->Call("getLinkReferentLabel", "ITEM", "RELATED_CUSTOMER", "CUSTOMER"), Variant("Customers"));
    EXPECT_EQ(meta->Call("getLinkObjectFromLink", "CUSTOMER", "RELATED_CUSTOMER"), Variant("ITEM"));
    EXPECT_THAT(Texts(meta->Call("getObjectLinkKeys", "ITEM", "RELATED_CUSTOMER", "CUSTOMER")),
                ElementsAre("RELATED_CUSTOMER.CUSTOMER_CAT_NO"));

    Arguments outs{Variant("ITEM"), Variant("CUSTOMER"), Variant("REFERENCE_LINK"), Variant(), Variant(), Variant()};
    meta->Invoke("getLinkTableBetween2Obj", InvokeKind::Method, outs);
    EXPECT_EQ(outs[3], Variant("ZR_ITEM_CUSTOMER"));
    EXPECT_EQ(outs[4], Variant("RELATED_CUSTOMER"));
    EXPECT_EQ(outs[5], Variant("REFERENCE_LINK"));

    EXPECT_EQ(meta->Call("GetZerakObject", "ZR_ITEM"), Variant("ITEM"));
    EXPECT_EQ(meta->Call("GetZerakField", "ZR_ITEM", "ITYPE", true), Variant("ITEM.ITEM_TYPE"));
    EXPECT_EQ(meta->Call("GetZerakField", "ITEM", "ITYPE"), Variant("ITEM.ITEM_TYPE"));
    EXPECT_EQ(meta->Call("GetLinkObjectFromTable", "ITEM", "ZR_ITEM_CUSTOMER", "REFERENCE_LINK"), Variant("CUSTOMER"));
    EXPECT_EQ(meta->Call("GetLinkTitle", "ZR_DOC", "ZR_DOC_FILE"), Variant("Files"));
    EXPECT_THAT(meta->Call("GetGridMetadata", "CUSTOMER").ToString(),
                HasSubstr("<COL KEY=\"CUSTOMER.CUSTOMER_ID\" LABEL=\"Customer id\" TYPE=\"text\"/>"));
}

TEST_F(IMetaDataTest, ValueListsCategoriesAndPreferences) {
    Variant statuses = meta->Call("getUdtypeList", "ITEM.STATUS");
    EXPECT_EQ(statuses.ToArray().At(1, 0), Variant("RELEASED"));
    EXPECT_EQ(statuses.ToArray().At(1, 1), Variant("Released"));
    EXPECT_EQ(meta->Call("getUdTypeValueByDesc", "ITEM.STATUS", "under change"), Variant("UNDER_CHANGE"));
    EXPECT_EQ(meta->Call("getUdTypeDesc", "STATUS"), Variant("Life-cycle status"));
    EXPECT_THAT(Texts(meta->Call("getCategories")), ElementsAre("ELECTRICAL", "MECHANICAL"));
    EXPECT_EQ(meta->Call("getCategoryAtrrs", "MECHANICAL"), Variant("ITEM.MATERIAL_GRADE;ITEM.TOLERANCE"));
    EXPECT_EQ(meta->Call("getCategoryAttr", "ELECTRICAL", "VOLTAGE", "type"), Variant("number"));
    EXPECT_EQ(meta->Call("getPrefValueByName", "DATE_FORMAT"), Variant("MM/DD/YYYY"));
    EXPECT_TRUE(meta->Call("getPrefByNameAndValue", "SHOW_VIRTUAL_FIELDS", "true").ToBool());
    EXPECT_EQ(meta->Call("getPreferencesAsArray").ToArray().UBound(2), 1);
    for (const char* check : {"ifExist", "ifPrefExist", "ifDefualtsExist"}) EXPECT_TRUE(meta->Call(check).ToBool()) << check;
    EXPECT_EQ(meta->Get("Version"), Variant("2.4"));
    EXPECT_THAT(Texts(meta->Call("getDataAsArray", "//LINK[@TYPE='LOGICAL_LINK']/@FROM")), ::testing::Contains("DOC"));
}

TEST_F(IMetaDataTest, WhatTheFileDoesNotHoldIsAClearError) {
    for (const char* operation : {"DepTypeExists", "GetDependParams", "GetDependListByCondition",
                                  "getUdTListByDependentAttr", "getAttrDependencies", "getObjDefFromServer",
                                  "getPrefFromServer"}) {
        EXPECT_TRUE(Raises([&] { meta->Call(operation, "ITEM.STATUS", "X"); }, static_cast<int32_t>(0x80040501),
                           std::string(operation) + " is not available: "));
    }
    EXPECT_THROW(meta->Call("getDataAsArray", "//TYPE["), AutomationError);
}

TEST(IMetaDataFile, ComesFromTheDownloadFolderAndBadFilesAreReported) {
    testsupport::TestWorld world;
    testsupport::ScopedVariable unset(IMetaData::kFileVariable, std::nullopt);
    IMetaData meta;
    EXPECT_FALSE(meta.ifExist());
    EXPECT_TRUE(Raises([&] { meta.Call("getObjectKeys", "ITEM"); }, static_cast<int32_t>(0x80040502), "config/download/objdefs.xml"));
    world.WriteFile("AppData/VARDEN/config/download/objdefs.xml",
                    "<OBJECT_DEFINITIONS><TYPES><TYPE NAME='PART'><ATTR NAME='NO' KEY='1'/></TYPE></TYPES>"
                    "</OBJECT_DEFINITIONS>");
    IMetaData fresh;
    EXPECT_THAT(Texts(fresh.getObjectKeys("part")), ElementsAre("PART.NO"));
    EXPECT_FALSE(fresh.LoadMetaData("/no/such/objdefs.xml"));
    EXPECT_THAT(Texts(fresh.getObjectKeys("PART")), ElementsAre("PART.NO"));
    EXPECT_TRUE(fresh.LoadMetaData(kSample));
    EXPECT_TRUE(fresh.IsPdmObject("STORTREE"));
}
