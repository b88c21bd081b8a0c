#include "platform/toolbar/ToolbarText.h"

#include <algorithm>

#include "platform/grid/GridColumn.h"

namespace platform {

namespace {

std::string ToolLine(const platform::Tool& tool, int32_t captionWidth) {
    std::string caption = tool.Caption();
    bool dropsDown = tool.Type() == kToolDropDownButton || tool.Type() == kToolMenu;
    std::string line = std::string(tool.Enabled() ? "  * " : "    ") + caption + (dropsDown ? " v" : "  ");
    line += std::string(static_cast<size_t>(std::max(0, captionWidth - TextLength(caption))), ' ') + "  " + tool.ID();
    if (tool.State() != 0) line += "  [checked]";
    return line + "\n";
}

std::string ToolLines(const std::vector<std::shared_ptr<platform::Tool>>& tools) {
    int32_t width = 0;
    for (const auto& tool : tools)
        if (tool->Visible()) width = std::max(width, TextLength(tool->Caption()));
    std::string out;
    for (const auto& tool : tools)
        if (tool->Visible()) out += ToolLine(*tool, width);
    return out;
}

}  // namespace

std::string RenderText(const ToolbarControl& toolbar) {
    if (!toolbar.Visible()) return {};
    // A toolbar without bars shows all its tools.
    if (toolbar.Bands()->Count() == 0) return ToolLines(toolbar.Tools()->Items());
    std::string out;
    for (const auto& band : toolbar.Bands()->Items())
        if (band->Visible()) out += band->Name() + "\n" + ToolLines(band->Tools()->Items());
    return out;
}

}  // namespace platform
