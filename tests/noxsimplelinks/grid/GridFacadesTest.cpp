#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "../../automation/ErrorOf.h"
#include "GridWorld.h"
#include "components/noxAttrs/IclsAttributes.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxgrid/IclsGrid.h"
#include "noxsimplelinks/comm/clsCommWrapper2.h"
#include "noxsimplelinks/grid/clsAttrsWrapper.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "noxsimplelinks/grid/clsGridWrapper.h"
#include "noxsimplelinks/grid/clsReportWrapper.h"
#include "support/ScopedEmbeddedServer.h"
#include "support/ScopedProgId.h"
#include "support/ScopedVariable.h"

using namespace automation;
using testing::HasSubstr;
using testing::UnorderedElementsAre;

namespace {

// Records the calls that reach it and answers 1 (a number, which the facades convert).
class RecordingComponent : public Dispatch {
public:
    Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) override {
        calls.push_back({std::string(name), kind, args});
        if (!args.empty()) args.front() = "written back";
        return Variant(int32_t{1});
    }
    std::string TypeName() const override { return "RecordingComponent"; }
    struct Call {
        std::string name;
        InvokeKind kind;
        Arguments args;
    };
    std::vector<Call> calls;
};

}  // namespace

TEST(GridWrapper, OperationsForwardByReferenceAndAnswerInTheirDeclaredType) {
    testsupport::GridWorld world;
    auto component = std::make_shared<RecordingComponent>();
    testsupport::ScopedProgId replacement("noxgrid.IclsGrid", [component] { return component; });
    noxsimplelinks::clsGridWrapper wrapper;
    Arguments args{Variant("in"), Variant(int32_t{2})};
    EXPECT_EQ(wrapper.Invoke("InsertHeaders", InvokeKind::Method, args), Variant(true));
    EXPECT_EQ(args[0], Variant("written back"));
    EXPECT_EQ(wrapper.Call("GetGridInArray"), Variant(int32_t{1}));
    EXPECT_EQ(testsupport::ErrorOf([&] { wrapper.Call("SaveGrid"); }).Number(), errors::kTypeMismatch);
    wrapper.Set("objUI_Def", Variant(component));
    ASSERT_EQ(component->calls.back().name, "objUI_Def");
    EXPECT_EQ(component->calls.back().kind, InvokeKind::PropertySet);
}

TEST(GridWrapper, TheGridComponentReadsKeyValuesAndNamesWhatItDoesNotDo) {
    testsupport::GridWorld world;
    world.WithObjectDefinitions();
    noxsimplelinks::clsGrid grid;
    ASSERT_TRUE(grid.LoadGridLayout(world.Grid(), world.Definition(), Variant::Nothing()));
    ASSERT_TRUE(grid.FillGrid(world.Grid(), testsupport::RowSetText({{"DOC.DOC_ID", "string"}, {"DOC.REVISION", "string"}},
                                                                    {{"D-1", "B"}})));
    noxsimplelinks::clsGridWrapper wrapper;
    Variant keys, values;
    EXPECT_EQ(wrapper.IGetObjectKeysValues(world.Grid(), "DOC", keys, values, Variant(int32_t{1})), Variant(true));
    EXPECT_EQ(keys.ToArray().Count(), 2);
    EXPECT_EQ(values, Variant(SafeArray::Of({Variant("D-1"), Variant("B")})));
    EXPECT_TRUE(testsupport::Raises([&] { wrapper.Call("ExpandTree", int32_t{1}); }, components::IclsGrid::kNotAvailable,
                                    "ExpandTree"));
}

TEST(ReportWrapper, PrintsThroughTheComponentAndLetsItsFailuresPass) {
    testsupport::GridWorld world;
    auto component = std::make_shared<RecordingComponent>();
    {
        testsupport::ScopedProgId replacement("noxprint.IclsPrint", [component] { return component; });
        noxsimplelinks::clsReportWrapper report;
        EXPECT_TRUE(report.printGridContents(world.Grid(), "c", "rh", "ph", "pf", "rf", false, 1, true));
        ASSERT_EQ(component->calls.size(), 1u);
        EXPECT_EQ(component->calls[0].args.size(), 9u);
        EXPECT_EQ(component->calls[0].args[4], Variant("pf"));
    }
    noxsimplelinks::clsReportWrapper report;
    EXPECT_EQ(testsupport::ErrorOf([&] { report.Call("printsaveCategoryAttrs", Variant(), "a"); }).Number(),
              errors::kNotImplemented);
}

// --- the attributes facade ---

namespace {

const std::vector<testsupport::RowSetColumn> kDocColumns = {
    {"DOC.DOC_ID", "string"}, {"DOC.TITLE", "string"}, {"DOC.REVISION", "string"}, {"DOC.STATUS", "string"}};

class AttributesUpdate : public testing::Test {
protected:
    AttributesUpdate() {
        world.WithObjectDefinitions();
        noxsimplelinks::clsGrid grid;
        grid.LoadGridLayout(world.Grid(), world.Definition(), Variant::Nothing());
        grid.FillGrid(world.Grid(), testsupport::RowSetText(kDocColumns, {{"D-1", "One", "A", "IN_WORK"},
                                                                          {"D-2", "Two", "A", "RELEASED"},
                                                                          {"D-3", "Three", "B", "IN_WORK"},
                                                                          {"D-4", "Four", "C", "RELEASED"}}));
        world.grid->SetLook("SelectionMode", Variant(int32_t{3}));
        dialog->SetMethodBuffer("STEPS_METHOD", "UpdateDocSteps");
        attrs.SetGrid(world.grid);
        attrs.SetObjectType("DOC");
    }
    // Selects the rows holding these document ids.
    void Select(std::vector<std::string> ids) {
        for (int32_t r = 1; r < world.grid->Rows(); ++r)
            world.grid->SetIsSelected(r, std::find(ids.begin(), ids.end(), world.grid->TextMatrix(r, 0)) != ids.end());
    }
    // Answers a multi-method request: the method of D-1 fails, the others succeed.
    std::string Answer(const std::string& request) {
        requests.push_back(request);
        pugi::xml_document outer, inner;
        outer.load_string(request.c_str());
        std::string body = outer.select_node("//RequestBody").node().text().as_string();
        inner.load_string(("<ROOT>" + body + "</ROOT>").c_str());
        std::string answer = "<Answer ResultCode='WARNING'><MethodResponses>";
        for (pugi::xpath_node method : inner.select_nodes("/ROOT/Method")) {
            std::string id = method.node().child("METHOD_ID").text().as_string();
            methodIds.push_back(id);
            titles.push_back(method.node().select_node(".//DOC.TITLE").node().text().as_string());
            answer += id.find("D-1") != std::string::npos
                          ? "<MethodResponse Name='UpdateCollectionObjectsWC' ResultCode='FAILED'><Messages><Message>"
                            "<Description>D-1 is locked</Description></Message></Messages></MethodResponse>"
                          : "<MethodResponse Name='UpdateCollectionObjectsWC' ResultCode='OK'/>";
        }
        return answer + "</MethodResponses></Answer>";
    }

    testsupport::GridWorld world;
    std::shared_ptr<components::IclsAttributes> dialog = std::make_shared<components::IclsAttributes>();
    testsupport::ScopedProgId dialogProgId{"noxAttrs.IclsAttributes", [this] { return dialog; }};
    testsupport::ScopedVariable url{components::ConnectionSettings::kUrlVariable, std::nullopt};
    testsupport::ScopedEmbeddedServer server{[this](const std::string& request) { return Answer(request); }};
    std::vector<std::string> requests, methodIds, titles;
    Variant comm = Variant(std::make_shared<noxsimplelinks::clsCommWrapper2>());
    noxsimplelinks::clsAttrsWrapper attrs;
};

}  // namespace

TEST_F(AttributesUpdate, SeveralObjectsGoAsOneRequestAndReleasedOnesAreSkipped) {
    Select({"D-1", "D-2", "D-3"});
    dialog->ScriptEdits({{"DOC.TITLE", "Edited"}});
    EXPECT_TRUE(attrs.Update(comm, Variant::Nothing(), Variant()));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_THAT(requests[0], HasSubstr("<Name>MultiMethodsRequest</Name>"));
    EXPECT_THAT(methodIds, UnorderedElementsAre("ID=D-1, REV=A", "ID=D-3, REV=B"));
    EXPECT_THAT(titles, UnorderedElementsAre("Edited", "Edited"));
    EXPECT_THAT(requests[0], HasSubstr("UpdateDocSteps"));
    EXPECT_THAT(requests[0], testing::Not(HasSubstr("DOC.STATUS&gt;IN_WORK")));  // unchanged fields stay out

    auto messages = world.world.Ui().Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "D-1 is locked");
    EXPECT_EQ(messages[0].flags, 48);
    EXPECT_EQ(messages[0].title, "Nox PLM");
    EXPECT_EQ(messages[1].text, "These released Document were not updated: D-2");
    EXPECT_EQ(messages[1].flags, 16);
    EXPECT_EQ(dialog->arrGridData(), Variant(""));
    ASSERT_EQ(dialog->ShownDialogs().size(), 1u);
    EXPECT_EQ(dialog->ShownDialogs()[0].arguments[1], Variant("UI_ENABLED_MULTI"));
}

TEST_F(AttributesUpdate, WhenEverySelectedObjectIsReleasedNothingIsSent) {
    Select({"D-2", "D-4"});
    dialog->ScriptEdits({{"DOC.TITLE", "Edited"}});
    EXPECT_FALSE(attrs.Update(comm, Variant::Nothing(), Variant()));
    EXPECT_EQ(server.Requests(), 0);
    auto messages = world.world.Ui().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr("Documents were not updated: D-4, D-2"));
}

TEST_F(AttributesUpdate, OneObjectIsUpdatedByTheDialogAndACancelSendsNothing) {
    Select({"D-3"});
    EXPECT_TRUE(attrs.Update(comm, Variant("host"), Variant()));
    ASSERT_EQ(dialog->ShownDialogs().size(), 1u);
    const Arguments& shown = dialog->ShownDialogs()[0].arguments;
    ASSERT_EQ(shown.size(), 13u);
    EXPECT_EQ(shown[1], Variant(int32_t{2}));
    EXPECT_EQ(shown[2], Variant("UI_ENABLED_UPDATE"));
    EXPECT_EQ(shown[4], Variant("host"));
    EXPECT_TRUE(shown[5].IsMissing());

    Select({"D-1", "D-3"});
    dialog->ScriptCancel();
    EXPECT_FALSE(attrs.Update(comm, Variant::Nothing(), Variant()));
    EXPECT_EQ(server.Requests(), 0);
}

TEST_F(AttributesUpdate, DisplayAndHistoryShowTheDialogAndFailuresAreReported) {
    Select({"D-1"});
    EXPECT_TRUE(attrs.Display(comm, Variant::Nothing()));
    EXPECT_TRUE(attrs.Display2History("DOC", Variant("k"), Variant("v")));
    EXPECT_EQ(dialog->ShownDialogs()[1].arguments.size(), 5u);
    EXPECT_EQ(attrs.Create(), Variant(true));
    EXPECT_EQ(dialog->ShownDialogs()[2].arguments[2], Variant("UI_ENABLED_CREATE"));
    attrs.SetGrid(nullptr);
    EXPECT_FALSE(attrs.Update(comm, Variant::Nothing(), Variant()));
    EXPECT_THAT(world.world.Ui().Messages().back().text, HasSubstr("clsAttrsWrapper:Update"));
}
