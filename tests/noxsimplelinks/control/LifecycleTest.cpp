// The control as an automation object: its interface, its collaborators with and without a host,
// Init and its failures, the revision filter, Clear and CloseMe.
#include <gtest/gtest.h>

#include <regex>

#include "ControlWorld.h"
#include "components/noxhostservices/clshostservices.h"
#include "support/ScopedProgId.h"

namespace controltest {
namespace {

using noxsimplelinks::ctlSimpleLinks;

bool Reported(ControlWorld& w, const std::string& source) {
    for (const auto& message : w.world.Ui().Messages()) {
        if (message.text.find(source) != std::string::npos) return true;
    }
    return false;
}

TEST(ControlInterface, EveryMemberOfTheInterfaceIsReachableByName) {
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
    EXPECT_TRUE(w.control->Events()->Declares("ExecuteEvent"));
    EXPECT_TRUE(w.control->Events()->Declares("ViewFile"));
    EXPECT_TRUE(w.control->Events()->Declares("ShowCustFields"));
}

TEST(ControlInterface, ACommandNotInThisBuildRaisesNotImplementedNamingIt) {
    ControlWorld w;
    try {
        w.control->Call("UnlinkReference");
        FAIL() << "no error";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Number(), automation::errors::kNotImplemented);
        EXPECT_NE(e.Description().find("UnlinkReference"), std::string::npos);
        EXPECT_EQ(e.Source(), "ctlSimpleLinks");
    }
    EXPECT_THROW(w.control->Get("SelectedKeys"), automation::AutomationError);
}

TEST(ControlProperties, CollaboratorsWithoutAHostAreTheControlsOwn) {
    ControlWorld w;
    EXPECT_EQ(w.control->Comm()->TypeName(), "clsCommWrapper2");
    EXPECT_EQ(w.control->Host()->TypeName(), "clshostservices");
    EXPECT_EQ(w.control->Params()->Get("Count").ToLong(), 0);
    EXPECT_EQ(w.control->Params(), w.control->Params()) << "kept once created";
}

TEST(ControlProperties, TheContainersHostAndToolbarServicesAreTaken) {
    ControlWorld w;
    auto host = std::make_shared<components::clshostservices>();
    auto cbars = std::make_shared<automation::Collection>();
    w.site->SetHost(Variant(DispatchPtr(host)));
    w.site->SetCbars(Variant(DispatchPtr(cbars)));
    EXPECT_EQ(w.control->Host(), host);
    EXPECT_EQ(w.control->Cbars(), cbars);
}

TEST(ControlProperties, AHostThatCannotBeReadFromTheContainerIsCreated) {
    ControlWorld w;
    w.control->SetContainer(Variant::Nothing());
    EXPECT_EQ(w.control->Host()->TypeName(), "clshostservices");
}

TEST(ControlProperties, CacheFilePrefixIsATimeStampUntilOneIsPut) {
    ControlWorld w;
    EXPECT_TRUE(std::regex_match(w.control->cacheFilePrefix(), std::regex("[0-2][0-9][0-5][0-9][0-5][0-9]")));
    w.control->Let("cacheFilePrefix", Variant(std::string("pane7")));
    EXPECT_EQ(w.control->Get("cacheFilePrefix").ToString(), "pane7");
}

TEST(ControlProperties, TreeEffDateAndWorkspaceModeReadTheParams) {
    ControlWorld w;
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
}

TEST(ControlInit, ASectionWithoutIntNameNamesThePaneAfterItself) {
    ControlWorld w;
    w.control->Init(Variant(w.SectionFromXml("<MY_PANE><BASE_CLASS>ITEM</BASE_CLASS></MY_PANE>")));
    EXPECT_EQ(w.control->IntName(), "MY_PANE");
    EXPECT_TRUE(w.site->Control("fg_MY_PANE_ITEM"));
}

TEST(ControlInit, TheAffectedItemsPaneSelectsSingleRowsOnly) {
    ControlWorld w;
    w.control->Init(Variant(w.Section("AFFECTED_ITEMS")));
    EXPECT_EQ(w.Grid().GetLook("SelectionMode").ToLong(), 1);
    EXPECT_FALSE(w.Grid().GetLook("AllowSelection").ToBool());
}

TEST(ControlInit, ASectionWithoutBaseClassEndsInitWithTheReport) {
    ControlWorld w;
    w.control->Init(Variant(w.SectionFromXml("<PANE><INT_NAME>ITEM</INT_NAME></PANE>")));
    EXPECT_TRUE(Reported(w, "ctlSimpleLinks:Init"));
    EXPECT_EQ(w.site->ControlCount(), 0);
    EXPECT_FALSE(w.control->Grid());
}

TEST(ControlInit, AContainerWithoutCommEndsInitAtItsFirstStep) {
    ControlWorld w;
    w.control->SetContainer(Variant(DispatchPtr(std::make_shared<automation::Collection>())));
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    EXPECT_TRUE(Reported(w, "ctlSimpleLinks:Init"));
    EXPECT_EQ(w.control->ObjectType(), "");
    EXPECT_FALSE(w.control->Grid());
    EXPECT_EQ(w.Toolbar().Tools()->Count(), 0) << "no toolbar built";
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

TEST(ControlFilter, FilterEffectiveWithoutSpaceTypeRefreshesAndTellsTheHost) {
    ControlWorld w;
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    w.executeEvents.clear();
    w.control->Call("FilterEffective");
    EXPECT_EQ(w.control->FilterOption(), ctlSimpleLinks::REV_EFFECTIVE);
    EXPECT_EQ(w.executeEvents, std::vector<std::string>{"<XML><METHOD>FilterOptionChanged</METHOD></XML>"});
}

TEST(ControlFilter, TheStoredFilterIsAppliedAtInitAndWrittenBackOnChange) {
    ControlWorld w;
    w.Param("SpaceType", Variant(std::string("COLLECTION")));
    DispatchPtr section = w.SectionFromXml(
        "<DOCS><BASE_CLASS>DOC</BASE_CLASS><COMMANDBARS_FILE>simplelinks_toolbars.xml</COMMANDBARS_FILE>"
        "<FILTER_OPTION>1</FILTER_OPTION></DOCS>");
    w.control->Init(Variant(section));
    EXPECT_EQ(w.control->FilterOption(), ctlSimpleLinks::REV_EFFECTIVE);
    EXPECT_EQ(w.executeEvents, std::vector<std::string>{"<XML><METHOD>FilterOptionChanged</METHOD></XML>"});
    w.control->FilterAll();
    EXPECT_EQ(section->Call("selectSingleNode", "FILTER_OPTION").ToObject()->Get("Text").ToString(), "0");
}

TEST(ControlFilter, AStructureSpaceKeepsItsFilterUnderTheModesElement) {
    ControlWorld w;
    w.Param("SpaceType", Variant(std::string("STRUCTURE")));
    w.Param("SpaceMode", Variant(std::string("DESIGN")));
    DispatchPtr section = w.SectionFromXml(
        "<DOCS><BASE_CLASS>DOC</BASE_CLASS><DESIGN><FILTER_OPTION></FILTER_OPTION></DESIGN></DOCS>");
    w.control->Init(Variant(section));
    EXPECT_EQ(w.control->FilterOption(), ctlSimpleLinks::REV_ALL) << "an empty text counts as 0";
    w.control->FilterEffective();
    EXPECT_EQ(section->Call("selectSingleNode", "DESIGN/FILTER_OPTION").ToObject()->Get("Text").ToString(), "1");
}

TEST(ControlLifecycle, ClearLeavesAnEmptyTextAsParentValues) {
    ControlWorld w;
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    w.Parent("ITEM", {"ITEM.ITEM_KEY"}, {"P-1000"});
    w.control->Call("Clear");
    EXPECT_TRUE(w.control->ParentValues().IsString());
    EXPECT_EQ(w.control->ParentValues().ToString(), "");
}

TEST(ControlLifecycle, CloseMeReleasesTheMembersAndAccessorsMakeThemAgain) {
    ControlWorld w;
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    w.Param("SpaceMode", Variant(std::string("DESIGN")));
    DispatchPtr comm = w.control->Comm();
    w.control->Call("CloseMe");
    EXPECT_FALSE(w.control->Grid());
    EXPECT_EQ(w.control->Params()->Get("Count").ToLong(), 0);
    EXPECT_NE(w.control->Comm(), comm);
    EXPECT_EQ(w.control->ObjectType(), "DOC") << "strings stay";
}

TEST(ControlDispatch, AKeyTheMappingDoesNotKnowGoesToTheHost) {
    ControlWorld w;
    w.control->Init(Variant(w.Section("DOCUMENTS")));
    w.executeEvents.clear();
    w.control->Call("ButtonOperation", "ID_Unknown_Key");
    EXPECT_EQ(w.executeEvents, std::vector<std::string>{"<XML><METHOD>ID_Unknown_Key</METHOD></XML>"});
}

}  // namespace
}  // namespace controltest
