// Loading end to end against the reference server, embedded: synchronously through an
// "XMLRequestPars" communication object and asynchronously through the apartment; failed answers,
// the pending flag, and the revision filter reaching the request.
#include <gtest/gtest.h>

#include <chrono>
#include <pugixml.hpp>
#include <sstream>

#include "ControlWorld.h"
#include "automation/Apartment.h"
#include "automation/ObjectFactory.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "support/LoopbackServer.h"
#include "support/ScopedEmbeddedServer.h"

namespace controltest {
namespace {

using components::EmbeddedServer;

const std::vector<std::string> kDocKeys{"DOC.DOC_ID", "DOC.REVISION"};

bool PumpUntilLoaded(ControlWorld& w) {
    return automation::Apartment::Current()->PumpUntil([&] { return !w.control->RequestPending(); },
                                                       std::chrono::seconds(10));
}

const char* kFailedAnswer =
    "<Answer ResultCode=\"FAILED\"><Messages><Message><Description>No such document</Description></Message>"
    "</Messages><MethodResponses><MethodResponse Name=\"ZerakQueryLinks\" ResultCode=\"FAILED\"><Messages><Message>"
    "<Description>No such document</Description></Message></Messages></MethodResponse></MethodResponses></Answer>";

TEST(SynchronousLoad, FillsTheGridWithNoCurrentRowAndAFailedAnswerKeepsTheRowsAndTellsTheUser) {
    ControlWorld w;
    w.UseSampleServer();
    w.Synchronous();
    w.Show("FILES", "DOC", kDocKeys, {"D100", "B"});
    EXPECT_FALSE(w.control->Refresh());
    EXPECT_FALSE(w.control->RequestPending());
    ASSERT_EQ(w.Rows(), 3);
    const int32_t id = w.Grid().ColIndex("FILE.FILE_ID");
    std::vector<std::string> ids;
    for (int32_t r = w.Grid().FixedRows(); r < w.Grid().Rows(); ++r) ids.push_back(w.Grid().TextMatrix(r, id));
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::string>{"F1001", "F1002", "F1004"}));
    EXPECT_EQ(w.Grid().Row(), -1);
    EXPECT_EQ(w.control->GetSelectionState(), "NEW_EMPTY");
    EXPECT_EQ(w.world.Ui().MousePointer(), 0);
    EXPECT_TRUE(w.world.Ui().Messages().empty());

    testsupport::ScopedEmbeddedServer failing([](const std::string&) { return std::string(kFailedAnswer); });
    EXPECT_FALSE(w.control->Refresh());
    EXPECT_EQ(w.Rows(), 3);
    ASSERT_EQ(w.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(w.world.Ui().Messages()[0].text, "ERROR = [No such document]");
    EXPECT_EQ(w.world.Ui().Messages()[0].flags, 48);
}

TEST(AsynchronousLoad, ArrivesWhenTheHostPumpsRefusesASecondRefreshMeanwhileAndKeepsTheRowsOnErrors) {
    ControlWorld w;
    w.UseSampleServer();
    w.Show("FILES", "DOC", kDocKeys, {"D100", "B"});
    testsupport::ScopedEmbeddedServer counting([inner = EmbeddedServer::Current()](const std::string& r) { return inner(r); });
    EXPECT_FALSE(w.control->Refresh());
    EXPECT_TRUE(w.control->RequestPending());
    EXPECT_TRUE(w.control->Refresh()) << "refused while the answer is awaited";
    ASSERT_TRUE(PumpUntilLoaded(w));
    EXPECT_EQ(w.Rows(), 3);
    EXPECT_EQ(counting.Requests(), 1);

    testsupport::ScopedEmbeddedServer broken([](const std::string&) -> std::string {
        throw std::runtime_error("the line went down");
    });
    EXPECT_FALSE(w.control->Refresh());
    ASSERT_TRUE(PumpUntilLoaded(w));
    EXPECT_EQ(w.Rows(), 3);
    EXPECT_EQ(broken.Requests(), 1);
    EXPECT_TRUE(w.world.Ui().Messages().empty());
}

// Before Init an error inside ends it with a box titled by the control; an unknown parent type or a
// missing key value sends nothing.
// The control's own asynchronous wrapper is opened on the server the site's Comm talks to, not on the
// one the connection settings name (the embedded one, here refusing every request).
TEST(AsynchronousLoad, GoesToTheServerOfTheSitesComm) {
    ControlWorld w;
    w.UseSampleServer();
    testsupport::LoopbackServer http([sample = EmbeddedServer::Current()](const std::string&, const std::string& body) {
        return testsupport::LoopbackServer::Reply{200, body.empty() ? std::string() : sample(body)};
    });
    testsupport::ScopedEmbeddedServer embedded([](const std::string&) -> std::string {
        throw std::runtime_error("not the site's server");
    });
    DispatchPtr comm = automation::CreateObject("noxsimplelinks.clsCommWrapper2");
    ASSERT_TRUE(comm->Call("Init", http.Url("/nox/request"), int32_t{0}, "", "noxcomm2.Icomm").ToBool());
    w.site->SetComm(Variant(comm));
    w.Show("FILES", "DOC", kDocKeys, {"D100", "B"});
    EXPECT_FALSE(w.control->Refresh());
    ASSERT_TRUE(PumpUntilLoaded(w));
    EXPECT_EQ(w.Rows(), 3);
    EXPECT_EQ(embedded.Requests(), 0);
    EXPECT_TRUE(w.world.Ui().Messages().empty());
}

TEST(Refresh, AnErrorEndsItWithABoxAndAParentItCannotLoadSendsNothing) {
    ControlWorld w;
    testsupport::ScopedEmbeddedServer counting([](const std::string&) { return std::string(kFailedAnswer); });
    w.Synchronous();
    w.Parent("ITEM", {"ITEM.ITEM_KEY"}, {"A100"});
    EXPECT_FALSE(w.control->Refresh()) << "before Init there is no attributes facade";
    ASSERT_EQ(w.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(w.world.Ui().Messages()[0].title, "ctlSimpleLinks");
    EXPECT_EQ(w.world.Ui().Messages()[0].flags, 16);
    EXPECT_EQ(w.world.Ui().MousePointer(), 0);
    w.world.Ui().Reset();
    w.Show("DOCUMENTS", "GADGET", {"GADGET.ID"}, {"G1"});
    EXPECT_FALSE(w.control->Refresh());
    w.Parent("ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"", "A"});
    EXPECT_FALSE(w.control->Refresh());
    w.Parent("ITEM", {}, {});
    EXPECT_FALSE(w.control->Refresh());
    EXPECT_EQ(counting.Requests(), 0);
    EXPECT_TRUE(w.world.Ui().Messages().empty());
    EXPECT_EQ(w.world.Ui().MousePointer(), 0);
}

// The checked filter tool lends the drop-down its name.
TEST(RevisionFilter, ChangingItLoadsWithItsNameTellsTheHostAndChecksItsTool) {
    ControlWorld w;
    w.UseSampleServer();
    std::vector<std::string> requests;
    testsupport::ScopedEmbeddedServer recording([&, inner = EmbeddedServer::Current()](const std::string& request) {
        requests.push_back(request);
        return inner(request);
    });
    w.Synchronous();
    w.Show("DOCUMENTS", "ITEM", {"ITEM.ITEM_KEY", "ITEM.REVISION"}, {"A100", "B"});
    w.executeEvents.clear();
    auto checked = [&] {
        return std::to_string(w.Toolbar().ToolById("ID_Prop_Rev_All")->State()) +
               std::to_string(w.Toolbar().ToolById("ID_Prop_Rev_Effective")->State()) + " " +
               w.Toolbar().ToolById("ID_Prop_Rev_Filter_DropDown")->Name();
    };
    w.control->Call("FilterEffective");
    EXPECT_EQ(w.control->FilterOption(), noxsimplelinks::ctlSimpleLinks::REV_EFFECTIVE);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].find("EFFECTIVE"), std::string::npos) << requests[0];
    EXPECT_EQ(checked(), "01 Effective revision");
    w.control->Call("FilterAll");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[1].find("ALL_REVISIONS"), std::string::npos) << requests[1];
    EXPECT_EQ(checked(), "10 All revisions");
    EXPECT_EQ(w.executeEvents, (std::vector<std::string>(2, "<XML><METHOD>FilterOptionChanged</METHOD></XML>")));
}

// Every pane of the panes file lists objects for the example parent it names, in the columns it lists.
TEST(SamplePanes, EveryPaneShowsObjectsForItsExampleParent) {
    pugi::xml_document panes;
    ASSERT_TRUE(panes.load_file(NOX_DATA_DIR "/allusers/AppData/VARDEN/config/settings/panes.xml"));
    ControlWorld w;
    w.UseSampleServer();
    w.Synchronous();
    for (pugi::xml_node pane : panes.child("PANES").children()) {
        pugi::xml_node example = pane.child("EXAMPLE");
        ASSERT_TRUE(example) << pane.name();
        const std::string type = example.attribute("PARENT").value();
        std::vector<std::string> keys, values;
        std::istringstream pairs(example.attribute("KEYS").value());
        for (std::string pair; pairs >> pair;) {
            keys.push_back(type + "." + pair.substr(0, pair.find('=')));
            values.push_back(pair.substr(pair.find('=') + 1));
        }
        w.control->Init(Variant(w.Section(pane.name())));
        w.Parent(type, keys, values);
        w.control->Refresh();
        EXPECT_GT(w.Rows(), 0) << pane.name();
        // Every column the pane lists is shown, those of a link's attributes too.
        for (pugi::xml_node column : pane.child("GRID_COLS").children()) {
            if (column.name()[0] == '_') continue;
            const int32_t c = w.Grid().ColIndex(column.name());
            EXPECT_TRUE(c >= 0 && !w.Grid().ColHidden(c)) << pane.name() << ": " << column.name();
        }
    }
    EXPECT_TRUE(w.world.Ui().Messages().empty()) << w.world.Ui().Messages().front().text;
}

}  // namespace
}  // namespace controltest
