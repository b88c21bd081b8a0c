#pragma once
// What a dialog held when it was shown and when it was closed, control by control, with the steps a
// person (or a script) took in between and the result: what the headless services keep of every
// dialog they show, and what the terminal prints.
#include <string>
#include <vector>

#include "platform/dialog/Dialog.h"

namespace platform {

struct DialogControlState {
    std::string name, kind, caption, value;  // value as a script writes it (DialogControl::ValueText)
    bool enabled = true, visible = true;
    std::vector<std::string> items;              // list items, or a grid's column captions
    std::vector<std::vector<std::string>> rows;  // a grid's rows

    static std::vector<DialogControlState> Of(const Dialog& dialog);
};

struct DialogRecord {
    std::string name, caption;
    bool modal = false;
    std::vector<DialogControlState> shown, closed;
    std::vector<std::string> steps;  // "txtFind=A100", "cmdFind", in the order taken
    std::string result;

    // The value a control had when the dialog was closed ("" for an unknown control).
    std::string ClosedValue(const std::string& control) const;
};

}  // namespace platform
