// The control as an automation object: its interface, its collaborators with and without a host,
// Init and its failures, the stored revision filter, Clear and CloseMe.
#include <gtest/gtest.h>

#include <regex>

#include "support/ErrorOf.h"
#include "ControlWorld.h"
#include "components/noxhostservices/clshostservices.h"
#include "support/ScopedProgId.h"

namespace controltest {
namespace {

using noxsimplelinks::ctlSimpleLinks;

TEST(ControlInterface, EveryMemberIsReachableByNameAndACommandNotInThisBuildRaisesNotImplemented) {
    ControlWorld w;
    for (const char* name :
         {"Params", "ObjectType", "Comm", "Host", "ParentType", "ParentValues", "ParentKeys", "cacheFilePrefix", "Cbars",
          "TreeEffDate", "WorkspaceMode", "SelectedKeys", "SelectedValues", "collSelectedObjects", "myHwnd", "Init",
          "Clear", "CloseMe", "Refresh", "Display", "Update", "FilterAll", "FilterEffective", "ButtonOperation",
          "SelectSource", "SelectSourceCustomer", "UnlinkReference", "LockAttachObject", "UnlinkAndDeleteFile",
          "LockFile", "EoAttachObjAllSteps", "RejectMaterial", "ObjectStepOperation", "ObjectStepOperationOld",
          "getValueFromGridByKey", "getValuesFromGrid", "getValuesFromGridByGrid", "ShowFind", "OpenEO",
          "OpenInCollection", "OpenInStructure", "myGridProperties"}) {
        EXPECT_TRUE(w.control->Describe(name).exists) << name;
    }
    for (const char* event : {"ExecuteEvent", "ViewFile", "ShowCustFields"})
        EXPECT_TRUE(w.control->Events()->Declares(event)) << event;
    EXPECT_TRUE(w.control->Get("SelectedKeys").IsEmpty()) << "a query before Init answers empty";
}

TEST(ControlProperties, CollaboratorsComeFromTheContainerOrAreTheControlsOwnAndDatesAndModesFromTheParams) {
    ControlWorld own;
    own.control->SetContainer(Variant::Nothing());
    EXPECT_EQ(own.control->Comm()->TypeName(), "clsCommWrapper2");
    EXPECT_EQ(own.control->Host()->TypeName(), "clshostservices");
    EXPECT_EQ(own.control->Params(), own.control->Params()) << "kept once created";
    EXPECT_TRUE(std::regex_match(own.control->cacheFilePrefix(), std::regex("[0-2][0-9][0-5][0-9][0-5][0-9]")));
    ControlWorld w;
    auto host = std::make_shared<components::clshostservices>();
    auto cbars = std::make_shared<automation::Collection>();
    w.site->SetHost(Variant(DispatchPtr(host)));
    w.site->SetCbars(Variant(DispatchPtr(cbars)));
    EXPECT_EQ(w.control->Host(), host);
    EXPECT_EQ(w.control->Cbars(), cbars);

    // TreeEffDate and WorkspaceMode read the Params.
    w.control->Let("TreeEffDate", Variant(std::string("01/02/2020")));
    EXPECT_EQ(w.control->Get("TreeEffDate").ToString(), "") << "the Params value, not the one put";
    w.Param("EffectivityDate", Variant(std::string("03/04/2021")));
    w.Param("SpaceMode", Variant(std::string("DESIGN")));
    EXPECT_EQ(w.control->Get("TreeEffDate").ToString(), "03/04/2021");
    EXPECT_EQ(w.control->Get("WorkspaceMode").ToString(), "DESIGN");
}

TEST(ControlInit, MakesTheGridNamedAfterSectionAndTypeAndGivesItItsLook) {
    ControlWorld w;
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    EXPECT_EQ(w.control->ObjectType(), "DOC");
    EXPECT_EQ(w.control->IntName(), "DOC");
    ASSERT_TRUE(w.site->Control("fg_DOCUMENTS_DOC"));
    EXPECT_EQ(w.control->Grid(), w.site->Control("fg_DOCUMENTS_DOC"));
    EXPECT_EQ(w.Grid().GetLook("SelectionMode").ToLong(), 3);
    EXPECT_TRUE(w.Grid().GetLook("AllowSelection").ToBool());
    EXPECT_EQ(w.Grid().GetLook("ExplorerBar").ToLong(), 3);
    EXPECT_TRUE(w.Grid().GetLook("Visible").ToBool());
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    EXPECT_EQ(w.site->ControlCount(), 1) << "a second Init reuses the grid";
    EXPECT_TRUE(w.world.Ui().Messages().empty()) << w.world.Ui().Messages().front().text;

    ControlWorld affected;
    affected.control->Init(Variant(affected.Section("AFFECTED_ITEMS")));
    EXPECT_EQ(affected.Grid().GetLook("SelectionMode").ToLong(), 1) << "single rows only";
    EXPECT_FALSE(affected.Grid().GetLook("AllowSelection").ToBool());

    ControlWorld own;  // a section without INT_NAME names the pane after itself
    own.control->Init(Variant(own.SectionFromXml("<MY_PANE><BASE_CLASS>ITEM</BASE_CLASS></MY_PANE>")));
    EXPECT_EQ(own.control->IntName(), "MY_PANE");
    EXPECT_TRUE(own.site->Control("fg_MY_PANE_ITEM"));
}

TEST(ControlInit, ASectionWithoutBaseClassOrAContainerWithoutCommEndsInitWithTheReport) {
    for (bool withoutComm : {false, true}) {
        ControlWorld w;
        if (withoutComm) w.control->SetContainer(Variant(DispatchPtr(std::make_shared<automation::Collection>())));
        w.control->Init(Variant(withoutComm ? w.Section("DOCUMENTS")
                                            : w.SectionFromXml("<PANE><INT_NAME>ITEM</INT_NAME></PANE>")));
        ASSERT_EQ(w.world.Ui().Messages().size(), 1u);
        EXPECT_NE(w.world.Ui().Messages()[0].text.find("ctlSimpleLinks:Init"), std::string::npos);
        EXPECT_EQ(w.site->ControlCount(), 0);
        EXPECT_FALSE(w.control->Grid());
        EXPECT_EQ(w.control->ObjectType(), "") << "ended at the first step";
        EXPECT_EQ(w.Toolbar().Tools()->Count(), 0) << "no toolbar built";
    }
}

TEST(ControlInit, AGridThatCannotBeCreatedIsToldAndInitGoesOn) {
    ControlWorld w;
    testsupport::ScopedProgId broken(ctlSimpleLinks::kGridClass, []() -> DispatchPtr {
        throw automation::AutomationError(automation::errors::kCannotCreateObject, "no grid", "test");
    });
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    ASSERT_FALSE(w.world.Ui().Messages().empty());
    EXPECT_EQ(w.world.Ui().Messages().front().text, "could not create component:VSFlexGrid.VSFlexGridN.1");
    EXPECT_EQ(w.control->ObjectType(), "DOC");
}

// The filter stored in the section is applied at Init and written back on a change, under the
// mode's element in a structure space.
TEST(ControlFilter, TheStoredFilterIsAppliedAtInitAndWrittenBackOnChange) {
    struct Case {
        const char *spaceType, *stored, *path;
        int applied;
        const char* written;
    } cases[] = {
        {"COLLECTION", "<FILTER_OPTION>1</FILTER_OPTION>", "FILTER_OPTION", ctlSimpleLinks::REV_EFFECTIVE, "0"},
        {"STRUCTURE", "<DESIGN><FILTER_OPTION></FILTER_OPTION></DESIGN>", "DESIGN/FILTER_OPTION", ctlSimpleLinks::REV_ALL,
         "1"},  // an empty text counts as 0
    };
    for (const Case& c : cases) {
        ControlWorld w;
        w.Param("SpaceType", Variant(std::string(c.spaceType)));
        w.Param("SpaceMode", Variant(std::string("DESIGN")));
        DispatchPtr section = w.SectionFromXml(std::string("<DOCS><BASE_CLASS>DOC</BASE_CLASS>") + c.stored + "</DOCS>");
        w.control->Init(Variant(section));
        EXPECT_EQ(w.control->FilterOption(), c.applied) << c.spaceType;
        EXPECT_EQ(w.executeEvents, std::vector<std::string>{"<XML><METHOD>FilterOptionChanged</METHOD></XML>"});
        w.control->Call(c.applied == ctlSimpleLinks::REV_ALL ? "FilterEffective" : "FilterAll");
        EXPECT_EQ(section->Call("selectSingleNode", c.path).ToObject()->Get("Text").ToString(), c.written) << c.spaceType;
    }
}

TEST(ControlLifecycle, ClearLeavesAnEmptyTextAsParentValuesAndCloseMeReleasesTheMembers) {
    ControlWorld w;
    w.Show("DOCUMENTS", "ITEM", {"ITEM.ITEM_KEY"}, {"P-1000"});
    w.control->Call("Clear");
    EXPECT_TRUE(w.control->ParentValues().IsString());
    EXPECT_EQ(w.control->ParentValues().ToString(), "");
    w.Param("SpaceMode", Variant(std::string("DESIGN")));
    DispatchPtr comm = w.control->Comm();
    w.control->Call("CloseMe");
    EXPECT_FALSE(w.control->Grid());
    EXPECT_EQ(w.control->Params()->Get("Count").ToLong(), 0);
    EXPECT_NE(w.control->Comm(), comm) << "made again";
    EXPECT_EQ(w.control->ObjectType(), "DOC") << "strings stay";
}

}  // namespace
}  // namespace controltest
