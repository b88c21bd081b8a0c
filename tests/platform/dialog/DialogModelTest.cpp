// The dialog model as the headless services show it: a script's values and presses reach the owner,
// the dialog leaves by its cancel (or default) button when the script is done, a refused step closes
// it with its error, and what the record and the terminal box say.
#include <gtest/gtest.h>

#include "platform/dialog/DialogText.h"
#include "support/ErrorOf.h"
#include "support/TestWorld.h"

namespace {

using platform::Dialog;
using platform::DialogControlKind;
using platform::DialogScript;

// A confirmation dialog whose owner closes it on OK (with the text entered) and on Cancel, and
// counts the presses of Apply without closing.
struct Confirmation {
    Confirmation() {
        dialog->Add(DialogControlKind::Label, "lblQuestion", "Rename the file?");
        dialog->Add(DialogControlKind::TextBox, "txtName", "New name");
        dialog->Add(DialogControlKind::CheckBox, "chkKeep", "Keep the old file");
        dialog->Add(DialogControlKind::Button, "cmdApply", "Apply");
        dialog->Add(DialogControlKind::Button, "cmdOK", "OK");
        dialog->Add(DialogControlKind::Button, "cmdCancel", "Cancel");
        dialog->SetDefaultButton("cmdOK");
        dialog->SetCancelButton("cmdCancel");
        dialog->Events()->On("Click", [this](std::string button) {
            if (button == "cmdApply") ++applied;
            if (button == "cmdOK") dialog->Close("OK:" + dialog->Control("txtName")->ValueText());
            if (button == "cmdCancel") dialog->Close("Cancel");
        });
    }
    std::shared_ptr<Dialog> dialog = std::make_shared<Dialog>("frmRename", "Rename");
    int applied = 0;
};

TEST(DialogModel, PlaysItsScriptAndLeavesByTheCancelOrDefaultButton) {
    struct Case {
        const char* why;
        std::vector<std::string> steps;
        std::string cancelButton;
        std::string result;
        int applied;
        std::vector<std::string> taken;
    } cases[] = {
        {"owner closes on OK", {"txtName=b.txt", "chkKeep=yes", "cmdOK"}, "cmdCancel", "OK:b.txt", 0,
         {"txtName=b.txt", "chkKeep=yes", "cmdOK"}},
        {"no script: the cancel button", {}, "cmdCancel", "Cancel", 0, {"cmdCancel"}},
        {"a press that keeps it open, then the cancel button", {"cmdApply", "cmdApply"}, "cmdCancel", "Cancel", 2,
         {"cmdApply", "cmdApply", "cmdCancel"}},
        {"steps after the close are not taken", {"cmdOK", "cmdApply"}, "cmdCancel", "OK:", 0, {"cmdOK"}},
        {"no cancel button: the default button", {}, "", "OK:", 0, {"cmdOK"}},
    };
    for (const Case& c : cases) {
        testsupport::TestWorld world;
        Confirmation form;
        form.dialog->SetCancelButton(c.cancelButton);
        platform::Ui().ScriptDialog("FRMRENAME", DialogScript(c.steps));  // names ignore case
        form.dialog->Show(true);
        ASSERT_EQ(world.Ui().Dialogs().size(), 1u) << c.why;
        const platform::DialogRecord record = world.Ui().Dialogs().front();
        EXPECT_FALSE(form.dialog->IsOpen()) << c.why;
        EXPECT_EQ(record.result, c.result) << c.why;
        EXPECT_EQ(record.steps, c.taken) << c.why;
        EXPECT_EQ(form.applied, c.applied) << c.why;
        EXPECT_EQ(record.shown[1].value, "") << c.why;
    }
}

TEST(DialogModel, RecordsTheValuesWhenShownAndWhenClosed) {
    testsupport::TestWorld world;
    Confirmation form;
    form.dialog->Control("txtName")->SetValue(automation::Variant("a.txt"));
    platform::Ui().ScriptDialog("frmRename", DialogScript({"txtName=b.txt", "chkKeep=1", "cmdOK"}));
    form.dialog->Show(false);
    const platform::DialogRecord record = world.Ui().Dialogs().front();
    EXPECT_FALSE(record.modal);
    EXPECT_EQ(record.shown[1].value, "a.txt");
    EXPECT_EQ(record.ClosedValue("txtName"), "b.txt");
    EXPECT_EQ(record.ClosedValue("chkKeep"), "1");
    EXPECT_EQ(platform::RenderDialog(record.caption, record.closed),
              "+-- Rename\n| Rename the file?\n| New name: b.txt\n| [x] Keep the old file\n| [Apply] [OK] [Cancel]\n+--\n");
}

TEST(DialogModel, ALabelEndingWithAColonSharesItsLineWithTheLabelAfterIt) {
    auto state = [](const char* name, const char* kind, const char* caption, const char* value = "") {
        platform::DialogControlState control;
        control.name = name;
        control.kind = kind;
        control.caption = caption;
        control.value = value;
        return control;
    };
    const std::vector<platform::DialogControlState> controls = {
        state("lblInfo", "label", "Locked file a.txt:"), state("lblLock", "label", "Lock:"), state("lblTxtLock", "label", "Y"),
        state("lblBy", "label", "Locked by:"),          state("txtBy", "textbox", "Name", "x"), state("cmdClose", "button", "Close")};
    EXPECT_EQ(platform::RenderDialog("Lock information", controls),
              "+-- Lock information\n| Locked file a.txt:\n| Lock: Y\n| Locked by:\n| Name: x\n| [Close]\n+--\n")
        << "a caption label goes with the next label, when that is a value";
}

TEST(DialogModel, AStepAPersonCouldNotTakeClosesTheDialogWithItsError) {
    struct Case {
        const char* step;
        const char* expected;
    } cases[] = {
        {"txtMissing=1", "has no control named \"txtMissing\""},
        {"cmdApply", "not enabled and visible"},
        {"chkKeep", "is no button"},
        {"lblQuestion=x", "takes no value"},
        {"chkKeep=perhaps", "Invalid property value"},
    };
    for (const Case& c : cases) {
        testsupport::TestWorld world;
        Confirmation form;
        form.dialog->Control("cmdApply")->SetEnabled(false);
        platform::Ui().ScriptDialog("frmRename", DialogScript({c.step}));
        const auto error = testsupport::ErrorOf([&] { form.dialog->Show(true); });
        EXPECT_NE(error.Description().find(c.expected), std::string::npos) << c.step << ": " << error.Description();
        EXPECT_FALSE(form.dialog->IsOpen()) << c.step;
    }
}

TEST(DialogModel, OptionsOfAGroupExcludeEachOtherAndListsTakeTheirItems) {
    Dialog dialog("frmChoice", "Choose");
    auto first = dialog.Add(DialogControlKind::Option, "optFirst", "First");
    auto second = dialog.Add(DialogControlKind::Option, "optSecond", "Second");
    auto other = dialog.Add(DialogControlKind::Option, "optOther", "Other group");
    other->SetGroup("other");
    auto list = dialog.Add(DialogControlKind::ListBox, "lstSteps", "Step");
    list->SetItems({"Review", "Approve"});
    std::vector<std::string> changes;
    dialog.Events()->On("Change", [&](std::string name) { changes.push_back(name); });

    first->SetValue(automation::Variant(true));
    other->SetValue(automation::Variant(true));
    second->SetValueText("on");
    EXPECT_FALSE(first->Value().ToBool());
    EXPECT_TRUE(second->Value().ToBool());
    EXPECT_TRUE(other->Value().ToBool());
    list->SetValueText("Approve");
    EXPECT_EQ(testsupport::ErrorOf([&] { list->SetValueText("Reject"); }).Number(), 380);
    EXPECT_EQ(list->ValueText(), "Approve");
    EXPECT_EQ(changes, (std::vector<std::string>{"optFirst", "optOther", "optFirst", "optSecond", "lstSteps"}));
    EXPECT_EQ(testsupport::ErrorOf([&] { dialog.Add(DialogControlKind::Label, "OPTFIRST"); }).Number(), 457);
}

TEST(DialogModel, IsScriptableByNameAsAnyAutomationObject) {
    testsupport::TestWorld world;
    auto dialog = std::make_shared<Dialog>();
    dialog->Let("Name", automation::Variant("frmPick"));
    automation::DispatchPtr grid = dialog->Call("Add", "grid", "grdRows", "Rows").ToObject();
    grid->Call("AddRow", automation::Variant(automation::SafeArray::Of({automation::Variant("A100"), automation::Variant("B")})));
    grid->Call("AddRow", automation::Variant(automation::SafeArray::Of({automation::Variant("A200"), automation::Variant("A")})));
    dialog->Call("Add", "button", "cmdOK", "OK");
    dialog->Let("DefaultButton", automation::Variant("cmdOK"));
    platform::Ui().ScriptDialog("frmPick", DialogScript({"grdRows=1"}));
    dialog->Call("Show");
    EXPECT_EQ(dialog->Get("Value", "grdRows").ToLong(), 1);
    EXPECT_EQ(grid->Get("Cell", 1, 0).ToString(), "A200");
    EXPECT_EQ(world.Ui().Dialogs().front().steps, (std::vector<std::string>{"grdRows=1", "cmdOK"}));
    EXPECT_NE(platform::RenderDialogRecord(world.Ui().Dialogs().front()).find("  > A200 | A"), std::string::npos);
}

}  // namespace
