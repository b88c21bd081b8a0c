#pragma once
// A dialog of a form or a component as a model without a screen: a name ("noxFind"), a caption and
// its controls in order, reached by name. The user-interface services show it (Show); a person, or a
// script acting for one, enters values and presses buttons; a press raises Click to the dialog's
// owner, whose handler changes values, closes the dialog or leaves it open. A host that draws the
// dialog follows Change and Closed.
#include <memory>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "automation/EventSource.h"
#include "platform/dialog/DialogControl.h"

namespace platform {

class Dialog : public automation::Dispatchable<Dialog> {
public:
    static constexpr const char* kTypeName = "Dialog";
    static constexpr const char* kProgId = "Platform.Dialog";
    static const automation::MemberTable<Dialog>& Members();

    Dialog() = default;
    Dialog(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    // Controls held elsewhere no longer report to the dialog.
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    automation::EventSource* Events() override { return &events_; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }

    // Adds a control after the others; a name the dialog already has raises 457.
    std::shared_ptr<DialogControl> Add(DialogControlKind kind, const std::string& name, const std::string& caption = {});
    // The control of that name (ignoring case); an unknown name raises 5.
    std::shared_ptr<DialogControl> Control(const std::string& name) const;
    bool HasControl(const std::string& name) const;
    const std::vector<std::shared_ptr<DialogControl>>& Controls() const { return controls_; }

    // The buttons Enter and Escape press; "" when there is none.
    const std::string& DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(const std::string& button) { defaultButton_ = button; }
    const std::string& CancelButton() const { return cancelButton_; }
    void SetCancelButton(const std::string& button) { cancelButton_ = button; }

    // Shows the dialog through the installed user-interface services. A modal showing returns when the
    // dialog is closed; the headless services play the dialog's script (or press its cancel button)
    // before returning either way.
    void Show(bool modal);
    // What the services do when they show it: the dialog is open until Close.
    void Open(bool modal);
    // A person presses a button: an enabled, visible button of the dialog, or 5. Raises Click(name).
    void Press(const std::string& button);
    // A person enters a value: an enabled, visible control that takes one, or 5.
    void Enter(const std::string& control, const std::string& text);
    // Ends the showing with a result (the owner's word: "OK", "Cancel", a button's name); raises Closed.
    void Close(const std::string& result = {});
    bool IsOpen() const { return open_; }
    bool Modal() const { return modal_; }
    const std::string& Result() const { return result_; }

private:
    std::shared_ptr<DialogControl> Usable(const std::string& name, const char* action) const;

    std::string name_;
    std::string caption_;
    std::vector<std::shared_ptr<DialogControl>> controls_;
    std::string defaultButton_;
    std::string cancelButton_;
    bool open_ = false;
    bool modal_ = false;
    std::string result_;
    automation::EventSource events_{{"Click", "Change", "Closed"}};
};

}  // namespace platform
