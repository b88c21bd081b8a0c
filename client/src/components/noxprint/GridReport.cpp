#include "components/noxprint/GridReport.h"

#include "platform/grid/LateGrid.h"
#include "platform/grid/VisibleGrid.h"
#include "platform/xml/XmlEscape.h"

namespace components {

using automation::Variant;

namespace {

void AppendRow(std::string& html, const std::vector<std::string>& cells, const char* tag) {
    html += "<tr>";
    for (const std::string& cell : cells)
        html += std::string("<") + tag + ">" + platform::EscapeXml(cell) + "</" + tag + ">";
    html += "</tr>\n";
}

void AppendBlock(std::string& html, const char* cssClass, const std::string& text) {
    if (!text.empty()) html += std::string("<div class=\"") + cssClass + "\">" + platform::EscapeXml(text) + "</div>\n";
}

}  // namespace

GridTable GridTable::Read(const Variant& grid) {
    platform::VisibleGrid visible = platform::VisibleGrid::Read(grid);
    return {std::move(visible.head), std::move(visible.body)};
}

GridTable GridTable::ReadStructure(const Variant& grid) {
    platform::LateGrid source(grid);
    GridTable table;
    table.head.push_back({"Column", "Key", "Header", "Width", "Sort", "Hidden"});
    for (int32_t c = 0, count = source.Long("Cols"); c < count; ++c)
        table.body.push_back({std::to_string(c), source.Text("ColKey", c),
                              source.Long("FixedRows") > 0 ? source.Cell(0, c) : std::string(),
                              source.Get("ColWidth", c).TextOr(""), source.Get("ColSort", c).TextOr(""),
                              source.Get("ColHidden", c).ToBool() ? "yes" : "no"});
    return table;
}

std::string RenderReport(const ReportTexts& texts, const GridTable& table) {
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
                       platform::EscapeXml(texts.caption) + "</title>\n</head>\n<body>\n";
    AppendBlock(html, "page-header", texts.pageHeader);
    html += "<h1>" + platform::EscapeXml(texts.caption) + "</h1>\n";
    AppendBlock(html, "report-header", texts.reportHeader);
    html += "<table border=\"1\">\n<thead>\n";
    for (const auto& row : table.head) AppendRow(html, row, "th");
    html += "</thead>\n<tbody>\n";
    for (const auto& row : table.body) AppendRow(html, row, "td");
    html += "</tbody>\n</table>\n";
    AppendBlock(html, "report-footer", texts.reportFooter);
    AppendBlock(html, "page-footer", texts.pageFooter);
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace components
