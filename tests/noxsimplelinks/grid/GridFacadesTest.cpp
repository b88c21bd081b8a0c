#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "GridWorld.h"
#include "components/noxAttrs/IclsAttributes.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxhostservices/clshostservices.h"
#include "components/noxrequest/IRequest.h"
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

// Records the arguments of the calls that reach it, writes back into the first and answers 1 (a
// number, which the grid facade converts to the operation's type).
class RecordingComponent : public Dispatch {
public:
    Variant Invoke(std::string_view, InvokeKind, Arguments& args) override {
        calls.push_back(args);
        if (!args.empty()) args.front() = "written back";
        return Variant(int32_t{1});
    }
    std::string TypeName() const override { return "RecordingComponent"; }
    std::vector<Arguments> calls;
};

}  // namespace

TEST(GridFacades, TheGridAndReportFacadesForwardToTheirComponents) {
    testsupport::GridWorld world;
    auto component = std::make_shared<RecordingComponent>();
    testsupport::ScopedProgId grid("noxgrid.IclsGrid", [component] { return component; });
    testsupport::ScopedProgId print("noxprint.IclsPrint", [component] { return component; });
    Arguments args{Variant("in"), Variant(int32_t{2})};
    EXPECT_EQ(noxsimplelinks::clsGridWrapper().Invoke("InsertHeaders", InvokeKind::Method, args), Variant(true));
    EXPECT_EQ(args[0], Variant("written back"));
    EXPECT_TRUE(noxsimplelinks::clsReportWrapper().printGridContents(world.Grid(), "c", "rh", "ph", "pf", "rf", false, 1, true));
    ASSERT_EQ(component->calls.size(), 2u);
    EXPECT_EQ(component->calls[1].size(), 9u);
    EXPECT_EQ(component->calls[1][4], Variant("pf"));
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

TEST_F(AttributesUpdate, EveryObjectNotReleasedGoesWithItsFieldsInOneRequestBuiltByTheHost) {
    Select({"D-1", "D-2", "D-3"});
    dialog->ScriptEdits({{"DOC.TITLE", "Edited"}});
    auto host = std::make_shared<components::clshostservices>();
    auto builder = std::make_shared<components::IRequest>();
    host->Set("objRequest", Variant(DispatchPtr(builder)));
    EXPECT_TRUE(attrs.Update(comm, Variant(DispatchPtr(host)), Variant()));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_THAT(requests[0], HasSubstr("<Name>MultiMethodsRequest</Name>"));
    EXPECT_THAT(builder->Params(), HasSubstr("<RequestBody>"));
    EXPECT_THAT(methodIds, UnorderedElementsAre("ID=D-1, REV=A", "ID=D-3, REV=B"));
    EXPECT_THAT(titles, UnorderedElementsAre("Edited", "Edited"));
    EXPECT_THAT(requests[0], HasSubstr("UpdateDocSteps"));
    EXPECT_THAT(requests[0], HasSubstr("&lt;DOC.STATUS&gt;IN_WORK&lt;/DOC.STATUS&gt;"));  // every field of the object

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

TEST_F(AttributesUpdate, ObjectsTheDialogLeftAsTheyWereAreSentToo) {
    Select({"D-1", "D-2", "D-3"});
    EXPECT_TRUE(attrs.Update(comm, Variant::Nothing(), Variant()));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_THAT(methodIds, UnorderedElementsAre("ID=D-1, REV=A", "ID=D-3, REV=B"));
    EXPECT_THAT(titles, UnorderedElementsAre("One", "Three"));
}

TEST_F(AttributesUpdate, NothingIsSentWhenEverySelectedObjectIsReleasedOrTheDialogIsCancelled) {
    Select({"D-2", "D-4"});
    dialog->ScriptEdits({{"DOC.TITLE", "Edited"}});
    EXPECT_FALSE(attrs.Update(comm, Variant::Nothing(), Variant()));
    ASSERT_EQ(world.world.Ui().Messages().size(), 1u);
    EXPECT_THAT(world.world.Ui().Messages()[0].text, HasSubstr("Documents were not updated: D-4, D-2"));
    Select({"D-1", "D-3"});
    dialog->ScriptCancel();
    EXPECT_FALSE(attrs.Update(comm, Variant::Nothing(), Variant()));
    EXPECT_EQ(server.Requests(), 0);
}

TEST_F(AttributesUpdate, EachOperationShowsTheDialogInItsModeAndFailuresAreReported) {
    Select({"D-3"});
    EXPECT_TRUE(attrs.Update(comm, Variant("host"), Variant()));
    EXPECT_TRUE(attrs.Display(comm, Variant::Nothing()));
    EXPECT_TRUE(attrs.Display2History("DOC", Variant("k"), Variant("v")));
    EXPECT_EQ(attrs.Create(), Variant(true));
    const auto& shown = dialog->ShownDialogs();
    ASSERT_EQ(shown.size(), 4u);
    ASSERT_EQ(shown[0].arguments.size(), 13u);
    EXPECT_EQ(shown[0].arguments[1], Variant(int32_t{2}));
    EXPECT_EQ(shown[0].arguments[2], Variant("UI_ENABLED_UPDATE"));
    EXPECT_EQ(shown[0].arguments[4], Variant("host"));
    EXPECT_TRUE(shown[0].arguments[5].IsMissing());
    EXPECT_EQ(shown[2].arguments.size(), 5u);
    EXPECT_EQ(shown[3].arguments[2], Variant("UI_ENABLED_CREATE"));
    attrs.SetGrid(nullptr);
    EXPECT_FALSE(attrs.Update(comm, Variant::Nothing(), Variant()));
    EXPECT_THAT(world.world.Ui().Messages().back().text, HasSubstr("clsAttrsWrapper:Update"));
}

TEST_F(AttributesUpdate, TheGridFacadeReadsTheKeyValuesOfARow) {
    noxsimplelinks::clsGridWrapper wrapper;
    Variant keys, values;
    EXPECT_EQ(wrapper.IGetObjectKeysValues(world.Grid(), "DOC", keys, values, Variant(int32_t{1})), Variant(true));
    EXPECT_EQ(keys.ToArray().Count(), 2);
    EXPECT_EQ(values, Variant(SafeArray::Of({Variant("D-4"), Variant("C")})));
}
