#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "automation/ObjectFactory.h"
#include "platform/Registration.h"
#include "platform/grid/ControlErrors.h"
#include "platform/toolbar/ToolMenu.h"
#include "platform/toolbar/ToolbarControl.h"
#include "platform/toolbar/ToolbarText.h"

using namespace platform;
using automation::CallOn;
using automation::DispatchPtr;
using automation::Variant;
using automation::errors::kInvalidProcedureCall;

namespace {

// A toolbar as a definition would build it: one bar with a button, a state button and a drop-down
// button whose menu holds two items.
std::shared_ptr<ToolbarControl> BuiltToolbar() {
    auto toolbar = std::make_shared<ToolbarControl>();
    auto tools = toolbar->Tools();
    tools->Add("ID_Prop_Edit_File", kToolButton, "Edit")->SetTagVariant(Variant("x;EDIT_FILE;;"));
    tools->Add("ID_Prop_Rev_All", kToolStateButton, "All revisions");
    auto menu = tools->Add("ID_Menu_View", kToolMenu, "View");
    menu->Menu()->Tools()->Add("ID_Prop_View_File", kToolButton, "View file");
    menu->Menu()->Tools()->Add("ID_Prop_Display_File", std::nullopt, "Display file");
    tools->Add("ID_View_Drp", kToolDropDownButton, "View")->SetTagVariant(Variant("x;VIEW;;ID_Menu_View"));
    auto bar = toolbar->Bands()->Add("Links");
    for (const char* id : {"ID_Prop_Edit_File", "ID_Prop_Rev_All", "ID_View_Drp"}) bar->Tools()->Add(id, std::nullopt, std::nullopt);
    return toolbar;
}

TEST(ToolbarControl, UnknownToolsDuplicateIdsAndBadValuesRaiseClearErrors) {
    auto toolbar = BuiltToolbar();
    DispatchPtr object = toolbar, tool = toolbar->Tools()->Item(Variant("ID_View_Drp"));
    EXPECT_EQ(object->Get("Tools", "id_prop_edit_file").ToObject()->Get("Name").ToString(), "Edit");
    struct Case {
        std::function<void()> action;
        int32_t number;
        const char* says;
    } cases[] = {
        {[&] { object->Get("Tools", "ID_Nope"); }, kInvalidProcedureCall, "There is no tool with the ID \"ID_Nope\""},
        // Menu items are tools of the toolbar too: six in all.
        {[&] { toolbar->Tools()->Item(Variant(int32_t{9})); }, kInvalidProcedureCall, "There is no tool number 9 (there are 6)"},
        {[&] { toolbar->Tools()->Add("ID_Prop_Rev_All", std::nullopt, std::nullopt); },
         automation::errors::kKeyAlreadyAssociated, "There is already a tool with the ID \"ID_Prop_Rev_All\""},
        {[&] { toolbar->PopupMenu("ID_Popup_Missing"); }, kInvalidProcedureCall, "There is no tool with the ID \"ID_Popup_Missing\""},
        {[&] { toolbar->ClickTool("ID_Nope"); }, kInvalidProcedureCall, "There is no tool with the ID \"ID_Nope\""},
        {[&] { tool->Call("ChangeAll", "Menu", Variant()); }, kInvalidPropertyValue,
         "Invalid property value: ChangeAll cannot change \"Menu\""},
        {[&] { tool->Let("Type", Variant(int32_t{7})); }, kInvalidPropertyValue,
         "Invalid property value: tool type 7 (0 button, 1 state button, 2 drop-down button, 3 menu)"},
    };
    for (const Case& c : cases) {
        const automation::AutomationError error = testsupport::ErrorOf(c.action);
        EXPECT_EQ(error.Number(), c.number) << c.says;
        EXPECT_EQ(error.Description(), c.says);
    }
    EXPECT_TRUE(toolbar->PopupMenus().empty());
}

TEST(ToolbarControl, BarsAndMenusShowTheToolbarsOwnTools) {
    auto toolbar = BuiltToolbar();
    toolbar->ToolById("ID_Prop_View_File")->SetEnabled(false);
    DispatchPtr object = toolbar;
    Variant items = CallOn(CallOn(object->Get("Tools", "ID_Menu_View"), "Menu"), "Tools");
    EXPECT_EQ(CallOn(items, "Count").ToLong(), 2);
    EXPECT_FALSE(CallOn(CallOn(items, "Item", int32_t{1}), "Enabled").ToBool());
    Variant bar = object->Get("Toolbars", "links");
    EXPECT_EQ(CallOn(CallOn(bar, "Tools", int32_t{3}), "Type").ToLong(), kToolDropDownButton);
    CallOn(bar, "Tools").ToObject()->Call("Add", "ID_New_On_Bar");
    EXPECT_TRUE(toolbar->Tools()->Exists("ID_New_On_Bar"));

    toolbar->Tools()->Remove(Variant("ID_Prop_View_File"));
    EXPECT_EQ(CallOn(items, "Count").ToLong(), 1);
    toolbar->Tools()->Remove(Variant("ID_Prop_Edit_File"));
    EXPECT_EQ(toolbar->Bands()->Item(Variant("Links"))->Tools()->Count(), 3);
}

TEST(ToolbarControl, ToolPropertiesByNameAndChangeAll) {
    auto toolbar = BuiltToolbar();
    DispatchPtr tool = toolbar->Tools()->Item(Variant("ID_View_Drp"));
    tool->Let("State", Variant(int16_t{-1}));
    EXPECT_EQ(tool->Get("State").ToLong(), 1);
    tool->Call("ChangeAll", "Name", "View with redline");
    tool->Call("ChangeAll", int32_t{2}, "redline.bmp");
    tool->Call("ChangeAll", int32_t{3}, "Shows the file with its redlines");
    auto typed = toolbar->ToolById("ID_View_Drp");
    EXPECT_EQ(typed->Name(), "View with redline");
    EXPECT_TRUE(typed->HasPicture());
    EXPECT_EQ(typed->ToolTipText(), "Shows the file with its redlines");
    EXPECT_FALSE(toolbar->ToolById("ID_Prop_Rev_All")->HasPicture());
}

TEST(ToolbarControl, ClickingAToolRaisesToolClickWithTheToolAndRespectsItsState) {
    auto toolbar = BuiltToolbar();
    std::vector<std::string> clicked;
    toolbar->Events()->On("ToolClick", [&](DispatchPtr tool) { clicked.push_back(tool->Get("ID").ToString()); });
    for (const char* id : {"ID_Prop_Edit_File", "ID_Prop_Rev_All"}) EXPECT_TRUE(toolbar->ClickTool(id));
    EXPECT_EQ(toolbar->ToolById("ID_Prop_Rev_All")->State(), 1);  // toggled before the event
    toolbar->ToolById("ID_Prop_Edit_File")->SetEnabled(false);
    EXPECT_FALSE(toolbar->ClickTool("ID_Prop_Edit_File"));
    EXPECT_TRUE(toolbar->ClickTool("ID_Menu_View"));                 // a menu opens instead
    EXPECT_TRUE(toolbar->ClickTool("ID_Prop_Display_File"));       // a menu item
    EXPECT_EQ(clicked, (std::vector<std::string>{"ID_Prop_Edit_File", "ID_Prop_Rev_All", "ID_Prop_Display_File"}));
    EXPECT_EQ(toolbar->LastPopupMenu(), "ID_Menu_View");
}

TEST(ToolbarControl, ADropDownArrowRequestsItsPopupAndPopupMenuRecordsWhatWasShown) {
    auto toolbar = BuiltToolbar();
    toolbar->Events()->On("PopupRequest", [&](DispatchPtr tool) {
        std::string tag = tool->Get("TagVariant").ToString();
        toolbar->PopupMenu(tag.substr(tag.rfind(';') + 1));
    });
    EXPECT_FALSE(toolbar->RequestPopup("ID_Prop_Edit_File"));  // not a drop-down button
    EXPECT_TRUE(toolbar->RequestPopup("ID_View_Drp"));
    DispatchPtr(toolbar)->Call("PopupMenu", "ID_Menu_View");
    EXPECT_EQ(toolbar->PopupMenus(), (std::vector<std::string>{"ID_Menu_View", "ID_Menu_View"}));
    toolbar->ToolById("ID_View_Drp")->SetEnabled(false);
    EXPECT_FALSE(toolbar->RequestPopup("ID_View_Drp"));
    EXPECT_EQ(toolbar->PopupMenus().size(), 2u);
}

TEST(ToolbarControl, IsCreatedByItsClassNameAndDrawsAsText) {
    platform::RegisterControls();
    DispatchPtr object = automation::CreateObject("ActiveToolBars.SSActiveToolBars");
    EXPECT_TRUE(object->Get("Visible").ToBool());

    auto toolbar = BuiltToolbar();
    toolbar->ToolById("ID_Prop_Rev_All")->SetState(1);
    toolbar->ToolById("ID_Prop_Edit_File")->SetEnabled(false);
    toolbar->Bands()->Add("Hidden")->SetVisible(false);
    EXPECT_EQ(RenderText(*toolbar),
              "Links\n"
              "    Edit             ID_Prop_Edit_File\n"
              "  * All revisions    ID_Prop_Rev_All  [checked]\n"
              "  * View v           ID_View_Drp\n");
    toolbar->Reset();
    EXPECT_EQ(RenderText(*toolbar), "");
}

}  // namespace
