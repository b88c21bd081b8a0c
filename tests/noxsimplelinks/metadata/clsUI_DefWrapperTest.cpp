#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "automation/Collection.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "platform/xml/XmlDocument.h"
#include "support/ErrorOf.h"
#include "support/ScopedProgId.h"
#include "UiDefWorld.h"

using namespace automation;
using noxsimplelinks::clsUI_DefWrapper;
using testing::HasSubstr;
using Strings = std::vector<std::string>;

namespace {

class SmallUiDef : public testing::Test {
protected:
    testsupport::UiDefWorld world{testsupport::kSmallUiDef};
    std::shared_ptr<clsUI_DefWrapper> ui = world.Load();
};

Strings Texts(const Variant& value) {
    std::vector<std::string> texts;
    if (value.IsArray())
        for (const Variant& cell : value.ToArray().Cells()) texts.push_back(cell.TextOr(""));
    return texts;
}

Strings Column(const Variant& table, int32_t column) {
    std::vector<std::string> texts;
    const SafeArray& rows = table.ToArray();
    for (int32_t r = rows.LBound(1); r <= rows.UBound(1); ++r) texts.push_back(rows.At(r, column).TextOr(""));
    return texts;
}

// A grid definition element, as the control hands it over.
Variant GridNode(const std::string& xml) {
    auto document = std::make_shared<platform::XmlDocument>();
    EXPECT_TRUE(document->LoadXml(xml));
    return Variant(document->DocumentElement());
}

std::string Item(const DispatchPtr& collection, const char* key) {
    return std::static_pointer_cast<Collection>(collection)->Item(Variant(key)).TextOr("");
}

// An XML component of another make, reached only by member name: it loads a file as text and hands out
// a document that answers its text ("xml") and nothing else.
class ForeignXmlComponent : public Dispatch {
public:
    Variant Invoke(std::string_view name, InvokeKind, Arguments& args) override {
        if (SameName(name, "loadXmlFile")) {
            document_->text = testsupport::ReadText(args.at(0).ToString());
            return Variant(true);
        }
        if (SameName(name, "getDocument")) return Variant(DispatchPtr(document_));
        throw AutomationError(errors::kObjectDoesNotSupportMember, std::string(name));
    }
    std::string TypeName() const override { return "ForeignXmlComponent"; }

private:
    struct Document : Dispatch {
        Variant Invoke(std::string_view name, InvokeKind, Arguments&) override {
            if (SameName(name, "xml")) return Variant(text);
            throw AutomationError(errors::kObjectDoesNotSupportMember, std::string(name));
        }
        std::string TypeName() const override { return "DOMDocument"; }
        std::string text;
    };
    std::shared_ptr<Document> document_ = std::make_shared<Document>();
};

}  // namespace

TEST(UiDefLoading, ADocumentOfAnotherMakeIsReadThroughACopyOfItsText) {
    testsupport::UiDefWorld world{testsupport::kSmallUiDef};
    testsupport::ScopedProgId foreign("noxxmlutil.IXmlUtil", [] { return std::make_shared<ForeignXmlComponent>(); });
    clsUI_DefWrapper ui;
    EXPECT_EQ(ui.GetUIAttributeValue("PART", "PART.NUMBER", "UI_LABEL"), "Number");
    EXPECT_TRUE(ui.ToLongFormat());
    EXPECT_THAT(ui.xmlString(), HasSubstr("UI_VIEWABLE="));
    EXPECT_TRUE(world.world.Ui().Messages().empty());
}

TEST(UiDefLoading, AFileThatDoesNotLoadRaisesTheUserErrorNamingThePath) {
    for (const char* content : {"", "<UI_DEF><OBJ></UI_DEF>"}) {
        testsupport::UiDefWorld world(content);
        const AutomationError error = testsupport::ErrorOf([] { clsUI_DefWrapper ui; });
        EXPECT_EQ(error.Number(), errors::kUserError) << content;
        EXPECT_EQ(error.Description(), " Can not load file :" + clsUI_DefWrapper::DefaultPath());
    }
}

TEST_F(SmallUiDef, ABadTextOrPathKeepsTheDocument) {
    EXPECT_FALSE(ui->Reload("  "));
    EXPECT_FALSE(ui->Reload((world.world.Root() / "missing.xml").string()));
    ui->SetXmlString("<UI_DEF><broken");
    EXPECT_EQ(ui->GetObjectLabelByObjectType("PART"), "LBL_PART");
    ASSERT_EQ(world.world.Ui().Messages().size(), 1u);
    EXPECT_THAT(world.world.Ui().Messages()[0].text, HasSubstr("not a UI-definitions document"));
    ui->SetXmlString("<UI_DEF><OBJ ID='NEW' UI_LABEL='x'/></UI_DEF>");
    EXPECT_EQ(ui->GetObjectLabelByObjectType("NEW"), "x");
    EXPECT_EQ(ui->GetObjectLabelByObjectType("PART"), "");
}

TEST_F(SmallUiDef, SingleValuesReadFlagsByPositionAndPropertiesByShortNameAndTheNamesMap) {
    struct Case {
        std::string attr, name, expected;
    } cases[] = {
        {"PART.NUMBER", "UI_VIEWABLE", "1"}, {"PART.NUMBER", "UI_VISIBLE", "1"}, {"PART.NUMBER", "UI_REQUIRED", "0"},
        {"PART.NUMBER", "UI_LABEL", "Number"}, {"PART.NUMBER", "UI_LENGTH", "20"}, {"PART.NUMBER", "UI_L", "Number"},
        {"PART.MADE", "UI_QM_VISIBLE", "1"},   {"PART.NONE", "UI_LABEL", ""},     {"PART.NUMBER", "UI_EDITOR_ACTION", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ui->GetUIAttributeValue("PART", c.attr, c.name), c.expected) << c.attr << c.name;
    EXPECT_EQ(ui->GetUILinkAttributeValue("PART", "USES", "USES.QTY", "UI_REQUIRED"), "1");
    EXPECT_EQ(ui->GetUILinkAttributeValue("PART", "USES", "USES.QTY", "UI_TYPE"), "long");
    EXPECT_EQ(ui->ReturnBooleanUIValue("PART", "PART.NAME", "UI_REQUIRED", "PART"), "True");
    EXPECT_EQ(ui->ReturnBooleanUIValue("USES", "USES.QTY", "UI_MANDATORY", "PART"), "False");
    EXPECT_EQ(ui->GetObjectLabelByObjectType("TOOL"), "LBL_TOOL");
    EXPECT_EQ(ui->GetLinkLabelByLinkType("PART", "USES"), "Uses");
    EXPECT_TRUE(ui->IsVirtualObject("PART"));
    EXPECT_FALSE(ui->IsVirtualObject("TOOL"));
    EXPECT_FALSE(ui->IsVirtualObject("NOTHING"));
    EXPECT_FALSE(ui->isAttrViewable(Variant("PART"), Variant("PART.NUMBER")));
    // Queries written as XPath by hosts still work.
    EXPECT_EQ(ui->getobjectGroupLabel("PART", "GROUP[@ID='MORE']/@UI_L"), "More");
    EXPECT_EQ(ui->GetObjectLabelByObjectType("NONE' or @ID='TOOL"), "LBL_TOOL");
    EXPECT_EQ(ui->GetUIAttributeValue("PART", "PART.NONE' or @ID='PART.NAME", "UI_LABEL"), "Name");
    EXPECT_EQ(ui->getShortName("UI_REQUIRED"), "substring (@UI_FLAGS,9,1)='1'");
    EXPECT_EQ(ui->getShortName("UI_QM_EDITOR_ACTION"), "UI_Q_E_A");
    EXPECT_EQ(ui->getLongName("SOMETHING"), "SOMETHING");
    EXPECT_EQ(ui->getShortName("SOMETHING"), "SOMETHING");
    EXPECT_EQ(ui->getFlagPosition("UI_QM_VISIBLE"), 12);
    EXPECT_EQ(ui->getFlagPosition("UI_LABEL"), 0);
    EXPECT_EQ(ui->getFlagAttrValue("01", "UI_VISIBLE"), "");
    auto flags = std::static_pointer_cast<Collection>(ui->getFlagsCollection());
    ASSERT_EQ(flags->Count(), 12);
    EXPECT_EQ(flags->Item(Variant(int32_t{7})).ToString(), "UI_ENABLED_UPDATE_HAS_EO");
}

TEST_F(SmallUiDef, ValueCollectionsUseLongNamesAndExpandTheFlags) {
    DispatchPtr values = ui->GetAttributeValuesCol("PART", "PART.MASS");
    ASSERT_TRUE(values);
    EXPECT_EQ(std::static_pointer_cast<Collection>(values)->Count(), 6 + 12);
    EXPECT_EQ(Item(values, "UI_LABEL"), "Mass");
    EXPECT_EQ(Item(values, "UI_FLAGS"), "000000001010");
    EXPECT_EQ(Item(values, "UI_REQUIRED"), "1");
    EXPECT_EQ(Item(values, "UI_VIEWABLE"), "0");
    EXPECT_EQ(Item(ui->GetLinkAttributeValuesCol("PART", "USES", "USES.QTY"), "UI_VISIBLE"), "1");
    DispatchPtr raw = ui->GetAttributeValuesColForCustomization("PART", "PART.MASS");
    EXPECT_EQ(std::static_pointer_cast<Collection>(raw)->Count(), 6);
    EXPECT_EQ(Item(raw, "UI_L"), "Mass");
    EXPECT_EQ(ui->GetAttributeValuesCol("PART", "PART.NONE"), nullptr);
    EXPECT_EQ(ui->GetLinkAttributeValuesCol("PART", "NOLINK", "USES.QTY"), nullptr);
    EXPECT_EQ(Item(ui->GetAttrGroupValuesCol("PART", "MORE"), "UI_ORDER"), "2");
    EXPECT_EQ(ui->GetAttrGroupValuesCol("TOOL", "MORE"), nullptr);
    EXPECT_TRUE(world.world.Ui().Messages().empty());
}

TEST_F(SmallUiDef, GroupArraysAndLists) {
    Variant groups = ui->GetAttributeGroupsAsArray("PART");
    ASSERT_EQ(groups.ToArray().Count(), 2);
    EXPECT_EQ(Texts(groups.ToArray().At(1)), (Strings{"MORE", "More", "2"}));
    EXPECT_EQ(Texts(ui->GetLinkAttrGroupsAsArray("PART", "USES").ToArray().At(0)), (Strings{"L", "Link", "1"}));
    EXPECT_EQ(Texts(ui->GetAttributeGroupsAsArrayForCustomization("PART").ToArray().At(0)), (Strings{"MAIN", "", ""}));
    EXPECT_TRUE(ui->GetAttributeGroupsAsArray("TOOL").IsEmpty());

    EXPECT_EQ(Texts(ui->getObjectAttrsFilteredByUIAttr("PART", "ui_required")),
              (Strings{"PART.NAME", "PART.MASS", "PART.MADE"}));
    EXPECT_EQ(Texts(ui->getObjectAttrsFilteredByUIAttr("PART", "UI_QM_REQUIRED")), (Strings{"PART.NUMBER"}));
    EXPECT_TRUE(ui->getObjectAttrsFilteredByUIAttr("PART", "UI_MANDATORY").IsEmpty());
    EXPECT_EQ(Texts(ui->getLinkAttrsFilteredByUIAttr("PART", "USES", "UI_QM_REQUIRED")), (Strings{"USES.QTY"}));
    EXPECT_EQ(Texts(ui->getObjectsForQM()), (Strings{"PART"}));
    EXPECT_EQ(Texts(ui->getSearchObjectsQM()), (Strings{"PART"}));

    // The labels of these two lists are read from the short-named attribute alone, which OBJ and
    // LINK_DEF elements (long-named) do not carry.
    Variant visible, customizable;
    ui->getObjectsForCustomization(visible, customizable);
    EXPECT_EQ(Texts(visible), (Strings{"PART", ""}));
    EXPECT_EQ(Texts(customizable), (Strings{"PART"}));
    ui->getLinksObjectsforCustomization("PART", visible, customizable);
    EXPECT_EQ(Texts(visible), (Strings{"USES", ""}));
    EXPECT_EQ(Texts(customizable), (Strings{"USES"}));
    EXPECT_EQ(Texts(ui->getObjectLinksForMOW("PART")), (Strings{"USES", "Uses"}));
    EXPECT_EQ(Column(ui->getObjectAttrsforQM("PART"), 0), (Strings{"LINK_EXISTANCE", "PART.MADE"}));
    EXPECT_TRUE(ui->linkIsValid("PART", "HIDDEN_LINK"));
    EXPECT_FALSE(ui->linkIsValidForQM("PART", "HIDDEN_LINK"));
    EXPECT_EQ(Column(ui->GetObjectFieldsAsArray("PART"), 0), (Strings{"ATTRS", "ATTR", "ATTR", "ATTR", "ATTR"}));
}

TEST_F(SmallUiDef, RequestFieldsStartFromTheTemplateAndAddTheRequiredOnes) {
    Variant grid = GridNode("<GRID_COLS ID='G' BASE_OBJECT='PART' OBJECTS='PART' RELATED_OBJECTS='USES'>"
                            "<_FILTER/><PART.NUMBER WIDTH='1500'/><NOTE/><PART.NAME/><_LATE/></GRID_COLS>");
    EXPECT_EQ(Column(ui->getFieldsForRequest(grid), 0),
              (Strings{"PART.NUMBER", "NOTE", "PART.NAME", "_LATE", "PART.MASS", "PART.MADE", "USES.QTY"}));
    EXPECT_EQ(Column(ui->getFieldsForRequest(grid), 1)[0], "TRG");
    EXPECT_EQ(Column(ui->getFieldsForQMRequest(grid), 0),
              (Strings{"PART.NUMBER", "NOTE", "PART.NAME", "_LATE", "USES.QTY"}));
    EXPECT_EQ(ui->getAttrNodeAsString(grid, "base_object"), "PART");
    EXPECT_EQ(Texts(ui->getAttrNodeAsArray(grid, "RELATED_OBJECTS")), (Strings{"USES"}));
    EXPECT_TRUE(ui->getFieldsForRequest(GridNode("<G OBJECTS='PART'/>")).IsEmpty());
    EXPECT_TRUE(ui->getFieldsForRequest(Variant::Nothing()).IsEmpty());
}

TEST_F(SmallUiDef, TheFieldTableKeepsPlacesAndMarksWhatTheGridDoesNotShow) {
    Variant grid = GridNode("<GRID_COLS ID='G' BASE_OBJECT='PART' OBJECTS='PART' RELATED_OBJECTS='USES'>"
                            "<PART.NUMBER WIDTH='1500'/><NOTE/><PART.MASS WIDTH='wide'/><USES.QTY WIDTH='-1'/></GRID_COLS>");
    const SafeArray table = ui->getRequestFields(grid).ToArray();
    ASSERT_EQ(table.UBound(1), 6);
    ASSERT_EQ(table.UBound(2), 5);
    EXPECT_EQ(Texts(Variant(SafeArray::Of({table.At(0, 0), table.At(0, 1), table.At(0, 2), table.At(0, 3), table.At(0, 4)}))),
              (Strings{"ID", "UI_LABEL", "UI_TYPE", "VISIBLE", "WIDTH"}));
    struct Row {
        int32_t row;
        std::string id, label, type;
        bool visible;
        int32_t width;
    } rows[] = {
        {1, "PART.NUMBER", "Number", "string", true, 1500},
        {3, "PART.MASS", "Mass", "double", false, 0},    // not viewable; a width that is no number
        {4, "USES.QTY", "Quantity", "long", true, -1},  // a link attribute
        {5, "PART.NAME", "Name", "string", false, 0},    // not in the grid definition
    };
    for (const Row& r : rows) {
        EXPECT_EQ(table.At(r.row, 0).ToString(), r.id);
        EXPECT_EQ(table.At(r.row, 1).ToString(), r.label);
        EXPECT_EQ(table.At(r.row, 2).ToString(), r.type);
        EXPECT_EQ(table.At(r.row, 3), Variant(r.visible)) << r.id;
        EXPECT_EQ(table.At(r.row, 4), Variant(r.width)) << r.id;
    }
    EXPECT_TRUE(table.At(2, 0).IsEmpty());  // NOTE has no "." and keeps its place empty
}

TEST(UiDefFormats, LongThenShortRestoresTheFlagsAndTheLongTwinIsTheSampleInLongFormat) {
    testsupport::UiDefWorld world;
    auto ui = world.Load();
    auto elementXml = [](const std::string& xml) {
        auto document = std::make_shared<platform::XmlDocument>();
        document->LoadXml(xml);
        return document->DocumentElement()->Get("xml").ToString();
    };
    std::string shortXml = elementXml(ui->xmlString());
    EXPECT_TRUE(ui->ToShortFormat());
    EXPECT_EQ(elementXml(ui->xmlString()), shortXml);
    EXPECT_TRUE(ui->ToLongFormat());
    std::string longXml = elementXml(ui->xmlString());
    EXPECT_EQ(longXml, elementXml(testsupport::ReadText(testsupport::SampleUiDefLongPath())));
    EXPECT_EQ(ui->GetUIAttributeValue("ITEM", "ITEM.ITEM_KEY", "UI_REQUIRED"), "");
    EXPECT_TRUE(ui->ToShortFormat());
    EXPECT_EQ(elementXml(ui->xmlString()), shortXml);
    EXPECT_EQ(world.world.Ui().MousePointer(), 0);
}

TEST(UiDefFormats, AnAbsentFlagAttributeCountsAsZeroInTheShortFormat) {
    testsupport::UiDefWorld world("<UI_DEF><OBJ ID='A'><ATTRS><ATTR ID='A.X' UI_LABEL='X' UI_MANDATORY='1' "
                                  "UI_VISIBLE=' 1 ' UI_QM_VISIBLE=''/></ATTRS><GROUPS><GROUP ID='G' UI_ORDER='3'/>"
                                  "</GROUPS></OBJ></UI_DEF>");
    auto ui = world.Load();
    EXPECT_TRUE(ui->ToShortFormat());
    EXPECT_EQ(ui->GetUIAttributeValue("A", "A.X", "UI_FLAGS"), "100000000010");
    EXPECT_EQ(ui->GetUIAttributeValue("A", "A.X", "UI_LABEL"), "X");
    EXPECT_EQ(Texts(ui->GetAttributeGroupsAsArray("A").ToArray().At(0)), (Strings{"G", "", "3"}));
}

TEST_F(SmallUiDef, LateBoundCallsReachTheSameMembersAndFailuresAreReportedWithTheOperation) {
    EXPECT_EQ(ui->getAttrNodeAsString(Variant::Nothing(), "ID"), "");
    ASSERT_EQ(world.world.Ui().Messages().size(), 1u);
    EXPECT_THAT(world.world.Ui().Messages()[0].text, HasSubstr("clsUI_DefWrapper:getAttrNodeAsString"));
    Variant visible, customizable;
    Arguments args{Variant("PART"), visible, customizable};
    ui->Invoke("getLinksObjectsforCustomization", InvokeKind::Method, args);
    EXPECT_EQ(Texts(args[2]), (Strings{"USES"}));
    ui->Let("xmlString", Variant("<UI_DEF/>"));
    EXPECT_THAT(ui->Get("xmlString").ToString(), HasSubstr("<UI_DEF"));
}
