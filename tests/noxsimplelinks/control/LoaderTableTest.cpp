// The loader: for each row of its table, the exact request built through the real builders and the
// sample object definitions; and when no request is sent.
#include <gtest/gtest.h>

#include "ControlWorld.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"

namespace controltest {
namespace {

// A UI-definition object that asks for a fixed list of fields.
class FixedFields : public automation::Dispatch {
public:
    explicit FixedFields(std::vector<std::string> fields) : fields_(std::move(fields)) {}
    Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments&) override {
        if (name != "getFieldsForRequest") automation::Raise(automation::errors::kObjectDoesNotSupportMember);
        automation::SafeArray table(automation::Bounds{0, static_cast<int32_t>(fields_.size()) - 1}, automation::Bounds{0, 1});
        for (size_t i = 0; i < fields_.size(); ++i) {
            table.At(static_cast<int32_t>(i), 0) = Variant(fields_[i]);
            table.At(static_cast<int32_t>(i), 1) = Variant(std::string());
        }
        return Variant(std::move(table));
    }
    std::string TypeName() const override { return "FixedFields"; }

private:
    std::vector<std::string> fields_;
};

struct LoaderCase {
    std::string parentType;
    std::string intName;
    std::string objectType;
    std::vector<std::string> keys;
    std::vector<std::string> values;
    std::string request;  // empty: nothing is sent
};

class LoaderTable : public ::testing::TestWithParam<LoaderCase> {};

// A control whose pane lists objectType under intName, asking for two fields.
void Configure(ControlWorld& w, noxsimplelinks::ctlSimpleLinks& control, const LoaderCase& c) {
    control.Init(Variant(w.SectionFromXml("<PANE><BASE_CLASS>" + c.objectType + "</BASE_CLASS><INT_NAME>" +
                                          c.intName + "</INT_NAME></PANE>")));
    control.Params()->Call("Add", Variant(DispatchPtr(std::make_shared<FixedFields>(std::vector<std::string>{
                                      c.objectType + ".STATUS", c.objectType + ".AUTHOR"}))),
                           "UI_DEF_OBJ");
    control.SetParentType(c.parentType);
    control.SetParentKeys(List(c.keys));
    control.SetParentValues(List(c.values));
}

void Configure(ControlWorld& w, const LoaderCase& c) { Configure(w, *w.control, c); }

TEST_P(LoaderTable, BuildsTheRequestOfItsRow) {
    ControlWorld w;
    Configure(w, GetParam());
    EXPECT_EQ(w.control->BuildLinksRequest(), GetParam().request);
}

const std::vector<std::string> kItem{"ITEM.ITEM_KEY", "ITEM.REVISION"};
const std::vector<std::string> kDoc{"DOC.DOC_ID", "DOC.REVISION"};

INSTANTIATE_TEST_SUITE_P(
    EveryRow, LoaderTable,
    ::testing::Values(
        LoaderCase{"ITEM", "DOC", "DOC", kItem, {"A100", "B"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="ITEM" TYPE=""><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY><ITEM.REVISION>B</ITEM.REVISION></IN_OBJECT><LINK1 ID="ITEM_DOC"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"ITEM", "WHEREUSED", "ITEM", kItem, {"P110", "A"},
                   R"(<Request><Method><Name>ZerakWhereUsed</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="ITEM" TYPE=""><ITEM.ITEM_KEY>P110</ITEM.ITEM_KEY><ITEM.REVISION>A</ITEM.REVISION></IN_OBJECT></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"ITEM", "SEND_HISTORY", "ITEM", kItem, {"A100", "B"},
                   R"(<Request><Method><Name>QuerySendToErpHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="ITEM" TYPE=""><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY><ITEM.REVISION>B</ITEM.REVISION></IN_OBJECT></OBJECTS></Method></Request>)"},
        LoaderCase{"ITEM", "PROVIDERS", "ITEM", kItem, {"A100", "B"}, ""},
        LoaderCase{"ITEM", "HISTORY", "ITEM", kItem, {"A100", "B"},
                   R"(<Request><Method><Name>QueryObjectVaultHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="ITEM" TYPE=""><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY><ITEM.REVISION>B</ITEM.REVISION></IN_OBJECT></OBJECTS><PARAMS><active_version>True</active_version><not_case_sensitive>True</not_case_sensitive></PARAMS></Method></Request>)"},
        LoaderCase{"ITEM", "ROLLUP_HISTORY", "ITEM", kItem, {"A100", "B"},
                   R"(<Request><Method><Name>QueryRollupHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="ITEM" TYPE=""><ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY><ITEM.REVISION>B</ITEM.REVISION></IN_OBJECT></OBJECTS></Method></Request>)"},
        LoaderCase{"DOC", "REFERENCE", "DOC", kDoc, {"D100", "B"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B</DOC.REVISION></IN_OBJECT><LINK1 ID="DOC_REFERENCE"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"DOC", "PARENT", "DOC", kDoc, {"D210", "A"},
                   R"(<Request><Method><Name>ZerakWhereUsed</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D210</DOC.DOC_ID><DOC.REVISION>A</DOC.REVISION></IN_OBJECT></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"DOC", "CHILD", "DOC", kDoc, {"D100", "B"},
                   R"(<Request><Method><Name>ZerakPartList</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B</DOC.REVISION></IN_OBJECT></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date></PARAMS></Method></Request>)"},
        LoaderCase{"DOC", "HISTORY", "DOC", kDoc, {"D100", "B"},
                   R"(<Request><Method><Name>QueryObjectVaultHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B</DOC.REVISION></IN_OBJECT></OBJECTS><PARAMS><active_version>True</active_version><not_case_sensitive>True</not_case_sensitive></PARAMS></Method></Request>)"},
        LoaderCase{"DOC", "FILE", "FILE", kDoc, {"D100", "B"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FILE.STATUS></FILE.STATUS><FILE.AUTHOR></FILE.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B</DOC.REVISION></IN_OBJECT><LINK1 ID="DOC_FILE"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"EO", "CHILD", "EO", {"EO.EO_ID"}, {"EO-1000"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><EO.STATUS></EO.STATUS><EO.AUTHOR></EO.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="EO" TYPE=""><EO.EO_ID>EO-1000</EO.EO_ID></IN_OBJECT><LINK1 ID="CHILD_LINKS"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>)"},
        LoaderCase{"EO", "PARENT", "EO", {"EO.EO_ID"}, {"EO-1001"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><EO.STATUS></EO.STATUS><EO.AUTHOR></EO.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="EO" TYPE=""><EO.EO_ID>EO-1001</EO.EO_ID></IN_OBJECT><LINK1 ID="PARENT_LINKS"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>)"},
        LoaderCase{"EO", "ITEM", "ITEM", {"EO.EO_ID"}, {"EO-1001"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="EO" TYPE=""><EO.EO_ID>EO-1001</EO.EO_ID></IN_OBJECT><LINK1 ID="EO_ATTACHED"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>)"},
        LoaderCase{"FOLDER", "CHILD", "FOLDER", {"FOLDER.FOLDER_ID"}, {"FLD-1"},
                   R"(<Request><Method><Name>ZerakPartList</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FOLDER.STATUS></FOLDER.STATUS><FOLDER.AUTHOR></FOLDER.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FOLDER" TYPE=""><FOLDER.FOLDER_ID>FLD-1</FOLDER.FOLDER_ID></IN_OBJECT></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date></PARAMS></Method></Request>)"},
        LoaderCase{"FOLDER", "PARENT", "FOLDER", {"FOLDER.FOLDER_ID"}, {"FLD-2"},
                   R"(<Request><Method><Name>ZerakWhereUsed</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FOLDER.STATUS></FOLDER.STATUS><FOLDER.AUTHOR></FOLDER.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FOLDER" TYPE=""><FOLDER.FOLDER_ID>FLD-2</FOLDER.FOLDER_ID></IN_OBJECT></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"FOLDER", "REFERENCE", "FOLDER", {"FOLDER.FOLDER_ID"}, {"FLD-1"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FOLDER.STATUS></FOLDER.STATUS><FOLDER.AUTHOR></FOLDER.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FOLDER" TYPE=""><FOLDER.FOLDER_ID>FLD-1</FOLDER.FOLDER_ID></IN_OBJECT><LINK1 ID="FOLDER_REFERENCE"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"FOLDER", "HISTORY", "FOLDER", {"FOLDER.FOLDER_ID"}, {"FLD-1"},
                   R"(<Request><Method><Name>QueryObjectVaultHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FOLDER.STATUS></FOLDER.STATUS><FOLDER.AUTHOR></FOLDER.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FOLDER" TYPE=""><FOLDER.FOLDER_ID>FLD-1</FOLDER.FOLDER_ID></IN_OBJECT></OBJECTS><PARAMS><active_version>True</active_version><not_case_sensitive>True</not_case_sensitive></PARAMS></Method></Request>)"},
        LoaderCase{"FOLDER", "DOC", "DOC", {"FOLDER.FOLDER_ID"}, {"FLD-1"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FOLDER" TYPE=""><FOLDER.FOLDER_ID>FLD-1</FOLDER.FOLDER_ID></IN_OBJECT><LINK1 ID="FOLDER_CONTENT"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>)"},
        LoaderCase{"MODIFICATION", "ITEM_AFFECTED", "ITEM", {"MODIFICATION.MODIFICATION_ID"}, {"MOD-1"},
                   R"(<Request><Method><Name>TopAffectedObjects</Name><OBJECTS><IN_OBJECT ID="MODIFICATION" TYPE=""><MODIFICATION.MODIFICATION_ID>MOD-1</MODIFICATION.MODIFICATION_ID></IN_OBJECT><OUT_OBJECT ID='ITEM'/><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS></OBJECTS></Method></Request>)"},
        LoaderCase{"MATERIAL", "SEND_HISTORY", "MATERIAL", {"MATERIAL.MATERIAL_KEY", "MATERIAL.REVISION"}, {"M-STEEL", "A"},
                   R"(<Request><Method><Name>QuerySendToErpHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><MATERIAL.STATUS></MATERIAL.STATUS><MATERIAL.AUTHOR></MATERIAL.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="MATERIAL" TYPE=""><MATERIAL.MATERIAL_KEY>M-STEEL</MATERIAL.MATERIAL_KEY><MATERIAL.REVISION>A</MATERIAL.REVISION></IN_OBJECT></OBJECTS></Method></Request>)"},
        LoaderCase{"FORMULA", "HISTORY", "FORMULA", {"FORMULA.FORMULA_KEY", "FORMULA.REVISION"}, {"FRM-1", "A"},
                   R"(<Request><Method><Name>QueryObjectVaultHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FORMULA.STATUS></FORMULA.STATUS><FORMULA.AUTHOR></FORMULA.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FORMULA" TYPE=""><FORMULA.FORMULA_KEY>FRM-1</FORMULA.FORMULA_KEY><FORMULA.REVISION>A</FORMULA.REVISION></IN_OBJECT></OBJECTS><PARAMS><active_version>True</active_version><not_case_sensitive>True</not_case_sensitive></PARAMS></Method></Request>)"},
        LoaderCase{"FORMULA", "ROLLUP_HISTORY", "FORMULA", {"FORMULA.FORMULA_KEY", "FORMULA.REVISION"}, {"FRM-1", "A"},
                   R"(<Request><Method><Name>QueryRollupHistory</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FORMULA.STATUS></FORMULA.STATUS><FORMULA.AUTHOR></FORMULA.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FORMULA" TYPE=""><FORMULA.FORMULA_KEY>FRM-1</FORMULA.FORMULA_KEY><FORMULA.REVISION>A</FORMULA.REVISION></IN_OBJECT></OBJECTS></Method></Request>)"},
        LoaderCase{"MATERIAL", "REFERENCE", "MATERIAL", {"MATERIAL.MATERIAL_KEY", "MATERIAL.REVISION"}, {"M-STEEL", "A"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><MATERIAL.STATUS></MATERIAL.STATUS><MATERIAL.AUTHOR></MATERIAL.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="MATERIAL" TYPE=""><MATERIAL.MATERIAL_KEY>M-STEEL</MATERIAL.MATERIAL_KEY><MATERIAL.REVISION>A</MATERIAL.REVISION></IN_OBJECT><LINK1 ID="MATERIAL_REFERENCE"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"FORMULA", "MATERIAL", "MATERIAL", {"FORMULA.FORMULA_KEY", "FORMULA.REVISION"}, {"FRM-1", "A"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><MATERIAL.STATUS></MATERIAL.STATUS><MATERIAL.AUTHOR></MATERIAL.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="FORMULA" TYPE=""><FORMULA.FORMULA_KEY>FRM-1</FORMULA.FORMULA_KEY><FORMULA.REVISION>A</FORMULA.REVISION></IN_OBJECT><LINK1 ID="FORMULA_MATERIAL"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA><Mode></Mode><Date></Date><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS></Method></Request>)"},
        LoaderCase{"FILE", "PARENT", "DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"},
                   R"(<Request><Method><Name>ZerakWhereUsed</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><DOC.STATUS></DOC.STATUS><DOC.AUTHOR></DOC.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B</DOC.REVISION></IN_OBJECT></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>)"},
        LoaderCase{"FILE", "FILE", "FILE", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"},
                   R"(<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><FILE.STATUS></FILE.STATUS><FILE.AUTHOR></FILE.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="DOC" TYPE=""><DOC.DOC_ID>D100</DOC.DOC_ID><DOC.REVISION>B</DOC.REVISION></IN_OBJECT><LINK1 ID="DOC_FILE"></LINK1></OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>)"},
        LoaderCase{"EO_USER_TASK", "ATTACHED_STEP_ITEM", "ITEM", {"EO_USER_TASK.STEP_ID", "EO_USER_TASK.EO_ID", "EO_USER_TASK.ROUTE_ID"}, {"10", "EO-1001", "R1"},
                   R"(<Request><Method><Name>QueryTaskRelatedObjects</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="EO_USER_TASK" TYPE=""><EO_USER_TASK.EO_ID>EO-1001</EO_USER_TASK.EO_ID><EO_USER_TASK.ROUTE_ID>R1</EO_USER_TASK.ROUTE_ID><EO_USER_TASK.STEP_ID>10</EO_USER_TASK.STEP_ID></IN_OBJECT><LINK1 ID="TASK_ATTACHED"></LINK1></OBJECTS></Method></Request>)"},
        LoaderCase{"EO_ROUTE_APPROVAL_STEP", "ATTACHED_STEP_ITEM", "ITEM", {"ignored"}, {"EO-1001", "R1", "10"},
                   R"(<Request><Method><Name>QueryStepRelatedObjects</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="EO_ROUTE_STEP" TYPE=""><EO_ROUTE_STEP.EO_ID>EO-1001</EO_ROUTE_STEP.EO_ID><EO_ROUTE_STEP.ROUTE_ID>R1</EO_ROUTE_STEP.ROUTE_ID><EO_ROUTE_STEP.STEP_ID>10</EO_ROUTE_STEP.STEP_ID></IN_OBJECT><LINK1 ID="STEP_ATTACHED"></LINK1></OBJECTS></Method></Request>)"},
        LoaderCase{"EO_ROUTE__STEP", "ITEM", "ITEM", {}, {"EO-1001", "R1", "20"},
                   R"(<Request><Method><Name>QueryStepRelatedObjects</Name><OBJECTS><SELECT_FIELDS ID="" TYPE="SELECT_FIELDS"><ITEM.STATUS></ITEM.STATUS><ITEM.AUTHOR></ITEM.AUTHOR></SELECT_FIELDS><IN_OBJECT ID="EO_ROUTE_STEP" TYPE=""><EO_ROUTE_STEP.EO_ID>EO-1001</EO_ROUTE_STEP.EO_ID><EO_ROUTE_STEP.ROUTE_ID>R1</EO_ROUTE_STEP.ROUTE_ID><EO_ROUTE_STEP.STEP_ID>20</EO_ROUTE_STEP.STEP_ID></IN_OBJECT><LINK1 ID="STEP_ATTACHED"></LINK1></OBJECTS></Method></Request>)"},
        LoaderCase{"EO_ROUTE_STEP", "ITEM", "ITEM", {}, {"EO-1001", "R1", "10"}, ""},
        LoaderCase{"CUSTOMER", "ITEM", "ITEM", {"CUSTOMER.CUSTOMER_ID"}, {"C-100"}, ""}));

// Two panes of one window share the host's request builder: what one load leaves on it is the emptied
// criteria, so that the next pane's request carries no parameters of the first.
TEST(Loader, PanesSharingTheHostsBuilderLeaveItOnlyTheEmptiedCriteria) {
    ControlWorld w;
    w.site->SetHost(Variant(automation::CreateObject("noxhostservices.clshostservices")));
    Configure(w, {"ITEM", "DOC", "DOC", kItem, {"A100", "B"}, ""});
    w.Param("EffectivityDate", Variant(std::string("01/01/2020")));
    EXPECT_NE(w.control->BuildLinksRequest().find("<Date>01/01/2020</Date>"), std::string::npos);

    auto history = std::make_shared<noxsimplelinks::ctlSimpleLinks>();
    history->SetContainer(Variant(DispatchPtr(w.site)));
    Configure(w, *history, {"ITEM", "ROLLUP_HISTORY", "ITEM", kItem, {"A100", "B"}, ""});
    const std::string request = history->BuildLinksRequest();
    EXPECT_TRUE(request.ends_with("</OBJECTS><PARAMS><LINK_CRITERIA></LINK_CRITERIA></PARAMS></Method></Request>"))
        << request;
}

TEST(Loader, AnEmptyParentValuesSendsNothingAndAFileParentLoadsWithAnEmptyText) {
    ControlWorld w;
    Configure(w, {"FILE", "FILE", "FILE", {}, {}, ""});
    w.control->SetParentValues(Variant());
    EXPECT_EQ(w.control->BuildLinksRequest(), "");
    w.control->SetParentValues(Variant(std::string()));
    EXPECT_NE(w.control->BuildLinksRequest(), "");
}

}  // namespace
}  // namespace controltest
