#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "objdefs/ObjectDefinitionsReader.h"

using namespace objdefs;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::shared_ptr<const ObjectDefinitions> Sample() {
    static auto definitions =
        ObjectDefinitionsReader::ReadFile(std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/objdefs.xml");
    return definitions;
}

std::string Wrap(const std::string& body) { return "<OBJECT_DEFINITIONS VERSION='1'>" + body + "</OBJECT_DEFINITIONS>"; }

// What reading the text throws, "accepted" when it throws nothing.
std::string ReadError(const std::string& text) {
    try {
        ObjectDefinitionsReader::ReadText(text, "test.xml");
    } catch (const DefinitionsError& e) {
        return e.what();
    }
    return "accepted";
}

}  // namespace

TEST(ObjectDefinitionsSample, DefinesEveryTypeTheControlUsesWithKeys) {
    for (const char* type : {"ITEM", "DOC", "FILE", "HARD_COPY", "EO", "EO_ROUTE_STEP", "EO_USER_TASK", "FOLDER",
                             "MODIFICATION", "MATERIAL", "FORMULA", "CUSTOMER", "KEY_GLOSS", "PROJECT", "STORTREE",
                             "DATASET"}) {
        ASSERT_NE(Sample()->FindType(type), nullptr) << type;
        EXPECT_FALSE(Sample()->KeyNames(type).empty()) << type;
    }
    EXPECT_THAT(Sample()->KeyNames("ITEM"), ElementsAre("ITEM.ITEM_KEY", "ITEM.REVISION"));
    EXPECT_THAT(Sample()->KeyNames("eo_user_task"),
                ElementsAre("EO_USER_TASK.EO_ID", "EO_USER_TASK.ROUTE_ID", "EO_USER_TASK.STEP_ID"));
    EXPECT_TRUE(Sample()->KeyNames("NO_SUCH_TYPE").empty());
    EXPECT_EQ(Sample()->Version(), "2.4");
}

TEST(ObjectDefinitionsSample, FindsLinksInEitherDirectionAndByType) {
    struct Case {
        const char *from, *to, *linkType, *expected;  // "" for no link
    } cases[] = {
        {"ITEM", "CUSTOMER", "REFERENCE_LINK", "RELATED_CUSTOMER"},
        {"CUSTOMER", "ITEM", "REFERENCE_LINK", "RELATED_CUSTOMER"},
        {"DOC", "ITEM", "REFERENCE_LINK", "ITEM_DOC"},
        {"ITEM", "ITEM", "CHILD_LINKS", "CHILD_LINKS"},
        {"ITEM", "ITEM", "PARENT_LINKS", "PARENT_LINKS"},
        {"DOC", "DOC", "LOGICAL_LINK", "DOC_REFERENCE"},
        {"EO_ROUTE_STEP", "DOC", "REFERENCE_LINK", "STEP_ATTACHED"},
        {"ITEM", "CUSTOMER", "", "RELATED_CUSTOMER"},
        {"ITEM", "CUSTOMER", "LOGICAL_LINK", ""},
        {"CUSTOMER", "PROJECT", "", ""},
    };
    for (const Case& c : cases) {
        const LinkDef* link = Sample()->LinkBetween(c.from, c.to, c.linkType);
        EXPECT_EQ(link ? link->name : "", c.expected) << c.from << "->" << c.to << " " << c.linkType;
    }
}

TEST(ObjectDefinitionsSample, SharedLinkNamesResolvePerType) {
    EXPECT_EQ(Sample()->FindLink("RELATED_PROJECT", "FOLDER")->from, "FOLDER");
    EXPECT_EQ(Sample()->FindLink("RELATED_PROJECT", "DOC")->from, "DOC");
    EXPECT_EQ(Sample()->OtherEnd(*Sample()->FindLink("RELATED_CUSTOMER"), "CUSTOMER"), "ITEM");
    EXPECT_EQ(Sample()->LinkAttribute("PARENT_LINKS", "FIND_NO")->name, "PARENT_LINKS.FIND_NO");
    EXPECT_EQ(Sample()->LinkByTable("ITEM", "ZR_ITEM_CUSTOMER", "")->name, "RELATED_CUSTOMER");
}

TEST(ObjectDefinitionsSample, FieldsLeaveOutVirtualAttributesUnlessAsked) {
    auto stored = Sample()->FieldNames("FILE", false);
    auto all = Sample()->FieldNames("FILE", true);
    EXPECT_EQ(all.size(), stored.size() + 1);
    EXPECT_EQ(all.back(), "FILE.VAULT_PATH");
    EXPECT_EQ(Sample()->TypeAttribute("ITEM", "ITEM.WEIGHT")->type, DataType::Number);
    EXPECT_EQ(Sample()->TypeAttribute("ITEM", "creation_date")->type, DataType::Date);
    EXPECT_EQ(Sample()->TypeAttribute("ITEM", "ITEM_TYPE")->column, "ITYPE");
    EXPECT_TRUE(Sample()->HasDefaults());
    EXPECT_EQ(Sample()->PreferenceValue("date_format").value_or(""), "MM/DD/YYYY");
    EXPECT_FALSE(Sample()->PreferenceValue("NO_SUCH_PREF").has_value());
}

TEST(ObjectDefinitionsSample, SelectsByXPath) {
    EXPECT_THAT(Sample()->Select("//TYPE[@NAME='CUSTOMER']/ATTR[@KEY]/@NAME"), ElementsAre("CUSTOMER_ID"));
    EXPECT_THROW(Sample()->Select("//TYPE[@"), std::invalid_argument);
    EXPECT_THAT(Sample()->TypeXml("CUSTOMER"), HasSubstr("<TYPE NAME=\"CUSTOMER\""));
}

TEST(ObjectDefinitionsReader, RejectsBadFilesWithAReadableReason) {
    struct Case {
        std::string text;
        const char* reason;
    } cases[] = {
        {"<OBJECT_DEFINITIONS>", "not well-formed XML"},
        {"<DEFS/>", "expected <OBJECT_DEFINITIONS>"},
        {Wrap("<TYPES><TYPE LABEL='x'/></TYPES>"), "has no NAME"},
        {Wrap("<TYPES><TYPE NAME='A'><ATTR NAME='X' TYPE='blob'/></TYPE></TYPES>"), "A.X has the type 'blob'"},
        {Wrap("<TYPES><TYPE NAME='A'/><TYPE NAME='a'/></TYPES>"), "defined twice"},
        {Wrap("<TYPES><TYPE NAME='A'/></TYPES><LINKS><LINK NAME='L' TYPE='REFERENCE_LINK' FROM='A' TO='B'/></LINKS>"),
         "undefined type 'B'"},
        {Wrap("<TYPES><TYPE NAME='A'><ATTR NAME='K' KEY='-1'/></TYPE></TYPES>"), "negative KEY"},
    };
    for (const Case& c : cases) EXPECT_THAT(ReadError(c.text), AllOf(HasSubstr("test.xml: "), HasSubstr(c.reason))) << c.text;
    EXPECT_THROW(ObjectDefinitionsReader::ReadFile("/nonexistent/objdefs.xml"), DefinitionsError);
}

TEST(ObjectDefinitionsReader, AppliesDefaultsForOptionalAttributes) {
    auto defs = ObjectDefinitionsReader::ReadText(
        Wrap("<TYPES><TYPE NAME='A'><ATTR NAME='K' KEY='2'/><ATTR NAME='J' KEY='1'/></TYPE></TYPES>"), "t");
    const AttributeDef* k = defs->TypeAttribute("A", "K");
    EXPECT_EQ(k->label, "K");
    EXPECT_EQ(k->column, "K");
    EXPECT_EQ(k->type, DataType::Text);
    EXPECT_THAT(defs->KeyNames("A"), ElementsAre("A.J", "A.K"));
    EXPECT_FALSE(defs->HasDefaults());
    EXPECT_EQ(defs->FindType("A")->label, "A");
}
