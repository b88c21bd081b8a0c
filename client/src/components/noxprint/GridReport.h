#pragma once
// A grid written as an HTML report: the caption as the title, the report header, the page header,
// one table of the grid's visible columns (the fixed rows as its head), the page footer and the
// report footer. Texts are escaped; nothing else is added.
#include <string>
#include <vector>

#include "automation/Variant.h"

namespace components {

struct ReportTexts {
    std::string caption, reportHeader, pageHeader, pageFooter, reportFooter;
};

struct GridTable {
    std::vector<std::vector<std::string>> head;  // the fixed rows
    std::vector<std::vector<std::string>> body;  // the data rows
    // The cells of a grid's visible columns, read late-bound.
    static GridTable Read(const automation::Variant& grid);
    // One row per column of a grid: its position, key, header, width, sort and whether it is hidden.
    static GridTable ReadStructure(const automation::Variant& grid);
};

std::string RenderReport(const ReportTexts& texts, const GridTable& table);

}  // namespace components
