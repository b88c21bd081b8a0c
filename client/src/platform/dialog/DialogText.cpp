#include "platform/dialog/DialogText.h"

namespace platform {

namespace {

std::string Joined(const std::vector<std::string>& texts, const char* separator) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : separator) + text;
    return joined;
}

// The lines of one control, without the box's border; none for buttons (drawn together) and empty labels.
std::vector<std::string> Lines(const DialogControlState& c) {
    const std::string disabled = c.enabled ? "" : " (disabled)";
    const std::string caption = c.caption.empty() ? c.name : c.caption;
    if (c.kind == "button") return {};
    if (c.kind == "label") return c.caption.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.caption + disabled};
    if (c.kind == "image") return {"[image " + caption + "]"};
    if (c.kind == "checkbox" || c.kind == "option")
        return {std::string(c.kind == "option" ? (c.value == "1" ? "(*) " : "( ) ") : (c.value == "1" ? "[x] " : "[ ] ")) +
                caption + disabled};
    if (c.kind == "grid") {
        std::vector<std::string> lines{caption + disabled + ": " + Joined(c.items, " | ")};
        for (size_t r = 0; r < c.rows.size(); ++r)
            lines.push_back((c.value == std::to_string(r) ? "  > " : "    ") + Joined(c.rows[r], " | "));
        return lines;
    }
    std::string line = caption + ": " + c.value + disabled;
    if (!c.items.empty()) line += "  {" + Joined(c.items, ", ") + "}";
    return {line};
}

// A label whose caption ends with ":" names the value of the label after it (one that names none
// itself): one line for both.
bool NamesNextLabel(const DialogControlState& control, const DialogControlState* next) {
    return control.kind == "label" && control.caption.ends_with(':') && next && next->kind == "label" &&
           !next->caption.ends_with(':');
}

}  // namespace

std::string RenderDialog(const std::string& caption, const std::vector<DialogControlState>& controls) {
    std::string text = "+-- " + caption + "\n";
    std::vector<std::string> buttons;
    std::vector<const DialogControlState*> visible;
    for (const DialogControlState& control : controls)
        if (control.visible) visible.push_back(&control);
    for (size_t i = 0; i < visible.size(); ++i) {
        const DialogControlState& control = *visible[i];
        if (control.kind == "button")
            buttons.push_back((control.enabled ? "[" : "(") + control.caption + (control.enabled ? "]" : ")"));
        if (NamesNextLabel(control, i + 1 < visible.size() ? visible[i + 1] : nullptr)) {
            const std::string& value = visible[++i]->caption;
            text += "| " + control.caption + (value.empty() ? "" : " " + value) + "\n";
            continue;
        }
        for (const std::string& line : Lines(control)) text += "| " + line + "\n";
    }
    if (!buttons.empty()) text += "| " + Joined(buttons, " ") + "\n";
    return text + "+--\n";
}

std::string RenderDialogRecord(const DialogRecord& record) {
    std::string text = "dialog " + record.name + (record.modal ? "" : " (not modal)") + ":\n" +
                       RenderDialog(record.caption, record.shown);
    text += "steps: " + (record.steps.empty() ? std::string("none") : Joined(record.steps, ", ")) + "\n";
    text += "closed" + (record.result.empty() ? std::string() : " with " + record.result) + ":\n";
    return text + RenderDialog(record.caption, record.closed);
}

}  // namespace platform
