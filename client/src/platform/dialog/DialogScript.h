#pragma once
// What a person does in a dialog, given in advance: values to enter and buttons to press, in order,
// each written as a text: "txtFind=A100" enters a value, "cmdFind" presses a button. Scripts wait
// for their dialog by its name; each showing of a dialog takes the next script of its name.
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog/DialogRecord.h"

namespace platform {

struct DialogStep {
    std::string control;
    std::optional<std::string> value;  // a value to enter; none: the control is a button to press
    std::string Text() const { return value ? control + "=" + *value : control; }
};

class DialogScript {
public:
    DialogScript() = default;
    // Each text a step; a step without a control name raises 5.
    explicit DialogScript(const std::vector<std::string>& steps);
    const std::vector<DialogStep>& Steps() const { return steps_; }

    // Opens the dialog and takes the steps while it stays open. A dialog still open then is left as a
    // person leaves it: its cancel button (its default button when it has none) is pressed, and when
    // that does not close it, it is closed without a result. A step the dialog refuses closes it and
    // raises its error.
    DialogRecord Play(Dialog& dialog, bool modal) const;

private:
    std::vector<DialogStep> steps_;
};

// The scripts waiting for dialogs, by dialog name (ignoring case).
class DialogScripts {
public:
    void Add(const std::string& dialogName, DialogScript script);
    // The next script for the dialog; an empty one when none waits.
    DialogScript Next(const std::string& dialogName);
    void Clear();

private:
    std::mutex mutex_;
    std::map<std::string, std::deque<DialogScript>> waiting_;
};

}  // namespace platform
