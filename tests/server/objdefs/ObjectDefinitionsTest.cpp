#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "objdefs/ObjectDefinitionsReader.h"

using namespace objdefs;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string kSample = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/objdefs.xml";

std::shared_ptr<const ObjectDefinitions> Sample() {
    static auto definitions = ObjectDefinitionsReader::ReadFile(kSample);
    return definitions;
}

std::string Wrap(const std::string& body) { return "<OBJECT_DEFINITIONS VERSION='1'>" + body + "</OBJECT_DEFINITIONS>"; }

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
    EXPECT_THAT(Sample()->KeyNames("KEY_GLOSS"), ElementsAre("KEY_GLOSS.KEYWORD", "KEY_GLOSS.KEYWORD_CLASS"));
    EXPECT_TRUE(Sample()->KeyNames("NO_SUCH_TYPE").empty());
    EXPECT_EQ(Sample()->Version(), "2.4");
}

TEST(ObjectDefinitionsSample, FindsLinksInEitherDirectionAndByType) {
    struct Case {
        const char *from, *to, *linkType, *expected;
    } cases[] = {
        {"ITEM", "CUSTOMER", "REFERENCE_LINK", "RELATED_CUSTOMER"},
        {"CUSTOMER", "ITEM", "REFERENCE_LINK", "RELATED_CUSTOMER"},
        {"DOC", "ITEM", "REFERENCE_LINK", "ITEM_DOC"},
        {"ITEM", "ITEM", "CHILD_LINKS", "CHILD_LINKS"},
        {"ITEM", "ITEM", "PARENT_LINKS", "PARENT_LINKS"},
        {"DOC", "DOC", "LOGICAL_LINK", "DOC_REFERENCE"},
        {"DOC", "KEY_GLOSS", "REFERENCE_LINK", "RELATED_KEYWORD"},
        {"EO_ROUTE_STEP", "DOC", "REFERENCE_LINK", "STEP_ATTACHED"},
        {"ITEM", "CUSTOMER", "", "RELATED_CUSTOMER"},
    };
    for (const Case& c : cases) {
        const LinkDef* link = Sample()->LinkBetween(c.from, c.to, c.linkType);
        ASSERT_NE(link, nullptr) << c.from << "->" << c.to;
        EXPECT_EQ(link->name, c.expected);
    }
    EXPECT_EQ(Sample()->LinkBetween("ITEM", "CUSTOMER", "LOGICAL_LINK"), nullptr);
    EXPECT_EQ(Sample()->LinkBetween("CUSTOMER", "PROJECT", ""), nullptr);
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
        const char* text;
        const char* reason;
    } cases[] = {
        {"<OBJECT_DEFINITIONS>", "not well-formed XML"},
        {"<DEFS/>", "expected <OBJECT_DEFINITIONS>"},
        {"<OBJECT_DEFINITIONS><TYPES><TYPE LABEL='x'/></TYPES></OBJECT_DEFINITIONS>", "has no NAME"},
        {"<OBJECT_DEFINITIONS><TYPES><TYPE NAME='A'><ATTR NAME='X' TYPE='blob'/></TYPE></TYPES></OBJECT_DEFINITIONS>",
         "A.X has the type 'blob'"},
        {"<OBJECT_DEFINITIONS><TYPES><TYPE NAME='A'/><TYPE NAME='a'/></TYPES></OBJECT_DEFINITIONS>", "defined twice"},
        {"<OBJECT_DEFINITIONS><TYPES><TYPE NAME='A'/></TYPES><LINKS><LINK NAME='L' TYPE='REFERENCE_LINK' FROM='A' "
         "TO='B'/></LINKS></OBJECT_DEFINITIONS>",
         "undefined type 'B'"},
        {"<OBJECT_DEFINITIONS><TYPES><TYPE NAME='A'><ATTR NAME='K' KEY='-1'/></TYPE></TYPES></OBJECT_DEFINITIONS>",
         "negative KEY"},
    };
    for (const Case& c : cases) {
        try {
            ObjectDefinitionsReader::ReadText(c.text, "test.xml");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DefinitionsError& e) {
            EXPECT_THAT(e.what(), HasSubstr("test.xml: "));
            EXPECT_THAT(e.what(), HasSubstr(c.reason));
        }
    }
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
