// The query methods on the sample data, one row per pane the control loads.
#include <gtest/gtest.h>

#include "DataGenerator.h"
#include "PlmTestSupport.h"
#include "RowQuery.h"

using namespace plmtest;

namespace {

const KeyList kP110 = {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}};
const KeyList kP140 = {{"ITEM.ITEM_KEY", "P140"}, {"ITEM.REVISION", "A"}};

struct QueryCase {
    const char* name;
    std::string request;
    std::string field, expected;  // the field whose values are compared, and its Column
};

std::string PartListParams(const std::string& mode, const std::string& date, const std::string& revision) {
    return "<PARAMS><Mode>" + mode + "</Mode><Date>" + date + "</Date>" +
           (revision.empty() ? "" : "<REVISION_OPTION>" + revision + "</REVISION_OPTION>") + "</PARAMS>";
}

const std::string kHistoryParams =
    "<PARAMS><active_version>True</active_version><not_case_sensitive>True</not_case_sensitive></PARAMS>";

std::vector<QueryCase> Cases() {
    return {
        {"documents of an item", QueryLinks("ITEM", kA100B, {"DOC.DOC_ID", "ITEM_DOC.RELATION_TYPE"}, "ITEM_DOC"),
         "DOC.DOC_ID", "D100,D200"},
        {"items of a document, the link read backwards", QueryLinks("DOC", kD100B, {"ITEM.ITEM_KEY"}, "ITEM_DOC"), "ITEM.ITEM_KEY",
         "A100"},
        {"link named by its link type", QueryLinks("DOC", kD100B, {"HARD_COPY.HARD_COPY_ID"}, "REFERENCE_LINK"),
         "HARD_COPY.HARD_COPY_ID", "HC-1,HC-2"},
        {"one link name towards two types, chosen by the fields",
         QueryLinks("FOLDER", {{"FOLDER.FOLDER_ID", "FLD-1"}}, {"DOC.DOC_ID"}, "FOLDER_CONTENT"), "DOC.DOC_ID", "D100"},
        {"child orders", QueryLinks("EO", {{"EO.EO_ID", "EO-1000"}}, {"EO.EO_ID"}, "CHILD_LINKS"), "EO.EO_ID",
         "EO-1001,EO-1002"},
        {"parent orders", QueryLinks("EO", {{"EO.EO_ID", "EO-1002"}}, {"EO.EO_ID"}, "PARENT_LINKS"), "EO.EO_ID", "EO-1000"},
        {"attached items with their lock", QueryLinks("EO", {{"EO.EO_ID", "EO-1001"}}, {"ITEM.ITEM_KEY", "ITEM.LOCK_TYPE"}, "EO_ATTACHED"),
         "ITEM.LOCK_TYPE", "Locked,Unlocked"},
        {"released mode leaves out work in progress",
         QueryLinks("ITEM", kA100B, {"DOC.DOC_ID"}, "ITEM_DOC", PartListParams("RELEASED", "", "")), "DOC.DOC_ID", "D200"},
        {"all revisions of the linked objects",
         QueryLinks("ITEM", {{"ITEM.ITEM_KEY", "A300"}, {"ITEM.REVISION", "A"}}, {"ITEM.REVISION"}, "CHILD_LINKS",
                    PartListParams("WIP", "", "ALL_REVISIONS")),
         "ITEM.REVISION", "A,B"},
        {"effective revision at a date before the change",
         ByKeys("ZerakPartList", "ITEM", kA100B, {"ITEM.ITEM_KEY", "ITEM.REVISION"}, PartListParams("WIP", "06/01/2023", "EFFECTIVE")),
         "ITEM.REVISION", "A,A,A"},
        {"effective revision at a date after the change",
         ByKeys("ZerakPartList", "ITEM", kA100B, {"ITEM.ITEM_KEY", "ITEM.REVISION"}, PartListParams("WIP", "2024-06-01", "EFFECTIVE")),
         "ITEM.REVISION", "A,A,B,A,A"},
        {"part list with find numbers", ByKeys("ZerakPartList", "ITEM", kA100B, {"CHILD_LINKS.FIND_NO"}),
         "CHILD_LINKS.FIND_NO", "10,20,30,40,50"},
        {"document part list", ByKeys("ZerakPartList", "DOC", kD100B, {"DOC.DOC_ID"}), "DOC.DOC_ID", "D210"},
        {"where used", ByKeys("ZerakWhereUsed", "ITEM", kP110, {"ITEM.ITEM_KEY", "ITEM.REVISION", "PARENT_LINKS.FIND_NO"}),
         "ITEM.REVISION", "A,B"},
        // A100/B holds P140 on two lines (find numbers 40 and 50): it is one parent.
        {"where used names a parent once", ByKeys("ZerakWhereUsed", "ITEM", kP140, {"ITEM.REVISION", "PARENT_LINKS.FIND_NO"}),
         "PARENT_LINKS.FIND_NO", "40"},
        {"where used names each revision of a parent once",
         ByKeys("ZerakWhereUsed", "ITEM", kP140, {"ITEM.REVISION"}, PartListParams("WIP", "", "ALL_REVISIONS")), "ITEM.REVISION",
         "A,B,C"},
        {"items related to an item", QueryLinks("ITEM", kA100B, {"ITEM.ITEM_KEY", "RELATED_ITEM.RELATION_TYPE"}, "REFERENCE_LINK"),
         "RELATED_ITEM.RELATION_TYPE", "Service kit,Spare part"},
        {"the objects of an approval step, asked for as its route step",
         QueryLinks("EO_ROUTE_STEP", Step("EO_ROUTE_STEP", "20"), {"ITEM.ITEM_KEY"}, "STEP_ATTACHED", "",
                    "QueryStepRelatedObjects"),
         "ITEM.ITEM_KEY", "A100"},
        {"where used, all revisions of each parent once",
         QueryLinks("ITEM", kP110, {"ITEM.REVISION"}, "PARENT_LINKS", PartListParams("WIP", "", "ALL_REVISIONS")),
         "ITEM.REVISION", "A,B,C"},
        {"folder where used", ByKeys("ZerakWhereUsed", "FOLDER", {{"FOLDER.FOLDER_ID", "FLD-2"}}, {"FOLDER.FOLDER_ID"}),
         "FOLDER.FOLDER_ID", "FLD-1"},
        {"documents of a file", ByKeys("ZerakWhereUsed", "DOC", {{"FILE.FILE_ID", "F1001"}, {"FILE.REVISION", "1"}}, {"DOC.DOC_ID"}),
         "DOC.DOC_ID", "D100"},
        {"step objects", QueryLinks("EO_ROUTE_STEP", Step("EO_ROUTE_STEP", "10"), {"ITEM.ITEM_KEY", "STEP_ATTACHED.APPROVAL"},
                                    "STEP_ATTACHED", "", "QueryStepRelatedObjects"),
         "STEP_ATTACHED.APPROVAL", "NONE,APPROVED"},
        {"task objects are its step's", QueryLinks("EO_USER_TASK", Step("EO_USER_TASK", "10"), {"DOC.DOC_ID"}, "TASK_ATTACHED", "",
                                                   "QueryTaskRelatedObjects"),
         "DOC.DOC_ID", "D100"},
        {"top affected objects leave out children of affected objects",
         Request("TopAffectedObjects", "<OBJECTS>" + Obj("IN_OBJECT", "MODIFICATION", {{"MODIFICATION.MODIFICATION_ID", "MOD-1"}}) +
                                           "<OUT_OBJECT ID='ITEM'/>" + Fields({"ITEM.ITEM_KEY"}) + "</OBJECTS>"),
         "ITEM.ITEM_KEY", "A100,A300"},
        {"vault history over every revision", ByKeys("QueryObjectVaultHistory", "ITEM", kA100B,
                                                     {"ITEM_VAULT_HISTORY.CHECK_TYPE", "ITEM_VAULT_HISTORY.EO_ID"}, kHistoryParams),
         "ITEM_VAULT_HISTORY.CHECK_TYPE", "CHECK_IN,REVISE,CHECK_OUT"},
        {"history keys compared without case", ByKeys("QueryObjectVaultHistory", "ITEM", {{"ITEM.ITEM_KEY", "a100"}, {"ITEM.REVISION", "B"}},
                                                      {"ITEM_VAULT_HISTORY.USER_NAME"}, kHistoryParams),
         "ITEM_VAULT_HISTORY.USER_NAME", "jsmith,jsmith,mbrown"},
        {"roll-up history", ByKeys("QueryRollupHistory", "ITEM", kA100B, {"ROLLUP_HISTORY.TOTAL_WEIGHT"}),
         "ROLLUP_HISTORY.TOTAL_WEIGHT", "42.5,44"},
        {"send-to-ERP history", ByKeys("QuerySendToErpHistory", "MATERIAL", {{"MATERIAL.MATERIAL_KEY", "M-STEEL"}, {"MATERIAL.REVISION", "A"}},
                                       {"SEND_TO_ERP_HISTORY.SEND_STATUS"}),
         "SEND_TO_ERP_HISTORY.SEND_STATUS", "SENT"},
        {"plain query with a condition", QueryType("ITEM", {"ITEM.REVISION", "ITEM.STATUS"}, Condition("ITEM", "ITEM.ITEM_KEY", "A100")),
         "ITEM.REVISION", "A,B,C"},
        {"link query with conditions, none given",
         QueryLinks("ITEM", kA100B, {"CUSTOMER.CUSTOMER_ID"}, "RELATED_CUSTOMER", "", "ZerakQueryLinkWithCondition"),
         "CUSTOMER.CUSTOMER_ID", "C-100,C-200"},
        {"condition on a link attribute",
         Request("ZerakQueryLinkWithCondition",
                 "<OBJECTS>" + Fields({"CUSTOMER.CUSTOMER_ID", "RELATED_CUSTOMER.CONTROLLED_BY"}) + Obj("IN_OBJECT", "ITEM", kA100B) +
                     Link("RELATED_CUSTOMER") +
                     Condition("ITEM", "RELATED_CUSTOMER.CUSTOMER_CAT_NO", "NW-5512", "<Link>RELATED_CUSTOMER</Link>") + "</OBJECTS>"),
         "RELATED_CUSTOMER.CONTROLLED_BY", "Engineering"},
        {"link criteria travel escaped in the parameters",
         QueryLinks("ITEM", kA100B, {"DOC.DOC_ID"}, "ITEM_DOC",
                    "<PARAMS><LINK_CRITERIA>" + Escape(Condition("DOC", "DOC.DOC_TYPE", "SPEC")) + "</LINK_CRITERIA></PARAMS>"),
         "DOC.DOC_ID", "D200"},
        {"text beyond ASCII", QueryLinks("ITEM", kA100B, {"CUSTOMER.CITY"}, "RELATED_CUSTOMER"), "CUSTOMER.CITY", "Dayton,Malmö"},
        {"a field of another object is Null: no attribute", QueryLinks("ITEM", kA100B, {"DOC.DOC_ID", "ITEM.WEIGHT"}, "ITEM_DOC"),
         "ITEM.WEIGHT", "<null>,<null>"},
        {"without selected fields the keys are answered", QueryLinks("ITEM", kA100B, {}, "RELATED_KEYWORD"),
         "KEY_GLOSS.KEYWORD_CLASS", "FUNCTION"},
        {"materials of a formula", QueryLinks("FORMULA", {{"FORMULA.FORMULA_KEY", "FRM-1"}, {"FORMULA.REVISION", "A"}},
                                              {"MATERIAL.MATERIAL_KEY", "FORMULA_MATERIAL.QUANTITY"}, "FORMULA_MATERIAL"),
         "FORMULA_MATERIAL.QUANTITY", "48.5"},
        {"keywords of a document", QueryLinks("DOC", kD100B, {"KEY_GLOSS.KEYWORD"}, "RELATED_KEYWORD"), "KEY_GLOSS.KEYWORD", "PUMP"},
        {"projects of a folder", QueryLinks("FOLDER", {{"FOLDER.FOLDER_ID", "FLD-1"}}, {"PROJECT.PROJECT_ID"}, "RELATED_PROJECT"),
         "PROJECT.PROJECT_ID", "PRJ-1"},
    };
}

void PrintTo(const QueryCase& c, std::ostream* out) { *out << c.name; }

class QueryMethods : public ::testing::TestWithParam<QueryCase> {};

TEST_P(QueryMethods, AnswerTheSampleRows) {
    SampleServer server;
    EXPECT_EQ(Column(server.Rows(GetParam().request), GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sample, QueryMethods, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Backends, AnswerTheQueriesAlike) {
    std::vector<std::string> requests;
    for (const QueryCase& c : Cases()) requests.push_back(c.request);
    ExpectSameAnswersOnBothBackends({requests});
}

TEST(QueryAnswer, TypesItsColumnsAndWritesDatesInFull) {
    SampleServer server;
    Answer typed = server.Send(QueryLinks("ITEM", kA100B, {"DOC.DOC_ID", "DOC.CREATION_DATE", "DOC.PAGES"}, "ITEM_DOC"));
    const MethodAnswer& m = typed.Only();
    EXPECT_EQ(m.columnTypes.at("DOC.CREATION_DATE"), "dateTime");
    EXPECT_EQ(m.columnTypes.at("DOC.PAGES"), "float");
    EXPECT_EQ(m.columnTypes.at("DOC.DOC_ID"), "string");
    EXPECT_EQ(m.rows.at(0).at("DOC.CREATION_DATE"), "2024-02-20T00:00:00");
}

TEST(QueryAnswer, StopsAtTheMostRowsOneAnswerCarries) {
    TempFolder folder;
    server::PlmServer plm(SampleDefinitions(), NewStore(folder));
    const int64_t most = static_cast<int64_t>(server::RowQuery::kMaxRows);
    server::DataGenerator::Generate(plm.GetStore(), plm.Definitions(), {most + 5, most + 5, most + 5, 7});
    const std::string children = QueryLinks("ITEM", {{"ITEM.ITEM_KEY", "PROBE"}, {"ITEM.REVISION", "A"}},
                                            {"ITEM.ITEM_KEY"}, "CHILD_LINKS");
    EXPECT_EQ(ReadAnswer(plm.Handle(children)).Only().rows.size(), server::RowQuery::kMaxRows);
}

}  // namespace
