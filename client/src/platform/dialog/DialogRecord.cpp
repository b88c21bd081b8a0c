#include "platform/dialog/DialogRecord.h"

namespace platform {

std::vector<DialogControlState> DialogControlState::Of(const Dialog& dialog) {
    std::vector<DialogControlState> states;
    for (const auto& control : dialog.Controls())
        states.push_back({control->Name(), KindName(control->Kind()), control->Caption(), control->ValueText(),
                          control->Enabled(), control->Visible(), control->Items(), control->GridRows()});
    return states;
}

std::string DialogRecord::ClosedValue(const std::string& control) const {
    for (const DialogControlState& state : closed)
        if (automation::SameName(state.name, control)) return state.value;
    return {};
}

}  // namespace platform
