#include "platform/dialog/Dialog.h"

#include "automation/SafeArray.h"
#include "platform/UserInterface.h"

namespace platform {

using automation::AutomationError;
using automation::Variant;
using automation::errors::kInvalidProcedureCall;

const automation::MemberTable<Dialog>& Dialog::Members() {
    static const automation::MemberTable<Dialog> table = [] {
        automation::MemberTable<Dialog> t;
        t.Property("Name", [](Dialog& d) { return d.name_; }, &Dialog::SetName)
            .Property("Caption", [](Dialog& d) { return d.caption_; }, &Dialog::SetCaption)
            .Method("Add",
                    [](Dialog& d, const std::string& kind, const std::string& name, const Variant& caption) {
                        return Variant(automation::DispatchPtr(d.Add(KindNamed(kind), name, caption.TextOr(""))));
                    })
            .Property("Control", [](Dialog& d, const std::string& name) { return Variant(automation::DispatchPtr(d.Control(name))); })
            .Property("ControlNames", [](Dialog& d) {
                std::vector<Variant> names;
                for (const auto& control : d.controls_) names.emplace_back(control->Name());
                return Variant(automation::SafeArray::Of(std::move(names)));
            })
            .Property("Value", [](Dialog& d, const std::string& name) { return d.Control(name)->Value(); },
                      [](Dialog& d, const std::string& name, const Variant& value) { d.Control(name)->SetValue(value); })
            .Property("DefaultButton", [](Dialog& d) { return d.defaultButton_; }, &Dialog::SetDefaultButton)
            .Property("CancelButton", [](Dialog& d) { return d.cancelButton_; }, &Dialog::SetCancelButton)
            .Method("Show", [](Dialog& d, const Variant& modal) { d.Show(modal.IsMissing() || modal.ToBool()); })
            .Method("Press", &Dialog::Press)
            .Method("Enter", &Dialog::Enter)
            .Method("Close", [](Dialog& d, const Variant& result) { d.Close(result.IsMissing() ? "" : result.ToString()); })
            .Property("IsOpen", &Dialog::IsOpen)
            .Property("Modal", &Dialog::Modal)
            .Property("Result", [](Dialog& d) { return d.result_; });
        return t;
    }();
    return table;
}

Dialog::~Dialog() {
    for (const auto& control : controls_) control->OnChange(nullptr);
}

std::shared_ptr<DialogControl> Dialog::Add(DialogControlKind kind, const std::string& name, const std::string& caption) {
    if (name.empty() || HasControl(name))
        throw AutomationError(automation::errors::kKeyAlreadyAssociated,
                              "The dialog \"" + name_ + "\" already has a control named \"" + name + "\"");
    auto control = std::make_shared<DialogControl>(name, kind, caption);
    control->OnChange([this](const DialogControl& changed) {
        if (changed.Kind() == DialogControlKind::Option && changed.Value().ToBool()) {
            for (const auto& other : controls_)
                if (other.get() != &changed && other->Kind() == DialogControlKind::Option &&
                    other->Group() == changed.Group() && other->Value().ToBool())
                    other->SetValue(Variant(false));
        }
        events_.Fire("Change", changed.Name());
    });
    controls_.push_back(control);
    return control;
}

bool Dialog::HasControl(const std::string& name) const {
    for (const auto& control : controls_)
        if (automation::SameName(control->Name(), name)) return true;
    return false;
}

std::shared_ptr<DialogControl> Dialog::Control(const std::string& name) const {
    for (const auto& control : controls_)
        if (automation::SameName(control->Name(), name)) return control;
    throw AutomationError(kInvalidProcedureCall, "The dialog \"" + name_ + "\" has no control named \"" + name + "\"");
}

void Dialog::Show(bool modal) { Ui().ShowDialog(*this, modal); }

void Dialog::Open(bool modal) {
    open_ = true;
    modal_ = modal;
    result_.clear();
}

std::shared_ptr<DialogControl> Dialog::Usable(const std::string& name, const char* action) const {
    std::shared_ptr<DialogControl> control = Control(name);
    if (!open_ || !control->Enabled() || !control->Visible())
        throw AutomationError(kInvalidProcedureCall, std::string("Cannot ") + action + " \"" + name + "\" of the dialog \"" +
                                                         name_ + "\": " + (!open_ ? "the dialog is not open" : "it is not enabled and visible"));
    return control;
}

void Dialog::Press(const std::string& button) {
    std::shared_ptr<DialogControl> control = Usable(button, "press");
    if (control->Kind() != DialogControlKind::Button)
        throw AutomationError(kInvalidProcedureCall, "\"" + button + "\" of the dialog \"" + name_ + "\" is no button");
    events_.Fire("Click", control->Name());
}

void Dialog::Enter(const std::string& name, const std::string& text) {
    std::shared_ptr<DialogControl> control = Usable(name, "enter a value into");
    if (!control->TakesValue())
        throw AutomationError(kInvalidProcedureCall, "\"" + name + "\" of the dialog \"" + name_ + "\" takes no value");
    control->SetValueText(text);
}

void Dialog::Close(const std::string& result) {
    if (!open_) return;
    open_ = false;
    result_ = result;
    events_.Fire("Closed", result);
}

}  // namespace platform
