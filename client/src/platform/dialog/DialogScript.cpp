#include "platform/dialog/DialogScript.h"

#include "automation/Dispatch.h"

namespace platform {

namespace {

// Presses the button when the dialog has it and a person could press it.
void PressIfUsable(Dialog& dialog, const std::string& button, DialogRecord& record) {
    if (button.empty() || !dialog.IsOpen() || !dialog.HasControl(button)) return;
    const auto control = dialog.Control(button);
    if (!control->Enabled() || !control->Visible()) return;
    record.steps.push_back(control->Name());
    dialog.Press(control->Name());
}

}  // namespace

DialogScript::DialogScript(const std::vector<std::string>& steps) {
    for (const std::string& text : steps) {
        const size_t equals = text.find('=');
        DialogStep step{text.substr(0, equals), std::nullopt};
        if (equals != std::string::npos) step.value = text.substr(equals + 1);
        if (step.control.empty())
            throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                              "A dialog step names a control: \"" + text + "\"");
        steps_.push_back(std::move(step));
    }
}

DialogRecord DialogScript::Play(Dialog& dialog, bool modal) const {
    dialog.Open(modal);
    DialogRecord record{dialog.Name(), dialog.Caption(), modal, DialogControlState::Of(dialog), {}, {}, {}};
    try {
        for (const DialogStep& step : steps_) {
            if (!dialog.IsOpen()) break;
            record.steps.push_back(step.Text());
            if (step.value) dialog.Enter(step.control, *step.value);
            else dialog.Press(step.control);
        }
        PressIfUsable(dialog, dialog.CancelButton().empty() ? dialog.DefaultButton() : dialog.CancelButton(), record);
    } catch (...) {
        dialog.Close();
        throw;
    }
    dialog.Close();
    record.closed = DialogControlState::Of(dialog);
    record.result = dialog.Result();
    return record;
}

void DialogScripts::Add(const std::string& dialogName, DialogScript script) {
    std::lock_guard lock(mutex_);
    waiting_[automation::FoldName(dialogName)].push_back(std::move(script));
}

DialogScript DialogScripts::Next(const std::string& dialogName) {
    std::lock_guard lock(mutex_);
    auto found = waiting_.find(automation::FoldName(dialogName));
    if (found == waiting_.end() || found->second.empty()) return {};
    DialogScript next = std::move(found->second.front());
    found->second.pop_front();
    return next;
}

void DialogScripts::Clear() {
    std::lock_guard lock(mutex_);
    waiting_.clear();
}

}  // namespace platform
